#include "handmade_container.h"

#include <fstream>
#include <iterator>

#include "payload/checksum.h"
#include "payload/container_format.h"

namespace {

std::string bigEndian(uint32_t value) {
    unsigned char bytes[4];
    writeBigEndian32(value, bytes);
    return std::string(reinterpret_cast<char*>(bytes), 4);
}

}  // namespace

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

void Container::add(const std::string& name, const std::string& bytes) {
    directory += name + " " + bigEndian(static_cast<uint32_t>(bytes.size()));
    libraries += bytes;
}

std::string Container::installer(bool spoilChecksum) const {
    std::string program = fileBytes(STUB_PATH) + directory + "CRC " + bigEndian(4) + libraries;
    uint32_t checksum =
        updateChecksum(0, reinterpret_cast<const unsigned char*>(program.data()), program.size());
    return program + bigEndian(checksum + (spoilChecksum ? 1 : 0));
}

std::string archiveOfOneFile(const std::string& name, const std::string& content) {
    std::string stream(1, char(archiveBeginFolderRecord));
    stream +=
        name + char(archiveFileRecord) + bigEndian(static_cast<uint32_t>(content.size())) + content;
    stream += char(archiveEndFolderRecord);
    return stream;
}
