#include <cstring>

#include "params/file_stream.h"
#include "params/text_stream.h"
#include "ui/bitmap.h"

Bitmap* getBitmap(BitmapCache& cache, const char* path) {
    for (Bitmap* b = cache.newest; b; b = b->next) {
        if (std::strcmp(b->path.text(), path) == 0) return b;
    }
    Bitmap* loaded = new Bitmap;
    if (!loaded->load(path)) errorStream() << "Erreur de BMP : " << path << " : " << loaded->error << "\n";
    loaded->next = cache.newest;
    cache.newest = loaded;
    return loaded;
}

BitmapCache::~BitmapCache() {
    while (newest) {
        Bitmap* next = newest->next;
        delete newest;
        newest = next;
    }
}
