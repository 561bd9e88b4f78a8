#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/mkinstaller/pack_error.h"

// A command line that cannot be understood: exit code 2 with the usage text.
struct UsageError : PackError {
    using PackError::PackError;
};

// The words of a command line, taken in order.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}
    bool done() const { return next_ == words_.size(); }
    // The next word; a UsageError "missing <what>" when there is none.
    const std::string& take(const std::string& what = "argument");
    // The value that follows an option; a UsageError when there is none.
    const std::string& valueOf(const std::string& option);

private:
    std::vector<std::string> words_;
    size_t next_ = 0;
};

// A decimal number within [low, high]; a UsageError naming the option otherwise.
uint64_t parseNumber(const std::string& text, const std::string& option, uint64_t low,
                     uint64_t high);
