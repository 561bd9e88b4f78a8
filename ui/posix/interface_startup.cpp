#include "ui/interface_startup.h"

#include "ui/bitmap.h"

void initInterfaceLibraries() {}
void releaseInterfaceResources() {
    releaseAllBitmaps();
}
