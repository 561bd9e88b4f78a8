#include "platform/registry_value_text.h"

#include <cstring>

#include "params/decimal.h"
#include "params/text_buffer.h"
#include "platform/registry_calls.h"
#include "platform/registry_key.h"

namespace {

const char evalPrefix[] = "__eval:";
const char dwordPrefix[] = "__dword:";
const char hexPrefix[] = "__hex(";

bool startsWith(const char* text, const char* prefix) {
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// Little-endian, missing bytes read as zero.
int32_t dwordOf(const uint8_t* data, uint32_t size) {
    uint32_t n = 0;
    for (uint32_t i = 0; i < 4 && i < size; ++i) n |= uint32_t(data[i]) << (8 * i);
    return static_cast<int32_t>(n);
}

void appendDword(std::vector<uint8_t>& bytes, int32_t n) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(n) >> (8 * i)));
}

// A string's bytes with their terminator.
void appendString(std::vector<uint8_t>& bytes, const char* text) {
    bytes.insert(bytes.end(), text, text + std::strlen(text) + 1);
}

// "1,0,255": each decimal number kept to its low 8 bits, up to the last
// comma or a blank rest.
void appendByteList(std::vector<uint8_t>& bytes, const char* cursor) {
    while (hasVisibleByte(cursor)) {
        bytes.push_back(static_cast<uint8_t>(decimalToInt(cursor)));
        cursor = std::strchr(cursor, ',');
        if (!cursor) return;
        ++cursor;
    }
}

}  // namespace

bool setValueText(ParamNode& node, uint32_t type, const uint8_t* data, uint32_t size,
                  ValueForm form) {
    bool typed = form == ValueForm::typed;
    TextBuffer text;
    if (type == regString || type == regExpandString) {
        const char* chars = reinterpret_cast<const char*>(data);
        if (typed && type == regExpandString) text.append(evalPrefix);
        const void* end = std::memchr(chars, 0, size);
        text.append(chars, end ? static_cast<int32_t>(static_cast<const char*>(end) - chars)
                               : static_cast<int32_t>(size));
    } else if (type == regDword) {
        if (!typed) {
            node.setInteger(dwordOf(data, size));
            return true;
        }
        text.append(dwordPrefix);
        text.appendInt(dwordOf(data, size));
    } else {
        if (!typed) return false;
        text.append(hexPrefix);
        text.appendInt(static_cast<int32_t>(type));
        text.append("):");
        for (uint32_t i = 0; i < size; ++i) {
            if (i) text.appendChar(',');
            text.appendInt(data[i]);
        }
    }
    node.setText(text.text());
    return true;
}

bool valueBytes(const ParamNode& node, IntegerNodes integers, uint32_t& type,
                std::vector<uint8_t>& bytes) {
    const char* text = node.value();
    bytes.clear();
    if (!text) return false;
    if (startsWith(text, hexPrefix)) {
        const char* close = std::strstr(text + sizeof hexPrefix - 1, "):");
        if (!close) return false;
        type = static_cast<uint32_t>(decimalToInt(text + sizeof hexPrefix - 1));
        appendByteList(bytes, close + 2);
    } else if (startsWith(text, evalPrefix)) {
        type = regExpandString;
        appendString(bytes, text + sizeof evalPrefix - 1);
    } else if (startsWith(text, dwordPrefix)) {
        type = regDword;
        appendDword(bytes, decimalToInt(text + sizeof dwordPrefix - 1));
    } else if (integers == IntegerNodes::asDword && node.kind() == ValueKind::integer) {
        type = regDword;
        appendDword(bytes, node.integerValue());
    } else {
        type = regString;
        appendString(bytes, text);
    }
    return true;
}

const char* stripTypePrefix(const char* value, TextBuffer& type) {
    type.clear();
    if (!value) return nullptr;
    for (const char* prefix : {evalPrefix, dwordPrefix})
        if (startsWith(value, prefix)) {
            type.assign(prefix);
            return value + std::strlen(prefix);
        }
    if (startsWith(value, hexPrefix)) {
        const char* close = std::strstr(value, "):");
        if (close) return close + 2;
    }
    return value;
}
