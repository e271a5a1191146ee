// Test pictures made in code: packed DIBs of any depth, provenance pictures
// whose every pixel says where it came from, and readers for outputs.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "GuardedBuffer.h"
#include "vtrsys.h"

namespace testsupport {

// ---- building packed DIBs ----

// A packed DIB (header, table, bottom-up rows) of the given depth; `pixel`
// answers the stored value of (x, y), y from the top: a palette index for
// depths up to 8, the raw 16- or 32-bit word, or a colour value for 24 bits.
std::vector<unsigned char> makeDib(int32_t width, int32_t height, uint16_t bitCount,
                                   const std::function<uint32_t(int32_t x, int32_t y)>& pixel,
                                   const std::vector<uint32_t>& palette = {});

// A 24-bit picture filled by colour values.
std::vector<unsigned char> makeDib24(int32_t width, int32_t height,
                                     const std::function<uint32_t(int32_t x, int32_t y)>& color);

// ---- provenance ----

// Every pixel encodes its source (A or B) and its coordinates: a marker in
// bit 23 (so that no pixel is black), B in bit 22, x in bits 11-21, y in
// bits 0-10.
uint32_t provenance(char source, int32_t x, int32_t y);

struct Origin {
  char source;  // 'A', 'B', or '?' for a value that is neither (black: 'K')
  int32_t x, y;
  bool operator==(const Origin&) const = default;
};
Origin origin(uint32_t color);
std::string describe(const Origin& o);  // "A(3,1)"

// A provenance picture of one source, in a guarded buffer.
std::unique_ptr<GuardedBuffer> provenancePicture(char source, int32_t width, int32_t height);

// ---- reading outputs ----

// Colour value of (x, y) of a 24-bit DIB handle.
uint32_t pixelOf(HGLOBAL dib, int32_t x, int32_t y);

// The output as rows of letters: 'a' where the pixel is A's pixel at the
// same place, 'B' where it is B's at the same place, 'K' for black and '?'
// for anything else.  The format of the row patterns in effect examples.
std::vector<std::string> sourceMap(HGLOBAL dib);

// Width and height of a DIB handle.
std::pair<int32_t, int32_t> sizeOf(HGLOBAL dib);

// Owns a global handle in a test.
struct GlobalHandle {
  HGLOBAL handle = nullptr;
  explicit GlobalHandle(HGLOBAL h = nullptr) : handle(h) {}
  ~GlobalHandle() {
    if (handle) GlobalFree(handle);
  }
  GlobalHandle(const GlobalHandle&) = delete;
  GlobalHandle& operator=(const GlobalHandle&) = delete;
  HGLOBAL get() const { return handle; }
};

}  // namespace testsupport
