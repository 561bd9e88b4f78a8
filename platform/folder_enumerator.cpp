#include "platform/folder_enumerator.h"

#include <cstring>
#include <utility>

#include "params/file_stream.h"
#include "platform/folder_search.h"
#include "platform/path_names.h"

namespace {

bool isDots(const TextBuffer& name) {
    return std::strcmp(name.text(), ".") == 0 || std::strcmp(name.text(), "..") == 0;
}

}  // namespace

bool FolderEnumerator::Open(const char* pattern, ListingOf listing) {
    Close();
    if (!pattern) pattern = "";
    TextBuffer search(pattern);
    if (listing == ListingOf::folder) {
        search.append(PathSeparator);
        search.append("*");
    }
    search_ = openFolderSearch(search.text(), held_);
    if (!search_)
        errorStream() << "Erreur dans l'ouverture du"
                      << " repertoire <" << pattern << ">\n";
    return search_ != nullptr;
}

bool FolderEnumerator::Next(FolderEntry& entry, DotEntries dots) {
    while (search_) {
        std::swap(entry, held_);
        if (!nextFolderEntry(search_, held_)) Close();
        if (dots == DotEntries::listed || !isDots(entry.name)) return true;
    }
    return false;
}

void FolderEnumerator::Close() {
    if (search_) closeFolderSearch(search_);
    search_ = nullptr;
}
