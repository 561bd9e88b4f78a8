#pragma once

#include <cstdint>

#include "params/text_buffer.h"

struct FolderSearch;

// What FolderEnumerator::Open's pattern names: a folder, every entry of which is listed, or a
// folder, a separator and a name pattern such as "*.cpx", whose matches are listed.
enum class ListingOf { folder, matches };
// Whether a listing hands out the entries "." and "..".
enum class DotEntries { skipped, listed };

// One entry of a folder listing.
struct FolderEntry {
    TextBuffer name;
    bool isFolder = false;
    // A symbolic link or junction: removing it must not reach what it points
    // to.
    bool isLink = false;
    int64_t size = 0;
};

// Walks one folder listing, always holding the entry it will hand out next:
// an entry is fetched before the previous one is returned, so the caller may
// delete or rename what it got before asking for more.
class FolderEnumerator {
public:
    FolderEnumerator() = default;
    ~FolderEnumerator() { Close(); }
    FolderEnumerator(const FolderEnumerator&) = delete;
    FolderEnumerator& operator=(const FolderEnumerator&) = delete;

    // Closes any open listing, then lists what pattern names. False, with a diagnostic line,
    // when nothing can be listed.
    bool Open(const char* pattern, ListingOf listing = ListingOf::folder);
    // The held entry. False when the listing is closed or exhausted.
    bool Next(FolderEntry& entry, DotEntries dots = DotEntries::skipped);
    void Close();
    bool isOpen() const { return search_ != nullptr; }

private:
    // Open while an entry is held: the listing closes when it runs out.
    FolderSearch* search_ = nullptr;
    FolderEntry held_;
};
