#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/mkinstaller/findings.h"

struct CheckOptions {
    std::filesystem::path product;
    std::vector<std::string> libraries;  // names as the installer will carry them (Windows-1252)
    std::optional<std::filesystem::path> extraVariables;
    // The stub whose own texts translations may name; without one they are not checked.
    std::optional<std::filesystem::path> stub;
    // Languages whose untranslated texts of the product are warned about.
    std::vector<std::string> languages;
};

// Loads the product as the installer will (the root package, its layers, its components) and
// reports the mistakes its files hold, each with the file and line it comes from.
Findings checkProduct(const CheckOptions& options);
