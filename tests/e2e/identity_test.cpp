// How a packed installer presents itself to Windows, read back through the system's own readers of
// program resources (the loader, the version library), not the packer's.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"
#include "e2e_paths.h"
#include "icon_file.h"

namespace {

std::string versionText(const std::vector<char>& block, const char* name) {
    char* text = nullptr;
    UINT length = 0;
    std::string path = std::string("\\StringFileInfo\\040c04b0\\") + name;
    if (!VerQueryValueA(block.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
        return "(none)";
    return std::string(text);
}

std::string resourceOf(HMODULE module, LPCSTR id, LPCSTR type) {
    HRSRC found = FindResourceA(module, id, type);
    if (!found) return "";
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    return std::string(bytes, SizeofResource(module, found));
}

struct PackerResult {
    DWORD code;
    std::string output;
};

PackerResult runPacker(const std::string& arguments) {
    PackerResult result;
    result.code = runCapturing(quotedPath(MKINSTALLER_PATH) + " " + arguments, result.output);
    return result;
}

struct Identity : ::testing::Test {
    TestFolder temp{"identity-temp"};
    TestFolder folder{"identity"};
    std::string product = folder.path + "\\product";
    std::string setup = folder.path + "\\setup.exe";

    void SetUp() override {
        temp.useAsTemporaryFolder();
        CreateDirectoryA(product.c_str(), nullptr);
        writeFile(product + "\\install.ini",
                  "Produit\r\n+\r\n\tID = \"ID\"\r\n\tTitre = \"Carnet\"\r\n\tVersion = \"2.1\"\r\n-\r\n");
    }
    PackerResult pack(const std::string& options) {
        return runPacker("build --description " + quotedPath(product) + " --stub " +
                         quotedPath(STUB_PATH) + options + " -o " + quotedPath(setup));
    }
};

}  // namespace

TEST_F(Identity, ElevationVersionTextsAndIconAreTheOnesGiven) {
    writeFile(folder.path + "\\product.ico", iconFile({16, 32}, 0xFF2080C0));
    ASSERT_EQ(0u, pack(" --elevation user --icon " + quotedPath(folder.path + "\\product.ico") +
                       " --company \"Atelier Brun\" --copyright \"(c) 2026 Atelier Brun\"")
                      .code);

    DWORD size = GetFileVersionInfoSizeA(setup.c_str(), nullptr);
    ASSERT_NE(0u, size);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(setup.c_str(), 0, size, block.data()));
    EXPECT_EQ("Atelier Brun", versionText(block, "CompanyName"));
    EXPECT_EQ("Carnet", versionText(block, "ProductName"));
    EXPECT_EQ("2.1", versionText(block, "ProductVersion"));
    EXPECT_EQ("(c) 2026 Atelier Brun", versionText(block, "LegalCopyright"));
    EXPECT_EQ("setup.exe", versionText(block, "OriginalFilename"));
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(0x00020001u, fixed->dwProductVersionMS);

    HMODULE module = LoadLibraryExA(setup.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, module);
    std::string manifest = resourceOf(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    EXPECT_NE(std::string::npos, manifest.find("level=\"asInvoker\"")) << manifest;
    std::string group = resourceOf(module, MAKEINTRESOURCEA(128), MAKEINTRESOURCEA(14));
    ASSERT_FALSE(group.empty());
    int id = LookupIconIdFromDirectoryEx(reinterpret_cast<BYTE*>(&group[0]), TRUE, 32, 32, 0);
    EXPECT_EQ(iconImage(32, 0xFF2080C0), resourceOf(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3)));
    FreeLibrary(module);

    PackerResult listed = runPacker("list " + quotedPath(setup));
    EXPECT_NE(std::string::npos, listed.output.find("elevation: user\r\n")) << listed.output;
    EXPECT_NE(std::string::npos, listed.output.find("icon: 32x32 (32 bits), 16x16 (32 bits)"))
        << listed.output;
}

TEST_F(Identity, WhatDoesNotFitIsRefusedSayingWhatFits) {
    writeFile(folder.path + "\\big.ico", iconFile({48}, 0xFF000000));
    PackerResult icon = pack(" --icon " + quotedPath(folder.path + "\\big.ico"));
    EXPECT_EQ(1u, icon.code);
    EXPECT_NE(std::string::npos, icon.output.find("32x32 (4264 bytes) and 16x16 (1128 bytes)"))
        << icon.output;
    PackerResult text = pack(" --company " + std::string(65, 'x'));
    EXPECT_EQ(1u, text.code);
    EXPECT_NE(std::string::npos, text.output.find("CompanyName holds at most 64 characters, not 65"))
        << text.output;
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(setup.c_str()));
}
