#include "app/report.h"

#include "app/install_session.h"
#include "params/param_node.h"
#include "params/text_buffer.h"
#include "session/stores.h"
#include "session/translation.h"
#include "ui/wizard_view.h"

namespace {

const char lineEnd[] = "\r\n";

void buildBody(const char* text, TextBuffer& body) {
    if (!ErrorList().children()) {
        body.assign(text);
        return;
    }
    body.assign(hasVisibleByte(text)
                    ? text
                    : translate("Des erreurs ont \xE9t\xE9 rencontr\xE9" "es durant l'installation"));
    body.append(lineEnd);
    body.append(translate("Contactez le support"));
    body.append(lineEnd);
    body.append(lineEnd);
    for (ParamCell* c = ErrorList().children(); c; c = c->next) {
        body.append(c->node->name());
        body.append(" : ");
        body.append(c->node->value());
        body.append(lineEnd);
        body.append(lineEnd);
    }
}

// The title centred and bold in colour 1 after an empty line, then the body in colour 2. Neither
// is escaped: a backslash becomes "/" so that paths cannot read as control words.
void buildRichText(const char* title, const TextBuffer& body, RunOutcome outcome,
                   TextBuffer& rich) {
    bool failed = outcome == RunOutcome::failed;
    rich.assign("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036"
                "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}");
    rich.append(failed ? "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;}"
                       : "{\\colortbl ;\\red0\\green128\\blue0;\\red0\\green0\\blue0;}");
    rich.append("\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs20\\par ");
    const char* mark = failed ? " !!!!! " : "";
    rich.append(mark);
    rich.append(title);
    rich.append(mark);
    rich.append("\\cf2\\b0\\par\\pard\\b\\par ");
    TextBuffer shown(body.text());
    shown.replaceByte('\\', '/');
    shown.replaceAll(lineEnd, "\\par ");
    rich.append(shown);
    rich.append("\\cf0\\ul\\b0\\par}");
}

}  // namespace

void writeReport(InstallSession& session, const char* title, const char* text, RunOutcome outcome) {
    TextBuffer body;
    buildBody(text, body);
    TextBuffer rich;
    buildRichText(title, body, outcome, rich);
    session.view->setControlText(controlRichText, rich.text());
    session.exitCode = outcome == RunOutcome::succeeded ? exitSuccess
                       : ErrorList().children()         ? exitInstallErrors
                                                        : exitStopped;
    session.reportText.assign(title);
    session.reportText.append(lineEnd);
    session.reportText.append(lineEnd);
    session.reportText.append(body);
}
