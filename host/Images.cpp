#include "Images.h"

#include <jpeglib.h>
#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <vector>

#include "PluginLibrary.h"

namespace host {
namespace {

using DibLib::DibHeader;
using DibLib::kHeaderSize;

// PNG and JPEG files state their size in a few bytes: a decoder would
// allocate whatever they claim.  The libraries address at most 65535 pixels
// either way; beyond this many pixels in all we refuse before allocating.
constexpr uint64_t kMaxDecodedPixels = uint64_t(1) << 27;

uint32_t le32(const unsigned char* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24;
}

void put16(unsigned char* p, uint32_t v) {
  p[0] = v & 255;
  p[1] = (v >> 8) & 255;
}
void put32(unsigned char* p, uint32_t v) {
  put16(p, v & 0xFFFF);
  put16(p + 2, v >> 16);
}

std::string str(uint64_t value) { return std::to_string(value); }

HostError fileError(const std::string& name, const std::string& why) {
  return HostError(name + ": " + why);
}

std::vector<unsigned char> readFile(const std::string& path) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) throw fileError(path, std::string("cannot open: ") + std::strerror(errno));
  std::vector<unsigned char> bytes;
  unsigned char chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    bytes.insert(bytes.end(), chunk, chunk + got);
    if (bytes.size() > (size_t(1) << 31)) {
      std::fclose(file);
      throw fileError(path, "larger than 2 GiB, too large for a picture");
    }
  }
  bool failed = std::ferror(file);
  std::fclose(file);
  if (failed) throw fileError(path, "cannot read");
  return bytes;
}

// ---- BMP ----------------------------------------------------------------

bool isDepthTaken(uint16_t bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

// Bit-field masks that say no more than an uncompressed picture of the same
// depth: 5-5-5 for 16 bits, 8-8-8 for 32.
bool areStandardMasks(uint16_t bitCount, const unsigned char* masks) {
  uint32_t red = le32(masks), green = le32(masks + 4), blue = le32(masks + 8);
  if (bitCount == 16) return red == 0x7C00 && green == 0x03E0 && blue == 0x001F;
  if (bitCount == 32) return red == 0xFF0000 && green == 0xFF00 && blue == 0xFF;
  return false;
}

std::string compressionProblem(uint32_t compression) {
  switch (compression) {
    case 1:
    case 2: return "it is RLE-compressed; only uncompressed BMP files are read";
    case 4:
    case 5: return "it holds a JPEG or PNG image inside; only uncompressed BMP files are read";
    default:
      return "it uses compression " + str(compression) + "; only uncompressed BMP files are read";
  }
}

// ---- PNG ----------------------------------------------------------------

void checkDecodedSize(uint64_t width, uint64_t height, const std::string& name) {
  if (width == 0 || height == 0) throw fileError(name, "an empty picture");
  if (width > uint64_t(DibLib::kMaxDimension) || height > uint64_t(DibLib::kMaxDimension) ||
      width * height > kMaxDecodedPixels)
    throw fileError(name, "too large (" + str(width) + " x " + str(height) + " pixels)");
}

Picture decodePng(const unsigned char* bytes, size_t size, const std::string& name) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes, size))
    throw fileError(name, std::string("not a readable PNG file: ") + image.message);
  struct Release {
    png_image* image;
    ~Release() { png_image_free(image); }
  } release{&image};
  checkDecodedSize(image.width, image.height, name);
  image.format = PNG_FORMAT_BGR;
  Picture picture = Picture::blank24(int32_t(image.width), int32_t(image.height));
  // Rows bottom-up, as in a DIB: a negative stride.  Transparent pixels are
  // composed onto the black the blank picture starts with.
  int32_t stride = int32_t(DibLib::rowStride(image.width));
  if (!png_image_finish_read(&image, nullptr, picture.bytes() + kHeaderSize, -stride, nullptr))
    throw fileError(name, std::string("corrupt PNG data: ") + image.message);
  return picture;
}

