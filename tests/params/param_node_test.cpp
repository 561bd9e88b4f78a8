#include <gtest/gtest.h>

#include <string>

#include "params/param_node.h"

namespace {

// "name=value" of every child, in order, separated by blanks.
std::string listed(ParamNodeList list) {
    std::string out;
    for (ParamCell* c = list; c; c = c->next) {
        if (!out.empty()) out += ' ';
        out += c->node->name() ? c->node->name() : "(none)";
        out += '=';
        out += c->node->value() ? c->node->value() : "(none)";
    }
    return out;
}

std::string listed(const ParamNode& node) {
    return listed(node.children());
}

}  // namespace

TEST(ParamNode, ValueKinds) {
    ParamNode text("K", " -12.5e1 rest");
    EXPECT_EQ(text.kind(), ValueKind::text);
    EXPECT_EQ(text.integerValue(), -12);
    EXPECT_DOUBLE_EQ(text.realValue(), -125);

    ParamNode number("N", -305);
    EXPECT_EQ(number.kind(), ValueKind::integer);
    EXPECT_STREQ(number.value(), "-305");
    EXPECT_EQ(number.integerValue(), -305);

    number.setText("12abc");
    EXPECT_EQ(number.kind(), ValueKind::text);
    EXPECT_EQ(number.integerValue(), 12);

    number.reset(Reach::node);
    EXPECT_EQ(number.value(), nullptr);
    EXPECT_EQ(number.integerValue(), 0);
    EXPECT_DOUBLE_EQ(number.realValue(), 0);

    ParamNode none(nullptr, nullptr);
    EXPECT_EQ(none.name(), nullptr);
    EXPECT_EQ(none.value(), nullptr);
}

TEST(ParamNode, ExplicitLengthValueKeepsZeroBytesUntilCloned) {
    ParamNode node("bin", "");
    node.setText("ab\0cd", 5);
    EXPECT_EQ(node.valueLength(), 5);
    EXPECT_EQ(std::string(node.value(), 6), std::string("ab\0cd\0", 6));

    ParamNode copy;
    copy.copyFrom(&node, copyNameAndValue);
    EXPECT_EQ(copy.valueLength(), 5);
    EXPECT_EQ(std::string(copy.value(), 5), std::string("ab\0cd", 5));

    ParamNode* cloned = node.clone(Reach::node);
    EXPECT_EQ(cloned->valueLength(), 0);
    EXPECT_STREQ(cloned->value(), "ab");
    delete cloned;
}

TEST(ParamNode, SettersAcceptTheirOwnTexts) {
    ParamNode node("name", "value");
    node.setName(node.name());
    node.setText(node.value());
    EXPECT_STREQ(node.name(), "name");
    EXPECT_STREQ(node.value(), "value");
    node.copyFrom(&node, copyWhole);
    EXPECT_STREQ(node.value(), "value");
}

TEST(ParamNode, ChildPositionsAndOrder) {
    ParamNode root;
    root.append(new ParamNode("b", "2"));
    root.prepend(new ParamNode("a", "1"));
    root.append(new ParamNode("c", "3"));
    EXPECT_EQ(root.childCount(), 3);
    EXPECT_STREQ(root.child(-4)->name(), "a");
    EXPECT_STREQ(root.child(2)->name(), "c");
    EXPECT_EQ(root.child(5), nullptr);

    root.child(0)->append(new ParamNode("x", "9"));
    root.child(0)->append(new ParamNode("y", "8"));
    root.reverseChildren(Reach::node);
    EXPECT_EQ(listed(root), "c=3 b=2 a=1");
    EXPECT_EQ(listed(*root.child(2)), "x=9 y=8");
    root.reverseChildren(Reach::tree);
    EXPECT_EQ(listed(root), "a=1 b=2 c=3");
    EXPECT_EQ(listed(*root.child(0)), "y=8 x=9");

    ParamNodeList taken = root.takeChildren();
    EXPECT_EQ(root.childCount(), 0);
    EXPECT_EQ(listCount(taken), 3);
    root.setChildren(taken, TakeList::copy);  // a deep copy; we still own taken
    listClear(taken);
    EXPECT_EQ(taken, nullptr);
    EXPECT_EQ(listed(root), "a=1 b=2 c=3");
    EXPECT_EQ(root.child(0)->childCount(), 2);

    root.setChildren(root.children(), TakeList::copy);  // copying its own list
    EXPECT_EQ(listed(root), "a=1 b=2 c=3");

    root.reset(Reach::tree);
    EXPECT_EQ(root.childCount(), 0);
}

