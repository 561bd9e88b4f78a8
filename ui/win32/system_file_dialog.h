#pragma once

#include "params/text_buffer.h"

// The system's own file dialog, which the system responder shows. False when cancelled. filter is
// in the "|" form of FileDialog.
bool systemFileDialog(bool save, const char* filter, const char* defaultName,
                      const char* defaultExtension, int& filterIndex, TextBuffer& path);
