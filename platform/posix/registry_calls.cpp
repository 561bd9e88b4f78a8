// An in-process registry with the behaviour scripts see on Windows: five
// roots, case-insensitive key and value names, subkeys enumerated in name
// order and values in creation order, handles opened for reading or
// writing, keys deleted only when they have no subkeys. As on a 64-bit
// Windows, the 32-bit view of HKEY_LOCAL_MACHINE\Software is its
// WOW6432Node subkey. Everything lives for the life of the process.
#include "platform/registry_calls.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "params/fold_upper.h"
#include "params/text_buffer.h"
#include "platform/system_info.h"

namespace {

enum : int32_t {
    fileNotFound = 2,
    accessDenied = 5,
    keyDeleted = 1018,
};

struct MemValue {
    TextBuffer name;
    uint32_t type;
    std::vector<uint8_t> data;
};

struct MemKey {
    TextBuffer name;
    std::vector<MemValue> values;
    std::vector<std::unique_ptr<MemKey>> subkeys;  // in folded name order
};

// What a handle names: a root and the components below it.
struct OpenKey {
    int32_t root;
    std::vector<TextBuffer> path;
    KeyAccess access;
};

MemKey& rootTree(int32_t root) {
    static MemKey trees[rootCount];
    return trees[root];
}

OpenKey* rootHandles() {
    static OpenKey handles[rootCount] = {{rootClasses, {}, KeyAccess::write},
                                         {rootUsers, {}, KeyAccess::write},
                                         {rootLocalMachine, {}, KeyAccess::write},
                                         {rootCurrentUser, {}, KeyAccess::write},
                                         {rootCurrentConfig, {}, KeyAccess::write}};
    return handles;
}

OpenKey& openKey(RegHandle handle) {
    return *static_cast<OpenKey*>(handle);
}

int compareFolded(const char* a, const char* b) {
    for (;; ++a, ++b) {
        unsigned char x = static_cast<unsigned char>(foldUpper(*a));
        unsigned char y = static_cast<unsigned char>(foldUpper(*b));
        if (x != y || !x) return x - y;
    }
}

// Components of a path; empty components are ignored.
void appendComponents(std::vector<TextBuffer>& path, const char* text) {
    while (*text) {
        const char* end = std::strchr(text, '\\');
        if (!end) end = text + std::strlen(text);
        if (end > text) {
            path.emplace_back();
            path.back().append(text, static_cast<int32_t>(end - text));
        }
        text = *end ? end + 1 : end;
    }
}

// The 32-bit view of a 64-bit system keeps HKEY_LOCAL_MACHINE\Software
// under Software\WOW6432Node.
void applyView(int32_t root, std::vector<TextBuffer>& path, bool view64) {
    if (view64 || OsBits() != 64 || root != rootLocalMachine || path.empty() ||
        !foldEquals(path[0].text(), "Software"))
        return;
    if (path.size() > 1 && foldEquals(path[1].text(), "WOW6432Node")) return;
    path.insert(path.begin() + 1, TextBuffer("WOW6432Node"));
}

MemKey* findSubkey(MemKey& key, const char* name) {
    for (auto& subkey : key.subkeys)
        if (foldEquals(subkey->name.text(), name)) return subkey.get();
    return nullptr;
}

MemKey* addSubkey(MemKey& key, const char* name) {
    auto place = key.subkeys.begin();
    while (place != key.subkeys.end() && compareFolded((*place)->name.text(), name) < 0) ++place;
    auto created = std::make_unique<MemKey>();
    created->name.assign(name);
    return key.subkeys.insert(place, std::move(created))->get();
}

MemKey* resolve(int32_t root, const std::vector<TextBuffer>& path, KeyOpening opening) {
    MemKey* key = &rootTree(root);
    for (const TextBuffer& name : path) {
        MemKey* next = findSubkey(*key, name.text());
        if (!next && opening == KeyOpening::create) next = addSubkey(*key, name.text());
        if (!next) return nullptr;
        key = next;
    }
    return key;
}

MemKey* resolve(RegHandle handle) {
    return resolve(openKey(handle).root, openKey(handle).path, KeyOpening::existing);
}

MemValue* findValue(MemKey& key, const char* name) {
    for (MemValue& value : key.values)
        if (foldEquals(value.name.text(), name)) return &value;
    return nullptr;
}

// Copies a name into a caller's buffer of room bytes, terminator included.
int32_t copyName(const TextBuffer& source, char* name, uint32_t room, uint32_t& length) {
    if (static_cast<uint32_t>(source.length()) >= room) return regMoreData;
    std::memcpy(name, source.text(), static_cast<size_t>(source.length()) + 1);
    length = static_cast<uint32_t>(source.length());
    return regSuccess;
}

}  // namespace

