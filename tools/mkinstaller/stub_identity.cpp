#include "tools/mkinstaller/stub_identity.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "params/block_format.h"
#include "platform/code_page.h"
#include "tools/mkinstaller/arguments.h"
#include "tools/mkinstaller/pe_resources.h"

namespace fs = std::filesystem;

namespace {

const uint32_t iconType = 3, versionType = 16, groupIconType = 14, manifestType = 24;
const uint32_t groupIconId = 128;

// Each elevation by its option's name and by the level the manifest names.
const struct {
    Elevation elevation;
    const char* option;
    const char* level;
} elevations[] = {{Elevation::admin, "admin", "requireAdministrator"},
                  {Elevation::highest, "highest", "highestAvailable"},
                  {Elevation::user, "user", "asInvoker"}};

std::string levelAttributeOf(const char* level) {
    return std::string("level=\"") + level + "\"";
}

// ---- The version information block, as Explorer reads it: nested nodes of a length, a value
// length, a type (1 text, 0 bytes), a UTF-16 key, then the value and the children, each aligned
// on 4 bytes.

std::u16string utf16Of(const std::string& utf8, const char* field) {
    std::u16string text;
    const char* p = utf8.data();
    const char* end = p + utf8.size();
    while (p < end) {
        uint32_t c;
        int32_t n = readUtf8Character(p, end, c);
        if (n == 0) throw PackError(std::string(field) + " is not UTF-8 text");
        if (c >= 0x10000) {
            c -= 0x10000;
            text += char16_t(0xD800 + (c >> 10));
            text += char16_t(0xDC00 + (c & 0x3FF));
        } else {
            text += char16_t(c);
        }
        p += n;
    }
    return text;
}

void appendWide(std::string& bytes, const std::u16string& text) {
    for (char16_t c : text) {
        bytes += char(c & 0xFF);
        bytes += char(c >> 8);
    }
    bytes += std::string(2, '\0');
}

size_t align4(size_t at) {
    return (at + 3) & ~size_t(3);
}

void alignTo4(std::string& bytes) {
    bytes.resize(align4(bytes.size()), '\0');
}

std::string node(const std::u16string& key, const std::string& value, uint16_t valueLength,
                 uint16_t type, const std::vector<std::string>& children) {
    std::string bytes(6, '\0');
    appendWide(bytes, key);
    alignTo4(bytes);
    bytes += value;
    for (const std::string& child : children) {
        alignTo4(bytes);
        bytes += child;
    }
    writeLittle16(bytes, 0, uint16_t(bytes.size()));
    writeLittle16(bytes, 2, valueLength);
    writeLittle16(bytes, 4, type);
    return bytes;
}

std::string textNode(const char* key, const std::string& utf8) {
    std::u16string text = utf16Of(utf8, key);
    if (text.size() > maxVersionText)
        throw PackError(std::string(key) + " holds at most " + std::to_string(maxVersionText) +
                        " characters, not " + std::to_string(text.size()));
    std::string value;
    appendWide(value, text);
    std::u16string wideKey(key, key + std::char_traits<char>::length(key));
    return node(wideKey, value, uint16_t(text.size() + 1), 1, {});
}

// "1.2.3.4" as the two 32-bit halves of a fixed version; fewer numbers are padded with zeros.
void versionNumbers(const std::string& text, const char* field, uint32_t& high, uint32_t& low) {
    uint32_t parts[4] = {0, 0, 0, 0};
    size_t count = 0, at = 0;
    while (count < 4 && at < text.size()) {
        size_t digits = text.find_first_not_of("0123456789", at);
        if (digits == at) break;
        if (digits == std::string::npos) digits = text.size();
        unsigned long n = std::stoul(text.substr(at, digits - at));
        if (n > 0xFFFF) break;
        parts[count++] = uint32_t(n);
        at = digits;
        if (at < text.size() && text[at] == '.') ++at; else break;
    }
    if (count == 0 || at != text.size())
        throw PackError(std::string(field) + " is one to four numbers up to 65535 with dots, such "
                                             "as 1.2.3.4, not \"" + text + "\"");
    high = parts[0] << 16 | parts[1];
    low = parts[2] << 16 | parts[3];
}

std::string versionBlock(const VersionTexts& texts) {
    uint32_t fileHigh, fileLow, productHigh, productLow;
    versionNumbers(texts.fileVersion, "--file-version", fileHigh, fileLow);
    versionNumbers(texts.productVersion, "--product-version", productHigh, productLow);
    const uint32_t fixed[] = {0xFEEF04BD, 0x00010000, fileHigh, fileLow, productHigh, productLow,
                              0x3F, 0, 0x00040004 /* NT, 32-bit */, 1 /* application */, 0, 0, 0};
    std::string fixedInfo(sizeof fixed, '\0');
    for (size_t n = 0; n < 13; ++n) writeLittle32(fixedInfo, 4 * n, fixed[n]);
    std::vector<std::string> strings = {
        textNode("CompanyName", texts.company),       textNode("FileDescription", texts.description),
        textNode("FileVersion", texts.fileVersion),   textNode("LegalCopyright", texts.copyright),
        textNode("OriginalFilename", texts.originalName), textNode("ProductName", texts.productName),
        textNode("ProductVersion", texts.productVersion)};
    // French, Unicode: the stub's own language and the strings' encoding.
    std::string table = node(u"040c04b0", "", 0, 1, strings);
    std::string translation(4, '\0');
    writeLittle16(translation, 0, 0x040c);
    writeLittle16(translation, 2, 1200);
    return node(u"VS_VERSION_INFO", fixedInfo, uint16_t(fixedInfo.size()), 0,
                {node(u"StringFileInfo", "", 0, 1, {table}),
                 node(u"VarFileInfo", "", 0, 1, {node(u"Translation", translation, 4, 0, {})})});
}

struct VersionNode {
    std::u16string key;
    size_t value = 0;        // where the value starts
    size_t valueLength = 0;  // in characters for a text, in bytes otherwise
    size_t children = 0;     // where the first child starts
    size_t end = 0;
};

// The node at `at`; false when none fits before `end`.
bool readNode(const std::string& block, size_t at, size_t end, VersionNode& node) {
    if (at + 6 > end) return false;
    size_t length = readLittle16(block, at);
    if (length < 6 || at + length > end) return false;
    node.end = at + length;
    node.key.clear();
    size_t p = at + 6;
    for (; p + 2 <= node.end && readLittle16(block, p); p += 2)
        node.key += char16_t(readLittle16(block, p));
    node.value = align4(p + 2);
    node.valueLength = readLittle16(block, at + 2);
    size_t valueBytes = readLittle16(block, at + 4) == 1 ? 2 * node.valueLength : node.valueLength;
    node.children = align4(node.value + valueBytes);
    return true;
}

template <typename Visit>
void forEachChild(const std::string& block, const VersionNode& parent, Visit visit) {
    VersionNode child;
    for (size_t at = parent.children; readNode(block, at, parent.end, child); at = align4(child.end))
        visit(child);
}

std::string utf8Of(const std::string& block, size_t at, size_t count) {
    std::string text;
    for (size_t n = 0; n < count && at + 2 * n + 2 <= block.size(); ++n) {
        uint32_t c = readLittle16(block, at + 2 * n);
        if (c == 0) break;
        if (c < 0x80) {
            text += char(c);
        } else if (c < 0x800) {
            text += char(0xC0 | c >> 6);
            text += char(0x80 | (c & 0x3F));
        } else {
            text += char(0xE0 | c >> 12);
            text += char(0x80 | (c >> 6 & 0x3F));
            text += char(0x80 | (c & 0x3F));
        }
    }
    return text;
}

// "version: KEY = text" for each text of the block's string tables.
void describeVersion(const std::string& block, std::string& lines) {
    VersionNode root;
    if (!readNode(block, 0, block.size(), root)) return;
    forEachChild(block, root, [&](const VersionNode& info) {
        if (info.key != u"StringFileInfo") return;
        forEachChild(block, info, [&](const VersionNode& table) {
            forEachChild(block, table, [&](const VersionNode& text) {
                std::string key;
                for (char16_t c : text.key) key += char(c);
                lines += "version: " + key + " = " + utf8Of(block, text.value, text.valueLength) +
                         "\n";
            });
        });
    });
}

// ---- The icon: a group (14, 128) of entries of 14 bytes after a 6-byte header, each naming an
// image (3, id) by its size; an icon file's entries have 16 bytes, the image's offset last.

struct IconImage {
    int width, height, bits;
    std::string bytes;
};

std::vector<IconImage> iconFileImages(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in && file.empty()) throw PackError("icon " + path.u8string() + " cannot be read");
    if (file.size() < 6 || readLittle16(file, 2) != 1)
        throw PackError("icon " + path.u8string() + " is not an icon file (.ico)");
    std::vector<IconImage> images;
    for (size_t n = 0, count = readLittle16(file, 4); n < count; ++n) {
        size_t entry = 6 + 16 * n;
        if (entry + 16 > file.size()) throw PackError("icon " + path.u8string() + " is cut short");
        uint32_t size = readLittle32(file, entry + 8), offset = readLittle32(file, entry + 12);
        if (offset > file.size() || size > file.size() - offset)
            throw PackError("icon " + path.u8string() + " is cut short");
        int width = uint8_t(file[entry]) ? uint8_t(file[entry]) : 256;
        int height = uint8_t(file[entry + 1]) ? uint8_t(file[entry + 1]) : 256;
        images.push_back({width, height, readLittle16(file, entry + 6), file.substr(offset, size)});
    }
    return images;
}

