#pragma once

#include "ui/responder.h"

// The platform's own windows (message boxes and dialogs).
Responder& systemResponder();
