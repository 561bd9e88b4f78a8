#pragma once

#include <cstdint>

// The payload format shared by its only writer (the packer) and the stub's reader.
//
// Container, from stubSize on: a directory of entries "name size", the
// libraries back to back in directory order, then anything. Numbers are 32-bit big-endian.
// Archive stream (the content of an archive library once gunzipped): records, each a name of
// bytes >= archiveFirstNameByte followed by a type byte.

// The stub's fixed size: the program occupies this many bytes of its file and the container
// starts right after them. It is also the exit code of the size query.
constexpr int stubSize = 135168;

// A directory entry: the name, one space, the library's size on 4 bytes.
constexpr int maxLibraryNameLength = 159;
constexpr int directoryEntryOverhead = 5;
// The checksum entry included; a 102nd entry makes the directory unreadable.
constexpr int maxDirectoryEntries = 101;

// Libraries the installer knows by name.
inline constexpr char checksumLibraryName[] = "CRC";
inline constexpr char descriptionLibraryName[] = "INSTALLE";
inline constexpr char extraVariablesLibraryName[] = "VARBONUS";
constexpr int checksumLibrarySize = 4;

// The copy of the program file and its volumes joined, made in the work folder.
inline constexpr char joinedContainerName[] = "cloneexe.exe";

// The bytes that end a library name in the directory (the C locale's white space).
inline bool isDirectorySpace(unsigned char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Offsets and sizes are held as signed 32-bit values by the installer (ParamNode integers), so a
// container must end below 2 GiB; an archived file must be smaller than 2 GiB.
constexpr int64_t maxContainerEnd = 0x7FFFFFFF;
constexpr uint32_t maxArchivedFileSize = 0x7FFFFFFF;

enum ArchiveRecordType : unsigned char {
    archiveFileRecord = 0,         // followed by the size, then the content
    archiveBeginFolderRecord = 1,  // followed by the folder's records up to its end record
    archiveEndFolderRecord = 2,
};
// Longer record names cannot be file names on Windows (nor on most other systems).
constexpr int32_t maxArchiveNameLength = 255;
// Bytes below this one are type bytes (3 to 10 are invalid); from it on they belong to a name.
constexpr unsigned char archiveFirstNameByte = 11;

inline uint32_t readBigEndian32(const unsigned char* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}

inline void writeBigEndian32(uint32_t value, unsigned char* p) {
    p[0] = static_cast<unsigned char>(value >> 24);
    p[1] = static_cast<unsigned char>(value >> 16);
    p[2] = static_cast<unsigned char>(value >> 8);
    p[3] = static_cast<unsigned char>(value);
}
