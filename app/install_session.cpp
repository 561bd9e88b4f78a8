#include "app/install_session.h"

namespace {
InstallSession* liveSession = nullptr;
}

InstallSession* currentSession() { return liveSession; }

InstallSession::InstallSession(int mode, void* parentWindow) : mode(mode), startupStatus(-1) {
  liveSession = this;
}

InstallSession::~InstallSession() {
  if (liveSession == this) liveSession = nullptr;
}

void runWizard(InstallSession&) {}
