#pragma once

struct InstallSession;

// Shows the report of the run on the state page and moves the wizard there: the title, coloured
// (red between " !!!!! " marks when failed, green otherwise), then the text and, when the run
// has errors, a request to contact support and the errors newest first. The window gets it as
// rich text, reportText as plain text for export.
void showReport(InstallSession& session, const char* title, const char* text, bool failed);
