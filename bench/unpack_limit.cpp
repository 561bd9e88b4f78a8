// The least work an unpacking can do, as a yardstick for the installer's own: a library's gzip
// stream read with 64 KiB reads straight out of the file that holds it, inflated by zlib, and its
// records made into folders and files, nothing else. With "-" as destination it only inflates
// (run natively, the physical floor). Also a plain read of a file and the checksum pass over it.
// Built for Windows, it runs under the same Wine as the installer.
//   unpack_limit unpack FILE OFFSET SIZE DEST|-
//   unpack_limit read FILE        one plain read; prints its seconds
//   unpack_limit checksum FILE    a plain read, then read and checksum; prints both
#include <zlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "payload/checksum.h"
#include "payload/container_format.h"

namespace fs = std::filesystem;

namespace {

const size_t blockSize = 1 << 16;

std::FILE* openUnbuffered(const std::string& path, const char* mode) {
    std::FILE* file = std::fopen(path.c_str(), mode);
    // Every read and write then goes straight to the system, 64 KiB at a time.
    if (file) std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

// Successive gzip members of `size` bytes from `offset` on, as decompressed bytes.
struct Inflated {
    std::FILE* file;
    uint64_t left;
    z_stream zip{};
    std::vector<unsigned char> input = std::vector<unsigned char>(blockSize);
    std::vector<unsigned char> output = std::vector<unsigned char>(blockSize);
    size_t at = 0, end = 0;
    bool failed = false;

    Inflated(std::FILE* f, uint64_t offset, uint64_t size) : file(f), left(size) {
        inflateInit2(&zip, 16 + MAX_WBITS);
        failed = !file || fseeko64(file, static_cast<off64_t>(offset), SEEK_SET) != 0;
    }
    ~Inflated() { inflateEnd(&zip); }

    // Up to n bytes into p; 0 at the end of the data or on damage.
    size_t produce(unsigned char* p, size_t n) {
        zip.next_out = p;
        zip.avail_out = static_cast<uInt>(n);
        while (!failed && zip.avail_out == n) {
            if (zip.avail_in == 0) {
                size_t got = left ? std::fread(input.data(), 1, std::min<uint64_t>(blockSize, left),
                                               file)
                                  : 0;
                if (got == 0) break;
                left -= got;
                zip.next_in = input.data();
                zip.avail_in = static_cast<uInt>(got);
            }
            int result = inflate(&zip, Z_NO_FLUSH);
            if (result == Z_STREAM_END)
                inflateReset(&zip);
            else if (result != Z_OK)
                failed = true;
        }
        return n - zip.avail_out;
    }
    int get() {
        if (at == end) {
            at = 0;
            end = produce(output.data(), output.size());
            if (end == 0) return -1;
        }
        return output[at++];
    }
    size_t read(unsigned char* p, size_t n) {
        size_t got = std::min(n, end - at);
        std::copy_n(output.data() + at, got, p);
        at += got;
        while (got < n) {
            size_t more = produce(p + got, n - got);
            if (more == 0) break;
            got += more;
        }
        return got;
    }
};

bool unpackFile(Inflated& in, const fs::path& path, uint32_t size, std::vector<unsigned char>& block) {
    std::FILE* out = openUnbuffered(path.string(), "wb");
    bool sound = out != nullptr;
    for (uint32_t left = size; sound && left > 0;) {
        size_t n = in.read(block.data(), std::min<size_t>(left, block.size()));
        sound = n > 0 && std::fwrite(block.data(), 1, n, out) == n;
        left -= static_cast<uint32_t>(n);
    }
    return out && std::fclose(out) == 0 && sound;
}

// The archive records into folders and files under `destination`.
bool unpackRecords(Inflated& in, fs::path folder) {
    std::vector<unsigned char> block(blockSize);
    std::string name;
    for (int c = in.get(); c >= 0; c = in.get()) {
        if (c >= archiveFirstNameByte) {
            name += static_cast<char>(c);
        } else if (c == archiveEndFolderRecord) {
            folder = folder.parent_path();
        } else if (c == archiveBeginFolderRecord) {
            folder /= name;
            std::error_code error;
            fs::create_directory(folder, error);
            if (error) return false;
        } else {
            unsigned char size[4];
            if (in.read(size, 4) != 4 || !unpackFile(in, folder / name, readBigEndian32(size), block))
                return false;
        }
        if (c < archiveFirstNameByte) name.clear();
    }
    return !in.failed;
}

uint64_t inflateOnly(Inflated& in) {
    uint64_t total = 0;
    std::vector<unsigned char> block(blockSize);
    while (size_t n = in.read(block.data(), block.size())) total += n;
    return total;
}

// Reads the whole file with 64 KiB reads, feeding each block to the checksum when asked.
bool readFile(const std::string& path, bool checksum, uint32_t& value) {
    std::FILE* in = openUnbuffered(path, "rb");
    if (!in) return false;
    std::vector<unsigned char> block(blockSize);
    while (size_t n = std::fread(block.data(), 1, block.size(), in)) {
        if (checksum) value = updateChecksum(value, block.data(), n);
    }
    std::fclose(in);
    return true;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc > 2 ? argv[1] : "";
    auto start = std::chrono::steady_clock::now();
    uint32_t value = 0;
    if (mode == "unpack" && argc == 6) {
        std::FILE* file = openUnbuffered(argv[2], "rb");
        Inflated in(file, std::strtoull(argv[3], nullptr, 10), std::strtoull(argv[4], nullptr, 10));
        bool sound = true;
        if (std::string(argv[5]) == "-")
            std::printf("inflated %llu bytes",
                        static_cast<unsigned long long>(inflateOnly(in)));
        else
            sound = unpackRecords(in, argv[5]);
        if (file) std::fclose(file);
        std::printf("%s in %.3f s\n", sound ? " done" : " failed", secondsSince(start));
        return sound && !in.failed ? 0 : 1;
    }
    if (mode == "read" && argc == 3) {
        bool sound = readFile(argv[2], false, value);
        std::printf("read in %.3f s\n", secondsSince(start));
        return sound ? 0 : 1;
    }
    if (mode == "checksum" && argc == 3) {
        bool sound = readFile(argv[2], false, value);
        double plain = secondsSince(start);
        start = std::chrono::steady_clock::now();
        sound = sound && readFile(argv[2], true, value);
        std::printf("read %.3f s, checksum %.3f s (%08x)\n", plain, secondsSince(start), value);
        return sound ? 0 : 1;
    }
    std::fprintf(stderr,
                 "usage: unpack_limit unpack FILE OFFSET SIZE DEST|- | read FILE | checksum FILE\n");
    return 2;
}
