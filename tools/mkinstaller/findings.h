#pragma once

#include <ostream>
#include <string>
#include <vector>

// Where a finding points: a file of the product and a line in it (0 when the line is unknown).
struct SourcePlace {
    std::string file;  // with "/" between folders on every system
    int line = 0;
};

// One mistake found in a product. Errors stop a build; warnings point at what may be meant (a
// script may build a variable's name at run time).
struct Finding {
    bool error;
    SourcePlace place;
    std::string message;  // UTF-8
};

struct Findings {
    std::vector<Finding> list;

    // A finding already made (a layer shared by several packages) is not repeated.
    void error(const SourcePlace& place, const std::string& message) {
        add({true, place, message});
    }
    void warning(const SourcePlace& place, const std::string& message) {
        add({false, place, message});
    }
    void add(const Finding& finding);
    int errors() const;
    int warnings() const { return static_cast<int>(list.size()) - errors(); }
};

// "file:line: error: message", one finding a line, in the order found.
void printFindings(const Findings& findings, std::ostream& out);

// A node's name or value as a text: null (no text) reads as the empty text.
inline const char* textOf(const char* text) {
    return text ? text : "";
}

// A Windows-1252 text of the product, quoted for a message.
std::string quoted(const char* text);