void applyIcon(std::string& stub, const std::vector<ResourceSlot>& slots, const fs::path& path) {
    std::vector<IconImage> images = iconFileImages(path);
    const ResourceSlot& group = findSlot(slots, groupIconType, groupIconId);
    std::string entries = resourceBytes(stub, group);
    std::string fits;
    for (size_t n = 0, count = readLittle16(entries, 4); n < count; ++n) {
        size_t entry = 6 + 14 * n;
        int width = uint8_t(entries[entry]);
        const ResourceSlot& slot = findSlot(slots, iconType, readLittle16(entries, entry + 12));
        fits += (fits.empty() ? "" : " and ") + std::to_string(width) + "x" +
                std::to_string(width) + " (" + std::to_string(slot.room) + " bytes)";
        const IconImage* chosen = nullptr;
        for (const IconImage& image : images) {
            if (image.width == width && image.height == width && image.bytes.size() <= slot.room &&
                image.bytes.compare(0, 4, "\x89PNG") != 0 && (!chosen || image.bits > chosen->bits))
                chosen = &image;
        }
        if (!chosen) continue;
        setResourceBytes(stub, slot, chosen->bytes);
        entries[entry + 2] = 0;  // no palette count: the bits say it
        writeLittle16(entries, entry + 4, 1);
        writeLittle16(entries, entry + 6, uint16_t(chosen->bits));
        writeLittle32(entries, entry + 8, uint32_t(chosen->bytes.size()));
        fits.clear();
    }
    if (!fits.empty())
        throw PackError("icon " + path.u8string() + " has no image that fits: the installer " +
                        "holds " + fits + " images, stored as bitmaps (not PNG), up to 32 bits " +
                        "per pixel");
    setResourceBytes(stub, group, entries);
}

