#pragma once

// Every value the process keeps from one call to the next, and what puts it back.
//
// The run's state, put back by resetSession():
// - the stores (session/stores.h): ProgramContainer, WorkFolder, InstallFolder, DialogFolder,
//   MainWindow, ExtraVariables, ErrorList, OpenList,
//   SlideShowList;
// - the interface language and its translation tables (session/translation.h);
// - the script run state (session/run_state.h): ScriptProgress, Copied, RunningPackage,
//   StopFlag, RunLimits;
// - kept by the floors below, whose own code reads them, and put back through their own calls:
//   the variables (params/variable_store.h) and the registry view (platform/registry_key.h).
//
// Held by what uses them instead, and gone with it: the bitmap cache (ui/bitmap.h, held by the
// wizard's session), the numbering of packages (packages/package.h, held by each tree's root),
// the list's last cell text (ui/data_list.h); the block format's typed numbers are an option of
// each reading and writing.
//
// Not the run's, so not put back here:
// - the channels installed for a scope and put back by whoever installed them: the responder
//   (ui/responder.h) and the diagnostics stream (params/file_stream.h). Tests and the packer
//   install them around runs that start with resetSession(), which must leave them in place;
// - facts of the machine, found once: the Windows word size (platform/win32/system_info.cpp)
//   and whether the processor has SSE2 (payload/checksum.cpp);
// - the native build's stand-ins for the machine, which tests set up as a machine is set up:
//   the registry held in memory, the fixed system information and module path
//   (platform/posix/);
// - scratch memory that every call writes before it reads: the copy buffer
//   (platform/stream_copy.cpp) and the text the choice window returns
//   (ui/win32/choice_window.cpp).

// Puts the run's state above back as the process starts with it; tests start each run from here.
void resetSession();
