#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// The operating system's version record.
struct OsVersion {
    uint32_t platform = 0;  // 0 Win32s, 1 the 9x family, 2 the NT family
    uint32_t major = 0;
    uint32_t minor = 0;
    uint32_t build = 0;
    TextBuffer servicePack;  // empty when there is none
};

// 64 when this 32-bit program runs on a 64-bit Windows, else 32.
int32_t OsBits();

// The version record; false when the system gives none.
bool readOsVersion(OsVersion& version);

// The identifier of the running system (see osIdOfVersion); fullName, when
// given, receives its full name text.
int32_t OsIdentify(TextBuffer* fullName = nullptr);

// The identifier of a version ("Windows XP" 800, "Windows 7" 1000, every
// later version "Windows" 2000, "???" 0), and in fullName the text
// "<name> (<major>.<minor> with <service pack>) - <bits>bits".
int32_t osIdOfVersion(const OsVersion& version, int32_t bits, TextBuffer* fullName);

// The folder of the shell folder table by number (1 desktop, 2 start menu,
// 3 programs, 4 startup, 5 favourites, 6 send-to, 7 templates, 8 application
// data, 9 documents). With allUsers the all-users folder is preferred where
// there is one. Empty when neither is set.
TextBuffer ShellFolder(int32_t number, bool allUsers);

// Whether the system has an all-users start menu.
bool HasAllUsersFolders();

// Sets the system's variables in the VariableStore, in this order: the
// shell folders (WIN_BUREAU ... WIN_MESDOCUMENTS, empty when not found),
// OSBITS, OSID, OSNOM, LANGUECR (language: the session's interface
// language, given by the caller so that this layer needs no session), and
// INSTALLEFIC, INSTALLEID3, INSTALLERAC from the program's own path.
void SetSystemVariables(bool allUsers, const char* language);
