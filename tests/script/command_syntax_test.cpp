#include <gtest/gtest.h>

#include <set>
#include <string>

#include "script/command_syntax.h"
#include "script/command_table.h"

// The keys the checker and the reference know belong to the commands the engine dispatches: the
// same 36 keywords, each of the same kind.
TEST(CommandSyntax, DescribesEveryDispatchedCommand) {
    int count = 0;
    const CommandSyntax* commands = commandSyntaxes(count);
    std::set<std::string> keywords;
    int keyed = 0;
    for (int i = 0; i < count; ++i) {
        const CommandSyntax& command = commands[i];
        keywords.insert(command.keyword);
        keyed += command.keyed ? 1 : 0;
        EXPECT_EQ(findKeyedCommand(command.keyword) != nullptr, command.keyed) << command.keyword;
        EXPECT_EQ(findItemCommand(command.keyword) != nullptr, !command.keyed) << command.keyword;
        EXPECT_EQ(findCommandSyntax(command.keyword), &command);
    }
    EXPECT_EQ(keywords.size(), 36u);
    EXPECT_EQ(keyed, 15);
    EXPECT_EQ(findCommandSyntax("reg_lit"), findCommandSyntax("REG_LIT"));
}
