#pragma once

struct InstallSession;

// Whether a report tells of an installation that completed or of one that did not.
enum class RunOutcome { succeeded, failed };

// Writes the report of the run into the window's rich-text control: the title, coloured
// (red between " !!!!! " marks when failed, green otherwise), then the text and, when the run
// has errors, a request to contact support and the errors newest first. The window gets it as
// rich text, reportText as plain text for export. The run's exit code follows: success, errors
// when the run has any, else a stop.
void writeReport(InstallSession& session, const char* title, const char* text, RunOutcome outcome);
