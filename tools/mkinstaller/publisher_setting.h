#pragma once

#include <filesystem>
#include <optional>
#include <string>

struct ArchiveNode;
struct Package;

// Gives the installer the publisher's name (Windows-1252) through the root package's "SOCIETE":
// the archived root var.ini becomes the product's own with that entry added, written into
// `folder`. A product that sets "SOCIETE" itself (in var.ini or its "Globale" block) keeps its
// own: nothing is added, and its value is returned for the packer to report.
std::optional<std::string> addPublisher(ArchiveNode& root, const Package& product,
                                        const std::string& publisher,
                                        const std::filesystem::path& folder);
