#pragma once

// The name of the publisher of this installer, shown in the report's thanks and the about box.
const char brandName[] = "Korvane";
