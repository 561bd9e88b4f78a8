#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "packer_run.h"
#include "platform/code_page.h"
#include "script/command_syntax.h"

namespace {

std::string reference() {
    std::ifstream in(SOURCE_DIR "/docs/script-reference.md", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The ```ini blocks of the reference: each is a whole install.ini.
std::vector<std::string> examples(const std::string& text) {
    std::vector<std::string> found;
    std::istringstream lines(text);
    std::string line, example;
    bool inside = false;
    while (std::getline(lines, line)) {
        if (inside && line == "```") {
            found.push_back(example);
            inside = false;
        } else if (inside) {
            example += line + "\n";
        } else if (line == "```ini") {
            example.clear();
            inside = true;
        }
    }
    return found;
}

}  // namespace

TEST(Reference, NamesEveryCommandAndKey) {
    const std::string text = reference();
    int count = 0;
    const CommandSyntax* commands = commandSyntaxes(count);
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(text.find(std::string("#### ") + commands[i].keyword + "\n"), std::string::npos)
            << commands[i].keyword;
        for (int k = 0; k < commands[i].keyCount; ++k) {
            EXPECT_NE(text.find("\"" + std::string(commands[i].keys[k].name) + "\""),
                      std::string::npos)
                << commands[i].keyword << " " << commands[i].keys[k].name;
        }
    }
}

TEST(Reference, EveryExamplePassesTheCheck) {
    ScratchFolder scratch("reference");
    std::vector<std::string> found = examples(reference());
    EXPECT_GT(found.size(), 36u);
    for (size_t i = 0; i < found.size(); ++i) {
        const std::string product = "example" + std::to_string(i);
        scratch.write(product + "/install.ini", windows1252FromUtf8(found[i].c_str()).text());
        PackerRun run = runPacker({"check", scratch / product, "--library", "DATA=data"});
        EXPECT_EQ(run.code, 0) << found[i] << run.out;
        EXPECT_EQ(run.out.find(": error:"), std::string::npos) << found[i] << run.out;
    }
}