// ---- JPEG ---------------------------------------------------------------

struct JpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jpegFail(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->jump, 1);
}

// Warnings (a premature end of data, a corrupt marker) are kept, not printed:
// the caller turns them into an error.
void jpegKeepMessage(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  info->err->format_message(info, errors->message);
}

// Plain C-style decoding between setjmp and longjmp: nothing with a
// destructor lives in this frame.  Answers false with `errors.message`.
bool decodeJpegInto(const unsigned char* bytes, size_t size, Picture& picture, JpegErrors& errors,
                    const std::string& name) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = jpegFail;
  errors.manager.output_message = jpegKeepMessage;
  errors.message[0] = '\0';
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_calc_output_dimensions(&info);
  // A size we refuse ends here, with the decoder released first.
  uint64_t width = info.output_width, height = info.output_height;
  if (width == 0 || height == 0 || width > uint64_t(DibLib::kMaxDimension) ||
      height > uint64_t(DibLib::kMaxDimension) || width * height > kMaxDecodedPixels) {
    jpeg_destroy_decompress(&info);
    checkDecodedSize(width, height, name);
  }
  picture = Picture::blank24(int32_t(width), int32_t(height));
  jpeg_start_decompress(&info);
  DibLib::Dib24View view = picture.view();
  while (info.output_scanline < info.output_height) {
    unsigned char* row = view.row(int32_t(info.output_scanline));
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    for (uint32_t x = 0; x < width; ++x) std::swap(row[3 * x], row[3 * x + 2]);  // RGB -> BGR
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return errors.manager.num_warnings == 0;
}

Picture decodeJpeg(const unsigned char* bytes, size_t size, const std::string& name) {
  Picture picture;
  JpegErrors errors;
  if (!decodeJpegInto(bytes, size, picture, errors, name))
    throw fileError(name, std::string("not a readable JPEG file: ") + errors.message);
  return picture;
}

// ---- writing ------------------------------------------------------------

DibHeader checked24(const void* dib, const std::string& path) {
  DibHeader h = DibLib::readHeader(dib);
  if (h.biSize != kHeaderSize || h.biBitCount != 24 || h.biCompression != 0 || h.biWidth <= 0 ||
      h.biHeight <= 0)
    throw fileError(path, "nothing to write: the picture is not a 24-bit one");
  return h;
}

std::string lowerExtension(const std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = char(std::tolower(static_cast<unsigned char>(c)));
  return extension;
}

}  // namespace

// ---- Picture --------------------------------------------------------------

Picture::Picture(size_t bytes) : bytes_(std::make_unique<unsigned char[]>(bytes)), size_(bytes) {}

Picture Picture::blank24(int32_t width, int32_t height) {
  Picture picture(kHeaderSize + size_t(DibLib::rowStride(width)) * height);
  DibHeader h{};
  h.biSize = kHeaderSize;
  h.biWidth = width;
  h.biHeight = height;
  h.biPlanes = 1;
  h.biBitCount = 24;
  h.biSizeImage = DibLib::rowStride(width) * uint32_t(height);
  DibLib::writeHeader(picture.bytes(), h);
  return picture;
}

// ---- reading --------------------------------------------------------------

