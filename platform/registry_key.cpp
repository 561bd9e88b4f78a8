#include "platform/registry_key.h"

#include <cstring>
#include <vector>

#include "params/file_stream.h"
#include "platform/registry_value_text.h"
#include "platform/system_info.h"

namespace {

struct RootName {
    const char* name;
    int32_t root;
};

// Compared exactly: a root name in another letter case opens nothing.
const RootName rootNames[] = {
    {"HKEY_CLASSES_ROOT", rootClasses},         {"HKEY_CURRENT_USER", rootCurrentUser},
    {"HKEY_CURRENT_CONFIG", rootCurrentConfig}, {"HKEY_USERS", rootUsers},
    {"HKEY_LOCAL_MACHINE", rootLocalMachine},
};

// Before enumerating, buffers are sized from the key's counters, or these
// when the counters cannot be read.
const uint32_t defaultNameRoom = 100;
const uint32_t defaultDataRoom = 500;

int32_t findRoot(const char* name, size_t length) {
    for (const RootName& entry : rootNames)
        if (std::strlen(entry.name) == length && std::strncmp(entry.name, name, length) == 0)
            return entry.root;
    return -1;
}

// A path made only of separators names the root key itself.
bool namesRoot(const TextBuffer& path) {
    for (int32_t i = 0; i < path.length(); ++i)
        if (path.text()[i] != '\\') return false;
    return true;
}

bool currentView64() {
    return registryView64() && OsBits() == 64;
}

}  // namespace

int32_t rootOfPath(const char* path) {
    return findRoot(path, std::strcspn(path, "\\/"));
}

const char* rootName(int32_t root) {
    for (const RootName& entry : rootNames)
        if (entry.root == root) return entry.name;
    return "";
}

TextBuffer RegistryKey::fullPath() const {
    TextBuffer full(rootName(root_));
    if (!path_.empty()) full.appendPath(path_.text());
    return full;
}

namespace {

// The full paths of the keys that opening path would create, outermost first.
std::vector<TextBuffer> missingKeys(int32_t root, const TextBuffer& path, bool view64) {
    std::vector<TextBuffer> missing;
    TextBuffer below;
    for (const char* piece = path.text(); *piece;) {
        size_t length = std::strcspn(piece, "\\");
        if (!below.empty()) below.appendChar('\\');
        below.append(piece, int32_t(length));
        piece += length + (piece[length] ? 1 : 0);
        RegHandle probe;
        if (regOpenKey(regRootHandle(root), below.text(), KeyOpening::existing, KeyAccess::read,
                       view64, probe) == regSuccess) {
            regCloseKey(probe);
        } else {
            TextBuffer full(rootName(root));
            full.appendPath(below.text());
            missing.push_back(full);
        }
    }
    return missing;
}

}  // namespace

const char* RegistryKey::openPath(const char* path, KeyOpening opening) {
    closeAndClear();
    if (!path) return nullptr;
    size_t nameLength = std::strcspn(path, "\\/");
    int32_t root = findRoot(path, nameLength);
    if (root < 0) return nullptr;
    TextBuffer below(path[nameLength] ? path + nameLength + 1 : "");
    below.replaceByte('/', '\\');
    return openAt(root, below, opening, currentView64());
}

const char* RegistryKey::openUnder(const RegistryKey& parent, KeyOpening opening,
                                   const char* piece1, const char* piece2, const char* piece3,
                                   const char* piece4) {
    // The path is built before closing: parent may be this key.
    int32_t root = parent.root_;
    TextBuffer path;
    bool any = parent.hasPath_;
    if (any) path.append(parent.path_);
    for (const char* piece : {piece1, piece2, piece3, piece4}) {
        if (!piece) continue;
        if (any) path.appendChar('\\');
        path.append(piece);
        any = true;
    }
    path.replaceByte('/', '\\');
    closeAndClear();
    if (root < 0) return nullptr;
    return openAt(root, path, opening, currentView64());
}

const char* RegistryKey::joinRootAndBranch(const char* root, const char* branch,
                                           KeyOpening opening) {
    if (!hasVisibleByte(root)) return openPath(branch ? branch : "", opening);
    TextBuffer path(root);
    path.appendChar('\\');
    path.append(branch);
    return openPath(path.text(), opening);
}

const char* RegistryKey::openAt(int32_t root, const TextBuffer& path, KeyOpening opening,
                                bool view64) {
    root_ = root;
    path_ = path;
    hasPath_ = true;
    view64_ = view64;
    std::vector<TextBuffer> missing;
    if (made_ && opening == KeyOpening::create) missing = missingKeys(root, path, view64);
    open_ = regOpenKey(regRootHandle(root), path_.text(), opening, access_, view64, handle_) ==
            regSuccess;
    if (!open_ && opening == KeyOpening::create)
        errorStream() << "Erreur de creation du registre\n";
    if (open_)
        for (const TextBuffer& key : missing) made_->keyMade(view64, key.text());
    return path_.text();
}

void RegistryKey::close() {
    if (open_) regCloseKey(handle_);
    open_ = false;
}

void RegistryKey::closeAndClear() {
    close();
    root_ = -1;
    path_.release();
    hasPath_ = false;
    listClear(values_);
    listClear(subkeys_);
    info_ = RegKeyInfo();
}

bool RegistryKey::queryInfo() {
    if (open_ && regQueryInfo(handle_, info_) == regSuccess) return true;
    if (open_) errorStream() << "Erreur d'info au registre\n";
    info_ = RegKeyInfo();
    return false;
}

