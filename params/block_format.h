#pragma once

#include "params/param_node.h"
#include "params/text_stream.h"

// How deep child blocks may nest: the entries of the deepest block accepted
// are indented with this many tabs. The reader refuses deeper nesting, so a
// tree read from a file stays far from the end of any thread's stack in the
// operations that walk it recursively (copy, merge, expansion). The writer
// writes deeper trees built in memory too, without indenting them further.
const int maxBlockNesting = 359;

// Told where the reader met each entry and each mistake, for tools that
// point a publisher at a line. Lines count from 1; an entry's line is the
// line of the last character of its key.
class BlockObserver {
public:
    enum Mistake { missingValue, nestedTooDeep, unclosedBlock, dashBeforeWord };
    virtual ~BlockObserver() = default;
    // Every entry read, after its key; quotedKey when the key stood in quotes.
    virtual void entryRead(const ParamNode& entry, int line, bool quotedKey) = 0;
    // A syntax error; a block whose "-" never came (line: where its "+" stood); a "-" that ends
    // a block although a word follows it (a bare "-KEYWORD" inside a block ends the block).
    virtual void mistake(Mistake kind, int line) = 0;
};

// How the reader takes bare number values and the writer integer values. Install descriptions
// hold texts only; the registry's export files hold typed numbers, so that a DWORD comes back
// as one: a bare number is read as an integer (cut towards zero, clamped to 32 bits) and an
// integer is written unquoted.
enum class BlockNumbers { text, typed };

// Replaces the children of node by the entries read from in, in file order.
// False after a reported syntax error (the entries read before it remain);
// a block nested deeper than maxBlockNesting is one.
bool readTree(ParamNode& node, InStream& in, BlockNumbers numbers = BlockNumbers::text);
// The same, telling observer the line of every entry and mistake; what is
// read is the same.
bool readTree(ParamNode& node, InStream& in, BlockObserver& observer);
// The same from a text-mode file; a file that cannot be opened gives no
// children and true.
bool readTreeFile(ParamNode& node, const char* path, BlockNumbers numbers = BlockNumbers::text);
bool readTreeFile(ParamNode& node, const char* path, BlockObserver& observer);

// Writes node and its subtree, one entry per line, children indented with
// tabs between "+" and "-" lines.
void writeEntry(const ParamNode& node, OutStream& out, BlockNumbers numbers = BlockNumbers::text);
