#include "app/publisher_name.h"

#include "app/brand.h"
#include "packages/package.h"

// An empty "SOCIETE" would thank nobody: the brand stands in for it too.
const char* publisherName(const Package& root) {
    const char* name = root.varTree.valueOf("SOCIETE", nullptr);
    return name && *name ? name : brandName;
}
