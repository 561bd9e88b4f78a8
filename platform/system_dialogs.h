#pragma once

#include "params/text_buffer.h"

// The system's own file dialogs, defined by each platform; the
// responder shows them unless a test answers instead. False when cancelled
// (or when there is nobody to ask). filter is in the "|" form of FileDialog.
bool systemFileDialog(bool save, const char* filter, const char* defaultName,
                      const char* defaultExtension, int& filterIndex, TextBuffer& path);
