// vtrhost render, info and icons, run as a user runs them.
#include <gtest/gtest.h>

#include <memory>

#include "Effects.h"
#include "Pictures.h"
#include "VtrhostRun.h"

namespace {

using hosttest::readPng;
using hosttest::runVtrhost;
using hosttest::TempFolder;
using testsupport::makeDib;
namespace fs = std::filesystem;

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

void writeBmp(const std::string& path, const std::vector<unsigned char>& dib) {
  hosttest::writeFile(path, hosttest::bmpFile(dib));
}

std::vector<unsigned char> solid24(int32_t width, int32_t height, uint32_t color) {
  return testsupport::makeDib24(width, height, [color](int32_t, int32_t) { return color; });
}

// Picture A of each depth: its top half one colour, its bottom half another,
// stored as the depth stores them.
struct DepthCase {
  uint16_t bitCount;
  uint32_t topValue, bottomValue;  // stored values
  std::vector<uint32_t> palette;
  uint32_t top, bottom;  // the colours they show
};

TEST(Render, PicturesOfEveryDepthGoInAsPictureA) {
  std::vector<uint32_t> palette16(16, rgb(1, 2, 3)), palette200(200, rgb(4, 5, 6));
  palette16[3] = rgb(200, 10, 10);
  palette16[12] = rgb(10, 10, 200);
  palette200[7] = rgb(30, 140, 250);
  palette200[199] = rgb(250, 250, 0);
  const DepthCase cases[] = {
      {1, 0, 1, {rgb(255, 0, 0), rgb(0, 0, 255)}, rgb(255, 0, 0), rgb(0, 0, 255)},
      {4, 3, 12, palette16, rgb(200, 10, 10), rgb(10, 10, 200)},
      {8, 7, 199, palette200, rgb(30, 140, 250), rgb(250, 250, 0)},
      // 5-5-5: each component shifted left by 3
      {16, 10u << 10 | 20u << 5 | 30u, 0x7C1F, {}, rgb(80, 160, 240), rgb(248, 0, 248)},
      {24, rgb(1, 128, 255), rgb(255, 128, 1), {}, rgb(1, 128, 255), rgb(255, 128, 1)},
      // blue, green, red, unused
      {32, 0x11AA55, 0xFF0080, {}, rgb(0x11, 0xAA, 0x55), rgb(0xFF, 0x00, 0x80)},
  };
  const int32_t width = 16, height = 12;
  const uint32_t colorB = rgb(0, 200, 0);
  TempFolder folder;
  writeBmp(folder / "b.bmp", solid24(width, height, colorB));
  for (const DepthCase& c : cases) {
    SCOPED_TRACE(c.bitCount);
    std::string a = folder / ("a" + std::to_string(c.bitCount) + ".bmp");
    writeBmp(a, makeDib(
                    width, height, c.bitCount,
                    [&](int32_t, int32_t y) { return y < height / 2 ? c.topValue : c.bottomValue; },
                    c.palette));
    std::string frames = folder / ("d" + std::to_string(c.bitCount));
    auto run = runVtrhost({"render", "sweepkit", "Cross Wipe Out", a, folder / "b.bmp", "--frames",
                           "2", "-o", frames + "/%d.png"},
                          folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    hosttest::RgbPicture first = readPng(frames + "/0.png");
    ASSERT_EQ(first.width, width);
    ASSERT_EQ(first.height, height);
    EXPECT_EQ(first.at(0, 0), c.top) << "frame 0 is picture A, top row first";
    EXPECT_EQ(first.at(15, 5), c.top);
    EXPECT_EQ(first.at(0, 11), c.bottom);
    hosttest::RgbPicture last = readPng(frames + "/1.png");
    EXPECT_EQ(last.at(8, 6), colorB) << "the last frame shows B through the open cross";
    EXPECT_EQ(last.at(3, 9), colorB);
  }
}

TEST(Render, Y4mStreamCarriesEveryFrameInFullRangeYCbCr) {
  // 15 x 11: 4:2:0 chroma planes round their size up.
  const int32_t width = 15, height = 11;
  TempFolder folder;
  writeBmp(folder / "red.bmp", solid24(width, height, rgb(255, 0, 0)));
  writeBmp(folder / "blue.bmp", solid24(width, height, rgb(0, 0, 255)));
  const struct {
    const char* chroma;
    const char* tag;
    size_t chromaBytes;
  } cases[] = {{"444", "C444", size_t(width) * height}, {"420", "C420jpeg", 8 * 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chroma);
    std::string stream = folder / (std::string("s") + c.chroma + ".y4m");
    auto run = runVtrhost({"render", "sweepkit", "14", folder / "red.bmp", folder / "blue.bmp",
                           "--frames", "3", "--chroma", c.chroma, "-o", "-"},
                          folder);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string& y4m = run.out;
    std::string header =
        std::string("YUV4MPEG2 W15 H11 F25:1 Ip A1:1 ") + c.tag + " XCOLORRANGE=FULL\n";
    ASSERT_EQ(y4m.substr(0, header.size()), header);
    const size_t frameBytes = 6 + size_t(width) * height + 2 * c.chromaBytes;
    ASSERT_EQ(y4m.size(), header.size() + 3 * frameBytes);
    for (int frame = 0; frame < 3; ++frame)
      EXPECT_EQ(y4m.substr(header.size() + frame * frameBytes, 6), "FRAME\n") << frame;
    const size_t luma0 = header.size() + 6, chroma0 = luma0 + size_t(width) * height;
    // Pure red: Y 76, Cb 85, Cr 255 (255.5 clamped).
    EXPECT_EQ(uint8_t(y4m[luma0]), 76);
    EXPECT_EQ(uint8_t(y4m[chroma0]), 85);
    EXPECT_EQ(uint8_t(y4m[chroma0 + c.chromaBytes]), 255);
    // The last frame's centre shows pure blue: Y 29.
    const size_t lastLuma = header.size() + 2 * frameBytes + 6;
    EXPECT_EQ(uint8_t(y4m[lastLuma + 5 * width + 7]), 29);
  }
}

TEST(Render, BadInputsGetOneMessageNamingThemAndWriteNothing) {
  TempFolder folder;
  writeBmp(folder / "a.bmp", solid24(16, 12, rgb(9, 9, 9)));
  writeBmp(folder / "b.bmp", solid24(16, 12, rgb(99, 99, 99)));
  writeBmp(folder / "small.bmp", solid24(8, 6, rgb(99, 99, 99)));
  std::vector<unsigned char> cut = hosttest::bmpFile(solid24(16, 12, rgb(1, 1, 1)));
  cut.resize(cut.size() - 10);
  hosttest::writeFile(folder / "cut.bmp", cut);
  const std::string a = folder / "a.bmp", b = folder / "b.bmp", out = folder / "out/%03d.png";
  const struct {
    std::vector<std::string> arguments;
    std::vector<std::string> message;  // what stderr must name
  } cases[] = {
      {{"sweepkit", "No Such Wipe", a, b, "-o", out}, {"No Such Wipe"}},
      {{"sweepkit", "99", a, b, "-o", out}, {"99", "0 to 40"}},
      {{"sweepkit", "14", folder / "missing.png", b, "-o", out}, {"missing.png"}},
      {{"sweepkit", "14", folder / "cut.bmp", b, "-o", out}, {"cut.bmp", "truncated"}},
      {{"sweepkit", "14", a, folder / "small.bmp", "-o", out}, {"small.bmp", "16 x 12", "8 x 6"}},
      {{"sweepkit", "14", a, b, "-o", folder / "out/frame.png"}, {"frame.png", "%03d"}},
      {{"sweepkit", "14", a, b, "-o", folder / "out/%03d.gif"}, {".png or .bmp"}},
      {{"sweepkit", "14", a, b, "--frames", "0", "-o", out}, {"--frames"}},
      {{"sweepkit", "14", a, b, "--set", "SPEED=3", "-o", out}, {"SPEED", "Cross Wipe Out"}},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = {"render"};
    arguments.insert(arguments.end(), c.arguments.begin(), c.arguments.end());
    SCOPED_TRACE(c.message.front());
    auto run = runVtrhost(arguments, folder);
    EXPECT_NE(run.exitCode, 0);
    // One message on the first line (wrong use adds the command's usage).
    std::string first = run.err.substr(0, run.err.find('\n'));
    for (const std::string& part : c.message)
      EXPECT_NE(first.find(part), std::string::npos) << run.err;
    if (run.exitCode == 1) {
      EXPECT_EQ(first.size() + 1, run.err.size()) << run.err;
    }
    EXPECT_FALSE(fs::exists(folder.path() / "out"));
  }
}

TEST(Render, UnknownKeyListsTheEffectsKeys) {
  // The first wipe with settings, found as a host finds it.
  host::PluginLibrary library("sweepkit");
  std::string effect;
  std::vector<host::SettingLine> lines;
  for (uint32_t index = 0; index < library.api().piCount() && lines.empty(); ++index) {
    host::EffectUse use(library, index);
    try {
      host::Instance instance(library, index, PI_PICTURE);
      lines = instance.saveLines();
      effect = host::effectName(library, index);
    } catch (const host::HostError&) {
    }
  }
  if (lines.empty()) GTEST_SKIP() << "no wipe with settings is built yet";
  TempFolder folder;
  auto run = runVtrhost(
      {"render", "sweepkit", effect, "--set", "NO_SUCH_KEY=1", "-o", folder / "out/%d.png"},
      folder);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("NO_SUCH_KEY"), std::string::npos) << run.err;
  for (const host::SettingLine& line : lines)
    EXPECT_NE(run.err.find(line.key), std::string::npos) << "lists " << line.key << ": " << run.err;
}

TEST(Render, RefusedFrameRemovesTheFramesOfTheRun) {
  // B is a sequence whose second picture is 8-bit: the wipe takes frame 0
  // and refuses frame 1.
  TempFolder folder;
  writeBmp(folder / "a.bmp", solid24(16, 12, rgb(9, 9, 9)));
  writeBmp(folder / "b0.bmp", solid24(16, 12, rgb(99, 99, 99)));
  for (int n = 1; n < 4; ++n)
    writeBmp(
        folder / ("b" + std::to_string(n) + ".bmp"),
        makeDib(16, 12, 8, [](int32_t, int32_t) { return 1u; }, {rgb(0, 0, 0), rgb(99, 99, 99)}));
  fs::create_directory(folder.path() / "keep");
  hosttest::writeFile(folder / "keep/old.txt", {'x'});
  auto run = runVtrhost({"render", "sweepkit", "Cross Wipe Out", folder / "a.bmp",
                         folder / "b%d.bmp", "--frames", "4", "-o", folder / "keep/new/%03d.png"},
                        folder);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("\"Cross Wipe Out\" refused frame 1 of 4"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("removed the 1 frame"), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(folder.path() / "keep/new")) << "the folder the run made is gone too";
  EXPECT_TRUE(fs::exists(folder.path() / "keep/old.txt"));
}

TEST(Info, ShowsFlagsNameAndSettingsOfAnEffect) {
  TempFolder folder;
  auto run = runVtrhost({"info", "sweepkit", "diamond wipe out"}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* part :
       {"index      15", "name       Diamond Wipe Out", "0x10022A01", "0x00000800  two inputs",
        "instance   Diamond Wipe Out", "settings   (none)"})
    EXPECT_NE(run.out.find(part), std::string::npos) << part << " in\n" << run.out;
}

TEST(Info, PrintsTheDegreeSignOfADecoratedNameInUtf8) {
  TempFolder folder;
  auto run = runVtrhost({"info", "sweepkit", "Push+"}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("instance   Push+ (0\xC2\xB0)"), std::string::npos) << run.out;
}

TEST(Icons, WritesTheNineIconsInOrder) {
  TempFolder folder;
  auto run = runVtrhost({"icons", "sweepkit", "13", "-o", folder / "icons"}, folder);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  // The icons as the library answers them in this process, placed by their
  // resource ids: the animated effect's counter may stand anywhere.
  host::PluginLibrary library("sweepkit");
  host::EffectUse use(library, 13);
  const UINT firstId = vtrIconId(library.api().piIcon(13, 0));
  ASSERT_EQ(firstId, 1301u);
  for (int call = 0; call < 9; ++call) {
    HICON icon = library.api().piIcon(13, call == 0 ? 0 : 5);
    int position = int(vtrIconId(icon) - firstId);
    SCOPED_TRACE(position);
    int32_t width = 0, height = 0;
    const uint8_t* bgr = nullptr;
    ASSERT_TRUE(vtrIconPixels(icon, &width, &height, &bgr));
    hosttest::RgbPicture written =
        readPng(folder / ("icons/icon-" + std::to_string(position) + ".png"));
    ASSERT_EQ(written.width, width);
    ASSERT_EQ(written.height, height);
    for (int32_t i = 0; i < width * height; ++i)
      ASSERT_EQ(written.at(i % width, i / width), rgb(bgr[3 * i + 2], bgr[3 * i + 1], bgr[3 * i]))
          << i;
  }
}

}  // namespace
