#include "app/installer_licence.h"

#include "app/publisher_name.h"
#include "params/file_bytes.h"
#include "platform/file_ops.h"
#include "platform/path_names.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/licence_text.h"

namespace {

bool readDescriptionFile(const char* name, TextBuffer& text) {
    text.clear();
    TextBuffer path = JoinPath(InstallFolder().text(), name);
    return PathExists(path.text()) && readFileBytes(path.text(), text);
}

}  // namespace

void installerLicence(const Package& root, TextBuffer& text) {
    TextBuffer own("licence-");
    own.append(Language());
    own.append(".rtf");
    if (!readDescriptionFile(own.text(), text) && !readDescriptionFile("licence.rtf", text)) {
        builtInLicence(text);
    }
    text.replaceAll("${SOCIETE}", publisherName(root));
}
