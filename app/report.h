#pragma once

struct InstallSession;

// Shows the report of the run on the state page: the title, then the text, in control 1000 and
// in reportText, and moves the wizard there.
void showReport(InstallSession& session, const char* title, const char* text, bool failed);
