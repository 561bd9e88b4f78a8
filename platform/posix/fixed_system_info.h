#pragma once

#include "platform/system_info.h"

// Native builds stand for a 32-bit program on a fixed Windows: Windows 7
// with Service Pack 1 on a 64-bit system, until a test sets another one.
void setFixedSystemInfo(const OsVersion& version, int32_t bits);
