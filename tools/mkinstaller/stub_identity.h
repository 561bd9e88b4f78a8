#pragma once

#include <filesystem>
#include <optional>
#include <string>

// How an installer presents itself to Windows: the elevation its manifest asks for, the version
// information Explorer shows and its icon. The packer writes them into its copy of the stub, in
// the room the stub reserves for them, before the container's checksum is taken.

enum class Elevation { admin, highest, user };

// Texts in UTF-8; an empty one takes its default from the product.
struct VersionTexts {
    std::string company;
    std::string productName;
    std::string productVersion;  // "1", "1.2", "1.2.3" or "1.2.3.4"
    std::string fileVersion;
    std::string description;
    std::string copyright;
    std::string originalName;
};

struct StubIdentity {
    Elevation elevation = Elevation::admin;
    VersionTexts version;
    std::optional<std::filesystem::path> icon;
};

// The longest text a version field takes, in characters.
const size_t maxVersionText = 64;

// "admin", "highest" or "user"; a UsageError otherwise.
Elevation elevationOption(const std::string& value);

// The version texts the product gives where the options gave none: the root package's title and
// version, its "SOCIETE" setting (else `publisher`, UTF-8), the output's name.
void fillVersionDefaults(VersionTexts& texts, const std::filesystem::path& description,
                         const std::filesystem::path& output, const std::string& publisher);

// Rewrites the three in the stub's bytes; a PackError saying what fits when a text or the icon
// does not. A stub that is no Windows program is left as it is.
void applyIdentity(std::string& stub, const StubIdentity& identity);

// What an installer carries, a line each: its elevation, its version texts, its icon's images.
std::string describeIdentity(const std::string& program);
