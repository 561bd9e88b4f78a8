#pragma once

#include <windows.h>

struct Bitmap;

// Stretches the whole image into the inclusive rectangle (left, top) - (right, bottom), through
// its palette when it has one; 0 and nothing drawn for a bitmap whose load failed.
int drawBitmap(const Bitmap& bitmap, HDC dc, int left, int top, int right, int bottom);