TEST(ParamNode, LookupTakesFirstExactMatch) {
    ParamNode root;
    root.append(new ParamNode("Produit", "a"));
    root.append(new ParamNode("Produit", "b"));
    root.append(new ParamNode(nullptr, "nameless"));
    EXPECT_STREQ(root.find("Produit")->value(), "a");
    EXPECT_EQ(root.find("produit"), nullptr);
    EXPECT_EQ(root.find(nullptr), nullptr);

    bool found = true;
    EXPECT_STREQ(root.valueOf("Absent", "fallback", &found), "fallback");
    EXPECT_FALSE(found);
    EXPECT_STREQ(root.valueOf("Produit", "fallback", &found), "a");
    EXPECT_TRUE(found);
    EXPECT_EQ(root.integerOf("Absent", 17), 17);
    EXPECT_DOUBLE_EQ(root.realOf("Absent", 2.5), 2.5);

    EXPECT_TRUE(root.removeChild("Produit"));
    EXPECT_STREQ(root.find("Produit")->value(), "b");
    EXPECT_FALSE(root.removeChild("Absent"));
}

TEST(ParamNode, FindOrCreatePutsNewChildrenInFront) {
    ParamNode root;
    ParamNode* x = root.findOrCreate("X");
    EXPECT_STREQ(x->value(), "0");
    EXPECT_EQ(x->integerValue(), 0);
    EXPECT_EQ(x->kind(), ValueKind::integer);
    EXPECT_EQ(root.findOrCreate("X"), x);
    root.findOrCreate("Y");
    root.findOrCreate("Z", NewChild::atEnd);
    EXPECT_EQ(listed(root), "Y=0 X=0 Z=0");
}

TEST(ParamNode, FindPath) {
    ParamNode root;
    ParamNode* a = new ParamNode("A", "");
    a->append(new ParamNode("B", "deep"));
    root.append(a);
    EXPECT_STREQ(root.findPath("A/B")->value(), "deep");
    EXPECT_EQ(root.findPath("A"), a);
    EXPECT_EQ(root.findPath("A/Z"), nullptr);
    EXPECT_EQ(root.findPath("Q/B"), nullptr);
    EXPECT_EQ(a->childCount(), 1);

    ParamNode* z = root.findPath("A/Z/W", PathLookup::create);
    ASSERT_NE(z, nullptr);
    EXPECT_STREQ(z->name(), "W");
    EXPECT_STREQ(a->child(0)->name(), "Z");  // created at the front
    EXPECT_EQ(root.findPath("A/Z/W"), z);

    a->append(new ParamNode("", "empty"));
    EXPECT_STREQ(root.findPath("A/")->value(), "empty");
}

TEST(ParamNodeList, Operations) {
    ParamNodeList list = nullptr;
    ParamNode* b = new ParamNode("b", "2");
    listAppend(list, b);
    listPrepend(list, new ParamNode("a", "1"));
    listAppend(list, new ParamNode("b", "3"));
    EXPECT_EQ(listed(list), "a=1 b=2 b=3");
    EXPECT_EQ(listFind(list, "b"), b);
    EXPECT_STREQ(listFindByValue(list, "3")->name(), "b");
    EXPECT_EQ(listFindByValue(list, "4"), nullptr);
    EXPECT_STREQ(listFindOrCreate(list, "c")->value(), "0");
    EXPECT_EQ(listed(list), "c=0 a=1 b=2 b=3");

    ParamNodeList copy = copyList(list);
    EXPECT_EQ(listed(copy), listed(list));
    EXPECT_NE(copy->node, list->node);

    // Removal is by identity: the second "b" stays when the first goes.
    EXPECT_TRUE(listRemove(list, b, Removed::keep));
    EXPECT_FALSE(listRemove(list, b, Removed::keep));
    delete b;
    EXPECT_EQ(listed(list), "c=0 a=1 b=3");

    listReverse(list);
    EXPECT_EQ(listed(list), "b=3 a=1 c=0");
    listClear(list);
    listClear(copy);
    EXPECT_EQ(list, nullptr);
}

TEST(ParamNode, CloneCopiesTextOnly) {
    ParamNode source("S", 42);
    source.append(new ParamNode("child", "c"));
    ParamNode* shallow = source.clone(Reach::node);
    ParamNode* deep = source.clone(Reach::tree);
    EXPECT_EQ(shallow->kind(), ValueKind::text);
    EXPECT_STREQ(shallow->value(), "42");
    EXPECT_EQ(shallow->childCount(), 0);
    EXPECT_EQ(listed(*deep), "child=c");
    delete shallow;
    delete deep;

    ParamNode target("T", "old");
    target.append(new ParamNode("gone", ""));
    target.copyFrom(&source, copyWhole);
    EXPECT_STREQ(target.name(), "S");
    EXPECT_EQ(target.kind(), ValueKind::integer);
    EXPECT_EQ(target.integerValue(), 42);
    EXPECT_EQ(listed(target), "child=c");
    target.copyFrom(nullptr, copyWhole);
    EXPECT_STREQ(target.name(), "S");
}

