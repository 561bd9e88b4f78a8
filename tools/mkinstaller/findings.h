#pragma once

#include <ostream>
#include <string>
#include <vector>

// Where a finding points: a file of the product and a line in it (0 when the line is unknown).
struct SourcePlace {
    std::string file;  // with "/" between folders on every system
    int line = 0;
};

// How bad a mistake found in a product is. Errors stop a build. Warnings point at what may be
// meant (a script may build a variable's name at run time); those that would most likely break
// the installation (a variable nothing defines, a block nothing reads) stop a build too unless
// the publisher allows them.
enum class Severity { warning, breakingWarning, error };

struct Finding {
    Severity severity;
    SourcePlace place;
    std::string message;  // UTF-8
};

struct Findings {
    std::vector<Finding> list;

    // A finding already made (a layer shared by several packages) is not repeated.
    void error(const SourcePlace& place, const std::string& message) {
        add({Severity::error, place, message});
    }
    void warning(const SourcePlace& place, const std::string& message) {
        add({Severity::warning, place, message});
    }
    void breakingWarning(const SourcePlace& place, const std::string& message) {
        add({Severity::breakingWarning, place, message});
    }
    void add(const Finding& finding);
    int count(Severity severity) const;
    int errors() const { return count(Severity::error); }
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
