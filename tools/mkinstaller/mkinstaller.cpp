#include "tools/mkinstaller/mkinstaller.h"

#include "tools/mkinstaller/commands.h"

namespace {

const char usage[] =
    "usage:\n"
    "  mkinstaller build --description DIR [--library NAME=PATH ...] [--extra-variables FILE]\n"
    "                    [--languages en,de,es,it] [--publisher NAME]\n"
    "                    [--licence [LANG=]FILE.rtf ...] [--stub FILE] [--volume-size BYTES]\n"
    "                    [--level 0-9] [--jobs N] [--elevation admin|highest|user]\n"
    "                    [--icon FILE.ico] [--company TEXT] [--product-name TEXT]\n"
    "                    [--product-version N.N.N.N] [--file-version N.N.N.N]\n"
    "                    [--file-description TEXT] [--copyright TEXT] [--original-name TEXT]\n"
    "                    [--allow-warnings] [--no-check] -o OUT\n"
    "      writes an installer: the stub (by default installer.exe beside the packer), the\n"
    "      description DIR as INSTALLE, each library (a folder is archived, a file is stored as\n"
    "      it is), the extra variables as VARBONUS, and the checksum. With --volume-size, OUT\n"
    "      holds at most BYTES and the rest goes to OUT1, OUT2, ... Level 0 stores archives\n"
    "      uncompressed; the default is 9. N threads compress (by default one per core); the\n"
    "      installer's bytes are the same for every N. DIR is checked first as check does:\n"
    "      errors stop the build, and so do the warnings that would break the installation\n"
    "      (a variable nothing defines, a block nothing reads) unless --allow-warnings is\n"
    "      given; other warnings are shown. --no-check skips the check. --languages adds\n"
    "      the ready translations of the installer's own texts for those languages to the root\n"
    "      package's \"Traduction\" block, below the product's own entries, which win; a\n"
    "      program named setup-en.exe then shows English. --publisher NAME names the publisher\n"
    "      in the licence's ${SOCIETE}, the report's thanks and the about box (SOCIETE in the\n"
    "      root var.ini; a SOCIETE the product sets itself is kept, with a note). --licence\n"
    "      FILE.rtf replaces the built-in licence, --licence en=FILE.rtf for one language; the\n"
    "      files must be rich text. The stub's copy asks Windows for the --elevation given\n"
    "      (admin by default), shows the icon given (its 32x32 and 16x16 images) and carries\n"
    "      the version texts given, each up to 64 characters, by default the root package's\n"
    "      Titre and Version and the publisher.\n"
    "  mkinstaller check DIR [--library NAME=PATH ...] [--extra-variables FILE] [--stub FILE]\n"
    "                    [--languages en,de,es,it] [--strict]\n"
    "      reads the product DIR as the installer will and reports, with file and line:\n"
    "      syntax errors, unknown commands, keys a command does not read or lacks, libraries no\n"
    "      --library gives, sub-functions that do not exist, registry paths without a root,\n"
    "      choices \"<...\" without \">\", translations of texts the product never shows (the\n"
    "      installer's own texts are read from the stub), and, as warnings, ${NAME} references\n"
    "      that nothing defines, and texts of the product shown untranslated in the --languages.\n"
    "      Exit code 1 with errors (with --strict, with warnings too).\n"
    "  mkinstaller list FILE\n"
    "      shows the directory, volumes, interface languages, publisher and licences; exit code\n"
    "      0 only when the installer is sound.\n"
    "  mkinstaller extract FILE NAME DIR\n"
    "  mkinstaller extract FILE --all DIR\n"
    "      unpacks one library into DIR, or every library into DIR/NAME, as the installer does.\n"
    "  mkinstaller pack-lib DIR [--level 0-9] [--jobs N] -o NAME.lib\n"
    "      writes the archive of DIR as a loose library file.\n"
    "  mkinstaller [COMMAND] --help\n"
    "      shows this text.\n"
    "Progress goes to standard error when it is a terminal. Exit codes: 0 done, 1 failed (the\n"
    "message names the culprit), 2 command line not understood.\n";

// "--help" or "-h" as the command or right after it (a file of that name is written ./-h there).
bool asksForHelp(const std::vector<std::string>& words) {
    for (size_t i = 0; i < words.size() && i < 2; ++i)
        if (words[i] == "--help" || words[i] == "-h" || (i == 0 && words[i] == "help")) return true;
    return false;
}

int dispatch(Arguments& args, Console& console) {
    std::string command = args.take("a command (build, check, list, extract, pack-lib)");
    if (command == "build") return buildCommand(args, console);
    if (command == "check") return checkCommand(args, console);
    if (command == "list") return listCommand(args, console);
    if (command == "extract") return extractCommand(args, console);
    if (command == "pack-lib") return packLibCommand(args, console);
    throw UsageError("unknown command " + command);
}

}  // namespace

int runMkinstaller(const std::vector<std::string>& words, Console& console) {
    if (asksForHelp(words)) {
        console.out << usage;
        return 0;
    }
    Arguments args(words);
    try {
        return dispatch(args, console);
    } catch (const UsageError& error) {
        // The reason alone, not buried above the whole usage text.
        console.err << "mkinstaller: " << error.what() << "\nusage: mkinstaller --help\n";
        return 2;
    } catch (const PackError& error) {
        console.err << "mkinstaller: " << error.what() << '\n';
        return 1;
    } catch (const std::exception& error) {
        console.err << "mkinstaller: " << error.what() << '\n';
        return 1;
    }
}
