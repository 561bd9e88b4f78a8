#include "platform/system_info.h"

#include <windows.h>

#include <atomic>

namespace {

using IsWow64 = BOOL(WINAPI*)(HANDLE, PBOOL);

int32_t askWordSize() {
    // Looked up at run time: systems before the 64-bit ones lack it.
    auto isWow64 = reinterpret_cast<IsWow64>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    if (isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64) return 64;
    return 32;
}

}  // namespace

int32_t OsBits() {
    // Asked once; the worker thread may be the first to ask.
    static std::atomic<int32_t> bits{0};
    if (!bits) bits = askWordSize();
    return bits;
}

bool readOsVersion(OsVersion& version) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return false;
    version.platform = info.dwPlatformId;
    version.major = info.dwMajorVersion;
    version.minor = info.dwMinorVersion;
    version.build = info.dwBuildNumber;
    version.servicePack.assign(info.szCSDVersion);
    return true;
}
