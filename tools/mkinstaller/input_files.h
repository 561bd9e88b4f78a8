#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "tools/mkinstaller/byte_sink.h"

class Progress;

// Opens a file for binary reading; a PackError naming it when that fails.
std::ifstream openForReading(const std::filesystem::path& path);

// Copies exactly `size` bytes of the file into the sink, reporting them to the progress; a
// PackError when the file cannot be read or no longer has that size (it changed while packing).
void copyFileInto(const std::filesystem::path& path, uint64_t size, ByteSink& sink,
                  Progress& progress);
