#pragma once

// The process's whole command line as the system gives it (program name first).
const char* rawCommandLine();
