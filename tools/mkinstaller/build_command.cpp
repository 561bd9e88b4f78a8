#include <set>

#include "params/text_buffer.h"
#include "platform/code_page.h"
#include "platform/process_paths.h"
#include "tools/mkinstaller/commands.h"
#include "tools/mkinstaller/installer_builder.h"
#include "tools/mkinstaller/product_check.h"
#include "tools/mkinstaller/ready_translations.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

// --level and --jobs, shared by the commands that compress; false for any other option.
bool readCompression(Arguments& args, const std::string& option, Compression& compression) {
    if (option == "--level") {
        compression.level = static_cast<int>(parseNumber(args.valueOf(option), option, 0, 9));
    } else if (option == "--jobs") {
        compression.jobs = static_cast<int>(parseNumber(args.valueOf(option), option, 1, 1024));
    } else {
        return false;
    }
    return true;
}

// The options that set how the installer presents itself to Windows; false for any other.
bool readIdentity(Arguments& args, const std::string& option, StubIdentity& identity) {
    const struct {
        const char* option;
        std::string VersionTexts::*text;
    } texts[] = {{"--company", &VersionTexts::company},
                 {"--product-name", &VersionTexts::productName},
                 {"--product-version", &VersionTexts::productVersion},
                 {"--file-version", &VersionTexts::fileVersion},
                 {"--file-description", &VersionTexts::description},
                 {"--copyright", &VersionTexts::copyright},
                 {"--original-name", &VersionTexts::originalName}};
    for (const auto& text : texts) {
        if (option != text.option) continue;
        identity.version.*text.text = args.valueOf(option);
        return true;
    }
    if (option == "--elevation") {
        identity.elevation = elevationOption(args.valueOf(option));
    } else if (option == "--icon") {
        identity.icon = fs::path(args.valueOf(option));
    } else {
        return false;
    }
    return true;
}

// Options that take one value may be given once: a second one is a slip that would otherwise
// silently win over the first.
void takeOnce(std::set<std::string>& given, const std::string& option) {
    if (!given.insert(option).second) throw UsageError(option + " is given twice");
}

// The product is checked as `mkinstaller check` would; errors and, unless allowed, the warnings
// that would break the installation stop the build before anything is written; the other
// warnings are only shown.
enum class BreakingWarnings { stop, allow };

void checkBeforeBuild(const BuildOptions& options, BreakingWarnings breaking, Console& console) {
    CheckOptions check{options.description, {}, options.extraVariables, options.stub,
                       options.languages};
    for (const LibrarySource& library : options.libraries) check.libraries.push_back(library.name);
    Findings findings = checkProduct(check);
    printFindings(findings, console.err);
    if (findings.errors())
        throw PackError(options.description.u8string() + ": " + std::to_string(findings.errors()) +
                        " error(s) in the product; nothing written (--no-check builds anyway)");
    int breakingCount = findings.count(Severity::breakingWarning);
    if (breakingCount && breaking == BreakingWarnings::stop)
        throw PackError(options.description.u8string() + ": " + std::to_string(breakingCount) +
                        " warning(s) that would break the installation; nothing written "
                        "(--allow-warnings builds anyway)");
}

// The name the installer thanks and credits: some visible text that the installer can hold.
std::string publisherOption(const std::string& value) {
    std::string name = windowsText(value, "--publisher");
    if (!hasVisibleByte(name.c_str()))
        throw UsageError("--publisher wants a name, not \"" + value + "\"");
    return name;
}

}  // namespace

LibrarySource libraryOption(const std::string& value) {
    size_t equals = value.find('=');
    if (equals == std::string::npos)
        throw UsageError("--library wants NAME=PATH, not \"" + value + "\"");
    std::string name = value.substr(0, equals);
    return LibrarySource{windowsText(name, "library name \"" + name + "\""),
                         fs::path(value.substr(equals + 1))};
}

fs::path defaultStub() {
    return systemPath(ExeDirectory().text()) / "installer.exe";
}

int buildCommand(Arguments& args, Console& console) {
    BuildOptions options;
    std::set<std::string> given;
    bool check = true;
    BreakingWarnings breaking = BreakingWarnings::stop;
    while (!args.done()) {
        const std::string& option = args.take();
        if (option != "--library" && option != "--licence") takeOnce(given, option);
        if (option == "--description") {
            options.description = args.valueOf(option);
        } else if (option == "--library") {
            options.libraries.push_back(libraryOption(args.valueOf(option)));
        } else if (option == "--extra-variables") {
            options.extraVariables = fs::path(args.valueOf(option));
        } else if (option == "--languages") {
            options.languages = languagesOption(args.valueOf(option));
        } else if (option == "--publisher") {
            options.publisher = publisherOption(args.valueOf(option));
        } else if (option == "--licence") {
            options.licences.push_back(licenceOption(args.valueOf(option)));
        } else if (option == "--stub") {
            options.stub = args.valueOf(option);
        } else if (option == "--volume-size") {
            options.volumeSize = parseNumber(args.valueOf(option), option, 1, UINT64_MAX / 10);
        } else if (readCompression(args, option, options.compression) ||
                   readIdentity(args, option, options.identity)) {
        } else if (option == "-o") {
            options.output = args.valueOf(option);
        } else if (option == "--no-check") {
            check = false;
        } else if (option == "--allow-warnings") {
            breaking = BreakingWarnings::allow;
        } else {
            throw UsageError("build: unknown option " + option);
        }
    }
    if (!given.count("--description") || !given.count("-o"))
        throw UsageError("build needs --description DIR and -o OUT");
    if (!given.count("--stub")) options.stub = defaultStub();
    if (check) checkBeforeBuild(options, breaking, console);
    BuildSummary summary = buildInstaller(options, console.progress);
    console.out << options.output.u8string() << ": " << summary.libraries
                << (summary.libraries == 1 ? " library, " : " libraries, ") << summary.size
                << " bytes";
    if (summary.volumes) console.out << " in " << summary.volumes + 1 << " files";
    console.out << '\n';
    if (summary.keptPublisher)
        console.err << "mkinstaller: note: the product sets SOCIETE = \""
                    << utf8FromWindows1252(summary.keptPublisher->c_str()).text()
                    << "\" itself; the installer names that publisher, not --publisher\n";
    return 0;
}

int packLibCommand(Arguments& args, Console& console) {
    fs::path folder, output;
    Compression compression;
    std::set<std::string> given;
    while (!args.done()) {
        const std::string& word = args.take();
        if (word == "-o") {
            takeOnce(given, word);
            output = args.valueOf(word);
        } else if (word.rfind("--", 0) == 0 && readCompression(args, word, compression)) {
            takeOnce(given, word);
        } else if (folder.empty() && word.rfind("--", 0) != 0) {
            folder = word;
        } else {
            throw UsageError("pack-lib: unexpected " + word);
        }
    }
    if (folder.empty() || !given.count("-o"))
        throw UsageError("pack-lib needs DIR and -o NAME.lib");
    packLibrary(folder, compression, output, console.progress);
    console.out << output.u8string() << ": library of " << folder.u8string() << '\n';
    return 0;
}
