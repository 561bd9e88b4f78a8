#include "packer_run.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "params/file_stream.h"
#include "tools/mkinstaller/mkinstaller.h"

namespace fs = std::filesystem;

PackerRun runPacker(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    Console console{out, err, nullptr};
    int code = runMkinstaller(args, console);
    return PackerRun{code, out.str(), err.str()};
}

void writeStub(const std::string& path, size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 251);
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> entriesOf(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().u8string());
    return names;
}

void writeWindowsNamed(const std::string& path, const std::string& content) {
    OutFileStream out(path.c_str(), FileMode::binary);
    out.write(content.data(), static_cast<int32_t>(content.size()));
}
