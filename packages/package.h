#pragma once

#include <memory>
#include <vector>

#include "params/param_node.h"
#include "params/text_buffer.h"

// A product or component package: a folder with install.ini, var.ini, their layer files
// (.inp inherited by every package below, .ins for this package only) and sub-package folders
// named *.cpx. The packages form a tree that mirrors the folder tree.
struct Package {
    Package(const char* folder, Package* parent);
    ~Package();
    Package(const Package&) = delete;
    Package& operator=(const Package&) = delete;

    // Loads the package folder and, recursively, its sub-packages. Never fails: missing files
    // give empty trees.
    bool load(const char* folder, Package* parent);

    // The top-level block of installTree named name + "-" + the interface language if there is
    // one, else the block named name, created empty at the front when absent.
    ParamNode* FindBlock(const char* name);

    // Changes the selection state after the package's optional confirmation; false when the
    // user refused the change.
    bool setSelected(int newState);

    // The interface language remembered in the registry locations of the "Langue" block.
    void readLanguage(TextBuffer& language);
    void writeLanguage(const char* language);

    // A decimal text unique in the package's tree: its packages are numbered from 1, the root
    // first, in the order they are made.
    const TextBuffer& identity() const { return identity_; }

    ParamNode installTree;
    ParamNode varTree;
    ParamNode installInherited;
    ParamNode varInherited;
    // Owned sub-packages, most recently found first.
    std::vector<std::unique_ptr<Package>> subPackages;
    Package* parent = nullptr;
    ParamNode choiceList;
    TextBuffer folder;
    int state = 1;
    TextBuffer id;
    TextBuffer title;

private:
    void loadSubPackages();
    TextBuffer identity_;
    // In the root: how many packages of the tree have been numbered.
    int packagesNumbered_ = 0;
};
