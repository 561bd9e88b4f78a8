#pragma once

struct Package;

// The name the installer speaks for: the root package's "SOCIETE" (its var.ini or "Globale"
// block, which the packer's --publisher fills), else the built-in brand. The licence's
// "${SOCIETE}", the report's thanks and the about box use it.
const char* publisherName(const Package& root);
