// Packed device-independent bitmaps: a 40-byte header, an optional colour
// table and pixel rows padded to 4 bytes, stored bottom-up.  Every pixel
// operation here takes y counted from the top.
//
// Colour values use the COLORREF layout: red bits 0-7, green 8-15, blue
// 16-23.  A 24-bit pixel is stored as the bytes blue, green, red.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "vtrsys.h"

namespace DibLib {

constexpr uint32_t kHeaderSize = 40;
constexpr int32_t kMaxDimension = 65535;  // what the 16-bit field reads can address

// The header fields, read from a packed DIB at any alignment.
struct DibHeader {
  uint32_t biSize;
  int32_t biWidth;
  int32_t biHeight;
  uint16_t biPlanes;
  uint16_t biBitCount;
  uint32_t biCompression;
  uint32_t biSizeImage;
  int32_t biXPelsPerMeter;
  int32_t biYPelsPerMeter;
  uint32_t biClrUsed;
  uint32_t biClrImportant;
};
static_assert(sizeof(DibHeader) == 40);

inline DibHeader readHeader(const void* dib) {
  DibHeader h;
  std::memcpy(&h, dib, sizeof h);
  return h;
}

inline void writeHeader(void* dib, const DibHeader& h) { std::memcpy(dib, &h, sizeof h); }

inline uint32_t colorValue(uint32_t red, uint32_t green, uint32_t blue) {
  return (red & 255) + 256 * (green & 255) + 65536 * (blue & 255);
}
inline uint32_t redOf(uint32_t c) { return c & 255; }
inline uint32_t greenOf(uint32_t c) { return (c >> 8) & 255; }
inline uint32_t blueOf(uint32_t c) { return (c >> 16) & 255; }

// Byte length of one 24-bit row: 3 * w rounded up to a multiple of 4.
inline uint32_t rowStride(uint32_t width) { return (3 * width + 3) & ~3u; }

// A packed DIB the library can read: a 40-byte header (larger header
// versions are refused), planes 1, uncompressed, non-negative width and
// height up to 65535 (top-down pictures are refused), a palette no larger
// than the depth can index.  Effects check inputs with this before reading.
bool isSupportedDib(const void* dib);
// A supported, 24-bit DIB of at least width x height pixels.
bool isReadable24(const void* dib, int32_t width, int32_t height);

// ---- handles ----------------------------------------------------------

// A new movable, zero-initialised 24-bit picture (black), unlocked; null
// for a negative size or one beyond 65535.
HGLOBAL allocDib24(int32_t width, int32_t height);
void freeDib(HGLOBAL dib);
int32_t dibWidth(HGLOBAL dib);
int32_t dibHeight(HGLOBAL dib);
// Fills biSizeImage when it is 0 (with the 24-bit stride whatever the depth).
void fixImageSize(HGLOBAL dib);

// Locks a global block for the lifetime of the guard.
class GlobalLockGuard {
 public:
  explicit GlobalLockGuard(HGLOBAL handle) : handle_(handle), pointer_(GlobalLock(handle)) {}
  ~GlobalLockGuard() {
    if (pointer_) GlobalUnlock(handle_);
  }
  GlobalLockGuard(const GlobalLockGuard&) = delete;
  GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
  void* get() const { return pointer_; }
  template <class T>
  T* as() const {
    return static_cast<T*>(pointer_);
  }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  HGLOBAL handle_;
  void* pointer_;
};

// Owns a DIB handle until released to a caller.
class DibHandle {
 public:
  DibHandle() = default;
  explicit DibHandle(HGLOBAL handle) : handle_(handle) {}
  ~DibHandle() {
    if (handle_) GlobalFree(handle_);
  }
  DibHandle(DibHandle&& other) noexcept : handle_(other.release()) {}
  DibHandle& operator=(DibHandle&& other) noexcept {
    if (this != &other) {
      if (handle_) GlobalFree(handle_);
      handle_ = other.release();
    }
    return *this;
  }
  HGLOBAL get() const { return handle_; }
  HGLOBAL* address() { return &handle_; }
  HGLOBAL release() {
    HGLOBAL h = handle_;
    handle_ = nullptr;
    return h;
  }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HGLOBAL handle_ = nullptr;
};

// ---- pixel access -------------------------------------------------------

// Address of pixel (x, y) of a 24-bit DIB: biSize and biWidth are read as
// their low 16 bits, biHeight whole.  Coordinates are not checked.
unsigned char* pixelAddress(void* dib, int32_t x, int32_t y);
uint32_t getPixel(const void* dib, int32_t x, int32_t y);
void setPixel(void* dib, int32_t x, int32_t y, uint32_t color);
// get pixel at (x * biWidth / W, y * biHeight / H) in unsigned 16/32-bit
// arithmetic: the nearest-neighbour lookup.
uint32_t scaledGetPixel(const void* dib, int32_t x, int32_t y, int32_t targetWidth,
                        int32_t targetHeight);

// The same addressing with the header read once: what whole-picture passes
// use.  Results are identical to getPixel and setPixel.
class Dib24View {
 public:
  Dib24View() = default;
  explicit Dib24View(const void* dib) {
    const auto* bytes = static_cast<const unsigned char*>(dib);
    uint16_t size, width;
    std::memcpy(&size, bytes, 2);
    std::memcpy(&width, bytes + 4, 2);
    std::memcpy(&height_, bytes + 8, 4);
    width_ = width;
    stride_ = rowStride(width);
    bits_ = const_cast<unsigned char*>(bytes) + size;
  }
  int32_t width() const { return width_; }
  int32_t height() const { return height_; }
  uint32_t stride() const { return stride_; }
  unsigned char* row(int32_t y) const {
    return bits_ + static_cast<std::ptrdiff_t>(height_ - y - 1) * stride_;
  }
  unsigned char* at(int32_t x, int32_t y) const { return row(y) + 3 * static_cast<std::ptrdiff_t>(x); }
  uint32_t get(int32_t x, int32_t y) const {
    const unsigned char* p = at(x, y);
    return p[0] * 65536u + p[1] * 256u + p[2];
  }
  void set(int32_t x, int32_t y, uint32_t c) const {
    unsigned char* p = at(x, y);
    p[0] = static_cast<unsigned char>(c >> 16);
    p[1] = static_cast<unsigned char>(c >> 8);
    p[2] = static_cast<unsigned char>(c);
  }
  // Copies the 3-byte pixel (x, y) of another picture to (tx, ty).
  void copyPixel(int32_t tx, int32_t ty, const Dib24View& from, int32_t x, int32_t y) const {
    std::memcpy(at(tx, ty), from.at(x, y), 3);
  }

