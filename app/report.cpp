#include "app/report.h"

#include "app/install_session.h"
#include "app/wizard_pages.h"
#include "ui/wizard_view.h"

// The plain report: the installation's coloured rich text and its error details come with the
// installation worker.
void showReport(InstallSession& session, const char* title, const char* text, bool) {
    session.reportText.assign(title);
    session.reportText.append("\r\n\r\n");
    session.reportText.append(text);
    session.view->setControlText(controlRichText, session.reportText.text());
    navigate(session, pageState);
}
