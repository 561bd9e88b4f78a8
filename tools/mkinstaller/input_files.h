#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tools/mkinstaller/byte_sink.h"

class Progress;

// The size of a file the packer reads; a PackError "<what> <path>: <reason>" when it is missing,
// unreadable or not a file.
uint64_t regularFileSize(const std::filesystem::path& path, const std::string& what);

// Opens a file for binary reading; a PackError naming it when that fails.
std::ifstream openForReading(const std::filesystem::path& path);

// Copies exactly `size` bytes of the file into the sink, reporting them to the progress; a
// PackError when the file cannot be read or no longer has that size (it changed while packing).
void copyFileInto(const std::filesystem::path& path, uint64_t size, ByteSink& sink,
                  Progress& progress);

// The whole content of a file of exactly `size` bytes; a PackError as for copyFileInto.
std::vector<unsigned char> readWholeFile(const std::filesystem::path& path, uint64_t size);
