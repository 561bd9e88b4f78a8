#include "params/file_stream.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"
#include "platform/stream_copy.h"

namespace {

int64_t appendWholeFile(const char* path, OutFileStream& out) {
    InFileStream in(path, FileMode::binary);
    return CopyStreamBytes(in, out, -1);
}

}  // namespace

bool joinVolumes(TextBuffer& programPath, const char* workFolder, int64_t end) {
    TextBuffer joined(workFolder);
    joined.appendPath(joinedContainerName);
    OutFileStream out(joined.text(), FileMode::binary);
    int64_t size = appendWholeFile(programPath.text(), out);
    for (int32_t n = 1;; ++n) {
        TextBuffer volume(programPath);
        volume.appendInt(n);
        if (!PathExists(volume.text())) break;
        size += appendWholeFile(volume.text(), out);
    }
    if (!out.close() || size != end) return false;
    programPath = joined;
    return true;
}
