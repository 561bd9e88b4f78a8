#pragma once

#include <cstdint>
#include <vector>

#include "params/param_node.h"

// Values as plain texts (untyped listing) or as typed texts.
enum class ValueForm { plain, typed };
// How an integer node without type prefix is written: as a string value or as a DWORD.
enum class IntegerNodes { asString, asDword };

// Sets node's value to the text of a registry value of that type and data
// (see RegistryKey for the typed and untyped forms). False, node unchanged,
// when an untyped listing leaves that type out.
bool setValueText(ParamNode& node, uint32_t type, const uint8_t* data, uint32_t size,
                  ValueForm form);

// The registry type and bytes that node's text stands for. False when the
// node is not written: it has no text, or a "__hex(" prefix lacks its "):".
bool valueBytes(const ParamNode& node, IntegerNodes integers, uint32_t& type,
                std::vector<uint8_t>& bytes);
