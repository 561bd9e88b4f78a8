#pragma once

#include <string>

#include "params/file_stream.h"

// Collects the diagnostic lines written to the error stream while it lives.
class CapturedDiagnostics {
public:
    CapturedDiagnostics() : previous_(setErrorStream(&lines_)) {}
    ~CapturedDiagnostics() { setErrorStream(previous_); }
    std::string text() const { return lines_.buffer().text(); }

private:
    TextOutStream lines_;
    OutStream* previous_;
};
