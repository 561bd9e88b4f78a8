// Share modes of the files the installer only reads.
#include "params/open_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "scratch_folder.h"

// Another program may read a picture the installer has open, not change it under it.
TEST(OpenFile, ReadingDeniesWritesToOthers) {
    ScratchFolder folder{"deny-writes"};
    folder.write("logo.bmp", "BM");
    std::string path = folder / "logo.bmp";
    FILE* open = OpenFileDenyingWrites(path.c_str());
    ASSERT_NE(nullptr, open);
    auto openFor = [&](DWORD access) {
        HANDLE file = CreateFileA(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        DWORD error = GetLastError();
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        return file == INVALID_HANDLE_VALUE ? error : DWORD(ERROR_SUCCESS);
    };
    EXPECT_EQ(DWORD(ERROR_SHARING_VIOLATION), openFor(GENERIC_WRITE));
    EXPECT_EQ(DWORD(ERROR_SUCCESS), openFor(GENERIC_READ));
    std::fclose(open);
    EXPECT_EQ(DWORD(ERROR_SUCCESS), openFor(GENERIC_WRITE));
}
