#include "tools/mkinstaller/findings.h"

#include "platform/code_page.h"

void Findings::add(const Finding& finding) {
    for (const Finding& made : list) {
        if (made.place.file == finding.place.file && made.place.line == finding.place.line &&
            made.message == finding.message)
            return;
    }
    list.push_back(finding);
}

int Findings::count(Severity severity) const {
    int found = 0;
    for (const Finding& finding : list) found += finding.severity == severity ? 1 : 0;
    return found;
}

void printFindings(const Findings& findings, std::ostream& out) {
    for (const Finding& finding : findings.list) {
        out << finding.place.file;
        if (finding.place.line > 0) out << ':' << finding.place.line;
        out << (finding.severity == Severity::error ? ": error: " : ": warning: ")
            << finding.message << '\n';
    }
}

std::string quoted(const char* text) {
    return "\"" + std::string(utf8FromWindows1252(text).text()) + "\"";
}
