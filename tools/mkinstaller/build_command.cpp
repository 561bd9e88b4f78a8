#include "platform/process_paths.h"
#include "tools/mkinstaller/commands.h"
#include "tools/mkinstaller/installer_builder.h"
#include "tools/mkinstaller/windows_names.h"

namespace fs = std::filesystem;

namespace {

int readLevel(Arguments& args) {
    return static_cast<int>(parseNumber(args.valueOf("--level"), "--level", 0, 9));
}

LibrarySource readLibrary(const std::string& value) {
    size_t equals = value.find('=');
    if (equals == std::string::npos)
        throw UsageError("--library wants NAME=PATH, not \"" + value + "\"");
    std::string name = value.substr(0, equals);
    return LibrarySource{windowsText(name, "library name \"" + name + "\""),
                         fs::path(value.substr(equals + 1))};
}

// The stub built beside the packer.
fs::path defaultStub() {
    return systemPath(ExeDirectory().text()) / "installer.exe";
}

}  // namespace

int buildCommand(Arguments& args, Console& console) {
    BuildOptions options;
    bool described = false, named = false, stubGiven = false;
    while (!args.done()) {
        const std::string& option = args.take();
        if (option == "--description") {
            options.description = args.valueOf(option);
            described = true;
        } else if (option == "--library") {
            options.libraries.push_back(readLibrary(args.valueOf(option)));
        } else if (option == "--extra-variables") {
            options.extraVariables = fs::path(args.valueOf(option));
        } else if (option == "--stub") {
            options.stub = args.valueOf(option);
            stubGiven = true;
        } else if (option == "--volume-size") {
            options.volumeSize = parseNumber(args.valueOf(option), option, 1, UINT64_MAX / 10);
        } else if (option == "--level") {
            options.level = readLevel(args);
        } else if (option == "-o") {
            options.output = args.valueOf(option);
            named = true;
        } else {
            throw UsageError("build: unknown option " + option);
        }
    }
    if (!described || !named) throw UsageError("build needs --description DIR and -o OUT");
    if (!stubGiven) options.stub = defaultStub();
    BuildSummary summary = buildInstaller(options, console.progress);
    console.out << options.output.u8string() << ": " << summary.libraries << " libraries, "
                << summary.size << " bytes";
    if (summary.volumes) console.out << " in " << summary.volumes + 1 << " files";
    console.out << '\n';
    return 0;
}

int packLibCommand(Arguments& args, Console& console) {
    fs::path folder, output;
    int level = 9;
    bool named = false;
    while (!args.done()) {
        const std::string& word = args.take();
        if (word == "-o") {
            output = args.valueOf(word);
            named = true;
        } else if (word == "--level") {
            level = readLevel(args);
        } else if (folder.empty() && word.rfind("--", 0) != 0) {
            folder = word;
        } else {
            throw UsageError("pack-lib: unexpected " + word);
        }
    }
    if (folder.empty() || !named) throw UsageError("pack-lib needs DIR and -o NAME.lib");
    packLibrary(folder, level, output, console.progress);
    console.out << output.u8string() << ": library of " << folder.u8string() << '\n';
    return 0;
}
