#include "tools/mkinstaller/pe_resources.h"

#include "tools/mkinstaller/pack_error.h"

namespace {

const uint32_t subdirectoryBit = 0x80000000u;
const uint32_t namedBit = 0x80000000u;

struct Section {
    uint32_t address, size, fileOffset;
};

void need(bool condition) {
    if (!condition) throw PackError("the stub's resources cannot be read");
}

// The file offset of an address of the program's image.
size_t fileOffsetOf(const std::vector<Section>& sections, uint32_t address) {
    for (const Section& section : sections) {
        if (address >= section.address && address - section.address < section.size)
            return section.fileOffset + (address - section.address);
    }
    need(false);
    return 0;
}

struct Directory {
    const std::string& program;
    const std::vector<Section>& sections;
    size_t base;  // the file offset of the resource directory's root
    uint32_t baseAddress;

    // The entries of the directory at `offset` (from the root): id and target, numbered ids only.
    std::vector<std::pair<uint32_t, uint32_t>> entries(uint32_t offset) const {
        size_t at = base + offset;
        need(at + 16 <= program.size());
        size_t count = size_t(readLittle16(program, at + 12)) + readLittle16(program, at + 14);
        std::vector<std::pair<uint32_t, uint32_t>> found;
        for (size_t n = 0; n < count; ++n) {
            size_t entry = at + 16 + 8 * n;
            need(entry + 8 <= program.size());
            uint32_t id = readLittle32(program, entry);
            if (!(id & namedBit)) found.push_back({id, readLittle32(program, entry + 4)});
        }
        return found;
    }
};

}  // namespace

uint32_t readLittle32(const std::string& bytes, size_t offset) {
    return uint32_t(readLittle16(bytes, offset)) | uint32_t(readLittle16(bytes, offset + 2)) << 16;
}

uint16_t readLittle16(const std::string& bytes, size_t offset) {
    need(offset + 2 <= bytes.size());
    return uint16_t(uint8_t(bytes[offset]) | uint8_t(bytes[offset + 1]) << 8);
}

void writeLittle32(std::string& bytes, size_t offset, uint32_t value) {
    writeLittle16(bytes, offset, uint16_t(value));
    writeLittle16(bytes, offset + 2, uint16_t(value >> 16));
}

void writeLittle16(std::string& bytes, size_t offset, uint16_t value) {
    need(offset + 2 <= bytes.size());
    bytes[offset] = char(value & 0xFF);
    bytes[offset + 1] = char(value >> 8);
}

std::vector<ResourceSlot> resourceSlots(const std::string& program) {
    need(program.size() > 0x40 && program.compare(0, 2, "MZ") == 0);
    size_t pe = readLittle32(program, 0x3C);
    need(readLittle32(program, pe) == 0x4550);
    size_t sectionCount = readLittle16(program, pe + 6);
    size_t optional = pe + 24;
    size_t sectionTable = optional + readLittle16(program, pe + 20);
    std::vector<Section> sections;
    for (size_t n = 0; n < sectionCount; ++n) {
        size_t at = sectionTable + 40 * n;
        sections.push_back({readLittle32(program, at + 12), readLittle32(program, at + 16),
                            readLittle32(program, at + 20)});
    }
    // The third data directory of a 32-bit optional header: the resources.
    uint32_t rootAddress = readLittle32(program, optional + 96 + 16);
    need(rootAddress != 0);
    Directory directory{program, sections, fileOffsetOf(sections, rootAddress), rootAddress};
    std::vector<ResourceSlot> slots;
    for (auto type : directory.entries(0)) {
        if (!(type.second & subdirectoryBit)) continue;
        for (auto id : directory.entries(type.second & ~subdirectoryBit)) {
            if (!(id.second & subdirectoryBit)) continue;
            auto languages = directory.entries(id.second & ~subdirectoryBit);
            if (languages.empty() || (languages[0].second & subdirectoryBit)) continue;
            size_t entry = directory.base + languages[0].second;
            ResourceSlot slot;
            slot.type = type.first;
            slot.id = id.first;
            slot.offset = fileOffsetOf(sections, readLittle32(program, entry));
            slot.room = readLittle32(program, entry + 4);
            slot.entryOffset = entry;
            need(slot.offset + slot.room <= program.size());
            slots.push_back(slot);
        }
    }
    return slots;
}

const ResourceSlot& findSlot(const std::vector<ResourceSlot>& slots, uint32_t type, uint32_t id) {
    for (const ResourceSlot& slot : slots) {
        if (slot.type == type && slot.id == id) return slot;
    }
    throw PackError("the stub has no resource " + std::to_string(id) + " of type " +
                    std::to_string(type));
}

std::string resourceBytes(const std::string& program, const ResourceSlot& slot) {
    return program.substr(slot.offset, readLittle32(program, slot.entryOffset + 4));
}

void setResourceBytes(std::string& program, const ResourceSlot& slot, const std::string& bytes) {
    need(bytes.size() <= slot.room);
    program.replace(slot.offset, bytes.size(), bytes);
    // What the room holds beyond the new bytes is cleared, so that nothing of the old shows.
    program.replace(slot.offset + bytes.size(), slot.room - bytes.size(),
                    std::string(slot.room - bytes.size(), '\0'));
    writeLittle32(program, slot.entryOffset + 4, static_cast<uint32_t>(bytes.size()));
}
