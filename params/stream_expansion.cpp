#include "params/stream_expansion.h"

#include <cstring>

#include "params/expansion.h"

namespace {

// The input with room for the two bytes that the "\\" rule puts back; bytes
// come back in the reverse order of their putBack calls.
class PushbackReader {
public:
    explicit PushbackReader(InStream& in) : in_(in) {}
    int get() { return count_ ? pending_[--count_] : in_.get(); }
    void putBack(int c) { pending_[count_++] = c; }

private:
    InStream& in_;
    int pending_[2] = {0, 0};
    int count_ = 0;
};

struct StreamExpansion {
    PushbackReader in;
    OutStream& out;
    ParamNodeList vars;
    ParamNodeList params;
    // Cleared by a false condition, set again by the next true one or "${?/}".
    bool on = true;

    void write(const char* text, int32_t n) {
        if (on) out.write(text, n);
    }
};

// Reads the rest of a directive, after "${", into t: "\}" adds "}" without
// ending it, "\" before any other byte adds both. False when the input ends
// before the closing "}".
bool readDirective(PushbackReader& in, TextBuffer& t) {
    for (;;) {
        int b = in.get();
        if (b < 0) return false;
        if (b == '\\') {
            int next = in.get();
            if (next == '}') {
                t.appendChar('}');
                continue;
            }
            t.appendChar('\\');
            if (next < 0) return false;
            b = next;
        }
        t.appendChar(static_cast<char>(b));
        if (b == '}') return true;
    }
}

// Whether a condition "${?NAME|TEST|TEXT}" shows the text that follows. A
// test starting with "?" asks whether NAME is defined, any other compares
// NAME's value with TEXT; "!" as the test's second byte inverts it. A
// condition lacking the parts its test needs is false.
bool conditionHolds(const TextBuffer& directive, ParamNodeList vars, ParamNodeList params) {
    TextBuffer body;
    body.append(directive.text() + 3, directive.length() - 4);
    ParamNode parts;
    int32_t count = parts.split(body.text(), "|");
    if (count < 2) return false;
    const char* test = parts.child(1)->value();
    bool existence = test[0] == '?';
    if (!existence && count < 3) return false;
    const char* value = lookupValue(parts.child(0)->value(), vars, params);
    bool holds =
        existence ? value != nullptr : value && std::strcmp(value, parts.child(2)->value()) == 0;
    return test[0] && test[1] == '!' ? !holds : holds;
}

// After "$": a directive "${...}" (reference or condition), or a plain "$".
void copyDollar(StreamExpansion& x) {
    int next = x.in.get();
    if (next != '{') {
        x.write("$", 1);
        if (next >= 0) x.in.putBack(next);
        return;
    }
    TextBuffer directive("${");
    if (readDirective(x.in, directive)) {
        if (directive.charAt(2) != '?') {
            expandText(directive, x.vars, x.params);
        } else {
            x.on = std::strcmp(directive.text(), "${?/}") == 0 ||
                   conditionHolds(directive, x.vars, x.params);
            directive.clear();
        }
    }
    x.write(directive.text(), directive.length());
}

// After "\": "\$" is a literal dollar; "\\" before "$" keeps one "\" and
// expands the reference; any other backslash is copied. False when the input
// is finished.
bool copyBackslash(StreamExpansion& x) {
    int next = x.in.get();
    if (next < 0) {
        x.write("\\", 1);
        return false;
    }
    if (next == '$') {
        x.write("$", 1);
        return true;
    }
    if (next == '\\') {
        int third = x.in.get();
        if (third < 0) {
            x.write("\\\\", 2);
            return false;
        }
        x.write("\\", 1);
        x.in.putBack(third);
        if (third != '$') x.in.putBack('\\');
        return true;
    }
    x.write("\\", 1);
    x.in.putBack(next);
    return true;
}

}  // namespace

bool expandStream(InStream& input, OutStream& output, ParamNodeList vars, ParamNodeList params) {
    StreamExpansion x{PushbackReader(input), output, vars, params};
    for (int c; (c = x.in.get()) >= 0;) {
        if (c == '$') {
            copyDollar(x);
        } else if (c == '\\') {
            if (!copyBackslash(x)) break;
        } else {
            char byte = static_cast<char>(c);
            x.write(&byte, 1);
        }
    }
    return true;
}
