#include "fuzz_folder.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "confinement.h"
#include "params/file_stream.h"

namespace fs = std::filesystem;

namespace {

// Diagnostic lines cost time and fill the fuzzer's log; none of them is a finding.
class Discard : public OutStream {
public:
    void put(char) override {}
    void write(const char*, int32_t) override {}
};

bool named(const std::string& name, std::initializer_list<const char*> names) {
    for (const char* n : names)
        if (name == n) return true;
    return false;
}

std::string makeFolder() {
    std::string pattern = (fs::temp_directory_path() / "fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) finding("cannot make the fuzz folder " + pattern);
    std::string folder = fs::canonical(pattern).string();
    if (chdir(folder.c_str()) != 0) finding("cannot enter " + folder);
    confinePathsTo(folder.c_str());
    static Discard discard;
    setErrorStream(&discard);
    return folder;
}

}  // namespace

const std::string& fuzzFolder() {
    static const std::string folder = makeFolder();
    // Registered after the text is made, so that it runs before the text goes.
    static const bool removedAtExit = std::atexit([] { fs::remove_all(fuzzFolder()); }) == 0;
    (void)removedAtExit;
    return folder;
}

void writeFile(const std::string& name, const uint8_t* data, size_t size) {
    std::ofstream out(fuzzFolder() + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void requireOnly(const std::string& folder, std::initializer_list<const char*> allowed) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(folder, ignored)) {
        std::string name = entry.path().filename().string();
        if (!named(name, allowed)) finding("written outside its destination: " + folder + "/" + name);
    }
}

void removeAllBut(std::initializer_list<const char*> kept) {
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator(fuzzFolder(), ignored))
        if (!named(entry.path().filename().string(), kept)) fs::remove_all(entry.path(), ignored);
}

void finding(const std::string& what) {
    std::fprintf(stderr, "fuzz finding: %s\n", what.c_str());
    std::abort();
}
