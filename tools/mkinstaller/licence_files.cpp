#include "tools/mkinstaller/licence_files.h"

#include <cctype>
#include <set>

#include "tools/mkinstaller/archive_tree.h"
#include "tools/mkinstaller/arguments.h"
#include "tools/mkinstaller/input_files.h"

namespace fs = std::filesystem;

namespace {

const std::string richTextMark = "{\\rtf";

bool isLetter(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// The licence page loads its text as rich text: anything else would show as a blank page.
void checkRichText(const fs::path& path) {
    std::string start(richTextMark.size(), '\0');
    openForReading(path).read(&start[0], static_cast<std::streamsize>(start.size()));
    if (start != richTextMark)
        throw PackError("--licence " + path.u8string() +
                        ": not rich text (an .rtf file starts with {\\rtf)");
}

}  // namespace

LicenceSource licenceOption(const std::string& value) {
    if (value.size() > 3 && value[2] == '=' && isLetter(value[0]) && isLetter(value[1])) {
        std::string language = value.substr(0, 2);
        for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return LicenceSource{language, fs::path(value.substr(3))};
    }
    return LicenceSource{"", fs::path(value)};
}

void addLicences(ArchiveNode& root, const std::vector<LicenceSource>& licences) {
    std::set<std::string> given;
    for (const LicenceSource& licence : licences) {
        std::string name =
            licence.language.empty() ? "licence.rtf" : "licence-" + licence.language + ".rtf";
        if (!given.insert(name).second) throw UsageError("--licence gives " + name + " twice");
        uint64_t size = regularFileSize(licence.path, "--licence");
        checkRichText(licence.path);
        putFile(root, name, licence.path, size);
    }
}
