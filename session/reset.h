#pragma once

// The values a run keeps for the whole process, and where each lives:
// - the run's stores (session/stores.h): ProgramContainer, WorkFolder, InstallFolder,
//   ExtraVariables, ErrorList, OpenList, SlideShowList;
// - the interface language and its translation tables (session/translation.h);
// - the script run state (session/run_state.h): ScriptProgress, Copied, RunningPackage,
//   StopFlag;
// - kept by the floors below, whose own code reads them: the variables
//   (params/variable_store.h) and the registry view (platform/registry_key.h).

// Puts every value above back as the process starts with it; tests start each run from here.
void resetSession();