Picture decodeBmp(const unsigned char* b, size_t size, const std::string& name) {
  const size_t kFileHeader = 14;
  if (size < kFileHeader + 4 || b[0] != 'B' || b[1] != 'M') throw fileError(name, "not a BMP file");
  uint64_t pixelOffset = le32(b + 10);
  uint64_t headerSize = le32(b + 14);
  if (headerSize == 12)
    throw fileError(name, "an OS/2 BMP with a 12-byte header, which is not read");
  if (headerSize < kHeaderSize || headerSize > size - kFileHeader)
    throw fileError(name, "corrupt: a " + str(headerSize) +
                              "-byte picture header does not fit a file of " + str(size) +
                              " bytes");
  DibHeader h = DibLib::readHeader(b + kFileHeader);
  if (h.biHeight < 0) throw fileError(name, "its rows are stored top-down, which is not read");
  if (h.biWidth <= 0 || h.biHeight == 0)
    throw fileError(name, "an empty picture (" + std::to_string(h.biWidth) + " x " +
                              std::to_string(h.biHeight) + ")");
  if (h.biWidth > DibLib::kMaxDimension || h.biHeight > DibLib::kMaxDimension)
    throw fileError(name, "too large (" + std::to_string(h.biWidth) + " x " +
                              std::to_string(h.biHeight) + " pixels; at most 65535 either way)");
  if (h.biPlanes != 1) throw fileError(name, "corrupt: " + str(h.biPlanes) + " planes");
  if (!isDepthTaken(h.biBitCount))
    throw fileError(name, "corrupt or unsupported: " + str(h.biBitCount) + " bits a pixel");

  // Bit fields with the standard masks are an uncompressed picture in other
  // words; the masks follow a 40-byte header, or sit inside a longer one.
  bool bitFields = false;
  if (h.biCompression == 3 || h.biCompression == 6) {
    size_t masksAt = kFileHeader + (headerSize >= 52 ? kHeaderSize : headerSize);
    if (h.biBitCount != 16 && h.biBitCount != 32)
      throw fileError(name, "corrupt: bit fields in a " + str(h.biBitCount) + "-bit picture");
    if (masksAt + 12 > size) throw fileError(name, "truncated inside its colour masks");
    if (!areStandardMasks(h.biBitCount, b + masksAt))
      throw fileError(name, "its colour masks are not the standard " +
                                std::string(h.biBitCount == 16 ? "5-5-5" : "8-8-8") +
                                " ones, which is not read");
    bitFields = true;
  } else if (h.biCompression != 0) {
    throw fileError(name, compressionProblem(h.biCompression));
  }

  uint64_t entries;
  if (h.biBitCount <= 8) {
    uint64_t most = uint64_t(1) << h.biBitCount;
    if (h.biClrUsed > most)
      throw fileError(name, "corrupt: a colour table of " + str(h.biClrUsed) + " entries for a " +
                                str(h.biBitCount) + "-bit picture");
    entries = h.biClrUsed != 0 ? h.biClrUsed : most;
  } else {
    if (h.biClrUsed > 256)
      throw fileError(name, "corrupt: a colour table of " + str(h.biClrUsed) + " entries");
    entries = h.biClrUsed;
  }
  uint64_t tableAt = kFileHeader + headerSize + (bitFields && headerSize == kHeaderSize ? 12 : 0);
  uint64_t tableBytes = 4 * entries;
  if (tableAt + tableBytes > size)
    throw fileError(name, "truncated: the colour table of " + str(entries) +
                              " entries runs past the end of the file");
  if (pixelOffset < tableAt + tableBytes)
    throw fileError(name, "corrupt: the pixel data offset " + str(pixelOffset) +
                              " lies inside the headers (which end at " +
                              str(tableAt + tableBytes) + ")");
  uint64_t imageBytes = DibLib::imageByteSize(h);
  if (pixelOffset > size || size - pixelOffset < imageBytes)
    throw fileError(name, "truncated: the header announces " + str(imageBytes) +
                              " bytes of pixels at offset " + str(pixelOffset) +
                              ", the file holds " +
                              str(pixelOffset > size ? 0 : size - pixelOffset));

  Picture picture(size_t(kHeaderSize + tableBytes + imageBytes));
  unsigned char* dib = picture.bytes();
  if (headerSize == kHeaderSize && !bitFields && pixelOffset == tableAt + tableBytes) {
    // The common case: the file holds a packed DIB as it stands.
    std::memcpy(dib, b + kFileHeader, picture.size());
  } else {
    // A longer header, masks, or a gap before the pixels: the same picture
    // repacked behind a 40-byte header.
    std::memcpy(dib, b + kFileHeader, kHeaderSize);
    put32(dib, kHeaderSize);
    put32(dib + 16, 0);
    std::memcpy(dib + kHeaderSize, b + tableAt, size_t(tableBytes));
    std::memcpy(dib + kHeaderSize + tableBytes, b + pixelOffset, size_t(imageBytes));
  }
  return picture;
}

