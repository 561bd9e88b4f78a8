#include "platform/registry_key.h"

#include <cstring>

#include "params/file_stream.h"
#include "params/fold_upper.h"

namespace {

// "\A\B" for a stored path "a\\b\": one "\" before each non-empty
// component, letters folded as the registry ignores their case.
TextBuffer keyIdentity(const char* path) {
    TextBuffer identity;
    bool inName = false;
    for (; *path; ++path) {
        if (*path == '\\') {
            inName = false;
            continue;
        }
        if (!inName) identity.appendChar('\\');
        identity.appendChar(foldUpper(*path));
        inName = true;
    }
    return identity;
}

// Whether inner is outer or lies below it.
bool within(const TextBuffer& inner, const TextBuffer& outer) {
    return inner.length() >= outer.length() &&
           std::strncmp(inner.text(), outer.text(), size_t(outer.length())) == 0 &&
           (inner.length() == outer.length() || inner.text()[outer.length()] == '\\');
}

// A copy into its own subtree would copy without end, and a replacing copy
// into a branch holding the source would delete the source first.
bool overlap(const char* source, const char* destination) {
    RegistryKey from, to;
    from.openPath(source, KeyOpening::existing);
    to.openPath(destination, KeyOpening::existing);
    if (!from.path() || !to.path() || from.root() != to.root()) return false;
    TextBuffer a = keyIdentity(from.path()), b = keyIdentity(to.path());
    return within(a, b) || within(b, a);
}

void copyBranch(const char* source, const char* destination, BranchCopy copy, MadeObserver* made) {
    if (copy == BranchCopy::replace) {
        RegistryKey old;
        old.allowWriting();
        old.openPath(destination, KeyOpening::create);
        old.deleteTree();
    }
    RegistryKey from, to;
    from.openPath(source, KeyOpening::create);
    to.allowWriting();
    to.tellMade(made);
    to.openPath(destination, KeyOpening::create);
    to.writeValues(from.listValues(KeyListing::reread, ValueForm::typed), IntegerNodes::asDword);
    for (ParamCell* c = from.listSubkeys(KeyListing::reread); c; c = c->next) {
        TextBuffer subSource(source), subDestination(destination);
        subSource.appendPath(c->node->name());
        subDestination.appendPath(c->node->name());
        copyBranch(subSource.text(), subDestination.text(), BranchCopy::merge, made);
    }
}

}  // namespace

bool cloneBranch(const char* source, const char* destination, BranchCopy copy, MadeObserver* made) {
    if (overlap(source, destination)) {
        errorStream() << "Erreur de copie du registre (branches imbriquees)\n";
        return false;
    }
    copyBranch(source, destination, copy, made);
    return true;
}
