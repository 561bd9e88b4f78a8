#pragma once

#include <cstdint>
#include <vector>

#include "params/param_node.h"
#include "params/text_buffer.h"
#include "platform/made_observer.h"
#include "platform/registry_calls.h"
#include "platform/registry_value_text.h"

// A registry key opened from a textual path whose first component names a
// root: "HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_USERS",
// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_CONFIG" (exact case). "\" and "/"
// both separate components.
//
// Values travel as ParamNode lists named after the values (the default
// value has the empty name). Typed texts carry the type in a prefix:
// "__eval:" for expandable strings, "__dword:" for numbers, "__hex(T):" then
// comma-separated decimal bytes for any other type T; plain strings have
// none. Untyped listing gives strings as they are, numbers as integer nodes,
// and skips every other type.
//
// Every operation on a closed key does nothing and reports failure.
// Diagnostic lines go to errorStream().

// Whether a listing of values or subkeys uses the key's cached one or lists anew.
enum class KeyListing { cached, reread };
// Who owns a listing of subkeys: the key (until its next listing) or the caller.
enum class SubkeyOwner { key, caller };
// Whether cloneBranch copies over what the destination holds or first deletes it.
enum class BranchCopy { merge, replace };

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() { closeAndClear(); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // Keys opened from now on may be written to (read only until then); survives close.
    void allowWriting() { access_ = KeyAccess::write; }
    // From now on made hears of each key this object creates and each value it writes (with the
    // value it replaced); survives close. Null stops the telling.
    void tellMade(MadeObserver* made) { made_ = made; }

    // Opens (or creates, when missing) the key at a full path. A root name alone opens the root
    // key itself. Returns the stored path (below the root), or null when the first component is
    // no root name.
    const char* openPath(const char* path, KeyOpening opening);
    // Opens the key whose path is parent's joined with each present piece,
    // "\" between them (an absent piece is skipped, an empty one still adds
    // its separator). Returns the stored path.
    const char* openUnder(const RegistryKey& parent, KeyOpening opening, const char* piece1,
                          const char* piece2 = nullptr, const char* piece3 = nullptr,
                          const char* piece4 = nullptr);
    // openPath(branch) when root is blank, else openPath(root "\" branch).
    const char* joinRootAndBranch(const char* root, const char* branch, KeyOpening opening);

    void close();
    // Closes and forgets path, caches and counters (not the write access).
    void closeAndClear();

    bool isOpen() const { return open_; }
    // The index of the root the key lies under, -1 when none.
    int32_t root() const { return root_; }
    // The path below the root, or null when none is stored.
    const char* path() const { return hasPath_ ? path_.text() : nullptr; }

    // Reads the key's counters; false (counters 0) on failure.
    bool queryInfo();
    const RegKeyInfo& info() const { return info_; }

    // The values, listed anew when asked to or when nothing is cached, as plain or typed texts
    // (see above). Each name once, in reverse enumeration order. Owned by the
    // key.
    ParamNodeList listValues(KeyListing listing, ValueForm form);
    // The text of the value of that exact name, or null.
    const char* readValue(const char* name, KeyListing listing, ValueForm form);
    // Writes each node as a value; the text's prefix decides the type, and integers tells how
    // an integer node without prefix is written. True when every write succeeded.
    bool writeValues(ParamNodeList values, IntegerNodes integers);
    bool writeValue(const char* name, const char* value, IntegerNodes integers);
    // Deletes the value of that exact name; false when it cannot, or is not there.
    bool deleteValue(const char* name);
    // The full path: the root's name, then the stored path.
    TextBuffer fullPath() const;

    // Subkey names (name and value of each node), in reverse enumeration order, listed anew when
    // asked to or when nothing is cached. Given to the caller, the list leaves the cache empty.
    ParamNodeList listSubkeys(KeyListing listing, SubkeyOwner owner = SubkeyOwner::key);

    // Deletes the key and all its subkeys, depth first, in the view it was
    // opened in. A root key itself is never deleted.
    bool deleteTree();

private:
    const char* openAt(int32_t root, const TextBuffer& path, KeyOpening opening, bool view64);
    // The typed text of one value into typed's value; false when the value cannot be read.
    bool readTyped(const char* name, ParamNode& typed);
    void tellValueWritten(const char* name, const char* before, uint32_t type,
                          const std::vector<uint8_t>& bytes);

    int32_t root_ = -1;
    TextBuffer path_;
    bool hasPath_ = false;
    ParamNodeList values_ = nullptr;
    ParamNodeList subkeys_ = nullptr;
    RegHandle handle_ = nullptr;
    bool open_ = false;
    bool view64_ = false;
    RegKeyInfo info_;
    KeyAccess access_ = KeyAccess::read;
    MadeObserver* made_ = nullptr;
};

// The process-wide 64-bit view switch, off at start. While it is on and the
// system reports 64 bits, keys are opened in the 64-bit view. Returns the
// previous state.
bool setRegistryView64(bool on);
bool registryView64();
// The switch as a number of bits sets it, a script's or the install description's: 0 and 32
// the 32-bit view, any other number the 64-bit one.
void setRegistryViewBits(int32_t bits);

// The root that the first component of path names ("\" or "/" ends it), or -1 when it names none.
int32_t rootOfPath(const char* path);
// The name of a root index, as paths spell it.
const char* rootName(int32_t root);

// Splits a typed text into its payload (returned, pointing into value) and
// type, which receives "__eval:" or "__dword:" and is left empty otherwise
// ("__hex(T):" prefixes are dropped without a type).
const char* stripTypePrefix(const char* value, TextBuffer& type);

// Copies the branch at source (a full path) to destination with every
// value, typed, and every subkey, over what destination holds or after
// deleting it.
// Branches that overlap (one equal to or inside the other) are refused with
// a diagnostic line and false; otherwise true, failures below showing only
// as diagnostic lines.
// Keys and values written are told to made, when given.
bool cloneBranch(const char* source, const char* destination, BranchCopy copy,
                 MadeObserver* made = nullptr);

// Writes the string and number values of the key at root and branch
// (created when missing) to file, one block-text entry per value in the
// key's listing order. False when the key cannot be opened, with keyPath
// set to its stored path; a file that cannot be created is not reported.
bool exportValues(const char* root, const char* branch, const char* file, TextBuffer& keyPath);

// Writes the keys and values of a block-text file: each top-level entry
// names a key by full path, its children are values (a bare number is a
// DWORD). Key names, value names and values are expanded with variables,
// where EXVAL, EXVALHT and EXVALTYP describe the value being replaced. The
// stored path of each key whose values were not all written is appended to
// failedKeys (name and value), in file order.
// Keys and values written are told to made, when given.
void importFile(const char* file, ParamNode& variables, ParamNodeList& failedKeys,
                MadeObserver* made = nullptr);
