#include "platform/system_programs.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "platform/file_ops.h"
#include "platform/path_names.h"
#include "platform/posix/native_path.h"

namespace {

// Splits a command line into words as Windows programs do in the simple
// case: blanks separate words, double quotes group blanks into one word and
// are dropped.
std::vector<TextBuffer> splitCommandLine(const char* line) {
    std::vector<TextBuffer> words;
    const char* p = line;
    for (;;) {
        while (*p == ' ' || *p == '\t') ++p;
        if (!*p) return words;
        TextBuffer word;
        bool quoted = false;
        for (; *p && (quoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"')
                quoted = !quoted;
            else
                word.appendChar(*p);
        }
        words.push_back(std::move(word));
    }
}

// In the child: tells the parent why the program could not start.
[[noreturn]] void failStart(int report) {
    int error = errno;
    ssize_t written = write(report, &error, sizeof error);
    (void)written;
    _exit(127);
}

// In the child: only calls that are safe after a fork in a threaded process.
[[noreturn]] void runProgram(char* const* argv, const char* folder, ProgramWait wait, int report) {
    // A program not waited for runs in a grandchild, adopted by the system,
    // so that it never lingers as a zombie of ours.
    if (wait == ProgramWait::none) {
        pid_t grandchild = fork();
        if (grandchild < 0) failStart(report);
        if (grandchild > 0) _exit(0);
    }
    // No handles are inherited, as on Windows: a program that outlives us
    // must not hold our output open.
    int nothing = open("/dev/null", O_RDWR | O_CLOEXEC);
    if (nothing >= 0) {
        dup2(nothing, STDIN_FILENO);
        dup2(nothing, STDOUT_FILENO);
        dup2(nothing, STDERR_FILENO);
    }
    if (!folder || chdir(folder) == 0) execvp(argv[0], argv);
    failStart(report);
}

void waitForEnd(pid_t child, const std::atomic<bool>* stop) {
    for (;;) {
        pid_t ended = waitpid(child, nullptr, stop ? WNOHANG : 0);
        if (ended == child || (ended < 0 && errno != EINTR) || (stop && stop->load())) return;
        if (stop) {
            // Short waits, so that a cancel is seen soon.
            struct timespec pause = {0, 20 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
    }
}

}  // namespace

bool systemShellOpen(const char* file, const char* folder) {
    // No desktop shell here: what is there counts as opened.
    return PathExists(file) || (folder && PathExists(JoinPath(folder, file).text()));
}

bool systemStartProgram(const char* commandLine, const char* folder, ProgramWait wait,
                        const std::atomic<bool>* stop) {
    std::vector<TextBuffer> words = splitCommandLine(commandLine);
    if (words.empty()) return false;
    // The program is a path; its arguments are texts, in UTF-8 like every
    // text a program gets here.
    words[0] = nativePath(words[0].text());
    for (size_t i = 1; i < words.size(); ++i) words[i] = utf8FromWindows1252(words[i].text());
    TextBuffer start = nativePath(folder);
    std::vector<char*> argv;
    for (TextBuffer& word : words) argv.push_back(const_cast<char*>(word.text()));
    argv.push_back(nullptr);

    // The child reports a failed start through a pipe that closes by itself
    // when the program starts.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) return false;
    pid_t child = fork();
    if (child == 0) runProgram(argv.data(), folder ? start.text() : nullptr, wait, report[1]);
    close(report[1]);
    int error = 0;
    bool started = child > 0;
    if (started) {
        ssize_t n;
        while ((n = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        started = n == 0;
    }
    close(report[0]);
    if (child > 0 && (wait == ProgramWait::none || !started))
        waitpid(child, nullptr, 0);
    else if (started)
        waitForEnd(child, stop);
    return started;
}
