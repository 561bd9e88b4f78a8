#pragma once

#include "params/param_node.h"
#include "params/text_buffer.h"

// The owner of one run: start-up in the constructor, then the wizard as a modal dialog.
struct InstallSession {
  InstallSession(int mode, void* parentWindow);
  ~InstallSession();
  InstallSession(const InstallSession&) = delete;
  InstallSession& operator=(const InstallSession&) = delete;

  int mode;
  // -1 until a temporary folder is found, 0 when the wizard may run, 1 when the run must stop.
  int startupStatus;
  // Interface language code ("fr", "en", ...); blank means no translation.
  TextBuffer Language;
  // One child per language code, holding entries French text = translation.
  ParamNode Translations;
};

// The one live session; message translation works only while it exists.
InstallSession* currentSession();

// Runs the wizard until the user closes it.
void runWizard(InstallSession& session);
