// Capability flags in words, for listings.
#pragma once

#include <cstdint>
#include <string>

namespace host {

// "0x10032A01 (picture, two inputs, dialog, ...)".
std::string describeFlags(uint32_t flags);

}  // namespace host
