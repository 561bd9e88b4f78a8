#include "tools/mkinstaller/source_map.h"

#include <cstring>
#include <map>

#include "params/block_format.h"
#include "params/file_stream.h"
#include "tools/mkinstaller/windows_names.h"

namespace {

// Records each entry's line and turns the reader's mistakes, and keys that read otherwise than
// they look, into findings.
class LineRecorder : public BlockObserver {
public:
    LineRecorder(std::unordered_map<const ParamNode*, int>& lines, const std::string& file,
                 Findings& findings)
        : lines_(lines), file_(file), findings_(findings) {}

    void entryRead(const ParamNode& entry, int line, bool quotedKey) override {
        lines_[&entry] = line;
        if (quotedKey) return;
        const char* name = textOf(entry.name());
        if (std::strcmp(name, "-") == 0) {
            findings_.error({file_, line},
                            "this \"-\" is read as an entry, not as the end of a block (a comment "
                            "line right before a block's \"-\" has this effect)");
        } else if (std::strchr(name, '=')) {
            findings_.error({file_, line}, "the key " + quoted(name) +
                                               " holds \"=\": write blanks around \"=\", or quote "
                                               "the key");
        }
    }

    void mistake(Mistake kind, int line) override {
        switch (kind) {
            case missingValue:
                findings_.error({file_, line}, "\"=\" without a value at the end of the file");
                break;
            case nestedTooDeep:
                findings_.error({file_, line}, "blocks nested deeper than the reader accepts");
                break;
            case dashBeforeWord:
                findings_.error({file_, line},
                                "this \"-\" ends the block, and what follows it is read as a new "
                                "entry: a command silenced by \"-\" must stand in quotes "
                                "(\"-MKDIR\")");
                break;
            case unclosedBlock:
                findings_.error({file_, line},
                                "this block's \"+\" has no closing \"-\": it runs to the end of "
                                "the file");
                break;
        }
    }

private:
    std::unordered_map<const ParamNode*, int>& lines_;
    const std::string& file_;
    Findings& findings_;
};

}  // namespace

QuietDiagnostics::QuietDiagnostics() : previous_(setErrorStream(&discard_)) {}

QuietDiagnostics::~QuietDiagnostics() {
    setErrorStream(previous_);
}

void SourceMap::readFile(const std::filesystem::path& path, Findings& findings) {
    if (!std::filesystem::is_regular_file(path)) return;
    std::unique_ptr<File> file(new File);
    file->name = path.generic_u8string();
    LineRecorder recorder(file->lines, file->name, findings);
    QuietDiagnostics quiet;
    readTreeFile(file->tree, installerPath(path).c_str(), recorder);
    files_.push_back(std::move(file));
}

void SourceMap::place(const ParamNode& layered) {
    for (const auto& file : files_) placeChildren(layered, file->tree, *file);
}

void SourceMap::placeChildren(const ParamNode& layered, const ParamNode& read, const File& file) {
    std::map<std::string, int> seen;
    for (ParamCell* c = read.children(); c; c = c->next) {
        const char* name = textOf(c->node->name());
        int wanted = seen[name]++;
        // The n-th node of that name, else the first: a layer merges into the first of a name.
        ParamNode* match = nullptr;
        int index = 0;
        for (ParamCell* m = layered.children(); m; m = m->next) {
            if (std::strcmp(textOf(m->node->name()), name) != 0) continue;
            if (!match || index == wanted) match = m->node;
            if (index++ == wanted) break;
        }
        if (!match) continue;
        auto line = file.lines.find(c->node);
        places_.emplace(match, SourcePlace{file.name, line == file.lines.end() ? 0 : line->second});
        placeChildren(*match, *c->node, file);
    }
}

SourcePlace SourceMap::placeOf(const ParamNode* node) const {
    auto found = places_.find(node);
    if (found != places_.end()) return found->second;
    return SourcePlace{files_.empty() ? std::string() : files_.front()->name, 0};
}
