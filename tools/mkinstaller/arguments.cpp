#include "tools/mkinstaller/arguments.h"

const std::string& Arguments::take(const std::string& what) {
    if (done()) throw UsageError("missing " + what);
    return words_[next_++];
}

const std::string& Arguments::valueOf(const std::string& option) {
    return take("the value of " + option);
}

uint64_t parseNumber(const std::string& text, const std::string& option, uint64_t low,
                     uint64_t high) {
    uint64_t value = 0;
    bool valid = !text.empty() && text.size() <= 19;
    for (char c : text) {
        valid = valid && c >= '0' && c <= '9';
        value = value * 10 + uint64_t(c - '0');
    }
    if (!valid || value < low || value > high)
        throw UsageError(option + " wants a number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + text + "\"");
    return value;
}
