// A target that another program holds open without sharing cannot be replaced: the unpacking
// fails and names the target.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "payload/archive_reader.h"
#include "payload_bytes.h"
#include "scratch_folder.h"

TEST(UnpackingOnWindows, ATargetHeldOpenWithoutSharingIsReported) {
    ScratchFolder scratch("locked");
    scratch.write("dest/held.txt", "held");
    HANDLE held = CreateFileA((scratch / "dest/held.txt").c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    scratch.write("lib.gz", gzipped(beginFolder("") + fileRecord("first.txt", "1") +
                                    fileRecord("held.txt", "new") + fileRecord("last.txt", "3") +
                                    endFolder()));
    TextBuffer error;
    EXPECT_FALSE(
        unpackArchive((scratch / "lib.gz").c_str(), (scratch / "dest").c_str(), error, nullptr));
    CloseHandle(held);
    EXPECT_EQ(std::string(error.text()),
              "Erreur de d\xE9"
              "compression du fichier encapsul\xE9, peut \xEAtre en utilisation : " +
                  (scratch / "dest") + "\\held.txt");
    EXPECT_EQ(scratch.read("dest/first.txt"), "1");
    EXPECT_EQ(scratch.read("dest/held.txt"), "held");
    EXPECT_FALSE(scratch.exists("dest/last.txt"));
}
