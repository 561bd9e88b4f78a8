#pragma once

class TextBuffer;
struct Package;

// The licence the licence page shows (rich text): the install description's "licence-LANG.rtf"
// for the interface language, else its "licence.rtf", else the built-in text; every
// "${SOCIETE}" in it replaced by the publisher's name.
void installerLicence(const Package& root, TextBuffer& text);
