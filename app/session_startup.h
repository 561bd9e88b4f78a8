#pragma once

#include "app/install_session.h"

// The whole start-up of a session before any window exists: language, temporary and work folder,
// the container, the install description (or, in the model modes, the model folder), the "lib_"
// variables, the package tree and the translation tables. Failures are shown in message boxes and
// left in session.startupStatus. Runs once the command line's options are in the session.
void startSession(InstallSession& session);

class ParamNode;
struct Package;

// Adds the "Traduction" blocks of a package tree to the translation tables (one child per
// language code, entries French text = translation). Sub-packages go first and each package
// after them, so where several translate one text the root's translation wins.
void mergeTranslations(ParamNode& translations, Package& package);
