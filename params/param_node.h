#pragma once

#include <cstdint>

class ParamNode;

// One cell of a child list; the cell owns its node.
struct ParamCell {
    ParamNode* node;
    ParamCell* next;
};

// An ordered singly linked list of owned nodes: a pointer to its first cell,
// null when empty. Iterate with
//   for (ParamCell* c = list; c; c = c->next) ... c->node ...
// A list held on its own is released with listClear().
using ParamNodeList = ParamCell*;

enum class ValueKind { text, integer };

// The texts of a node that an operation touches: its name, its value, or both.
enum NodeTexts : int { nodeName = 1, nodeValue = 2, nameAndValue = nodeName | nodeValue };
// Whether an operation stops at the node or goes through all its descendants.
enum class Reach { node, tree };
// What copyFrom takes from its source: the name and value, the children, or both.
enum CopyParts : int { copyNameAndValue = 1, copyChildren = 2, copyWhole = 3 };
// Whether setChildren adopts the list it is given or installs a deep copy of it.
enum class TakeList { adopt, copy };
// Where findOrCreate puts a child it creates.
enum class NewChild { atFront, atEnd };
// Whether findPath only finds, or creates the levels that are missing.
enum class PathLookup { find, create };
// Whether a node taken out of a list is deleted or stays, owned by whoever holds it.
enum class Removed { destroy, keep };
// What merge does with the children of the other tree that match none of its own.
enum class Unmatched { dropped, appended };

// A node of the parameter tree: a name, a value (text, or an integer with its
// decimal text) and an ordered list of owned children. Names are compared
// byte for byte and are not unique among siblings; lookups take the first
// match.
// Destruction frees a tree of any depth without recursion. Deep copies,
// merges and the recursive reverse and replace take one call per level: they
// rely on trees being as shallow as the block reader makes them
// (maxBlockNesting); the code builds no deeper ones.
class ParamNode {
public:
    // Empty name and empty value text.
    ParamNode() : ParamNode("", "") {}
    // Kind text; either text may be null (no name, no value).
    ParamNode(const char* name, const char* valueText);
    // Kind integer; the value text is the decimal form of n.
    ParamNode(const char* name, int32_t n);
    ~ParamNode();
    ParamNode(const ParamNode&) = delete;
    ParamNode& operator=(const ParamNode&) = delete;

    // --- Name and value ---
    const char* name() const { return name_; }
    void setName(const char* name);
    // length 0: copy of the zero-terminated text; otherwise exactly length
    // bytes (a zero byte is added). Kind becomes text; null leaves no value.
    void setText(const char* bytes, int32_t length = 0);
    void setInteger(int32_t n);
    // The value text, or null when the node has none.
    const char* value() const { return value_; }
    int32_t valueLength() const { return valueLength_; }
    ValueKind kind() const { return kind_; }
    // The number of an integer node, else the decimal conversion of the text.
    int32_t integerValue() const;
    double realValue() const;
    // Discards the value text; Reach::tree also destroys the children.
    void reset(Reach reach);

    // --- Children ---
    int32_t childCount() const;
    // The n-th child from 0 (n <= 0 gives the first); null past the end.
    ParamNode* child(int32_t n) const;
    ParamCell* children() const { return children_; }
    // The caller becomes the owner of the list; the node has no children.
    ParamNodeList takeChildren();
    ParamNodeList& childListHead() { return children_; }
    // Destroys the children, then adopts list or installs a deep copy of it.
    void setChildren(ParamNodeList list, TakeList take);
    void prepend(ParamNode* child);
    void append(ParamNode* child);
    // Reverses the order of the children; Reach::tree, at every level below too.
    void reverseChildren(Reach reach);

    // --- Lookup ---
    ParamNode* find(const char* name) const;
    // Missing children are created as ParamNode(name, 0), at the front unless told otherwise.
    ParamNode* findOrCreate(const char* name, NewChild place = NewChild::atFront);
    // "A/B/C": one segment per level; PathLookup::create makes the missing levels with
    // findOrCreate (front).
    ParamNode* findPath(const char* path, PathLookup lookup = PathLookup::find);
    const char* valueOf(const char* name, const char* fallback = "", bool* found = nullptr) const;
    int32_t integerOf(const char* name, int32_t fallback = 0, bool* found = nullptr) const;
    double realOf(const char* name, double fallback = 0, bool* found = nullptr) const;

    // Removes the first child of that name; returns whether one was removed.
    // To keep it, the caller must already hold the node to own it.
    bool removeChild(const char* name, Removed removed = Removed::destroy);

    // --- Copying and merging ---
    // Same name and value text (kind text, cut at the first zero byte); Reach::tree
    // also copies the children.
    ParamNode* clone(Reach reach) const;
    // The parts of source (children deep-copied); null source does nothing.
    void copyFrom(const ParamNode* source, CopyParts parts);
    // Overlay: other's name and value win; children merge by name into the
    // first same-named child; unmatched ones are appended or dropped.
    void merge(const ParamNode& other, Unmatched unmatched);
    // For each node of list: find or create (front) the same-named child and
    // copy name and value into it, keeping the kind.
    void mergeValues(ParamNodeList list);

    // --- Text operations ---
    // Replaces the children by one child per piece of text cut at separator
    // (name = value = piece); returns the number of children.
    int32_t split(const char* text, const char* separator);
    // Every byte from in the chosen texts becomes to; to == -1 means "\".
    void replaceChar(NodeTexts texts, char from, int to, Reach reach);

private:
    ParamCell* children_ = nullptr;
    char* name_ = nullptr;
    char* value_ = nullptr;
    int32_t valueLength_ = 0;
    ValueKind kind_ = ValueKind::text;
    int32_t number_ = 0;
};

// --- Operations on lists ---
ParamNode* listFind(ParamNodeList list, const char* name);
ParamNode* listFindByValue(ParamNodeList list, const char* text);
ParamNode* listFindOrCreate(ParamNodeList& list, const char* name);
void listPrepend(ParamNodeList& list, ParamNode* node);
void listAppend(ParamNodeList& list, ParamNode* node);
// Unlinks the cell holding exactly this node, and deletes the node or keeps it.
bool listRemove(ParamNodeList& list, ParamNode* node, Removed removed);
void listClear(ParamNodeList& list);
ParamNodeList copyList(ParamNodeList list);
void listReverse(ParamNodeList& list);
int32_t listCount(ParamNodeList list);
