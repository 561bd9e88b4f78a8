#include "params/param_node.h"

#include <cstdlib>
#include <cstring>

#include "params/decimal.h"
#include "params/text_buffer.h"

namespace {

// An owned copy of n bytes followed by a zero byte.
char* copyBytes(const char* bytes, size_t n) {
    char* p = static_cast<char*>(std::malloc(n + 1));
    if (!p) std::abort();
    std::memcpy(p, bytes, n);
    p[n] = 0;
    return p;
}

char* copyText(const char* text) {
    return text ? copyBytes(text, std::strlen(text)) : nullptr;
}

bool sameText(const char* a, const char* b) {
    return a && b && std::strcmp(a, b) == 0;
}

}  // namespace

ParamNode::ParamNode(const char* name, const char* valueText)
    : name_(copyText(name)), value_(copyText(valueText)) {}

ParamNode::ParamNode(const char* name, int32_t n) : name_(copyText(name)) {
    setInteger(n);
}

ParamNode::~ParamNode() {
    listClear(children_);
    std::free(name_);
    std::free(value_);
}

// --- Name and value ---

void ParamNode::setName(const char* name) {
    char* copy = copyText(name);  // before freeing: name may be our own
    std::free(name_);
    name_ = copy;
}

void ParamNode::setText(const char* bytes, int32_t length) {
    char* copy = nullptr;
    if (bytes) copy = length > 0 ? copyBytes(bytes, static_cast<size_t>(length)) : copyText(bytes);
    std::free(value_);
    value_ = copy;
    valueLength_ = bytes && length > 0 ? length : 0;
    kind_ = ValueKind::text;
}

void ParamNode::setInteger(int32_t n) {
    TextBuffer digits;
    digits.appendInt(n);
    setText(digits.text());
    number_ = n;
    kind_ = ValueKind::integer;
}

int32_t ParamNode::integerValue() const {
    return kind_ == ValueKind::integer ? number_ : decimalToInt(value_);
}

double ParamNode::realValue() const {
    return decimalToReal(value_);
}

void ParamNode::reset(Reach reach) {
    std::free(value_);
    value_ = nullptr;
    valueLength_ = 0;
    if (reach == Reach::tree) listClear(children_);
}

// --- Children ---

int32_t ParamNode::childCount() const {
    return listCount(children_);
}

ParamNode* ParamNode::child(int32_t n) const {
    ParamCell* c = children_;
    for (; c && n > 0; --n) c = c->next;
    return c ? c->node : nullptr;
}

ParamNodeList ParamNode::takeChildren() {
    ParamNodeList list = children_;
    children_ = nullptr;
    return list;
}

void ParamNode::setChildren(ParamNodeList list, TakeList take) {
    // Copy before destroying: list may be (part of) our own children.
    ParamNodeList replacement = take == TakeList::copy ? copyList(list) : list;
    if (replacement != children_) listClear(children_);
    children_ = replacement;
}

void ParamNode::prepend(ParamNode* child) {
    listPrepend(children_, child);
}

void ParamNode::append(ParamNode* child) {
    listAppend(children_, child);
}

void ParamNode::reverseChildren(Reach reach) {
    listReverse(children_);
    if (reach == Reach::tree)
        for (ParamCell* c = children_; c; c = c->next) c->node->reverseChildren(Reach::tree);
}

// --- Lookup ---

ParamNode* ParamNode::find(const char* name) const {
    return listFind(children_, name);
}

ParamNode* ParamNode::findOrCreate(const char* name, NewChild place) {
    ParamNode* found = find(name);
    if (found) return found;
    ParamNode* created = new ParamNode(name, 0);
    if (place == NewChild::atEnd)
        append(created);
    else
        prepend(created);
    return created;
}

ParamNode* ParamNode::findPath(const char* path, PathLookup lookup) {
    if (!path) return nullptr;
    ParamNode* node = this;
    TextBuffer segment;
    for (const char* start = path;;) {
        const char* slash = std::strchr(start, '/');
        segment.clear();
        segment.append(start, slash ? static_cast<int32_t>(slash - start) : -1);
        node = lookup == PathLookup::create ? node->findOrCreate(segment.text())
                                            : node->find(segment.text());
        if (!node || !slash) return node;
        start = slash + 1;
    }
}

const char* ParamNode::valueOf(const char* name, const char* fallback, bool* found) const {
    ParamNode* node = find(name);
    if (found) *found = node != nullptr;
    return node ? node->value() : fallback;
}

int32_t ParamNode::integerOf(const char* name, int32_t fallback, bool* found) const {
    ParamNode* node = find(name);
    if (found) *found = node != nullptr;
    return node ? node->integerValue() : fallback;
}

double ParamNode::realOf(const char* name, double fallback, bool* found) const {
    ParamNode* node = find(name);
    if (found) *found = node != nullptr;
    return node ? node->realValue() : fallback;
}

bool ParamNode::removeChild(const char* name, Removed removed) {
    ParamNode* node = find(name);
    return node && listRemove(children_, node, removed);
}

// --- Copying and merging ---

