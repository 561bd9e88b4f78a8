#pragma once
// Builds archive streams and containers byte by byte, independently of the packer, so that the
// reader's tests say exactly which bytes they feed it.
#include <cstdint>
#include <string>
#include <vector>

std::string bigEndian(uint32_t value);

// Archive records.
std::string fileRecord(const std::string& name, const std::string& content);
std::string beginFolder(const std::string& name);
std::string endFolder(const std::string& name = "");

// One gzip member holding the bytes.
std::string gzipped(const std::string& bytes);

// The checksum computed byte by byte as its definition says (the code under test takes 16 bytes
// at a time).
uint32_t referenceChecksum(const std::string& bytes, uint32_t start = 0);

struct Library {
    std::string name;
    std::string bytes;
};

// A program file: a stub (stubSize bytes of filler when none is given), the directory and the
// libraries. With `checksum`, an entry "CRC" ends the directory and its library holds the right
// checksum.
std::string installerFile(const std::vector<Library>& libraries, bool checksum = true,
                          const std::string& stub = "");
