#include "params/fold_upper.h"

char foldUpper(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z') return static_cast<char>(u - 'a' + 'A');
    switch (u) {
        case 0xE0:
        case 0xE2:
        case 0xE4:  // à â ä
            return 'A';
        case 0xE8:
        case 0xE9:
        case 0xEA:
        case 0xEB:  // è é ê ë
            return 'E';
        case 0xEE:
        case 0xEF:  // î ï
            return 'I';
        case 0xF4:
        case 0xF6:  // ô ö
            return 'O';
        case 0xF9:
        case 0xFB:
        case 0xFC:  // ù û ü
            return 'U';
        default: return c;
    }
}

bool foldEquals(const char* a, const char* b) {
    if (!a) a = "";
    if (!b) b = "";
    for (; *a && *b; ++a, ++b)
        if (foldUpper(*a) != foldUpper(*b)) return false;
    return *a == 0 && *b == 0;
}
