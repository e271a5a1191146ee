#include "DibLib.h"

#include <cstdlib>
#include <memory>
#include <vector>

#include "Huge.h"
#include "Numeric.h"

namespace DibLib {
namespace {

uint16_t low16(int32_t value) { return static_cast<uint16_t>(value); }

uint32_t roundUp4(uint64_t bytes) { return static_cast<uint32_t>((bytes + 3) & ~uint64_t(3)); }

// Bytes of one stored row of a source picture, by depth.
uint32_t sourceRowLength(uint16_t bitCount, uint32_t width) {
  switch (bitCount) {
    case 1: return ((width + 31) / 32) * 4;
    case 4: return ((width + 7) / 8) * 4;
    case 8: return roundUp4(width);
    case 16: return roundUp4(2ull * width);
    case 32: return 4 * width;
    default: return rowStride(width);
  }
}

// A colour table as blue, green, red bytes; entries the source's table does
// not hold are black, so that a pixel naming one never reads past the table.
struct Palette {
  unsigned char bgr[256][3] = {};
  Palette(const unsigned char* table, uint32_t entries) {
    if (!table) return;
    for (uint32_t i = 0; i < entries && i < 256; ++i) std::memcpy(bgr[i], table + 4 * i, 3);
  }
};

// Decodes one stored source row into blue, green, red bytes.
void decodeRow(uint16_t bitCount, const unsigned char* row, uint32_t width, const Palette& palette,
               unsigned char* out) {
  switch (bitCount) {
    case 1:
      for (uint32_t x = 0; x < width; ++x, out += 3)
        std::memcpy(out, palette.bgr[(row[x / 8] >> (7 - x % 8)) & 1], 3);
      break;
    case 4:
      for (uint32_t x = 0; x < width; ++x, out += 3)
        std::memcpy(out, palette.bgr[(x % 2 == 0) ? row[x / 2] >> 4 : row[x / 2] & 15], 3);
      break;
    case 8:
      for (uint32_t x = 0; x < width; ++x, out += 3) std::memcpy(out, palette.bgr[row[x]], 3);
      break;
    case 16:
      // 5-5-5: components shifted left by 3, low bits not filled; top bit ignored
      for (uint32_t x = 0; x < width; ++x, out += 3) {
        uint32_t v = row[2 * x] | row[2 * x + 1] << 8;
        out[0] = static_cast<unsigned char>((v & 31) * 8);
        out[1] = static_cast<unsigned char>(((v >> 5) & 31) * 8);
        out[2] = static_cast<unsigned char>(((v >> 10) & 31) * 8);
      }
      break;
    case 32:
      for (uint32_t x = 0; x < width; ++x, out += 3) std::memcpy(out, row + 4 * x, 3);
      break;
    default: break;
  }
}

bool isDecodedDepth(uint16_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 32;
}

// Table entries present between header and pixels.
uint32_t paletteEntries(const DibHeader& h) {
  if (h.biClrUsed != 0) return h.biClrUsed;
  return h.biBitCount <= 8 ? (1u << h.biBitCount) : 0;
}

}  // namespace

bool isSupportedDib(const void* dib) {
  if (!dib) return false;
  DibHeader h = readHeader(dib);
  if (h.biSize != kHeaderSize || h.biPlanes != 1 || h.biCompression != 0) return false;
  if (h.biWidth < 0 || h.biHeight < 0) return false;
  if (h.biWidth > kMaxDimension || h.biHeight > kMaxDimension) return false;
  if (h.biBitCount == 0 || h.biBitCount > 32) return false;
  if (h.biBitCount <= 8 && h.biClrUsed > (1u << h.biBitCount)) return false;
  if (h.biBitCount > 8 && h.biClrUsed > 256) return false;
  return true;
}

bool isReadable24(const void* dib, int32_t width, int32_t height) {
  if (!isSupportedDib(dib)) return false;
  DibHeader h = readHeader(dib);
  return h.biBitCount == 24 && h.biWidth >= width && h.biHeight >= height;
}

uint64_t imageByteSize(const DibHeader& h) {
  uint64_t w = static_cast<uint32_t>(h.biWidth);
  uint64_t height = static_cast<uint32_t>(h.biHeight);
  switch (h.biBitCount) {
    case 1: return roundUp4(w / 8 + (w % 8 != 0)) * height;
    case 4: return roundUp4(w / 2 + (w % 2 != 0)) * height;
    case 8: return roundUp4(w) * height;
    case 15:
    case 16: return roundUp4(2 * w) * height;
    case 24: return roundUp4(3 * w) * height;
    case 32: return roundUp4(4 * w) * height;
    default: return w * height;
  }
}

HGLOBAL allocDib24(int32_t width, int32_t height) {
  if (width < 0 || height < 0 || width > kMaxDimension || height > kMaxDimension) return nullptr;
  uint32_t stride = rowStride(width);
  uint64_t size = uint64_t(stride) * height + kHeaderSize;
  HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  if (!handle) return nullptr;
  GlobalLockGuard lock(handle);
  DibHeader h{};
  h.biSize = kHeaderSize;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biSizeImage = static_cast<uint32_t>(size - kHeaderSize);
  writeHeader(lock.get(), h);
  return handle;
}

void freeDib(HGLOBAL dib) { GlobalFree(dib); }

int32_t dibWidth(HGLOBAL dib) {
  GlobalLockGuard lock(dib);
  return lock ? readHeader(lock.get()).biWidth : 0;
}

int32_t dibHeight(HGLOBAL dib) {
  GlobalLockGuard lock(dib);
  return lock ? readHeader(lock.get()).biHeight : 0;
}

void fixImageSize(HGLOBAL dib) {
  GlobalLockGuard lock(dib);
  if (!lock || GlobalSize(dib) < kHeaderSize) return;
  DibHeader h = readHeader(lock.get());
  if (h.biSizeImage == 0) {
    h.biSizeImage = rowStride(static_cast<uint32_t>(h.biWidth)) * static_cast<uint32_t>(h.biHeight) +
                    kHeaderSize - h.biSize;
    writeHeader(lock.get(), h);
  }
}

unsigned char* pixelAddress(void* dib, int32_t x, int32_t y) {
  const auto* bytes = static_cast<const unsigned char*>(dib);
  uint16_t size = bytes[0] | bytes[1] << 8;
  uint16_t width = bytes[4] | bytes[5] << 8;
  int32_t height;
  std::memcpy(&height, bytes + 8, 4);
  return static_cast<unsigned char*>(dib) + size +
         static_cast<std::ptrdiff_t>(height - y - 1) * rowStride(width) + 3 * static_cast<std::ptrdiff_t>(x);
}

uint32_t getPixel(const void* dib, int32_t x, int32_t y) {
  const unsigned char* p = pixelAddress(const_cast<void*>(dib), x, y);
  return p[0] * 65536u + p[1] * 256u + p[2];
}

void setPixel(void* dib, int32_t x, int32_t y, uint32_t color) {
  unsigned char* p = pixelAddress(dib, x, y);
  p[0] = static_cast<unsigned char>(color >> 16);
  p[1] = static_cast<unsigned char>(color >> 8);
  p[2] = static_cast<unsigned char>(color);
}

uint32_t scaledGetPixel(const void* dib, int32_t x, int32_t y, int32_t targetWidth,
                        int32_t targetHeight) {
  DibHeader h = readHeader(dib);
  // A target whose low 16 bits are 0 has no pixels to map; answer black
  // rather than divide by zero.
  if (low16(targetWidth) == 0 || low16(targetHeight) == 0) return 0;
  uint32_t sx = uint32_t(low16(x)) * low16(h.biWidth) / low16(targetWidth);
  uint32_t sy = uint32_t(low16(y)) * low16(h.biHeight) / low16(targetHeight);
  return getPixel(dib, static_cast<int32_t>(sx), static_cast<int32_t>(sy));
}

DibWriter* dibWriterOpen(HGLOBAL dib) {
  auto* bytes = static_cast<unsigned char*>(GlobalLock(dib));
  if (!bytes) return nullptr;
  DibHeader h = GlobalSize(dib) >= kHeaderSize ? readHeader(bytes) : DibHeader{};
  if (h.biBitCount != 24 || h.biCompression != 0) {
    GlobalUnlock(dib);
    return nullptr;
  }
  auto* writer = new DibWriter{};  // released by dibWriterClose
  writer->dib = bytes;
  writer->handle = dib;
  writer->stride = ((3 * h.biWidth - 1) / 4 + 1) * 4;
  writer->lastRow = h.biHeight - 1;
  writer->width = h.biWidth;
  writer->padding = writer->stride - 3 * h.biWidth;
  writer->cursor = static_cast<unsigned char*>(
      Huge::hugeOffset(bytes, static_cast<std::ptrdiff_t>(writer->stride) * (h.biHeight - 1) + 40));
  writer->column = 0;
  writer->row = 0;
  return writer;
}

void dibWriterSeek(DibWriter* writer, int32_t x, int32_t y) {
  int32_t before = x - 1;  // the cursor ends one pixel before (x, y)
  if (y != writer->row) {
    writer->row = y;
    writer->cursor = writer->dib + 40 +
                     static_cast<std::ptrdiff_t>(writer->lastRow - y) * writer->stride +
                     3 * static_cast<std::ptrdiff_t>(before);
    writer->column = before;
  } else if (before != writer->column) {
    writer->cursor += 3 * static_cast<std::ptrdiff_t>(before - writer->column);
    writer->column = before;
  }
}

void dibWriterClose(DibWriter* writer) {
  if (!writer) return;
  GlobalUnlock(writer->handle);
  delete writer;
}

namespace {

// The conversion with the number of entries the table really holds.
bool convertTo24(HGLOBAL& dib, const unsigned char* colorTable, uint32_t tableEntries) {
  GlobalLockGuard lock(dib);
  if (!lock || GlobalSize(dib) < kHeaderSize) return false;
  const auto* source = lock.as<const unsigned char>();
  DibHeader h = readHeader(source);
  if (h.biBitCount == 24) return true;
  if (h.biWidth < 0 || h.biHeight < 0 || h.biWidth > kMaxDimension || h.biHeight > kMaxDimension)
    return false;
  uint16_t width = low16(h.biWidth), height = low16(h.biHeight);
  const unsigned char* pixels = source + low16(static_cast<int32_t>(h.biSize));
  uint32_t rowLength = sourceRowLength(h.biBitCount, width);
  // The block must hold every row the conversion reads.
  if (isDecodedDepth(h.biBitCount) &&
      GlobalSize(dib) < low16(static_cast<int32_t>(h.biSize)) + uint64_t(rowLength) * height)
    return false;

  DibHandle converted(allocDib24(width, height));
  if (!converted) return false;
  if (isDecodedDepth(h.biBitCount)) {
    // Rows are written top row first, as a DibWriter walks them.
    // Never more entries than the depth can index.
    const uint32_t indexable = h.biBitCount <= 8 ? 1u << h.biBitCount : 0;
    const Palette palette(colorTable, tableEntries < indexable ? tableEntries : indexable);
    GlobalLockGuard target(converted.get());
    Dib24View out(target.get());
    for (uint16_t y = 0; y < height; ++y) {
      uint16_t stored = static_cast<uint16_t>(height - y - 1);
      decodeRow(h.biBitCount, pixels + uint64_t(stored) * rowLength, width, palette, out.row(y));
    }
  }
  HGLOBAL old = dib;
  dib = converted.release();
  GlobalUnlock(old);
  GlobalFree(old);
  return true;
}

}  // namespace

bool convertTo24(HGLOBAL& dib, const unsigned char* colorTable) {
  // Without a count the table holds an entry for every index of the depth.
  return convertTo24(dib, colorTable, colorTable ? 256u : 0u);
}

HGLOBAL copy24(const void* dib) {
  if (!isSupportedDib(dib)) return nullptr;
  const auto* source = static_cast<const unsigned char*>(dib);
  DibHeader h = readHeader(source);
  uint32_t stride = rowStride(h.biWidth);
  uint64_t entries = paletteEntries(h);
  uint64_t sizingTable = h.biBitCount <= 8 ? 4 * entries : 0;
  uint64_t total = (imageByteSize(h) + h.biSize + sizingTable) & 0xFFFFFFFFu;
  uint64_t minimum = uint64_t(stride) * h.biHeight + kHeaderSize;

  DibHandle copy(GlobalAlloc(GMEM_MOVEABLE, total > minimum ? total : minimum));
  if (!copy) return nullptr;
  if (h.biBitCount == 24) {
    GlobalLockGuard lock(copy.get());
    std::memcpy(lock.get(), source, total);
    return copy.release();
  }

  // The table that sits between header and pixels; for depths above 8 a
  // non-zero biClrUsed announces one too, and the pixels follow it.
  uint64_t tableBytes = 4 * (h.biClrUsed != 0 ? h.biClrUsed : (h.biBitCount <= 8 ? entries : 0));
  std::vector<unsigned char> table(source + kHeaderSize, source + kHeaderSize + tableBytes);
  {
    GlobalLockGuard lock(copy.get());
    auto* target = lock.as<unsigned char>();
    std::memcpy(target, source, kHeaderSize);
    std::memcpy(target + kHeaderSize, source + kHeaderSize + tableBytes, imageByteSize(h));
  }
  HGLOBAL handle = copy.release();
  if (!convertTo24(handle, tableBytes ? table.data() : nullptr, uint32_t(tableBytes / 4))) {
    GlobalFree(handle);
    return nullptr;
  }
  return handle;
}

HGLOBAL copy24(HGLOBAL dib) {
  GlobalLockGuard lock(dib);
  return lock ? copy24(static_cast<const void*>(lock.get())) : nullptr;
}

namespace {

// Locks a 24-bit picture for resampling; null when the block is not one.
bool readableForResize(HGLOBAL dib, const GlobalLockGuard& lock) {
  if (!lock || GlobalSize(dib) < kHeaderSize) return false;
  DibHeader h = readHeader(lock.get());
  if (h.biSize != kHeaderSize || h.biBitCount != 24 || h.biCompression != 0) return false;
  if (h.biWidth < 1 || h.biHeight < 1 || h.biWidth > kMaxDimension || h.biHeight > kMaxDimension)
    return false;
  return GlobalSize(dib) >= kHeaderSize + uint64_t(rowStride(h.biWidth)) * h.biHeight;
}

bool validTarget(int32_t width, int32_t height) {
  return width >= 1 && height >= 1 && width <= kMaxDimension && height <= kMaxDimension;
}

void replaceHandle(HGLOBAL& dib, DibHandle& replacement) {
  GlobalFree(dib);
  dib = replacement.release();
}

}  // namespace

bool bilinearResize(HGLOBAL& dib, int32_t newWidth, int32_t newHeight) {
  using numeric::Extended;
  fixImageSize(dib);
  DibHandle resized;
  {
    GlobalLockGuard lock(dib);
    if (!readableForResize(dib, lock) || !validTarget(newWidth, newHeight)) return false;
    Dib24View source(lock.get());
    int32_t sw = source.width(), sh = source.height();
    if (newWidth == sw && newHeight == sh) return true;
    // A target of one column or row has no step between samples.
    if (newWidth == 1 || newHeight == 1) return false;
    double stepX = double(sw - 1) / double(newWidth - 1);
    double stepY = double(sh - 1) / double(newHeight - 1);

    resized = DibHandle(allocDib24(newWidth, newHeight));
    if (!resized) return false;
    DibWriter* writer = dibWriterOpen(resized.get());
    if (!writer) return false;
    dibWriterSeek(writer, 0, 0);
    // Clamped at the right and bottom edges only; positions never go below 0.
    auto clampedGet = [&](int64_t x, int64_t y) {
      if (x >= sw) x = sw - 1;
      if (y >= sh) y = sh - 1;
      return source.get(static_cast<int32_t>(x), static_cast<int32_t>(y));
    };
    double fy = 0.0;
    for (int32_t row = 0; row < newHeight; ++row) {
      int64_t iy = numeric::Trunc(fy);
      Extended dy = fy - Extended(iy);
      double fx = 0.0;
      for (int32_t column = 0; column < newWidth; ++column) {
        int64_t ix = numeric::Trunc(fx);
        Extended dx = fx - Extended(ix);
        uint32_t p = clampedGet(ix, iy), q = clampedGet(ix, iy + 1);
        uint32_t r = clampedGet(ix + 1, iy), u = clampedGet(ix + 1, iy + 1);
        Extended wP = (1 - dx) * (1 - dy), wQ = (1 - dx) * dy, wR = (1 - dy) * dx, wU = dx * dy;
        auto mix = [&](int shift) {
          Extended sum = Extended((p >> shift) & 255) * wP;
          sum += Extended((q >> shift) & 255) * wQ;
          sum += Extended((r >> shift) & 255) * wR;
          sum += Extended((u >> shift) & 255) * wU;
          return static_cast<uint32_t>(numeric::Trunc(sum));
        };
        dibWriterPut(writer, colorValue(mix(0), mix(8), mix(16)));
        fx = fx + stepX;  // accumulated, not recomputed from the column
      }
      fy = fy + stepY;
    }
    dibWriterClose(writer);
  }
  replaceHandle(dib, resized);
  return true;
}

bool nearestResize(HGLOBAL& dib, int32_t newWidth, int32_t newHeight) {
  fixImageSize(dib);
  DibHandle resized;
  {
    GlobalLockGuard lock(dib);
    if (!readableForResize(dib, lock) || !validTarget(newWidth, newHeight)) return false;
    const void* source = lock.get();
    DibHeader h = readHeader(source);
    if (newWidth == h.biWidth && newHeight == h.biHeight) return true;
    resized = DibHandle(allocDib24(newWidth, newHeight));
    if (!resized) return false;
    DibWriter* writer = dibWriterOpen(resized.get());
    if (!writer) return false;
    dibWriterSeek(writer, 0, 0);
    for (int32_t i = 0; i < newHeight; ++i)
      for (int32_t j = 0; j < newWidth; ++j)
        dibWriterPut(writer, scaledGetPixel(source, j, i, newWidth, newHeight));
    dibWriterClose(writer);
  }
  replaceHandle(dib, resized);
  return true;
}

}  // namespace DibLib
