#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// A shortcut to write: every text may be absent (never set, or set to
// null); a present text is used even when empty.
class ShellLink {
public:
    void setLinkPath(const char* path) { linkPath_.set(path); }
    void setTarget(const char* path) { target_.set(path); }
    void setArguments(const char* arguments) { arguments_.set(arguments); }
    void setWorkingFolder(const char* folder) { workingFolder_.set(folder); }
    void setDescription(const char* description) { description_.set(description); }
    // The icon is used only when file is present and not empty.
    void setIcon(const char* file, int32_t index) {
        iconFile_.set(file);
        iconIndex_ = index;
    }

    // Writes the link file. True once the link is composed, even when the
    // file could not be saved (its folder missing, for one); false only when
    // the system cannot make links.
    bool CreateLink() const;

private:
    struct Field {
        void set(const char* value) {
            text.assign(value);
            present = value != nullptr;
        }
        // The text, or null when absent.
        const char* get() const { return present ? text.text() : nullptr; }

        TextBuffer text;
        bool present = false;
    };

    Field linkPath_;
    Field target_;
    Field arguments_;
    Field workingFolder_;
    Field description_;
    Field iconFile_;
    int32_t iconIndex_ = 0;
};