TEST(ParamNode, MergeOverlaysNamesAndValues) {
    auto makeThis = [] {
        ParamNode* k = new ParamNode("K", "1");
        k->append(new ParamNode("a", "x"));
        return k;
    };
    ParamNode other("K", "2");
    other.append(new ParamNode("b", "y"));

    ParamNode* merged = makeThis();
    merged->merge(other, Unmatched::appended);
    EXPECT_STREQ(merged->value(), "2");
    EXPECT_EQ(listed(*merged), "a=x b=y");
    delete merged;

    merged = makeThis();
    merged->merge(other, Unmatched::dropped);
    EXPECT_STREQ(merged->value(), "2");
    EXPECT_EQ(listed(*merged), "a=x");
    delete merged;
}

TEST(ParamNode, MergeRecursesIntoFirstSameNamedChild) {
    ParamNode base("root", "");
    ParamNode* first = new ParamNode("P", "p1");
    first->append(new ParamNode("keep", "k"));
    base.append(first);
    base.append(new ParamNode("P", "p2"));

    ParamNode layer("root", "");
    ParamNode* over = new ParamNode("P", "new");
    over->append(new ParamNode("keep", "changed"));
    over->append(new ParamNode("added", "1"));
    layer.append(over);
    layer.append(new ParamNode("P", "newer"));

    base.merge(layer, Unmatched::appended);
    // Both layer children landed on the first "P"; the second stays as it was.
    EXPECT_EQ(listed(base), "P=newer P=p2");
    EXPECT_EQ(listed(*base.child(0)), "keep=changed added=1");

    ParamNode empty("e", "v");
    empty.merge(layer, Unmatched::dropped);  // no children yet: all are copied, duplicates too
    EXPECT_STREQ(empty.name(), "root");
    EXPECT_STREQ(empty.value(), "");
    EXPECT_EQ(listed(empty), "P=new P=newer");
    EXPECT_EQ(empty.child(0)->childCount(), 2);

    ParamNode integer("n", 5);
    integer.merge(ParamNode("n", 6), Unmatched::dropped);
    EXPECT_EQ(integer.kind(), ValueKind::text);
    EXPECT_STREQ(integer.value(), "6");
}

TEST(ParamNode, MergeValuesOverwritesAndKeepsKinds) {
    ParamNode vars;
    ParamNodeList incoming = nullptr;
    listAppend(incoming, new ParamNode("A", "1"));
    listAppend(incoming, new ParamNode("B", 2));
    incoming->node->append(new ParamNode("notCopied", ""));
    vars.mergeValues(incoming);
    EXPECT_EQ(listed(vars), "B=2 A=1");
    EXPECT_EQ(vars.find("B")->kind(), ValueKind::integer);
    EXPECT_EQ(vars.find("A")->kind(), ValueKind::text);
    EXPECT_EQ(vars.find("A")->childCount(), 0);

    vars.find("A")->append(new ParamNode("stays", ""));
    incoming->node->setText("changed");
    vars.mergeValues(incoming);
    EXPECT_EQ(listed(vars), "B=2 A=changed");
    EXPECT_EQ(vars.find("A")->childCount(), 1);
    listClear(incoming);
}

TEST(ParamNode, Split) {
    ParamNode node;
    EXPECT_EQ(node.split("a|b|c", "|"), 3);
    EXPECT_EQ(listed(node), "a=a b=b c=c");
    EXPECT_EQ(node.split("a||b|", "|"), 4);
    EXPECT_EQ(listed(node), "a=a = b=b =");
    EXPECT_EQ(node.split("", "|"), 1);
    EXPECT_EQ(listed(node), "=");
    EXPECT_EQ(node.split("x<>y", "<>"), 2);
    EXPECT_EQ(listed(node), "x=x y=y");
}

TEST(ParamNode, ReplaceCharByScope) {
    ParamNode node(
        "a\xA4"
        "b",
        "c\xA4"
        "d");
    node.append(new ParamNode("e\xA4", "\xA4"));
    node.replaceChar(nodeValue, '\xA4', -1, Reach::node);
    EXPECT_STREQ(node.name(),
                 "a\xA4"
                 "b");
    EXPECT_STREQ(node.value(), "c\\d");
    EXPECT_STREQ(node.child(0)->value(), "\xA4");
    node.replaceChar(nameAndValue, '\xA4', '/', Reach::tree);
    EXPECT_STREQ(node.name(), "a/b");
    EXPECT_STREQ(node.child(0)->name(), "e/");
    EXPECT_STREQ(node.child(0)->value(), "/");
}

TEST(ParamNode, DestroysTreesOfAnyDepth) {
    // A call per level would need far more stack than any thread has. Each
    // level holds a leaf before the next level.
    ParamNode top("top", "");
    ParamNode* node = &top;
    for (int i = 0; i < 300000; ++i) {
        node->append(new ParamNode("leaf", ""));
        node->append(new ParamNode("n", ""));
        node = node->child(1);
    }
    ParamNodeList list = top.takeChildren();
    listPrepend(list, new ParamNode("first", ""));
    listClear(list);
    EXPECT_EQ(list, nullptr);
}
