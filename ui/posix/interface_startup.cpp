#include "ui/interface_startup.h"

void initInterfaceLibraries() {}
