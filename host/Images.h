// Pictures in and out of the host: BMP files (a 14-byte file header in
// front of a packed DIB, which goes to the libraries as it stands), PNG and
// JPEG files (decoded into 24-bit packed DIBs), and the 24-bit outputs of
// the libraries written as PNG or BMP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "DibLib.h"
#include "vtrsys.h"

namespace host {

// A packed DIB in an aligned buffer of its own, sized exactly: what the
// host hands to piLocalSetData.
class Picture {
 public:
  Picture() = default;
  explicit Picture(size_t bytes);  // zeroed
  // An empty (black) 24-bit picture.
  static Picture blank24(int32_t width, int32_t height);

  const void* dib() const { return bytes_.get(); }
  unsigned char* bytes() { return bytes_.get(); }
  size_t size() const { return size_; }
  explicit operator bool() const { return size_ != 0; }

  DibLib::DibHeader header() const { return DibLib::readHeader(bytes_.get()); }
  int32_t width() const { return header().biWidth; }
  int32_t height() const { return header().biHeight; }
  uint16_t bitCount() const { return header().biBitCount; }
  // Pixel access for 24-bit pictures.
  DibLib::Dib24View view() const { return DibLib::Dib24View(bytes_.get()); }

 private:
  std::unique_ptr<unsigned char[]> bytes_;
  size_t size_ = 0;
};

// Reads a BMP (any depth the libraries take: 1, 4, 8, 16, 24, 32 bits,
// uncompressed, rows bottom-up), PNG or JPEG file, told apart by content.
// Throws HostError naming the file for anything unreadable, truncated or
// corrupt; never reads outside the file's bytes.
Picture readPicture(const std::string& path);

// Decodes a BMP held in memory; `name` names it in messages.
Picture decodeBmp(const unsigned char* bytes, size_t size, const std::string& name);

// Bytes of a complete 24-bit packed DIB at `dib` (header and rows), or 0
// when the block of `available` bytes does not hold one.
size_t whole24Size(const void* dib, size_t available);

// Writes a 24-bit packed DIB as PNG or 24-bit BMP.  On failure the file is
// removed and HostError names it.
void writePng(const std::string& path, const void* dib);
void writeBmp24(const std::string& path, const void* dib);
// By the path's extension, .png or .bmp (without regard to case).
void writePicture(const std::string& path, const void* dib);
// True for a path ending in .png or .bmp.
bool isWritablePictureName(const std::string& path);

// A library's output handle checked and locked: a whole 24-bit DIB inside
// its block, or empty.
class OutputDib {
 public:
  explicit OutputDib(HGLOBAL handle);
  const void* dib() const { return ok_ ? lock_.get() : nullptr; }
  explicit operator bool() const { return ok_; }

 private:
  DibLib::GlobalLockGuard lock_;
  bool ok_ = false;
};

}  // namespace host
