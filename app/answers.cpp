#include "app/answers.h"

#include <cstring>
#include <utility>

#include "packages/package.h"
#include "params/block_format.h"
#include "params/file_bytes.h"
#include "params/text_stream.h"
#include "params/variable_store.h"
#include "platform/code_page.h"
#include "platform/file_ops.h"
#include "session/stores.h"

namespace {

const char utf8Mark[] = "\xEF\xBB\xBF";

void refuse(TextBuffer& error, const char* path, const char* why = nullptr) {
    error.assign("R\xE9ponses illisibles : ");
    error.append(path);
    if (why) error.append(why);
}

// Whether the bytes beyond ASCII, if there are any, all form UTF-8 characters: those of a
// Windows-1252 text hardly ever do.
bool isUtf8(const char* p, const char* end) {
    bool beyondAscii = false;
    while (p < end) {
        uint32_t character;
        int32_t n = static_cast<unsigned char>(*p) < 0x80 ? 1 : readUtf8Character(p, end, character);
        if (n == 0) return false;
        beyondAscii = beyondAscii || n > 1;
        p += n;
    }
    return beyondAscii;
}

// The UTF-8 text in Windows-1252; false with the line of the first character it cannot hold.
bool fromUtf8(const char* p, const char* end, TextBuffer& text, int& line) {
    for (line = 1; p < end;) {
        uint32_t character = static_cast<unsigned char>(*p);
        int32_t n = character < 0x80 ? 1 : readUtf8Character(p, end, character);
        int32_t byte = windows1252Byte(character);
        if (byte < 0) return false;
        text.appendChar(static_cast<char>(byte));
        if (character == '\n') ++line;
        p += n;
    }
    return true;
}

// The file's text in Windows-1252, converted when it was saved as UTF-8 (with or without its
// byte-order mark).
bool readAnswersText(const char* path, TextBuffer& text, TextBuffer& error) {
    TextBuffer bytes;
    if (!PathExists(path) || !readFileBytes(path, bytes)) {
        refuse(error, path);
        return false;
    }
    const char* start = bytes.text();
    const char* end = start + bytes.length();
    bool marked = std::strncmp(start, utf8Mark, 3) == 0;
    if (!marked && !isUtf8(start, end)) {
        text = std::move(bytes);
        return true;
    }
    int line;
    if (fromUtf8(marked ? start + 3 : start, end, text, line)) return true;
    TextBuffer why(" (ligne ");
    why.appendInt(line);
    why.append(" : caract\xE8re hors de Windows-1252)");
    refuse(error, path, why.text());
    return false;
}

// The line, from `from` on, that starts with the key (after blanks and a quote); `from` and
// `line` move there. The entries are looked for in file order, so that a key written twice is
// found where it is meant.
int32_t lineOfKey(const char* key, const char*& from, int32_t& line) {
    size_t length = std::strlen(key);
    for (const char* p = from; *p;) {
        const char* start = p;
        while (*p == ' ' || *p == '\t' || *p == '"') ++p;
        if (std::strncmp(p, key, length) == 0 && std::strchr("\" \t=\r\n", p[length])) {
            from = start;
            return line;
        }
        while (*p && *p != '\n') ++p;
        if (*p) ++p;
        ++line;
    }
    return 0;
}

bool readAnswers(const char* path, ParamNode& answers, TextBuffer& text, TextBuffer& error) {
    if (!readAnswersText(path, text, error)) return false;
    TextInStream in(text);
    if (readTree(answers, in)) return true;
    refuse(error, path);
    return false;
}

bool hasPackage(const Package& package, const char* id) {
    if (std::strcmp(package.id.text(), id) == 0) return true;
    for (const auto& sub : package.subPackages) {
        if (hasPackage(*sub, id)) return true;
    }
    return false;
}

// Declared for the parameter page, or a setting of the package (var.ini, "Globale", its layers),
// which an answer may change as well.
bool declaresVariable(Package& package, const char* name) {
    if (package.FindBlock("Variable")->find(name) || package.varTree.find(name) ||
        package.varInherited.find(name))
        return true;
    for (auto& sub : package.subPackages) {
        if (declaresVariable(*sub, name)) return true;
    }
    return false;
}

// Whether the text is what the pattern gives once its "${...}" are expanded to anything.
bool matchesPattern(const char* text, const char* pattern) {
    const char* variable = std::strstr(pattern, "${");
    if (!variable) return std::strcmp(text, pattern) == 0;
    size_t literal = static_cast<size_t>(variable - pattern);
    if (std::strncmp(text, pattern, literal) != 0) return false;
    const char* close = std::strchr(variable, '}');
    if (!close) return false;
    for (const char* rest = text + literal;; ++rest) {
        if (matchesPattern(rest, close + 1)) return true;
        if (!*rest) return false;
    }
}

// Whether some name or value of the scripts could be the question's text.
bool treeAsks(const ParamNode& tree, const char* question) {
    for (ParamCell* c = tree.children(); c; c = c->next) {
        const ParamNode& node = *c->node;
        if ((node.name() && matchesPattern(question, node.name())) ||
            (node.value() && matchesPattern(question, node.value())) || treeAsks(node, question))
            return true;
    }
    return false;
}

bool asksQuestion(const Package& package, const char* question) {
    if (treeAsks(package.installTree, question) || treeAsks(package.installInherited, question))
        return true;
    for (const auto& sub : package.subPackages) {
        if (asksQuestion(*sub, question)) return true;
    }
    return false;
}

bool knownAnswer(Package& root, const char* block, const char* name) {
    if (std::strcmp(block, "Produit") == 0) return hasPackage(root, name);
    if (std::strcmp(block, "Variable") == 0)
        return ExtraVariables().find(name) || declaresVariable(root, name);
    return asksQuestion(root, name);
}

// Where the entries are looked for in the file's text, in file order.
struct TextPlace {
    const char* from;
    int32_t line = 1;
};

// A key written with escapes is not found as its text: it is named without its line.
void nameUnknown(TextBuffer& error, TextPlace& place, const char* name) {
    int32_t line = lineOfKey(name, place.from, place.line);
    error.append("\r\n");
    if (line) {
        error.append("ligne ");
        error.appendInt(line);
        error.append(" : ");
    }
    error.append(name);
}

}  // namespace

