#pragma once

#include <filesystem>
#include <string>
#include <vector>

struct ArchiveNode;

// A licence the installer shows instead of its built-in one.
struct LicenceSource {
    std::string language;  // two letters; empty for every language without its own
    std::filesystem::path path;
};

// A --licence value: FILE.rtf, or LANGUAGE=FILE.rtf with a language of two letters.
LicenceSource licenceOption(const std::string& value);

// Puts each licence into the root of the archived description as "licence.rtf" or
// "licence-LANGUAGE.rtf" (in place of a file of that name there), where the installer looks for
// them. A missing file, one that is not rich text or a language given twice is a PackError.
void addLicences(ArchiveNode& root, const std::vector<LicenceSource>& licences);
