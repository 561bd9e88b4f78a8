#pragma once
// Installers put together byte by byte, for the cases the packer refuses to write.
#include <cstdint>
#include <string>

std::string fileBytes(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// A container after the real stub: directory entries "name size", the libraries in the same
// order, then the checksum over everything before it (spoiled on request).
struct Container {
    std::string directory, libraries;
    void add(const std::string& name, const std::string& bytes);
    std::string installer(bool spoilChecksum = false) const;
};

// An uncompressed archive stream of one folder holding one file.
std::string archiveOfOneFile(const std::string& name, const std::string& content);
