#include "tools/mkinstaller/input_files.h"

#include <system_error>
#include <vector>

#include "tools/mkinstaller/pack_error.h"
#include "tools/mkinstaller/progress.h"

uint64_t regularFileSize(const std::filesystem::path& path, const std::string& what) {
    std::error_code error;
    std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) throw PackError(what + " " + path.u8string() + ": " + error.message());
    if (!std::filesystem::is_regular_file(status))
        throw PackError(what + " " + path.u8string() + ": not a file");
    return std::filesystem::file_size(path);
}

std::ifstream openForReading(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PackError("cannot open " + path.u8string());
    return in;
}

void copyFileInto(const std::filesystem::path& path, uint64_t size, ByteSink& sink,
                  Progress& progress) {
    std::ifstream in = openForReading(path);
    std::vector<char> buffer(1 << 16);
    uint64_t copied = 0;
    while (true) {
        std::streamsize n =
            in.rdbuf()->sgetn(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        if (n <= 0) break;
        copied += static_cast<uint64_t>(n);
        if (copied > size) break;
        sink.write(buffer.data(), static_cast<size_t>(n));
        progress.advance(static_cast<uint64_t>(n));
    }
    if (copied != size) throw PackError(path.u8string() + " changed while it was being packed");
}

std::vector<unsigned char> readWholeFile(const std::filesystem::path& path, uint64_t size) {
    std::ifstream in = openForReading(path);
    std::vector<unsigned char> bytes(size + 1);
    std::streamsize n = in.rdbuf()->sgetn(reinterpret_cast<char*>(bytes.data()),
                                          static_cast<std::streamsize>(bytes.size()));
    if (n < 0 || static_cast<uint64_t>(n) != size)
        throw PackError(path.u8string() + " changed while it was being packed");
    bytes.resize(size);
    return bytes;
}