 private:
  unsigned char* bits_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
  uint32_t stride_ = 0;
};

// ---- sequential writer --------------------------------------------------

// A cursor over a locked 24-bit DIB that walks rows from the top, left to
// right.  Users seek to (0, 0) after opening and then put w * h values.
struct DibWriter {
  unsigned char* dib;
  HGLOBAL handle;
  int32_t column;
  int32_t row;
  unsigned char* cursor;
  int32_t lastRow;
  int32_t stride;
  int32_t width;
  int32_t padding;
};

// Null when the DIB is not an uncompressed 24-bit one (or not a live handle).
DibWriter* dibWriterOpen(HGLOBAL dib);
void dibWriterSeek(DibWriter* writer, int32_t x, int32_t y);
inline void dibWriterPut(DibWriter* writer, uint32_t color) {
  if (writer->column + 1 == writer->width) {
    // next picture row: one stride lower in memory
    writer->cursor += 3 + writer->padding - 2 * static_cast<std::ptrdiff_t>(writer->stride);
    writer->column = 0;
    ++writer->row;
  } else {
    writer->cursor += 3;
    ++writer->column;
  }
  writer->cursor[0] = static_cast<unsigned char>(color >> 16);
  writer->cursor[1] = static_cast<unsigned char>(color >> 8);
  writer->cursor[2] = static_cast<unsigned char>(color);
}
void dibWriterClose(DibWriter* writer);

// ---- normalisation and resampling ---------------------------------------

// A new 24-bit picture of the same size as a packed DIB of any depth; for a
// 24-bit source the header and bytes are copied unchanged.  Null when the
// source is not a supported DIB.
HGLOBAL copy24(const void* dib);
HGLOBAL copy24(HGLOBAL dib);
// Replaces the handle in `dib` by a 24-bit one and releases the old block;
// `colorTable` holds the palette for depths up to 8 (may be null).  Answers
// false, leaving the handle alone, when the block is not a supported DIB.
bool convertTo24(HGLOBAL& dib, const unsigned char* colorTable);
// Replace the 24-bit picture in `dib` by a resampled one and release the old
// block.  Answer false, leaving the handle alone, for a block that is not a
// 24-bit DIB, a size below 1, or (bilinear) a target width or height of 1
// where the source size differs.
bool bilinearResize(HGLOBAL& dib, int32_t newWidth, int32_t newHeight);
bool nearestResize(HGLOBAL& dib, int32_t newWidth, int32_t newHeight);

// Image byte size of a packed DIB by its depth, in 64 bits.
uint64_t imageByteSize(const DibHeader& header);

}  // namespace DibLib
