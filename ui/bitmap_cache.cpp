#include <cstring>

#include "params/file_stream.h"
#include "params/text_stream.h"
#include "ui/bitmap.h"

namespace {
// Newest first; lives until the end of the run.
Bitmap* cache = nullptr;
}

Bitmap* getBitmap(const char* path, bool createIfMissing) {
    for (Bitmap* b = cache; b; b = b->next) {
        if (std::strcmp(b->path.text(), path) == 0) return b;
    }
    if (!createIfMissing) return nullptr;
    Bitmap* loaded = new Bitmap;
    if (!loaded->load(path)) errorStream() << "Erreur de BMP : " << path << " : " << loaded->error << "\n";
    loaded->next = cache;
    cache = loaded;
    return loaded;
}

void releaseAllBitmaps() {
    while (cache) {
        Bitmap* next = cache->next;
        delete cache;
        cache = next;
    }
}
