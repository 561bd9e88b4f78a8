#pragma once

// The whole life of the program for one command line tail; returns the process exit code
// (ExitCode, or stubSize for the size query).
int runApplication(const char* commandTail);
