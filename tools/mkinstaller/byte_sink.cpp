#include "tools/mkinstaller/byte_sink.h"

#include "payload/checksum.h"
#include "tools/mkinstaller/pack_error.h"

void FileSink::write(const void* bytes, size_t count) {
    if (!count) return;
    auto n = static_cast<std::streamsize>(count);
    if (file_.rdbuf()->sputn(static_cast<const char*>(bytes), n) != n)
        throw PackError("cannot write " + path_.u8string());
    written_ += count;
}

void ChecksumSink::write(const void* bytes, size_t count) {
    checksum_ = updateChecksum(checksum_, static_cast<const unsigned char*>(bytes), count);
    next_.write(bytes, count);
}
