// Diagnostic lines reach standard error whole: a line is written once it ends, not piece by piece
// (one write per line) and not later (a crash loses no finished line).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "params/file_stream.h"
#include "scratch_folder.h"

TEST(StandardError, EachLineIsWrittenWhenItEnds) {
    ScratchFolder folder("params_stderr");
    std::fflush(stderr);
    int saved = dup(2);
    int file = open((folder / "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(file, 2);
    errorStream() << "Erreur " << 7;
    std::string partial = folder.read("stderr.txt");
    errorStream() << " : fin\n";
    std::string whole = folder.read("stderr.txt");
    dup2(saved, 2);
    close(saved);
    close(file);
    EXPECT_EQ("", partial);
    EXPECT_EQ("Erreur 7 : fin\n", whole);
}
