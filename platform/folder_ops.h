#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "platform/file_ops.h"

// Whether MakeFolder needs the folders above the one it makes, or creates those that are missing.
enum class FolderParents { required, created };

// The absolute form of path, so that two texts for one file or folder compare equal: the longest
// part that exists is resolved by the system, the rest is appended with "." and ".." applied. A
// path of which nothing resolves stays as it is.
TextBuffer ResolvedPath(const char* path);
// Creates one folder; false when it cannot be created, also when it is
// already there (a caller that must own a new folder tells the two apart).
bool CreateFolder(const char* path);
// True when the folder is there or could be created; with FolderParents::created the
// missing folders above it are created first, from the outermost inwards. Each folder created
// is told to made, when given.
bool MakeFolder(const char* path, FolderParents parents, MadeObserver* made = nullptr);
// Removes the folder only while it is empty; false when it is not, or cannot be removed.
bool RemoveEmptyFolder(const char* path);
// Lets administrators alone change the folder and what it will hold (see systemProtectFolder).
bool ProtectFolder(const char* path);
// Deletes what the folder holds; with Reach::tree, subfolders are emptied and
// removed too (links to folders are removed, never followed). Single failures
// are ignored: callers that must know test the result themselves.
bool EmptyFolder(const char* path, Reach reach);
// EmptyFolder (with Reach::tree), then the folder itself. Always true.
bool RemoveFolder(const char* path, Reach reach);
// Copies every entry of source into destination, which must exist already;
// with Reach::tree, subfolders through CopySubfolder, otherwise a subfolder
// fails like a file that cannot be copied. A failing entry makes the result
// false but the copy goes on. A source that cannot be listed copies nothing
// and counts as success. Copying a folder onto itself or into its own
// subtree fails at once. Once stop is set (from another thread), no further
// entry is copied and the result is false.
bool CopyFolder(const char* source, const char* destination, Reach reach,
                CopyCounter* copied = nullptr, const std::atomic<bool>* stop = nullptr);
// Creates destination (not its parents) and copies source into it,
// recursively.
bool CopySubfolder(const char* source, const char* destination, CopyCounter* copied = nullptr,
                   const std::atomic<bool>* stop = nullptr);
