#pragma once
// What a product could leave on the machine, seen from outside: every file and folder of drive
// C: (but the system's own folder), and every key and value under HKLM and HKCU "Software" in
// both registry views.
#include <set>
#include <string>

// One line per file ("path size:hash"), folder ("path\") and key or value ("view|key" and
// "view|key|name=type:hash").
using MachineState = std::set<std::string>;

MachineState machineState();

// The lines of `after` that `before` does not have (prefixed "+") and those it lost ("-").
std::set<std::string> changes(const MachineState& before, const MachineState& after);