std::string textOfSetting(const fs::path& file, const char* block, const char* name) {
    ParamNode tree;
    if (!fs::exists(file) || !readTreeFile(tree, file.string().c_str())) return "";
    const ParamNode* holder = block ? tree.find(block) : &tree;
    const char* value = holder ? holder->valueOf(name, "") : "";
    return utf8FromWindows1252(value).text();
}

}  // namespace

Elevation elevationOption(const std::string& value) {
    for (const auto& known : elevations) {
        if (value == known.option) return known.elevation;
    }
    throw UsageError("--elevation is admin, highest or user, not \"" + value + "\"");
}

void fillVersionDefaults(VersionTexts& texts, const fs::path& description, const fs::path& output,
                         const std::string& publisher) {
    const fs::path installIni = description / "install.ini";
    auto fill = [](std::string& text, const std::string& value) {
        if (text.empty()) text = value;
    };
    fill(texts.productName, textOfSetting(installIni, "Produit", "Titre"));
    fill(texts.productName, "Installateur");
    fill(texts.productVersion, textOfSetting(installIni, "Produit", "Version"));
    fill(texts.productVersion, "1.0");
    fill(texts.fileVersion, texts.productVersion);
    fill(texts.company, textOfSetting(description / "var.ini", nullptr, "SOCIETE"));
    fill(texts.company, publisher);
    fill(texts.description, "Installation de " + texts.productName);
    fill(texts.originalName, output.filename().u8string());
}

void applyIdentity(std::string& stub, const StubIdentity& identity) {
    // A stand-in for the stub that is no Windows program (the packer's tests use such) has none.
    if (stub.compare(0, 2, "MZ") != 0) return;
    std::vector<ResourceSlot> slots = resourceSlots(stub);
    const ResourceSlot& manifest = findSlot(slots, manifestType, 1);
    std::string text = resourceBytes(stub, manifest);
    // The stub's manifest holds the longest level, the first; a shorter one is padded with blanks
    // in place.
    const std::string built = levelAttributeOf(elevations[0].level);
    size_t level = text.find(built);
    if (level == std::string::npos) throw PackError("the stub's manifest holds no level to set");
    std::string chosen;
    for (const auto& known : elevations) {
        if (known.elevation == identity.elevation) chosen = levelAttributeOf(known.level);
    }
    text.replace(level, built.size(), chosen + std::string(built.size() - chosen.size(), ' '));
    setResourceBytes(stub, manifest, text);

    const ResourceSlot& version = findSlot(slots, versionType, 1);
    std::string block = versionBlock(identity.version);
    if (block.size() > version.room)
        throw PackError("the version texts take " + std::to_string(block.size()) +
                        " bytes; the installer holds " + std::to_string(version.room));
    setResourceBytes(stub, version, block);

    if (identity.icon) applyIcon(stub, slots, *identity.icon);
}

std::string describeIdentity(const std::string& program) {
    std::vector<ResourceSlot> slots = resourceSlots(program);
    std::string lines;
    std::string manifest = resourceBytes(program, findSlot(slots, manifestType, 1));
    for (const auto& known : elevations) {
        if (manifest.find(levelAttributeOf(known.level)) != std::string::npos)
            lines += std::string("elevation: ") + known.option + "\n";
    }
    std::string block = resourceBytes(program, findSlot(slots, versionType, 1));
    describeVersion(block, lines);
    std::string group = resourceBytes(program, findSlot(slots, groupIconType, groupIconId));
    lines += "icon:";
    for (size_t n = 0, count = readLittle16(group, 4); n < count; ++n) {
        size_t entry = 6 + 14 * n;
        int width = uint8_t(group[entry]) ? uint8_t(group[entry]) : 256;
        lines += std::string(n ? ", " : " ") + std::to_string(width) + "x" + std::to_string(width) +
                 " (" + std::to_string(readLittle16(group, entry + 6)) + " bits)";
    }
    return lines + "\n";
}
