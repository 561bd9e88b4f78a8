#pragma once
// Many tests run something (a script, an expansion) and then read a list of names, each of which
// must give its own value: the list is checked in one call, and a failure names what was read.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// (what is read, the value it must give), in the order checked.
using ExpectedValues = std::vector<std::pair<std::string, std::string>>;

template <typename Read>
void expectValues(Read read, const ExpectedValues& expected) {
    for (const auto& [name, value] : expected) EXPECT_EQ(read(name), value) << name;
}
