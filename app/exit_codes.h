#pragma once

// The process's exit code at the end of every run but the size query (which ends with stubSize).
enum ExitCode {
    exitSuccess = 0,         // the installation completed, or the model was written
    exitInstallErrors = 1,   // the installation ran but ended with errors (or its scripts stopped it)
    exitStopped = 2,         // the user stopped the run (the licence refused included)
    exitStartupFailure = 3,  // a wrong command line, answers file or program file: nothing installed
};