bool readAnswersFile(const char* path, ParamNode& answers, TextBuffer& error) {
    TextBuffer text;
    return readAnswers(path, answers, text, error);
}

bool checkAnswers(const char* path, Package& root, TextBuffer& error) {
    ParamNode answers;
    TextBuffer text;
    if (!readAnswers(path, answers, text, error)) return false;
    TextPlace place{text.text()};
    TextBuffer unknown;
    for (ParamCell* b = answers.children(); b; b = b->next) {
        const char* block = b->node->name() ? b->node->name() : "";
        if (std::strcmp(block, "Produit") != 0 && std::strcmp(block, "Variable") != 0 &&
            std::strcmp(block, "Reponse") != 0) {
            nameUnknown(unknown, place, block);
            continue;
        }
        for (ParamCell* c = b->node->children(); c; c = c->next) {
            const char* name = c->node->name() ? c->node->name() : "";
            if (!knownAnswer(root, block, name)) nameUnknown(unknown, place, name);
        }
    }
    if (unknown.empty()) return true;
    error.assign("R\xE9ponses inconnues de l'installation dans ");
    error.append(path);
    error.append(" :");
    error.append(unknown);
    return false;
}

void applyProductAnswers(Package& package, const ParamNode& answers) {
    const ParamNode* products = answers.find("Produit");
    if (!products) return;
    for (auto& sub : package.subPackages) {
        if (const ParamNode* wanted = products->find(sub->id.text()))
            sub->setSelected(wanted->integerValue() != 0 ? 1 : 0);
        applyProductAnswers(*sub, answers);
    }
}

void applyParameterAnswers(const ParamNode& answers) {
    const ParamNode* values = answers.find("Variable");
    if (!values) return;
    for (ParamCell* c = values->children(); c; c = c->next) {
        if (ParamNode* variable = VariableStore().find(c->node->name()))
            variable->setText(c->node->value() ? c->node->value() : "");
    }
}

const char* answerFor(const ParamNode& answers, const char* text) {
    const ParamNode* replies = answers.find("Reponse");
    const ParamNode* reply = replies ? replies->find(text) : nullptr;
    if (!reply) return nullptr;
    return reply->value() ? reply->value() : "";
}
