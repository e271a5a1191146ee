// Capability flags in words, for listings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace host {

// "0x10032A01 (picture, two inputs, dialog, ...)".
std::string describeFlags(uint32_t flags);

// One line per set bit, "0x00000800  two inputs: moves or blends A and B";
// bits without a known meaning are listed as "unknown".
std::vector<std::string> flagBits(uint32_t flags);

}  // namespace host
