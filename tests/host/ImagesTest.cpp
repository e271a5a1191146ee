// Reading picture files: BMPs checked before anything is handed on, PNG and
// JPEG decoded into 24-bit packed DIBs.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdlib>
#include <cstring>
#include <functional>

#include "GuardedBuffer.h"
#include "Images.h"
#include "Pictures.h"
#include "PluginLibrary.h"
#include "VtrhostRun.h"

namespace {

using testsupport::GuardedBuffer;
using testsupport::makeDib;

void put32(std::vector<unsigned char>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = (value >> (8 * i)) & 255;
}

// An 8-bit 4 x 3 picture with a 4-entry table, as a BMP file (table at 54,
// pixels at 70, 4 bytes a row).
std::vector<unsigned char> goodBmp() {
  return hosttest::bmpFile(makeDib(4, 3, 8,
                                   [](int32_t x, int32_t y) { return uint32_t(x + y) % 4; },
                                   {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}));
}

TEST(ReadBmp, BrokenFilesGetOneMessageNamingTheFileAndNoReadOutsideIt) {
  const struct {
    const char* what;
    std::function<void(std::vector<unsigned char>&)> breakIt;
    const char* message;
  } cases[] = {
      {"pixels cut short", [](auto& f) { f.resize(f.size() - 1); }, "truncated"},
      {"header longer than the file", [](auto& f) { put32(f, 14, 4000); }, "does not fit"},
      {"table past the end", [](auto& f) { f.resize(60); }, "colour table"},
      {"pixel offset past the end", [](auto& f) { put32(f, 10, 1000); }, "truncated"},
      {"pixel offset inside the table", [](auto& f) { put32(f, 10, 60); }, "inside the headers"},
      {"huge pixel offset", [](auto& f) { put32(f, 10, 0xFFFFFFF0u); }, "truncated"},
      {"top-down rows", [](auto& f) { put32(f, 14 + 8, uint32_t(-3)); }, "top-down"},
      {"RLE-compressed", [](auto& f) { put32(f, 14 + 16, 1); }, "RLE"},
      {"more colours than 8 bits index", [](auto& f) { put32(f, 14 + 32, 257); }, "colour table"},
      {"no width", [](auto& f) { put32(f, 14 + 4, 0); }, "empty"},
      {"huge width", [](auto& f) { put32(f, 14 + 4, 0x7FFFFFFF); }, "too large"},
      {"odd depth", [](auto& f) { f[14 + 14] = 7; }, "bits a pixel"},
      {"OS/2 header", [](auto& f) { put32(f, 14, 12); }, "OS/2"},
      {"only a file header", [](auto& f) { f.resize(16); }, "not a BMP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<unsigned char> file = goodBmp();
    c.breakIt(file);
    GuardedBuffer guarded(file);  // a read past the last byte faults
    try {
      host::decodeBmp(guarded.data(), guarded.size(), "broken.bmp");
      ADD_FAILURE() << "read without complaint";
    } catch (const host::HostError& error) {
      std::string message = error.what();
      EXPECT_EQ(message.rfind("broken.bmp: ", 0), 0u) << message;
      EXPECT_NE(message.find(c.message), std::string::npos) << message;
    }
  }
}

TEST(ReadBmp, LongerHeaderAndGapAreRepackedBehindAFortyByteHeader) {
  // The same picture behind a 108-byte header, with 6 bytes between the
  // table and the pixels.
  std::vector<unsigned char> dib =
      makeDib(4, 3, 8, [](int32_t x, int32_t y) { return uint32_t(x * y) % 4; },
              {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF});
  const size_t table = 16, pixels = dib.size() - 40 - table;
  std::vector<unsigned char> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  file.insert(file.end(), dib.begin(), dib.begin() + 40);
  file.resize(14 + 108, 0);
  put32(file, 14, 108);
  file.insert(file.end(), dib.begin() + 40, dib.begin() + 40 + table);
  file.resize(file.size() + 6, 0xEE);
  put32(file, 10, uint32_t(file.size()));
  file.insert(file.end(), dib.end() - pixels, dib.end());

  host::Picture picture = host::decodeBmp(file.data(), file.size(), "long.bmp");
  ASSERT_EQ(picture.size(), dib.size());
  EXPECT_EQ(std::memcmp(picture.dib(), dib.data(), dib.size()), 0);
}

TEST(ReadPicture, PngWrittenAndReadBackIsTheSamePicture) {
  hosttest::TempFolder folder;
  // 5 x 3: rows padded by one byte; colours tell the rows and columns apart.
  std::vector<unsigned char> dib = testsupport::makeDib24(
      5, 3, [](int32_t x, int32_t y) { return uint32_t(x * 50 | y * 90 << 8 | 7 << 16); });
  host::writePng(folder / "p.png", dib.data());
  host::Picture back = host::readPicture(folder / "p.png");
  ASSERT_EQ(back.size(), dib.size());
  EXPECT_EQ(std::memcmp(back.dib(), dib.data(), dib.size()), 0);
}

TEST(ReadPicture, JpegIsDecodedToTwentyFourBits) {
  // A 16 x 8 JPEG, red above and blue below, encoded here at full quality.
  hosttest::TempFolder folder;
  const int width = 16, height = 8;
  std::vector<unsigned char> rgb(size_t(width) * height * 3);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &rgb[(size_t(y) * width + x) * 3];
      p[0] = y < 4 ? 230 : 20;
      p[2] = y < 4 ? 20 : 230;
    }
  std::string path = folder / "p.jpg";
  {
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    jpeg_stdio_dest(&info, out);
    info.image_width = width;
    info.image_height = height;
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    for (int y = 0; y < height; ++y) {
      JSAMPROW row = &rgb[size_t(y) * width * 3];
      jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
  }
  host::Picture picture = host::readPicture(path);
  ASSERT_EQ(picture.bitCount(), 24);
  ASSERT_EQ(picture.width(), width);
  ASSERT_EQ(picture.height(), height);
  auto near = [](uint32_t color, int red, int blue) {
    return std::abs(int(color & 255) - red) <= 8 && std::abs(int(color >> 16 & 255) - blue) <= 8;
  };
  EXPECT_TRUE(near(picture.view().get(3, 1), 230, 20)) << std::hex << picture.view().get(3, 1);
  EXPECT_TRUE(near(picture.view().get(3, 6), 20, 230)) << std::hex << picture.view().get(3, 6);

  // The same file cut in half is an error, not a grey picture.
  std::vector<unsigned char> bytes(std::filesystem::file_size(path));
  std::FILE* in = std::fopen(path.c_str(), "rb");
  ASSERT_EQ(std::fread(bytes.data(), 1, bytes.size(), in), bytes.size());
  std::fclose(in);
  bytes.resize(bytes.size() / 2);
  hosttest::writeFile(folder / "cut.jpg", bytes);
  EXPECT_THROW(host::readPicture(folder / "cut.jpg"), host::HostError);
}

}  // namespace
