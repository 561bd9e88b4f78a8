#pragma once

// Keeps every path the posix platform hands the system inside root (see confined_paths.cpp).
void confinePathsTo(const char* root);
