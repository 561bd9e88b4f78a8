// Native builds write a link as a small block-text record for tests to
// read: one entry per field that a shortcut would hold.
#include "platform/shell_link.h"

#include "params/block_format.h"
#include "params/file_stream.h"

bool ShellLink::CreateLink() const {
    ParamNode record("link", linkPath_.get());
    const struct {
        const char* name;
        const Field& field;
    } fields[] = {{"target", target_},
                  {"arguments", arguments_},
                  {"workingFolder", workingFolder_},
                  {"description", description_}};
    for (const auto& entry : fields)
        if (entry.field.present) record.append(new ParamNode(entry.name, entry.field.get()));
    if (iconFile_.present && !iconFile_.text.empty()) {
        record.append(new ParamNode("iconFile", iconFile_.get()));
        record.append(new ParamNode("iconIndex", iconIndex_));
    }
    // As on Windows, a missing folder means no file, not a failure.
    OutFileStream out;
    if (out.open(linkPath_.text.text())) writeEntry(record, out);
    return true;
}
