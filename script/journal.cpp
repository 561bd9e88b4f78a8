#include "script/journal.h"

#include <cstring>
#include <vector>

#include "params/block_format.h"
#include "params/file_stream.h"
#include "payload/checksum.h"
#include "platform/file_ops.h"
#include "platform/folder_ops.h"
#include "platform/registry_key.h"

const char journalFileName[] = "desinstalle.txt";
const char uninstallerFileName[] = "desinstalle.exe";

namespace {

const char* viewText(bool view64) {
    return view64 ? "64" : "32";
}

// A decimal count of digits only, as the journal writes them.
bool readCount(const char* text, uint64_t& n) {
    n = 0;
    if (!text || !*text || std::strlen(text) > 19) return false;
    for (; *text; ++text) {
        if (*text < '0' || *text > '9') return false;
        n = n * 10 + uint64_t(*text - '0');
    }
    return true;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Absolute (a drive's root, a share, or the root of the system's tree) and without "." or ".."
// components: nothing the uninstaller's own folder or a climb could turn into another path.
bool trustedPath(const char* path) {
    if (!path) return false;
    bool drive = ((path[0] | 0x20) >= 'a' && (path[0] | 0x20) <= 'z') && path[1] == ':' &&
                 isSeparator(path[2]);
    if (!drive && !isSeparator(path[0])) return false;
    for (const char* piece = path + (drive ? 3 : 1); *piece;) {
        size_t length = std::strcspn(piece, "\\/");
        if ((length == 1 && piece[0] == '.') || (length == 2 && std::strncmp(piece, "..", 2) == 0))
            return false;
        piece += length + (piece[length] ? 1 : 0);
    }
    return true;
}

// The uninstaller trusts absolute paths only, and starts in another folder; the system's
// resolution costs a look at each component, so a path that is absolute already stays.
TextBuffer absolute(const char* path) {
    return trustedPath(path) ? TextBuffer(path) : ResolvedPath(path);
}

bool trustedView(const ParamNode& record) {
    const char* view = record.valueOf("Vue", nullptr);
    return view && (std::strcmp(view, "32") == 0 || std::strcmp(view, "64") == 0);
}

// Why the record cannot be trusted, or null.
const char* distrust(const ParamNode& record) {
    const char* kind = record.name();
    bool file = std::strcmp(kind, "Fichier") == 0, key = std::strcmp(kind, "Cle") == 0,
         value = std::strcmp(kind, "Valeur") == 0;
    // A language's texts are only shown.
    if (std::strcmp(kind, "Langue") == 0) return nullptr;
    if (!file && !key && !value && std::strcmp(kind, "Dossier") != 0)
        return "enregistrement inconnu : ";
    if (!key && !value) {
        if (!trustedPath(record.value())) return "chemin refus\xE9 : ";
        uint64_t n;
        if (file && !(readCount(record.valueOf("Taille", nullptr), n) &&
                      readCount(record.valueOf("Somme", nullptr), n) && n <= 0xFFFFFFFFu))
            return "empreinte illisible : ";
        return nullptr;
    }
    if (rootOfPath(record.value()) < 0)
        return "cl\xE9 refus\xE9"
               "e : ";
    if (!trustedView(record)) return "vue inconnue : ";
    if (value && (!record.find("Nom") || !record.find("Ecrit"))) return "valeur incompl\xE8te : ";
    return nullptr;
}

// What makes two records name one thing: kind, path or key, view and value name.
const char* const identityFields[] = {"Vue", "Nom"};

void mix(uint32_t& hash, const char* text) {
    for (; *text; ++text) hash = (hash ^ uint8_t(*text)) * 16777619u;
    hash = (hash ^ 0x100u) * 16777619u;
}

uint32_t identityHash(const ParamNode& record) {
    uint32_t hash = 2166136261u;
    mix(hash, record.name());
    mix(hash, record.value());
    for (const char* field : identityFields) mix(hash, record.valueOf(field));
    return hash;
}

bool sameThing(const ParamNode& a, const ParamNode& b) {
    if (std::strcmp(a.name(), b.name()) != 0 || std::strcmp(a.value(), b.value()) != 0)
        return false;
    for (const char* field : identityFields)
        if (std::strcmp(a.valueOf(field), b.valueOf(field)) != 0) return false;
    return true;
}

// later's fields over first's, first's "Avant" kept.
void mergeInto(ParamNode& first, ParamNode& later) {
    ParamNode* before = first.find("Avant");
    ParamNode* kept = before ? before->clone(Reach::node) : nullptr;
    first.setChildren(later.takeChildren(), TakeList::adopt);
    first.removeChild("Avant");
    if (kept) first.append(kept);
}

// One record per thing, newest first by their first records: each record is looked up in a
// table of the first ones, open addressing on the hash of what it names.
void mergeRecords(ParamNode& records) {
    ParamNodeList all = records.takeChildren();
    size_t size = 16;
    while (size < 2 * size_t(listCount(all))) size *= 2;
    std::vector<ParamNode*> firsts(size, nullptr);
    while (ParamCell* cell = all) {
        all = cell->next;
        ParamNode* record = cell->node;
        delete cell;
        size_t slot = identityHash(*record) & (size - 1);
        while (firsts[slot] && !sameThing(*firsts[slot], *record)) slot = (slot + 1) & (size - 1);
        if (firsts[slot]) {
            mergeInto(*firsts[slot], *record);
            delete record;
        } else {
            firsts[slot] = record;
            records.prepend(record);
        }
    }
}

}  // namespace

bool readFileMark(const char* path, FileMark& mark) {
    InFileStream in(path, FileMode::binary);
    if (!in.isOpen()) return false;
    mark = FileMark();
    mark.size = 0;
    char piece[16384];
    for (int32_t n; (n = in.read(piece, sizeof piece)) > 0;) {
        mark.sum = updateChecksum(mark.sum, reinterpret_cast<unsigned char*>(piece), size_t(n));
        mark.size += n;
    }
    return in.good();
}

bool JournalKeeper::startFile(const char* path) {
    FileInfo earlier;
    earlierSize_ = GetFileInfo(path, earlier) ? earlier.size : 0;
    started_ = true;
    if (!file_.open(path, FileMode::text, FileWrite::append)) return false;
    for (ParamCell* c = waiting_.children(); c; c = c->next) writeEntry(*c->node, file_);
    waiting_.reset(Reach::tree);
    return file_.flush();
}

void JournalKeeper::finishFile() {
    file_.close();
}

void JournalKeeper::keep(ParamNode* record) {
    thisRun_.prepend(record->clone(Reach::tree));
    if (!started_) {
        waiting_.append(record);
        return;
    }
    // Handed to the system at once: what was done so far is in the file whatever ends the run.
    if (file_.isOpen()) {
        writeEntry(*record, file_);
        file_.flush();
    }
    delete record;
}

void JournalKeeper::fileWritten(const char* path, FileBefore before) {
    FileMark mark;
    if (!readFileMark(path, mark)) return;
    ParamNode* record = new ParamNode("Fichier", absolute(path).text());
    TextBuffer size;
    size.appendInt64(mark.size);
    record->append(new ParamNode("Taille", size.text()));
    TextBuffer sum;
    sum.appendUInt64(mark.sum);
    record->append(new ParamNode("Somme", sum.text()));
    if (before == FileBefore::present) record->append(new ParamNode("Avant", "1"));
    keep(record);
}

void JournalKeeper::folderMade(const char* path) {
    keep(new ParamNode("Dossier", absolute(path).text()));
}

void JournalKeeper::keyMade(bool view64, const char* key) {
    ParamNode* record = new ParamNode("Cle", key);
    record->append(new ParamNode("Vue", viewText(view64)));
    keep(record);
}

void JournalKeeper::valueWritten(bool view64, const char* key, const char* name,
                                 const char* written, const char* before) {
    ParamNode* record = new ParamNode("Valeur", key);
    record->append(new ParamNode("Vue", viewText(view64)));
    record->append(new ParamNode("Nom", name ? name : ""));
    record->append(new ParamNode("Ecrit", written));
    if (before) record->append(new ParamNode("Avant", before));
    keep(record);
}

void JournalKeeper::languageUsed(const char* language, const ParamNode* table) {
    ParamNode* record = new ParamNode("Langue", language);
    if (table) record->setChildren(table->children(), TakeList::copy);
    keep(record);
}

bool readJournal(const char* path, ParamNode& records, TextBuffer& reason) {
    records.reset(Reach::tree);
    if (!PathExists(path)) {
        reason.assign("journal introuvable : ");
        reason.append(path);
        return false;
    }
    if (!readTreeFile(records, path)) {
        reason.assign("journal illisible : ");
        reason.append(path);
        records.reset(Reach::tree);
        return false;
    }
    for (ParamCell* c = records.children(); c; c = c->next) {
        if (const char* why = distrust(*c->node)) {
            reason.assign(why);
            reason.append(c->node->name());
            reason.append(" = ");
            reason.append(c->node->value());
            records.reset(Reach::tree);
            return false;
        }
    }
    mergeRecords(records);
    return true;
}

int32_t journalKilobytes(const ParamNode& records) {
    uint64_t bytes = 0;
    for (ParamCell* c = records.children(); c; c = c->next) {
        uint64_t size;
        if (std::strcmp(c->node->name(), "Fichier") == 0 &&
            readCount(c->node->valueOf("Taille"), size))
            bytes += size;
    }
    uint64_t kilobytes = (bytes + 1023) / 1024;
    return kilobytes < 0x7FFFFFFF ? int32_t(kilobytes) : 0x7FFFFFFF;
}
