#pragma once

// The about box of the wizard's system menu: who made the installer, then the program file it
// runs from.
void showAboutBox();
