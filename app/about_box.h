#pragma once

// The about box of the wizard's system menu: the publisher the installer speaks for, then the
// program file it runs from.
void showAboutBox(const char* publisher);
