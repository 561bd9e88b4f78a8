#include "tools/mkinstaller/commands.h"
#include "tools/mkinstaller/product_check.h"
#include "tools/mkinstaller/ready_translations.h"

int checkCommand(Arguments& args, Console& console) {
    CheckOptions options;
    bool strict = false;
    bool stubGiven = false;
    while (!args.done()) {
        const std::string& word = args.take();
        if (word == "--library") {
            options.libraries.push_back(libraryOption(args.valueOf(word)).name);
        } else if (word == "--extra-variables") {
            options.extraVariables = std::filesystem::path(args.valueOf(word));
        } else if (word == "--stub") {
            options.stub = std::filesystem::path(args.valueOf(word));
            stubGiven = true;
        } else if (word == "--languages") {
            options.languages = languagesOption(args.valueOf(word));
        } else if (word == "--strict") {
            strict = true;
        } else if (options.product.empty() && word.rfind("--", 0) != 0) {
            options.product = word;
        } else {
            throw UsageError("check: unexpected " + word);
        }
    }
    if (options.product.empty()) throw UsageError("check needs PRODUCT_DIR");
    if (!stubGiven) options.stub = defaultStub();
    Findings findings = checkProduct(options);
    printFindings(findings, console.out);
    console.out << options.product.generic_u8string() << ": " << findings.errors() << " error(s), "
                << findings.warnings() << " warning(s)\n";
    return findings.errors() || (strict && findings.warnings()) ? 1 : 0;
}
