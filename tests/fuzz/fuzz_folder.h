#pragma once
// What every fuzz target shares: the folder it works in and the checks on what it holds.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>

// The folder a target works in: made under the system's temporary folder at the first call (and
// removed at exit), made the current folder, and the only folder the platform's paths reach. The
// diagnostic lines of the code under test are dropped from then on.
const std::string& fuzzFolder();

// Writes a file of the fuzz folder with exactly these bytes.
void writeFile(const std::string& name, const uint8_t* data, size_t size);

// Stops the run with a finding when folder holds an entry not named in allowed.
void requireOnly(const std::string& folder, std::initializer_list<const char*> allowed);

// Removes every entry of the fuzz folder not named in kept.
void removeAllBut(std::initializer_list<const char*> kept);

// Reports a finding and stops the run, which libFuzzer records as a crash with its input.
[[noreturn]] void finding(const std::string& what);
