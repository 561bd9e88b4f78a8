#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The resources of a Windows program held in memory, found through its resource directory:
// where each one's bytes lie in the file and how many of them it uses. The packer rewrites
// resources in place, within the room the stub gave them.

struct ResourceSlot {
    uint32_t type = 0;
    uint32_t id = 0;
    size_t offset = 0;     // of the resource's bytes in the file
    size_t room = 0;       // the bytes it may use: its size in the stub as built
    size_t entryOffset = 0;  // of its data entry, whose size field says how many it uses
};

// Every resource with a numbered type and id (the first language of each); a PackError when the
// program's headers or resource directory cannot be read.
std::vector<ResourceSlot> resourceSlots(const std::string& program);

// The slot of a resource; a PackError naming it when the program has none.
const ResourceSlot& findSlot(const std::vector<ResourceSlot>& slots, uint32_t type, uint32_t id);

// The bytes a resource uses now, and a rewrite of them within its room.
std::string resourceBytes(const std::string& program, const ResourceSlot& slot);
void setResourceBytes(std::string& program, const ResourceSlot& slot, const std::string& bytes);

uint32_t readLittle32(const std::string& bytes, size_t offset);
uint16_t readLittle16(const std::string& bytes, size_t offset);
void writeLittle32(std::string& bytes, size_t offset, uint32_t value);
void writeLittle16(std::string& bytes, size_t offset, uint16_t value);
