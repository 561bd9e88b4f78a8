#include "tools/mkinstaller/ready_translations.h"

#include <map>
#include <memory>
#include <set>

#include "params/block_format.h"
#include "params/text_stream.h"
#include "tools/mkinstaller/arguments.h"

std::vector<std::string> readyLanguages() {
    std::vector<std::string> languages;
    for (int i = 0; i < readyTableCount; ++i) languages.push_back(readyTableTexts[i].language);
    return languages;
}

const ParamNode* readyTable(const std::string& language) {
    static std::map<std::string, std::unique_ptr<ParamNode>> tables;
    auto known = tables.find(language);
    if (known != tables.end()) return known->second.get();
    for (int i = 0; i < readyTableCount; ++i) {
        if (language != readyTableTexts[i].language) continue;
        auto table = std::make_unique<ParamNode>(readyTableTexts[i].language, "");
        TextInStream in(readyTableTexts[i].text);
        readTree(*table, in);
        return (tables[language] = std::move(table)).get();
    }
    return nullptr;
}

std::vector<std::string> languagesOption(const std::string& value) {
    std::vector<std::string> languages;
    std::set<std::string> given;
    size_t start = 0;
    do {
        size_t comma = value.find(',', start);
        std::string language = value.substr(start, comma - start);
        start = comma == std::string::npos ? comma : comma + 1;
        if (!readyTable(language)) {
            std::string known;
            for (const std::string& ready : readyLanguages()) known += (known.empty() ? "" : ", ") + ready;
            throw UsageError("--languages: no ready translation for \"" + language + "\" (there are " +
                             known + ")");
        }
        if (!given.insert(language).second)
            throw UsageError("--languages names " + language + " twice");
        languages.push_back(language);
    } while (start != std::string::npos);
    return languages;
}