Picture readPicture(const std::string& path) {
  std::vector<unsigned char> bytes = readFile(path);
  const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
    return decodeBmp(bytes.data(), bytes.size(), path);
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 8) == 0)
    return decodePng(bytes.data(), bytes.size(), path);
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
    return decodeJpeg(bytes.data(), bytes.size(), path);
  throw fileError(path, bytes.empty() ? "an empty file" : "not a BMP, PNG or JPEG file");
}

// ---- writing ----------------------------------------------------------------

size_t whole24Size(const void* dib, size_t available) {
  if (!dib || available < kHeaderSize) return 0;
  DibHeader h = DibLib::readHeader(dib);
  if (h.biSize != kHeaderSize || h.biBitCount != 24 || h.biCompression != 0) return 0;
  if (h.biWidth <= 0 || h.biHeight <= 0 || h.biWidth > DibLib::kMaxDimension ||
      h.biHeight > DibLib::kMaxDimension)
    return 0;
  uint64_t size = kHeaderSize + uint64_t(DibLib::rowStride(h.biWidth)) * h.biHeight;
  return size <= available ? size_t(size) : 0;
}

void writePng(const std::string& path, const void* dib) {
  DibHeader h = checked24(dib, path);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = uint32_t(h.biWidth);
  image.height = uint32_t(h.biHeight);
  image.format = PNG_FORMAT_BGR;
  image.flags = PNG_IMAGE_FLAG_FAST;
  const auto* rows = static_cast<const unsigned char*>(dib) + kHeaderSize;
  int32_t stride = int32_t(DibLib::rowStride(h.biWidth));
  if (!png_image_write_to_file(&image, path.c_str(), 0, rows, -stride, nullptr)) {
    std::string why = image.message;
    png_image_free(&image);
    std::remove(path.c_str());
    throw fileError(path, "cannot write: " + why);
  }
}

void writeBmp24(const std::string& path, const void* dib) {
  DibHeader h = checked24(dib, path);
  uint32_t imageBytes = DibLib::rowStride(h.biWidth) * uint32_t(h.biHeight);
  unsigned char header[14 + kHeaderSize] = {'B', 'M'};
  put32(header + 2, uint32_t(sizeof header) + imageBytes);
  put32(header + 10, uint32_t(sizeof header));
  DibHeader out{};
  out.biSize = kHeaderSize;
  out.biWidth = h.biWidth;
  out.biHeight = h.biHeight;
  out.biPlanes = 1;
  out.biBitCount = 24;
  out.biSizeImage = imageBytes;
  DibLib::writeHeader(header + 14, out);

  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) throw fileError(path, std::string("cannot write: ") + std::strerror(errno));
  const auto* rows = static_cast<const unsigned char*>(dib) + kHeaderSize;
  bool ok = std::fwrite(header, sizeof header, 1, file) == 1 &&
            std::fwrite(rows, 1, imageBytes, file) == imageBytes;
  int error = errno;
  ok = (std::fclose(file) == 0) && ok;
  if (!ok) {
    std::remove(path.c_str());
    throw fileError(path, std::string("cannot write: ") + std::strerror(error));
  }
}

bool isWritablePictureName(const std::string& path) {
  std::string extension = lowerExtension(path);
  return extension == ".png" || extension == ".bmp";
}

void writePicture(const std::string& path, const void* dib) {
  if (lowerExtension(path) == ".bmp")
    writeBmp24(path, dib);
  else
    writePng(path, dib);
}

OutputDib::OutputDib(HGLOBAL handle) : lock_(handle) {
  ok_ = lock_ && whole24Size(lock_.get(), GlobalSize(handle)) != 0;
}

}  // namespace host
