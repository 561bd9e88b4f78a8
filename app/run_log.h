#pragma once

class TextBuffer;
struct Package;

// What the log of a run tells beyond its questions and messages, for the administrator who sees
// nothing else: the packages installed, the final value of every variable the parameter page
// shows, and what the file commands copied.
void appendRunSummary(TextBuffer& log, const Package& root);
