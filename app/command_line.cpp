#include "app/command_line.h"

#include "params/fold_upper.h"

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The next word into `word` with its quotes removed; returns where the following word starts.
const char* nextWord(const char* p, TextBuffer& word) {
    word.clear();
    bool quoted = false;
    for (; *p && (quoted || !isBlank(*p)); ++p) {
        if (*p == '"')
            quoted = !quoted;
        else
            word.appendChar(*p);
    }
    while (isBlank(*p)) ++p;
    return p;
}

// Whether `word` starts with `prefix` (compared under the fold); `rest` then follows the prefix.
bool startsWith(const char* word, const char* prefix, const char*& rest) {
    for (; *prefix; ++prefix, ++word) {
        if (foldUpper(*word) != foldUpper(*prefix)) return false;
    }
    rest = word;
    return true;
}

// Takes `word` when it is an option; false otherwise.
bool takeOption(const char* word, CommandLineChoice& choice) {
    const char* path;
    TextBuffer* target;
    if (*word++ != '/') return false;
    if (foldEquals(word, "quiet")) {
        choice.quiet = true;
        return true;
    }
    if (foldEquals(word, "uninstall")) {
        choice.mode = SessionMode::uninstall;
        return true;
    }
    if (startsWith(word, "answers=", path))
        target = &choice.answersPath;
    else if (startsWith(word, "log=", path))
        target = &choice.logPath;
    else
        return false;
    target->assign(path);
    // Without a file name the word is no option.
    return *path != 0;
}

}  // namespace

const char* commandLineTail(const char* full) {
    const char* p = full ? full : "";
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
        if (*p == '"') ++p;
    } else {
        while (*p && !isBlank(*p)) ++p;
    }
    while (isBlank(*p)) ++p;
    return p;
}

CommandLineChoice readCommandLine(const char* tail) {
    CommandLineChoice choice;
    TextBuffer word;
    const char* rest = nextWord(tail, word);
    if (tail[0] == '/' && (tail[1] == 's' || (tail[1] >= '0' && tail[1] <= '2'))) {
        if (tail[1] == 's') {
            choice.sizeQuery = true;
            return choice;
        }
        choice.mode = static_cast<SessionMode>(tail[1] - '0');
    } else if (word.text()[0] != '/' || word.length() > 2) {
        // Longer, the first word is an option like the others: "/quite" is a slip of "/quiet",
        // not a request to install with a window. "/S", "/3" and words without "/" install.
        rest = tail;
    }
    // Every word is read before any is acted on: a log asked for after a refused word is kept.
    while (*rest) {
        rest = nextWord(rest, word);
        // Other words than options are ignored, as they always were.
        if (*word.text() == '/' && !takeOption(word.text(), choice) && choice.error.empty()) {
            choice.error.assign("Option inconnue : ");
            choice.error.append(word);
        }
    }
    return choice;
}