ParamNodeList RegistryKey::listValues(KeyListing listing, ValueForm form) {
    if (!open_) return nullptr;
    if (values_ && listing == KeyListing::cached) return values_;
    listClear(values_);
    bool counted = queryInfo();
    std::vector<char> name((counted ? info_.maxValueName : defaultNameRoom) + 1);
    std::vector<uint8_t> data((counted ? info_.maxValueData : defaultDataRoom) + 1);
    int32_t status;
    for (uint32_t index = 0;; ++index) {
        uint32_t nameLength, type, dataLength;
        status = regEnumValue(handle_, index, name.data(), uint32_t(name.size()), nameLength, type,
                              data.data(), uint32_t(data.size()), dataLength);
        // The counters may fall short: they count names in UTF-16 characters,
        // and a value may grow meanwhile. Read the same value again with room.
        if (status == regMoreData) {
            name.resize(name.size() * 2);
            data.resize(data.size() * 2);
            --index;
            continue;
        }
        if (status != regSuccess) break;
        // A name listed twice keeps one node, at the place of the first.
        ParamNode* node = listFind(values_, name.data());
        if (node) {
            setValueText(*node, type, data.data(), dataLength, form);
            continue;
        }
        node = new ParamNode(name.data(), nullptr);
        if (setValueText(*node, type, data.data(), dataLength, form))
            listPrepend(values_, node);
        else
            delete node;
    }
    if (status != regNoMoreItems) errorStream() << "Erreur de lecture du registre\n";
    return values_;
}

const char* RegistryKey::readValue(const char* name, KeyListing listing, ValueForm form) {
    ParamNode* node = listFind(listValues(listing, form), name ? name : "");
    return node ? node->value() : nullptr;
}

bool RegistryKey::writeValues(ParamNodeList values, IntegerNodes integers) {
    if (!open_) return false;
    listClear(values_);
    bool allWritten = true;
    std::vector<uint8_t> bytes;
    for (ParamCell* c = values; c; c = c->next) {
        uint32_t type;
        if (!valueBytes(*c->node, integers, type, bytes)) continue;
        ParamNode before(nullptr, nullptr);
        if (made_) readTyped(c->node->name(), before);
        if (regSetValue(handle_, c->node->name(), type, bytes.data(), uint32_t(bytes.size())) ==
            regSuccess) {
            if (made_) tellValueWritten(c->node->name(), before.value(), type, bytes);
            continue;
        }
        allWritten = false;
        errorStream() << "Erreur d'ecriture dans le registre (" << c->node->name() << " dans "
                      << path_ << ")\n";
    }
    return allWritten;
}

bool RegistryKey::readTyped(const char* name, ParamNode& typed) {
    uint32_t type;
    std::vector<uint8_t> data;
    return regQueryValue(handle_, name, type, data) == regSuccess &&
           setValueText(typed, type, data.data(), uint32_t(data.size()), ValueForm::typed);
}

void RegistryKey::tellValueWritten(const char* name, const char* before, uint32_t type,
                                   const std::vector<uint8_t>& bytes) {
    ParamNode written(nullptr, nullptr);
    setValueText(written, type, bytes.data(), uint32_t(bytes.size()), ValueForm::typed);
    made_->valueWritten(view64_, fullPath().text(), name, written.value(), before);
}

bool RegistryKey::deleteValue(const char* name) {
    listClear(values_);
    return open_ && regDeleteValue(handle_, name) == regSuccess;
}

bool RegistryKey::writeValue(const char* name, const char* value, IntegerNodes integers) {
    ParamNode node(name, value);
    ParamCell cell{&node, nullptr};
    return writeValues(&cell, integers);
}

ParamNodeList RegistryKey::listSubkeys(KeyListing listing, SubkeyOwner owner) {
    if (!open_) return nullptr;
    if (listing == KeyListing::reread || !subkeys_) {
        listClear(subkeys_);
        std::vector<char> name((queryInfo() ? info_.maxSubkeyName : defaultNameRoom) + 1);
        int32_t status;
        for (uint32_t index = 0;; ++index) {
            uint32_t nameLength;
            status = regEnumKey(handle_, index, name.data(), uint32_t(name.size()), nameLength);
            if (status == regMoreData) {
                name.resize(name.size() * 2);
                --index;
                continue;
            }
            if (status != regSuccess) break;
            listPrepend(subkeys_, new ParamNode(name.data(), name.data()));
        }
        if (status != regNoMoreItems) errorStream() << "Erreur de parcours du registre\n";
    }
    if (owner == SubkeyOwner::key) return subkeys_;
    ParamNodeList list = subkeys_;
    subkeys_ = nullptr;
    return list;
}

bool RegistryKey::deleteTree() {
    if (!open_) return false;
    // Deleting a root would first empty it of everything below.
    if (namesRoot(path_)) {
        errorStream() << "Erreur de retrait du registre\n";
        return false;
    }
    for (ParamCell* c = listSubkeys(KeyListing::reread); c; c = c->next) {
        TextBuffer below(path_);
        below.appendChar('\\');
        below.append(c->node->name());
        RegistryKey subkey;
        subkey.openAt(root_, below, KeyOpening::existing, view64_);
        subkey.deleteTree();
    }
    close();
    if (regDeleteKey(regRootHandle(root_), path_.text(), view64_) == regSuccess) return true;
    errorStream() << "Erreur de retrait du registre\n";
    return false;
}
