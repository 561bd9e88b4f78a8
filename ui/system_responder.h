#pragma once

#include "ui/responder.h"

// The platform's own windows (message boxes and dialogs).
Responder& systemResponder();

// The window that owns the main window's message boxes; null while there is none.
void setMainWindow(void* window);
void* mainWindow();
