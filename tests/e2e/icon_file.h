#pragma once
// Icon files made by the tests: 32-bit images of one colour each.
#include <cstdint>
#include <string>
#include <vector>

// A 32-bit icon image of a square size in one colour: its header, pixels and an empty mask.
std::string iconImage(int size, uint32_t colour);

// An icon file of images of these sizes.
std::string iconFile(const std::vector<int>& sizes, uint32_t colour);
