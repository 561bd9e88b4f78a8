#pragma once

#include "params/text_buffer.h"
#include "platform/file_ops.h"

class GzFileStream;

enum class ArchiveResult {
    StreamEnded,  // the input ended cleanly
    FolderEnded,  // an end-folder record was read at the level the reading started from
    Failed,       // the reason is in the error text (none when the input ended inside a folder)
};

// Unpacks the archive records read from `in` into `folder`: folders are created before their
// content, files are created or overwritten, files the archive does not name are left alone.
// Record names that would leave the destination, and names of links already there, are refused.
// The size of each file unpacked is added to `counter` when given. Files written before a failure
// stay on disk. Once `stop` is set (from another thread), no further file is unpacked: the result
// is Failed with an empty error.
ArchiveResult readArchiveFolder(GzFileStream& in, const char* folder, TextBuffer& error,
                                CopyCounter* counter, const std::atomic<bool>* stop = nullptr);

// Unpacks the archive in the gzip file at `path` (or stored uncompressed) into `destination`;
// false, with the reason in `error`, when the reading failed or was stopped. With a size that is
// not negative, the archive is the `size` bytes from `offset` on: a library where it lies in the
// program file.
bool unpackArchive(const char* path, const char* destination, TextBuffer& error,
                   CopyCounter* counter, const std::atomic<bool>* stop = nullptr,
                   int32_t offset = 0, int32_t size = -1);