ParamNode* ParamNode::clone(Reach reach) const {
    ParamNode* copy = new ParamNode(name_, value_);
    if (reach == Reach::tree) copy->children_ = copyList(children_);
    return copy;
}

void ParamNode::copyFrom(const ParamNode* source, CopyParts parts) {
    if (!source) return;
    if (parts & copyNameAndValue) {
        setName(source->name_);
        if (source->kind_ == ValueKind::integer)
            setInteger(source->number_);
        else
            setText(source->value_, source->valueLength_);
    }
    if (parts & copyChildren) setChildren(source->children_, TakeList::copy);
}

void ParamNode::merge(const ParamNode& other, Unmatched unmatched) {
    setName(other.name_);
    setText(other.value_);
    if (!children_) {
        children_ = copyList(other.children_);
        return;
    }
    for (ParamCell* c = other.children_; c; c = c->next) {
        ParamNode* target = find(c->node->name_);
        if (target)
            target->merge(*c->node, unmatched);
        else if (unmatched == Unmatched::appended)
            append(c->node->clone(Reach::tree));
    }
}

void ParamNode::mergeValues(ParamNodeList list) {
    for (ParamCell* c = list; c; c = c->next)
        listFindOrCreate(children_, c->node->name_)->copyFrom(c->node, copyNameAndValue);
}

// --- Text operations ---

int32_t ParamNode::split(const char* text, const char* separator) {
    listClear(children_);
    if (!text) text = "";
    size_t separatorLength = separator ? std::strlen(separator) : 0;
    TextBuffer piece;
    for (const char* start = text;;) {
        const char* hit = separatorLength ? std::strstr(start, separator) : nullptr;
        piece.clear();
        piece.append(start, hit ? static_cast<int32_t>(hit - start) : -1);
        append(new ParamNode(piece.text(), piece.text()));
        if (!hit) break;
        start = hit + separatorLength;
    }
    return childCount();
}

void ParamNode::replaceChar(NodeTexts texts, char from, int to, Reach reach) {
    char replacement = to == -1 ? '\\' : static_cast<char>(to);
    auto replaceIn = [&](char* text) {
        for (; text && *text; ++text)
            if (*text == from) *text = replacement;
    };
    if (texts & nodeName) replaceIn(name_);
    if (texts & nodeValue) replaceIn(value_);
    if (reach == Reach::tree)
        for (ParamCell* c = children_; c; c = c->next)
            c->node->replaceChar(texts, from, to, Reach::tree);
}

// --- Operations on lists ---

ParamNode* listFind(ParamNodeList list, const char* name) {
    for (ParamCell* c = list; c; c = c->next)
        if (sameText(c->node->name(), name)) return c->node;
    return nullptr;
}

ParamNode* listFindByValue(ParamNodeList list, const char* text) {
    for (ParamCell* c = list; c; c = c->next)
        if (sameText(c->node->value(), text)) return c->node;
    return nullptr;
}

ParamNode* listFindOrCreate(ParamNodeList& list, const char* name) {
    ParamNode* found = listFind(list, name);
    if (found) return found;
    ParamNode* created = new ParamNode(name, 0);
    listPrepend(list, created);
    return created;
}

void listPrepend(ParamNodeList& list, ParamNode* node) {
    list = new ParamCell{node, list};
}

void listAppend(ParamNodeList& list, ParamNode* node) {
    ParamCell** end = &list;
    while (*end) end = &(*end)->next;
    *end = new ParamCell{node, nullptr};
}

bool listRemove(ParamNodeList& list, ParamNode* node, Removed removed) {
    for (ParamCell** link = &list; *link; link = &(*link)->next) {
        ParamCell* cell = *link;
        if (cell->node != node) continue;
        *link = cell->next;
        delete cell;
        if (removed == Removed::destroy) delete node;
        return true;
    }
    return false;
}

// Each node's children move into the list before the node is deleted, so a
// node never destroys a subtree itself: trees of any depth are freed in one
// loop without growing the stack, in time linear in their size.
void listClear(ParamNodeList& list) {
    while (list) {
        ParamCell* cell = list;
        list = cell->next;
        ParamNodeList children = cell->node->takeChildren();
        if (children) {
            ParamCell* last = children;
            while (last->next) last = last->next;
            last->next = list;
            list = children;
        }
        delete cell->node;
        delete cell;
    }
}

ParamNodeList copyList(ParamNodeList list) {
    ParamNodeList copy = nullptr;
    ParamCell** end = &copy;
    for (ParamCell* c = list; c; c = c->next) {
        *end = new ParamCell{c->node->clone(Reach::tree), nullptr};
        end = &(*end)->next;
    }
    return copy;
}

void listReverse(ParamNodeList& list) {
    ParamCell* reversed = nullptr;
    while (list) {
        ParamCell* cell = list;
        list = cell->next;
        cell->next = reversed;
        reversed = cell;
    }
    list = reversed;
}

int32_t listCount(ParamNodeList list) {
    int32_t count = 0;
    for (ParamCell* c = list; c; c = c->next) ++count;
    return count;
}
