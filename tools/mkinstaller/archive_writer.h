#pragma once

#include "tools/mkinstaller/archive_tree.h"
#include "tools/mkinstaller/byte_sink.h"

class Progress;

// Writes a scanned tree as an archive stream: one folder record with an empty name around the
// tree's records; a folder's end record repeats its name; a file record carries its size
// (4 bytes, big-endian) and content.
void writeArchive(const ArchiveNode& root, ByteSink& sink, Progress& progress);
