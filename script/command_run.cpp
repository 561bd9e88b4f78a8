#include "script/command_run.h"

#include "session/stores.h"
#include "session/translation.h"

const char* argument(const CommandRun& run, const char* key, const char* fallback) {
    const ParamNode* node = run.command.find(key);
    if (!node) return fallback;
    return node->value() ? node->value() : "";
}

const char* itemValue(const ParamNode& item) {
    return item.value() ? item.value() : "";
}

const char* composeMessage(CommandRun& run, const char* prefix, const char* first,
                           const char* second, const char* detail) {
    TextBuffer& message = run.message;
    message.assign(translate(prefix));
    message.append(first);
    if (second) {
        message.append("=>");
        message.append(second);
    }
    if (detail) {
        message.append(" : ");
        message.append(detail);
    }
    return message.text();
}

void report(CommandRun& run, const char* prefix, const char* first, const char* second,
            const char* detail) {
    if (run.reporting) addError(run.keyword, composeMessage(run, prefix, first, second, detail));
}
