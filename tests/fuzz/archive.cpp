// The archive reader over the input as a library file (gzip or stored): whatever the bytes, it
// ends, and nothing appears outside the destination folder.
#include "fuzz_folder.h"
#include "payload/archive_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = fuzzFolder();
    writeFile("lib", data, size);
    TextBuffer error;
    unpackArchive((folder + "/lib").c_str(), (folder + "/dest/inner").c_str(), error, nullptr);
    requireOnly(folder, {"lib", "dest"});
    requireOnly(folder + "/dest", {"inner"});
    removeAllBut({"lib"});
    return 0;
}
