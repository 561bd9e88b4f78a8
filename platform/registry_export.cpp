#include "platform/registry_key.h"

#include "params/block_format.h"
#include "params/file_stream.h"

bool exportValues(const char* root, const char* branch, const char* file, TextBuffer& keyPath) {
    RegistryKey key;
    key.joinRootAndBranch(root, branch, KeyOpening::create);
    if (!key.isOpen()) {
        keyPath.assign(key.path());
        return false;
    }
    OutFileStream out;
    if (!out.open(file)) return true;
    // Numbers are written bare, so that an import reads them back as DWORDs.
    for (ParamCell* c = key.listValues(KeyListing::cached, ValueForm::plain); c; c = c->next)
        writeEntry(*c->node, out, BlockNumbers::typed);
    return true;
}
