#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "captured_diagnostics.h"
#include "platform/programs.h"
#include "scratch_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::string sleeper(int milliseconds, const std::string& marker) {
    return "\"" SLEEPER_PATH "\" " + std::to_string(milliseconds) + " \"" + marker + "\"";
}

// Generous: a program start may take seconds on a slow or emulated machine.
bool appears(const ScratchFolder& dir, const std::string& name) {
    for (int i = 0; i < 1200 && !dir.exists(name); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return dir.exists(name);
}

}  // namespace

TEST(StartProgram, WaitsForTheEndOfTheProgram) {
    ScratchFolder dir("start-wait");
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(StartProgram(sleeper(400, dir / "done.txt").c_str(), ProgramWait::untilEnded, ""));
    EXPECT_GE(millisecondsSince(start), 350);
    EXPECT_EQ(dir.read("done.txt"), "done");
}

// "At once" is measured against the child's own run time, never against a fixed bound: starting a
// process may take seconds on a slow machine.
TEST(StartProgram, WithoutWaitingReturnsBeforeTheProgramEnds) {
    ScratchFolder dir("start-nowait");
    EXPECT_TRUE(StartProgram(sleeper(8000, dir / "later.txt").c_str(), ProgramWait::none, ""));
    EXPECT_FALSE(dir.exists("later.txt"));
}

TEST(StartProgram, RunsInItsStartFolder) {
    ScratchFolder dir("start-folder");
    EXPECT_TRUE(StartProgram(sleeper(0, "here.txt").c_str(), ProgramWait::none, dir.path.c_str()));
    EXPECT_TRUE(appears(dir, "here.txt"));
}

TEST(StartProgram, WaitEndsWhenStopped) {
    ScratchFolder dir("start-stop");
    std::atomic<bool> stop{false};
    std::thread canceller([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    Clock::time_point start = Clock::now();
    EXPECT_TRUE(StartProgram(sleeper(8000, dir / "never.txt").c_str(), ProgramWait::untilEnded,
                             "  ", &stop));
    canceller.join();
    EXPECT_LT(millisecondsSince(start), 6000);
    EXPECT_FALSE(dir.exists("never.txt"));
}

TEST(StartProgram, MissingProgramOrFolderIsReported) {
    ScratchFolder dir("start-missing");
    std::string missing = "\"" + (dir / "none.exe") + "\" 1";
    CapturedDiagnostics diagnostics;
    EXPECT_FALSE(StartProgram(missing.c_str(), ProgramWait::untilEnded, ""));
    EXPECT_FALSE(StartProgram(sleeper(0, "x.txt").c_str(), ProgramWait::untilEnded,
                              (dir / "nofolder").c_str()));
    EXPECT_FALSE(StartProgram("", ProgramWait::none, ""));
    EXPECT_EQ(diagnostics.text(), "Erreur d'ouverture du prg <" + missing +
                                      ">\n"
                                      "Erreur d'ouverture du prg <" +
                                      sleeper(0, "x.txt") +
                                      ">\n"
                                      "Erreur d'ouverture du prg <>\n");
}

TEST(ShellOpen, MissingDocumentIsReported) {
    ScratchFolder dir("shell");
    std::string missing = dir / "none.txt";
    CapturedDiagnostics diagnostics;
    EXPECT_FALSE(ShellOpen(missing.c_str(), ""));
    EXPECT_EQ(diagnostics.text(), "Erreur lors de l'ouverture de <" + missing + ">\n");
}
