#pragma once

// Whether a file was there before a write replaced it.
enum class FileBefore { absent, present };

// Told of each thing a run makes or changes on the machine, as it happens, so that what an
// installation did can be undone later (the journal). Folders and keys are told only when the
// run created them, never when it found them.
class MadeObserver {
public:
    virtual void fileWritten(const char* path, FileBefore before) = 0;
    virtual void folderMade(const char* path) = 0;
    // key: the full path, root name first, in the registry view given.
    virtual void keyMade(bool view64, const char* key) = 0;
    // written and before are typed value texts; before is null when the value was absent.
    virtual void valueWritten(bool view64, const char* key, const char* name, const char* written,
                              const char* before) = 0;

protected:
    ~MadeObserver() = default;
};
