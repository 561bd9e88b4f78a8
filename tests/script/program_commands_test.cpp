// The commands that start programs, open documents and queue them for the end of the
// installation. The program started is the tests' sleeper: it sleeps, then writes a file.

#include <chrono>
#include <string>
#include <thread>

#include "params/variable_store.h"
#include "script/program_commands.h"
#include "script_fixture.h"
#include "session/run_state.h"
#include "session/stores.h"

namespace {

using Clock = std::chrono::steady_clock;

long long millisecondsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

}  // namespace

class ProgramCommandsTest : public ScriptTest {
protected:
    ProgramCommandsTest() {
        OpenList().setChildren(nullptr, TakeList::adopt);
        setVariable("SLEEPER", SLEEPER_PATH);
        setVariable("DIR", folder.path.c_str());
    }
    ~ProgramCommandsTest() override { OpenList().setChildren(nullptr, TakeList::adopt); }
};

TEST_F(ProgramCommandsTest, ExecuteStopWaitsAndPassesTheValueAsOneArgument) {
    folder.makeFolder("with space");
    Clock::time_point start = Clock::now();
    run(R"(
Installe
+
    EXECUTESTOP  +  "${SLEEPER} 400" = "${DIR}/with space/done.txt"  -
-
)");
    EXPECT_GE(millisecondsSince(start), 350);
    EXPECT_EQ(folder.read("with space/done.txt"), "done");
    EXPECT_TRUE(errors().empty());
}

// Returning "at once" means before the program's own end, whatever a process start costs.
TEST_F(ProgramCommandsTest, ExecuteReturnsBeforeTheProgramEnds) {
    run(R"(
Installe
+
    EXECUTE  +  "${SLEEPER} 8000" = "${DIR}/later.txt"  -
-
)");
    EXPECT_FALSE(folder.exists("later.txt"));
    EXPECT_TRUE(errors().empty());
}

TEST_F(ProgramCommandsTest, StartFolderComesFromIni) {
    folder.makeFolder("start");
    run(R"(
Installe
+
    EXECUTESTOP
    +
        "${SLEEPER} 0" = "relative.txt"
        +
            INI = "${DIR}/start"
        -
    -
-
)");
    EXPECT_EQ(folder.read("start/relative.txt"), "done");
    EXPECT_TRUE(errors().empty());
}

TEST_F(ProgramCommandsTest, StopRequestEndsTheWait) {
    std::thread canceller([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        StopFlag().store(true);
    });
    Clock::time_point start = Clock::now();
    run(R"(
Installe
+
    EXECUTESTOP  +  "${SLEEPER} 8000" = "${DIR}/never.txt"  -
    AFFECTE  +  after = "ran"  -
-
)");
    canceller.join();
    EXPECT_LT(millisecondsSince(start), 6000);
    EXPECT_EQ(variable("after"), "<undefined>");
    EXPECT_TRUE(errors().empty());
}

TEST_F(ProgramCommandsTest, FailuresAreReportedEvenWhenSilenced) {
    run(R"(
Installe
+
    "-EXECUTE"  +  "${DIR}/none.exe"  -
    EXECUTESTOP  +  "${DIR}/none.exe" = "a b"  -
    "-EXECUTECLIC"  +  "${DIR}/none.txt"  +  INI = "${DIR}"  -  -
    EXECUTE  +  "${SLEEPER} 0" = "x.txt"  +  INI = "${DIR}/no folder"  -  -
-
)");
    const std::string dir = folder.path;
    const std::string sleeper = SLEEPER_PATH;
    const std::string prefix = "Erreur d'ouverture du fichier ";
    Entries expected = {
        {"EXECUTE", prefix + sleeper + " 0 \"x.txt\", dossier initial : " + dir + "/no folder"},
        {"EXECUTECLIC", prefix + dir + "/none.txt, dossier initial : " + dir},
        {"EXECUTESTOP", prefix + dir + "/none.exe \"a b\""},
        {"EXECUTE", prefix + dir + "/none.exe"}};
    EXPECT_EQ(reports(), expected);
}

TEST_F(ProgramCommandsTest, OpenQueuesCopiesOfItsItems) {
    run(R"(
Installe
+
    OUVRE  +  "${DIR}/readme.txt"  -
    OUVRE
    +
        "${DIR}/setup.exe" = "/s"
        +
            INI = "${DIR}"
        -
    -
-
)");
    const ParamNode& queued = OpenList();
    ASSERT_EQ(queued.childCount(), 2);
    EXPECT_EQ(std::string(queued.child(0)->name()), folder.path + "/readme.txt");
    EXPECT_EQ(std::string(queued.child(1)->name()), folder.path + "/setup.exe");
    EXPECT_EQ(std::string(queued.child(1)->valueOf("INI")), folder.path);
    EXPECT_EQ(std::string(queued.child(1)->value()), "/s");
    EXPECT_TRUE(errors().empty());

    // Opening the queue at the end tries every item in order, like EXECUTECLIC, and reports
    // nothing, even for documents that are gone.
    const size_t before = diagnostics.text().size();
    openQueuedItems();
    EXPECT_TRUE(errors().empty());
    EXPECT_EQ(diagnostics.text().substr(before),
              "Erreur lors de l'ouverture de <" + folder.path +
                  "/readme.txt>\nErreur lors de l'ouverture de <" + folder.path +
                  "/setup.exe \"/s\">\n");
}
