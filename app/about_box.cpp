#include "app/about_box.h"

#include "params/text_buffer.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/responder.h"

void showAboutBox(const char* publisher) {
    TextBuffer text(translate("Installateur "));
    text.append(publisher);
    text.append("\r\n");
    text.append(translate("Installe les produits de son \xE9" "diteur"));
    text.append("\r\n\r\n");
    text.append(ProgramContainer().programPath);
    responder().showMessage(translate("A propos de l'installateur"), text.text(), false);
}
