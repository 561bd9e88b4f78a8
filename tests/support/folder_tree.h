#pragma once
// A folder tree read whole, for comparing what a run left on disk.
#include <map>
#include <string>

// Every file and folder under root: relative path -> content ("/" for a folder).
std::map<std::string, std::string> treeOf(const std::string& root);
