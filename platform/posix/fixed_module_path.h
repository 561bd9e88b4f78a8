#pragma once

// Native tests stand a program file of their own where the running program would be: while a
// path is set, ModulePath answers it; null returns to the real executable.
void setFixedModulePath(const char* path);
