#pragma once

#include <cstdint>

#include "params/file_stream.h"
#include "params/param_node.h"
#include "params/text_buffer.h"
#include "platform/made_observer.h"

// The journal of an installation: what it made or changed on the machine, in the order it
// happened, so that an uninstallation (or a Cancel) can undo exactly that. Block text, one
// top-level entry per record, appended as the installation goes:
//   Fichier = PATH       + Taille (bytes), Somme (the payload's checksum), Avant = 1 when a file
//                          was there before
//   Dossier = PATH       a folder the installation created
//   Cle = KEY            + Vue (32 or 64): a registry key it created
//   Valeur = KEY         + Vue, Nom, Ecrit (the typed text written), Avant (the typed text it
//                          replaced; absent when the value was)
//   Langue = CODE        + the run's translations, French text = translation: the
//                          uninstaller speaks the installation's language
// KEY is a full registry path, root name first.

// The two files the uninstallation folder receives.
extern const char journalFileName[];
extern const char uninstallerFileName[];

// What a file holds, as far as the journal checks it: its size and the checksum of its bytes.
struct FileMark {
    int64_t size = -1;
    uint32_t sum = 0;
};
// False when the file cannot be read whole.
bool readFileMark(const char* path, FileMark& mark);

// Keeps the journal: each thing told is recorded at once. Until the journal's file is known the
// records wait in memory (the pages' scripts run before the install folder is chosen).
class JournalKeeper final : public MadeObserver {
public:
    // From now on the records go to path, the waiting ones first; false when it cannot be
    // written. The file stays open until finishFile.
    bool startFile(const char* path);
    // Closes the file: what comes later is no longer recorded there.
    void finishFile();

    void fileWritten(const char* path, FileBefore before) override;
    void folderMade(const char* path) override;
    void keyMade(bool view64, const char* key) override;
    void valueWritten(bool view64, const char* key, const char* name, const char* written,
                      const char* before) override;
    // The interface language and its table (null when it has none).
    void languageUsed(const char* language, const ParamNode* table);

    // What this run recorded, newest first, whatever earlier runs left in the file.
    const ParamNode& thisRun() const { return thisRun_; }
    // The size of the file before this run's first record: what earlier installations wrote.
    int64_t earlierSize() const { return earlierSize_; }

private:
    void keep(ParamNode* record);

    OutFileStream file_;
    bool started_ = false;
    ParamNode waiting_;
    ParamNode thisRun_;  // newest first: appending would walk the whole list each time
    int64_t earlierSize_ = 0;
};

// The journal at path, one record per thing, newest first: a thing recorded again keeps the place
// of its first record and its first "Avant", and takes the last size, sum or value written. False, with the reason and
// nothing in records, when the file is missing or any record cannot be trusted: a relative or
// climbing path, an unknown keyword, a key under no root, a view or number that is none.
bool readJournal(const char* path, ParamNode& records, TextBuffer& reason);

// The sum of the sizes of the files recorded, in KiB rounded up.
int32_t journalKilobytes(const ParamNode& records);
