#include "platform/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>

#include "platform/path_names.h"
#include "platform/posix/native_path.h"

namespace {

FileDate localDate(time_t moment) {
    FileDate date;
    struct tm local;
    if (localtime_r(&moment, &local)) {
        date.year = local.tm_year + 1900;
        date.month = local.tm_mon + 1;
        date.day = local.tm_mday;
        date.hour = local.tm_hour;
        date.minute = local.tm_min;
        date.second = local.tm_sec;
    }
    return date;
}

}  // namespace

bool PathExists(const char* path) {
    return access(nativePath(path).text(), F_OK) == 0;
}

bool IsLink(const char* path) {
    struct stat status;
    return path && lstat(nativePath(path).text(), &status) == 0 && S_ISLNK(status.st_mode);
}

bool RenamePath(const char* from, const char* to) {
    if (!from || !to || SameFile(from, to)) return false;
    TextBuffer source = nativePath(from), target = nativePath(to);
    if (renameat2(AT_FDCWD, source.text(), AT_FDCWD, target.text(), RENAME_NOREPLACE) == 0)
        return true;
    // File systems without the no-replace flag: test first (a race the tests
    // never run into).
    struct stat status;
    return errno == EINVAL && lstat(target.text(), &status) != 0 &&
           rename(source.text(), target.text()) == 0;
}

bool DeletePath(const char* path) {
    // A file without owner write stands for a read-only file, which the
    // Windows delete refuses.
    TextBuffer native = nativePath(path);
    struct stat status;
    if (lstat(native.text(), &status) != 0 || S_ISDIR(status.st_mode) ||
        (!S_ISLNK(status.st_mode) && !(status.st_mode & S_IWUSR)))
        return false;
    return unlink(native.text()) == 0;
}

bool GetFileInfo(const char* path, FileInfo& info) {
    info = FileInfo();
    struct statx status;
    if (statx(AT_FDCWD, nativePath(path).text(), 0, STATX_BASIC_STATS | STATX_BTIME, &status) != 0)
        return false;
    info.modified = localDate(status.stx_mtime.tv_sec);
    // Not every file system keeps a creation time; the modification time
    // stands in.
    info.created = localDate((status.stx_mask & STATX_BTIME) ? status.stx_btime.tv_sec
                                                             : status.stx_mtime.tv_sec);
    info.size = static_cast<int64_t>(status.stx_size);
    return true;
}