RegHandle regRootHandle(int32_t rootIndex) {
    return &rootHandles()[rootIndex];
}

int32_t regOpenKey(RegHandle root, const char* path, KeyOpening opening, KeyAccess access,
                   bool view64, RegHandle& key) {
    key = nullptr;
    OpenKey opened{openKey(root).root, openKey(root).path, access};
    appendComponents(opened.path, path);
    applyView(opened.root, opened.path, view64);
    if (!resolve(opened.root, opened.path, opening)) return fileNotFound;
    key = new OpenKey(std::move(opened));
    return regSuccess;
}

void regCloseKey(RegHandle key) {
    for (int32_t root = 0; root < rootCount; ++root)
        if (key == &rootHandles()[root]) return;
    delete &openKey(key);
}

int32_t regQueryInfo(RegHandle key, RegKeyInfo& info) {
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    info = RegKeyInfo();
    info.subkeyCount = static_cast<uint32_t>(found->subkeys.size());
    for (auto& subkey : found->subkeys)
        info.maxSubkeyName = std::max(info.maxSubkeyName, uint32_t(subkey->name.length()));
    info.valueCount = static_cast<uint32_t>(found->values.size());
    for (MemValue& value : found->values) {
        info.maxValueName = std::max(info.maxValueName, uint32_t(value.name.length()));
        info.maxValueData = std::max(info.maxValueData, uint32_t(value.data.size()));
    }
    return regSuccess;
}

int32_t regEnumValue(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                     uint32_t& nameLength, uint32_t& type, uint8_t* data, uint32_t dataRoom,
                     uint32_t& dataLength) {
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    if (index >= found->values.size()) return regNoMoreItems;
    const MemValue& value = found->values[index];
    if (value.data.size() > dataRoom || copyName(value.name, name, nameRoom, nameLength))
        return regMoreData;
    if (!value.data.empty()) std::memcpy(data, value.data.data(), value.data.size());
    dataLength = static_cast<uint32_t>(value.data.size());
    type = value.type;
    return regSuccess;
}

int32_t regEnumKey(RegHandle key, uint32_t index, char* name, uint32_t nameRoom,
                   uint32_t& nameLength) {
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    if (index >= found->subkeys.size()) return regNoMoreItems;
    return copyName(found->subkeys[index]->name, name, nameRoom, nameLength);
}

int32_t regQueryValue(RegHandle key, const char* name, uint32_t& type, std::vector<uint8_t>& data) {
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    MemValue* value = findValue(*found, name ? name : "");
    if (!value) return fileNotFound;
    type = value->type;
    data = value->data;
    return regSuccess;
}

int32_t regSetValue(RegHandle key, const char* name, uint32_t type, const uint8_t* data,
                    uint32_t size) {
    if (openKey(key).access != KeyAccess::write) return accessDenied;
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    if (!name) name = "";
    MemValue* value = findValue(*found, name);
    if (!value) {
        found->values.push_back(MemValue{TextBuffer(name), type, {}});
        value = &found->values.back();
    }
    value->type = type;
    value->data.assign(data, data + size);
    return regSuccess;
}

int32_t regDeleteValue(RegHandle key, const char* name) {
    if (openKey(key).access != KeyAccess::write) return accessDenied;
    MemKey* found = resolve(key);
    if (!found) return keyDeleted;
    MemValue* value = findValue(*found, name ? name : "");
    if (!value) return fileNotFound;
    found->values.erase(found->values.begin() + (value - found->values.data()));
    return regSuccess;
}

int32_t regDeleteKey(RegHandle root, const char* path, bool view64) {
    std::vector<TextBuffer> components = openKey(root).path;
    appendComponents(components, path);
    applyView(openKey(root).root, components, view64);
    if (components.empty()) return accessDenied;
    TextBuffer name = components.back();
    components.pop_back();
    MemKey* parent = resolve(openKey(root).root, components, KeyOpening::existing);
    MemKey* key = parent ? findSubkey(*parent, name.text()) : nullptr;
    if (!key) return fileNotFound;
    if (!key->subkeys.empty()) return accessDenied;
    for (auto it = parent->subkeys.begin(); it != parent->subkeys.end(); ++it)
        if (it->get() == key) {
            parent->subkeys.erase(it);
            break;
        }
    return regSuccess;
}
