// Starts the real stub as a child process and reads its full 32-bit exit code,
// which a Linux exit status would cut to 8 bits.
#include <gtest/gtest.h>
#include <windows.h>
#include <string>

namespace {

DWORD runStub(const std::string& arguments) {
  std::string commandLine = std::string("\"") + STUB_PATH + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  std::string writable = commandLine;
  if (!CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    ADD_FAILURE() << "cannot start " << commandLine;
    return 0xFFFFFFFF;
  }
  WaitForSingleObject(process.hProcess, 60000);
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return code;
}

bool folderIsEmpty(const std::string& folder) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return true;
  bool empty = true;
  do {
    std::string name = entry.cFileName;
    if (name != "." && name != "..") empty = false;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return empty;
}

// A private temporary folder for the child, so that anything it creates there is seen.
struct PrivateTemp {
  std::string folder;
  PrivateTemp() {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    folder = std::string(base) + "stubtest" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    SetEnvironmentVariableA("TMP", folder.c_str());
    SetEnvironmentVariableA("TEMP", folder.c_str());
  }
  ~PrivateTemp() { RemoveDirectoryA(folder.c_str()); }
};

}  // namespace

TEST(Stub, IsExactlyItsBudget) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  ASSERT_TRUE(GetFileAttributesExA(STUB_PATH, GetFileExInfoStandard, &info));
  EXPECT_EQ(0u, info.nFileSizeHigh);
  EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), info.nFileSizeLow);
}

TEST(Stub, SizeQueryEndsWithTheStubSizeAndCreatesNothing) {
  PrivateTemp temp;
  EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), runStub("/s"));
  EXPECT_EQ(static_cast<DWORD>(STUB_SIZE), runStub("/s and more words"));
  EXPECT_TRUE(folderIsEmpty(temp.folder));
}

TEST(Stub, OtherCommandLinesAreNotTheSizeQuery) {
  PrivateTemp temp;
  for (const char* arguments : {"/S", "/3", "-x", "", "/0"}) {
    EXPECT_NE(static_cast<DWORD>(STUB_SIZE), runStub(arguments)) << "arguments: " << arguments;
  }
}
