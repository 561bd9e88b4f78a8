#pragma once

// Process-wide exit code; the process ends with it when it is nonzero.
extern int exitCodeOverride;

// The whole life of the program for one command line tail; returns the process exit code.
int runApplication(const char* commandTail);
