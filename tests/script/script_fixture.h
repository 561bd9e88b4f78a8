#pragma once
// A package folder of the test's own whose install.ini is written by the test, run through the
// script engine with a scripted responder answering the prompts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "captured_diagnostics.h"
#include "expected_values.h"
#include "packages/package.h"
#include "scratch_folder.h"
#include "scripted_responder.h"

using Entries = std::vector<std::pair<std::string, std::string>>;

class ScriptTest : public ::testing::Test {
protected:
    ScriptTest();
    ~ScriptTest() override;

    // Writes install.ini into the package folder and (re)loads the package.
    Package& load(const std::string& installIni);
    // load, then runs the "Installe" block with progress counting.
    void run(const std::string& installIni);

    // The variable's value, or "<undefined>".
    static std::string variable(const char* name);
    // Each variable of the list has its value ("<undefined>": the variable is not defined).
    static void expectVariables(const ExpectedValues& expected);
    // The ErrorList entries, newest first.
    static Entries errors();
    // The same without the "Windows" entries: whether the system's calls leave the runtime's
    // error number set differs between systems.
    static Entries reports();
    // What the responder was asked: (kind, title) in order.
    Entries asked() const;

    // Keeps the diagnostic lines (folders that cannot be listed) out of the test output.
    CapturedDiagnostics diagnostics;
    ScratchFolder folder{"script"};
    ScriptedResponder answers;
    std::unique_ptr<Package> package;
};
