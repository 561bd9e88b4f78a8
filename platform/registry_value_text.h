#pragma once

#include <cstdint>
#include <vector>

#include "params/param_node.h"

// Sets node's value to the text of a registry value of that type and data
// (see RegistryKey for the typed and untyped forms). False, node unchanged,
// when an untyped listing leaves that type out.
bool setValueText(ParamNode& node, uint32_t type, const uint8_t* data, uint32_t size, bool typed);

// The registry type and bytes that node's text stands for. False when the
// node is not written: it has no text, or a "__hex(" prefix lacks its "):".
bool valueBytes(const ParamNode& node, bool numbersAsDword, uint32_t& type,
                std::vector<uint8_t>& bytes);
