#include "script/variable_commands.h"

#include <cstring>

#include "params/variable_store.h"
#include "session/stores.h"
#include "session/translation.h"

namespace {

// The items of a text: the pieces between separators (an empty piece counts), or its single
// characters when there is no separator.
struct ItemCutter {
    const char* rest;
    const char* separator;
    int32_t separatorLength;
    bool finished = false;

    bool next(TextBuffer& item) {
        if (finished) return false;
        item.clear();
        if (separatorLength == 0) {
            if (!*rest) return false;
            item.appendChar(*rest++);
            return true;
        }
        const char* end = std::strstr(rest, separator);
        if (!end) {
            item.append(rest);
            finished = true;
            return true;
        }
        item.append(rest, static_cast<int32_t>(end - rest));
        rest = end + separatorLength;
        return true;
    }
};

}  // namespace

void runTakeRange(CommandRun& run) {
    const char* separator = argument(run, "Separ", "");
    int32_t first = run.command.integerOf("Min", -1);
    if (first < 0) first = 0;
    const int32_t last = run.command.integerOf("Max", -1);
    const char* memo = argument(run, "Memo", nullptr);

    ItemCutter cutter{argument(run, "Chaine"), separator,
                      static_cast<int32_t>(std::strlen(separator))};
    TextBuffer result;
    TextBuffer item;
    int32_t taken = 0;
    for (int32_t index = 0; cutter.next(item) && (last < 0 || index <= last); ++index) {
        if (index < first) continue;
        if (!result.empty()) result.append(separator);
        result.append(item);
        if (memo) {
            TextBuffer name(memo);
            name.appendInt(taken);
            setVariable(name.text(), item.text());
        }
        ++taken;
    }
    setVariable(argument(run, "Variable"), result.text());
}

void addErrorItem(CommandRun&, ParamNode& item) {
    ErrorList().findOrCreate(item.name())->setText(itemValue(item));
}

void assignItem(CommandRun&, ParamNode& item) {
    setVariable(item.name(), itemValue(item));
}

void assignTranslationItem(CommandRun&, ParamNode& item) {
    setVariable(item.name(), translate(itemValue(item)));
}

void removeVariableItem(CommandRun&, ParamNode& item) {
    removeVariable(item.name());
}
