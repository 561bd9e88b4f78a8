#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "params/param_node.h"
#include "params/text_stream.h"
#include "tools/mkinstaller/findings.h"

// While it lives, the reader's own French diagnostic lines go nowhere: findings say it better.
class QuietDiagnostics {
public:
    QuietDiagnostics();
    ~QuietDiagnostics();
    QuietDiagnostics(const QuietDiagnostics&) = delete;
    QuietDiagnostics& operator=(const QuietDiagnostics&) = delete;

private:
    class Discard : public OutStream {
    public:
        void put(char) override {}
    };
    Discard discard_;
    OutStream* previous_;
};

// A package's block-text files as the installer's reader reads them, and, for each node of the
// package's layered trees, the file and line it came from.
class SourceMap {
public:
    // Reads one file (a missing one adds nothing); syntax mistakes become findings. The package's
    // own file comes first, then its layers: a node shows the line of the first file that has it.
    void readFile(const std::filesystem::path& path, Findings& findings);
    // Places every node of a layered tree that the files read hold, as the layering matched them:
    // by name, the n-th node of a name in a file being the n-th of that name in the tree.
    void place(const ParamNode& layered);
    // Where node came from; the first file read, without a line, when no file holds it.
    SourcePlace placeOf(const ParamNode* node) const;

private:
    struct File {
        std::string name;
        ParamNode tree;
        std::unordered_map<const ParamNode*, int> lines;
    };
    void placeChildren(const ParamNode& layered, const ParamNode& read, const File& file);

    std::vector<std::unique_ptr<File>> files_;
    std::unordered_map<const ParamNode*, SourcePlace> places_;
};
