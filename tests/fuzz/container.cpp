// The container's directory and checksum over the input placed behind the stub's bytes, then
// every library it lists copied out and unpacked: nothing appears outside the work folder and the
// destinations.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "fuzz_folder.h"
#include "payload/container_format.h"
#include "payload/payload_reader.h"

namespace {

// The program file: stubSize bytes of zeros (a hole, so writing it costs nothing), then the input.
void writeProgram(const std::string& path, const uint8_t* data, size_t size) {
    int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (file < 0) finding("cannot write " + path);
    bool written = ftruncate(file, stubSize) == 0 &&
                   pwrite(file, data, size, stubSize) == static_cast<ssize_t>(size);
    close(file);
    if (!written) finding("cannot write " + path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = fuzzFolder();
    writeProgram(folder + "/setup.exe", data, size);
    removeAllBut({"setup.exe"});
    std::string work = folder + "/work";
    mkdir(work.c_str(), 0755);
    Container container;
    container.programPath.assign((folder + "/setup.exe").c_str());
    container.scratchFile.assign((work + "/libtmp.tmp").c_str());
    ParamNode failures;
    if (readContainer(container, work.c_str(), failures) != ContainerState::Unreadable) {
        int n = 0;
        for (ParamCell* cell = container.entries.children(); cell; cell = cell->next) {
            std::string dest = folder + "/dest/" + std::to_string(n++);
            extractLibrary(container, cell->node->name(), dest.c_str(), nullptr);
        }
    }
    requireOnly(folder, {"setup.exe", "work", "dest"});
    requireOnly(work, {"libtmp.tmp", "cloneexe.exe"});
    return 0;
}
