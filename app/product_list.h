#pragma once

class CONTROLE_LISTE;
struct Package;

// Fills the list of the products page (the root's sub-packages) or of the components page (the
// sub-packages of each selected product), one row per package with its identity text as data,
// and selects the rows of selected packages.
void fillProductList(CONTROLE_LISTE& list, Package& root, int page);

// The package of the tree with that identity text, or null.
Package* findPackage(Package& root, const char* identity);
