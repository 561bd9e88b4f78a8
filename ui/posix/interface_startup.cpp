#include "ui/interface_startup.h"

#include "ui/bitmap.h"

void restrictLibrarySearch() {}
void initInterfaceLibraries() {}
void releaseInterfaceResources() {
    releaseAllBitmaps();
}
