#pragma once
// An installer packed around the real stub from a product whose "Installe" block the test writes,
// walked to its installation page and closed from its report, its work folder checked gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "driver.h"
#include "e2e_paths.h"

// The byte that install scripts write for a path separator.
std::string scriptPath(std::string path);

struct Installation : ::testing::Test {
    TestFolder temp{"install-temp"};
    TestFolder folder{"install-program"};
    std::string product = folder.path + "\\product";
    std::string data = folder.path + "\\data";
    std::string target = folder.path + "\\installed";
    std::string setup = folder.path + "\\setup.exe";
    RunningProgram run;
    // The text of the licence page, as startInstalling found it.
    std::string licenceShown;

    void SetUp() override;
    // Packs the product whose "Installe" block holds these commands, with the data folder as
    // library PAYLOAD and the packer's further options.
    void pack(const std::string& commands, const std::string& options = "");
    // Starts the installer and walks it from the licence to the installation page.
    HWND startInstalling();
    HWND waitForReport();
    // "Fermer", then the end of the program with its work folder gone.
    void close(HWND wizard);
};
