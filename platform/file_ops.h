#pragma once

#include <atomic>
#include <cstdint>

#include "platform/made_observer.h"

// Bytes and files copied so far: the copies add to it on the worker thread while the
// progress display reads it on the interface thread. 64 bits of bytes, because a
// 32-bit count turns negative after 2 GiB. It travels with every copy, so it also carries
// the observer told of what the copies make, when a journal is kept.
struct CopyCounter {
    std::atomic<int64_t> bytes{0};
    std::atomic<int32_t> files{0};
    MadeObserver* made = nullptr;
    void add(int64_t size) {
        bytes += size;
        ++files;
    }
};

// What a write to path is about to replace; absent without an observer, which does not ask.
FileBefore fileBefore(const MadeObserver* made, const char* path);
// Tells made, when there is one, of a file written or a folder created.
void tellFileWritten(MadeObserver* made, const char* path, FileBefore before);
void tellFolderMade(MadeObserver* made, const char* path);

// A moment in local time; year in full, month 1-12.
struct FileDate {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

struct FileInfo {
    FileDate modified;
    FileDate created;
    int64_t size = -1;  // -1 when the file cannot be examined
};

// Whether the file or folder is there.
bool PathExists(const char* path);
// Whether path is itself a symbolic link or, on Windows, any reparse point (a
// junction, a mount point), whatever it leads to.
bool IsLink(const char* path);
// Whether path is a folder that can be listed. When it cannot, a diagnostic
// line goes to the error stream (the test is also used on paths expected to
// be absent, so the line is not an error).
bool FolderExists(const char* path);
// Copies a file, replacing the destination. A destination that refuses the
// copy (read-only, hidden, system) gets normal attributes and one more try;
// the copy always ends with normal attributes, so nothing copied from a
// read-only medium stays read-only. A copy onto the source itself fails.
// On success the destination's size is added to copied, when given.
bool CopyFileOver(const char* source, const char* destination, CopyCounter* copied = nullptr);
// Moves a file or folder within one volume; never replaces an existing
// target, and fails when both texts name one path (SameFile).
bool RenamePath(const char* from, const char* to);
// Deletes one file. Attributes are left alone, so a read-only file stays.
bool DeletePath(const char* path);
// Dates and size of a file or folder; false (size -1) when it cannot be
// examined.
bool GetFileInfo(const char* path, FileInfo& info);
