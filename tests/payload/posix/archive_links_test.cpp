// Links already present in the destination of an unpacking: only POSIX lets a test make them
// without privileges.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "payload/archive_reader.h"
#include "payload_bytes.h"
#include "scratch_folder.h"

TEST(ArchiveLinks, LinksInTheDestinationAreNotFollowed) {
    ScratchFolder scratch("links");
    scratch.write("outside/victim.txt", "kept");
    scratch.makeFolder("dest/kept");
    std::filesystem::create_directory_symlink(scratch / "outside", scratch / "dest/folder");
    std::filesystem::create_symlink(scratch / "outside/victim.txt", scratch / "dest/file.txt");
    std::filesystem::create_symlink(scratch / "outside/victim.txt", scratch / "dest/kept/file.txt");
    for (const std::string& stream :
         {beginFolder("folder") + fileRecord("new.txt", "evil") + endFolder("folder"),
          fileRecord("file.txt", "evil"),
          // Past a folder that the unpacking made, the destination's links count again.
          beginFolder("made") + beginFolder("inner") + endFolder("inner") + endFolder("made") +
              fileRecord("file.txt", "evil"),
          // A folder that was there before is not the unpacking's own, whatever it made inside.
          beginFolder("kept") + beginFolder("made") + endFolder("made") +
              fileRecord("file.txt", "evil") + endFolder("kept")}) {
        scratch.write("lib", stream);
        TextBuffer error;
        EXPECT_FALSE(unpackArchive((scratch / "lib").c_str(), (scratch / "dest").c_str(), error,
                                   nullptr));
        EXPECT_EQ(std::string(error.text()).rfind("Nom de fichier encapsul\xE9 refus\xE9 : ", 0),
                  0u);
    }
    EXPECT_FALSE(scratch.exists("outside/new.txt"));
    EXPECT_EQ(scratch.read("outside/victim.txt"), "kept");
}
