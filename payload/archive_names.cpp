#include "payload/archive_names.h"

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

bool isBlankName(const char* name, int32_t length) {
    for (int32_t i = 0; i < length; ++i)
        if (!isBlank(name[i])) return false;
    return true;
}

// Windows drops trailing blanks and dots from a name, so ".. " reaches the parent folder as ".."
// does, and "..." names the folder itself: every name made of dots and blanks only is refused.
bool staysInFolder(const char* name, int32_t length) {
    int32_t dots = 0, others = 0;
    for (int32_t i = 0; i < length; ++i) {
        char c = name[i];
        if (c == '\\' || c == '/' || c == ':') return false;
        if (c == '.')
            ++dots;
        else if (!isBlank(c))
            ++others;
    }
    return others > 0 || dots == 0;
}
