#pragma once

#include <gtest/gtest.h>

// The installer is a 32-bit program: what only such a process shows on a 64-bit Windows (the
// registry's two views, IsWow64Process) is checked by the 32-bit build of the tests; a 64-bit
// Windows build skips it. Such tests carry "Wow64" in their name, so that the 32-bit layer can run
// just them where 32-bit programs are slow to start.
#define SKIP_UNLESS_32BIT_PROCESS() \
    if (WINDOWS_64BIT_TESTS) GTEST_SKIP() << "shown only by a 32-bit process"
