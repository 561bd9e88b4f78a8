#include "platform/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/posix/native_path.h"

namespace {

// Writes all n bytes, going on after partial writes and interruptions.
bool writeAll(int fd, const char* p, ssize_t n) {
    while (n > 0) {
        ssize_t written = write(fd, p, static_cast<size_t>(n));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        p += written;
        n -= written;
    }
    return true;
}

bool copyContents(int from, int to) {
    char piece[65536];
    for (;;) {
        ssize_t n = read(from, piece, sizeof piece);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        if (!writeAll(to, piece, n)) return false;
    }
}

// Opens the destination to be replaced, refusing as the Windows copy does a
// read-only file (here: one without owner write), and refusing the source
// itself under another name, which emptying would destroy.
int openDestination(const char* path, const struct stat& source) {
    struct stat existing;
    if (stat(path, &existing) == 0 &&
        ((existing.st_dev == source.st_dev && existing.st_ino == source.st_ino) ||
         !(existing.st_mode & S_IWUSR)))
        return -1;
    return open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, source.st_mode & 07777);
}

}  // namespace

bool systemCopyFile(const char* source, const char* destination) {
    int from = open(nativePath(source).text(), O_RDONLY | O_CLOEXEC);
    if (from < 0) return false;
    bool copied = false;
    struct stat in;
    if (fstat(from, &in) == 0 && S_ISREG(in.st_mode)) {
        int to = openDestination(nativePath(destination).text(), in);
        if (to >= 0) {
            // Like the Windows copy, the destination keeps the source's
            // permissions and modification time.
            copied = copyContents(from, to) && fchmod(to, in.st_mode & 07777) == 0;
            struct timespec times[2] = {in.st_atim, in.st_mtim};
            futimens(to, times);
            copied = close(to) == 0 && copied;
        }
    }
    close(from);
    return copied;
}

bool systemMakeNormal(const char* path) {
    TextBuffer native = nativePath(path);
    struct stat status;
    return stat(native.text(), &status) == 0 &&
           chmod(native.text(), (status.st_mode & 07777) | S_IWUSR) == 0;
}

int64_t systemFileSize(const char* path) {
    struct stat status;
    return stat(nativePath(path).text(), &status) == 0 ? status.st_size : -1;
}

bool systemResolvePath(const char* path, TextBuffer& resolved) {
    char* real = realpath(nativePath(path).text(), nullptr);
    if (!real) return false;
    resolved.assign(real);
    std::free(real);
    return true;
}

bool systemCreateFolder(const char* path) {
    return mkdir(nativePath(path).text(), 0777) == 0;
}

bool systemRemoveFolder(const char* path) {
    return rmdir(nativePath(path).text()) == 0;
}

bool systemProtectFolder(const char*) {
    return true;
}
