#include "payload_bytes.h"

#include <zlib.h>

#include <stdexcept>

#include "payload/container_format.h"

std::string bigEndian(uint32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>(value >> (24 - 8 * i));
    return bytes;
}

std::string fileRecord(const std::string& name, const std::string& content) {
    return name + '\0' + bigEndian(static_cast<uint32_t>(content.size())) + content;
}

std::string beginFolder(const std::string& name) {
    return name + '\1';
}

std::string endFolder(const std::string& name) {
    return name + '\2';
}

std::string gzipped(const std::string& bytes) {
    z_stream stream{};
    if (deflateInit2(&stream, 6, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        throw std::runtime_error("deflateInit2");
    std::string out(deflateBound(&stream, bytes.size()), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
    stream.avail_in = static_cast<uInt>(bytes.size());
    stream.next_out = reinterpret_cast<Bytef*>(&out[0]);
    stream.avail_out = static_cast<uInt>(out.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END) throw std::runtime_error("deflate");
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

uint32_t referenceChecksum(const std::string& bytes, uint32_t value) {
    for (unsigned char b : bytes) value = ((value << 1) | (value >> 31)) + b;
    return value;
}

std::string installerFile(const std::vector<Library>& libraries, bool checksum,
                          const std::string& stub) {
    std::string file = stub;
    if (file.empty()) {
        file.resize(stubSize);
        for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<char>(i * 31 + 7);
    }
    for (const Library& library : libraries)
        file += library.name + ' ' + bigEndian(static_cast<uint32_t>(library.bytes.size()));
    if (checksum) file += "CRC " + bigEndian(4);
    for (const Library& library : libraries) file += library.bytes;
    if (checksum) file += bigEndian(referenceChecksum(file));
    return file;
}
