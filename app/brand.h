#pragma once

// The name of the publisher of this installer: the built-in licence names it where it says
// "${SOCIETE}", the report thanks the user in its name, the about box credits it.
const char brandName[] = "Korvane";
