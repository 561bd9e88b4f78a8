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

// The rest of `word` after `prefix` (compared under the fold), or null.
const char* after(const char* word, const char* prefix) {
    for (; *prefix; ++prefix, ++word) {
        if (foldUpper(*word) != foldUpper(*prefix)) return nullptr;
    }
    return word;
}

// Takes `word` when it is an option; false otherwise.
bool takeOption(const char* word, CommandLineChoice& choice) {
    if (foldEquals(word, "/quiet")) {
        choice.quiet = true;
        return true;
    }
    TextBuffer* path = nullptr;
    const char* value = after(word, "/answers=");
    if (value) path = &choice.answersPath;
    if (!value && (value = after(word, "/log=")) != nullptr) path = &choice.logPath;
    if (!path) return false;
    path->assign(value);
    if (!*value) {
        choice.error.assign("Nom de fichier manquant : ");
        choice.error.append(word);
    }
    return true;
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
    if (!takeOption(word.text(), choice) && tail[0] == '/') {
        switch (tail[1]) {
            case 's': choice.sizeQuery = true; return choice;
            case '1': choice.mode = 1; break;
            case '2': choice.mode = 2; break;
            default: break;  // "/0", "/S", "/3" and any other letter install
        }
    }
    while (*rest && choice.error.empty()) {
        rest = nextWord(rest, word);
        if (!takeOption(word.text(), choice)) {
            choice.error.assign("Option inconnue : ");
            choice.error.append(word);
        }
    }
    return choice;
}
