// Pointer offsetting over flat addresses.
#pragma once

#include <cstddef>
#include <cstdint>

namespace Huge {

inline void* hugeOffset(void* pointer, std::ptrdiff_t bytes) {
  return static_cast<unsigned char*>(pointer) + bytes;
}

inline const void* hugeOffset(const void* pointer, std::ptrdiff_t bytes) {
  return static_cast<const unsigned char*>(pointer) + bytes;
}

}  // namespace Huge
