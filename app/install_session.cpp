#include "app/install_session.h"

#include "params/package.h"

namespace {
InstallSession* liveSession = nullptr;
}

InstallSession* currentSession() { return liveSession; }

InstallSession::InstallSession(int mode, void* parentWindow) : mode(mode) {
  liveSession = this;
}

InstallSession::InstallSession(NoStartup) : mode(0) { liveSession = this; }

InstallSession::~InstallSession() {
  if (liveSession == this) liveSession = nullptr;
}

void runWizard(InstallSession&) {}
