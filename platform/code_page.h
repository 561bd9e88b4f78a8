#pragma once

#include <cstdint>

#include "params/text_buffer.h"

// Texts inside the program are Windows-1252 bytes, while systems other than
// Windows name their files in UTF-8. These convert between the two where a
// text crosses that boundary.

// The character that starts at p (p < end): its length in bytes, or 0 when
// the bytes there are not a strict UTF-8 character (no overlong forms, no
// surrogates).
int32_t readUtf8Character(const char* p, const char* end, uint32_t& character);
// The Windows-1252 byte of a character; -1 when the code page has none. The
// five bytes it leaves unassigned stand for the control characters of the
// same number, as on Windows.
int32_t windows1252Byte(uint32_t character);

// The UTF-8 form of a Windows-1252 text; null gives the empty text.
TextBuffer utf8FromWindows1252(const char* text);
// The Windows-1252 form of a UTF-8 text. Bytes that are not UTF-8 stay as
// they are; a character the code page cannot hold becomes "?", as in the
// system's own conversion.
TextBuffer windows1252FromUtf8(const char* text);
