// Makes the nine icons of every effect of a library from the effect itself:
// each effect renders the built-in pictures at nine progress values (0,
// 1/8, ..., 1), each frame is scaled to 32 x 32 and written as a 24-bit BMP
// under the icon's resource id.  Effects that create no instance or refuse
// a frame are skipped and keep the placeholder the resource compiler makes.
//
//   makeicons LIB RESOURCE_DIR        (makeicons sweepkit resources/sweepkit)
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "DefaultPictures.h"
#include "Effects.h"
#include "Images.h"
#include "PictureRun.h"

namespace {

namespace fs = std::filesystem;
using host::Picture;

constexpr int32_t kRenderSize = 64;  // square, so that 2 x 2 boxes make the icon
constexpr int32_t kIconSize = 32;
constexpr int kIcons = 9;

// Where an effect's icons live, and how its library counts progress.
struct IconPlan {
  uint32_t firstId;
  int count;       // 9, or 1 for the crop effect's single icon
  int32_t length;  // the length that makes frame k show p = k / 8
};

// The wipe library: effect i owns ids 100 i + 1 .. + 9; Slide out (40)
// shows Slide In's icons.  Progress is counter / (length - 1).
std::optional<IconPlan> sweepkitPlan(uint32_t index) {
  if (index >= 40) return std::nullopt;
  return IconPlan{100 * index + 1, kIcons, kIcons};
}

// The fade library: linear fade type t owns 10 t + 10.., logarithmic fade t
// (index 6 + t) 10 t + 50.., the direct cross fade 90.., crop the one icon
// 1.  Progress is counter / length, so a length of 8 reaches 1 at frame 8.
std::optional<IconPlan> dimkitPlan(uint32_t index) {
  if (index <= 3) return IconPlan{10 * index + 10, kIcons, kIcons - 1};
  if (index == 4) return IconPlan{90, kIcons, kIcons - 1};
  if (index == 5) return IconPlan{1, 1, 1};
  if (index <= 9) return IconPlan{10 * (index - 6) + 50, kIcons, kIcons - 1};
  return std::nullopt;
}

// The mean of each box of the frame that falls on one icon pixel.
Picture boxScale(const void* dib, int32_t size) {
  DibLib::Dib24View from(dib);
  Picture icon = Picture::blank24(size, size);
  DibLib::Dib24View to = icon.view();
  for (int32_t y = 0; y < size; ++y)
    for (int32_t x = 0; x < size; ++x) {
      int32_t x0 = x * from.width() / size, x1 = std::max((x + 1) * from.width() / size, x0 + 1);
      int32_t y0 = y * from.height() / size, y1 = std::max((y + 1) * from.height() / size, y0 + 1);
      uint32_t sum[3] = {0, 0, 0}, count = 0;
      for (int32_t sy = y0; sy < y1; ++sy)
        for (int32_t sx = x0; sx < x1; ++sx, ++count)
          for (int c = 0; c < 3; ++c) sum[c] += from.at(sx, sy)[c];
      for (int c = 0; c < 3; ++c) to.at(x, y)[c] = uint8_t((sum[c] + count / 2) / count);
    }
  return icon;
}

// The effect's icons, or why there are none.
std::vector<Picture> renderIcons(const host::PluginLibrary& library, uint32_t index,
                                 const IconPlan& plan, const Picture& a, const Picture& b,
                                 std::string& why) {
  host::EffectUse use(library, index);
  if (!(library.api().piFlags(index) & PI_CAP_PICTURE)) {
    why = "not a picture effect";
    return {};
  }
  std::optional<host::Instance> instance;
  try {
    instance.emplace(library, index, PI_PICTURE);
  } catch (const host::HostError&) {
    why = "creates no instance";
    return {};
  }
  std::vector<Picture> icons;
  host::PictureRun run(*instance, plan.length, a.dib(), b.dib());
  for (int k = 0; k < plan.count; ++k) {
    DibLib::DibHandle frame = run.next();
    host::OutputDib dib(frame.get());
    if (!frame || !dib) {
      why = "refused frame " + std::to_string(k);
      return {};
    }
    icons.push_back(boxScale(dib.dib(), kIconSize));
  }
  return icons;
}

int makeIcons(const std::string& libraryName, const fs::path& resources) {
  std::string kind = fs::absolute(resources).lexically_normal().filename().string();
  if (kind.empty())
    kind = fs::absolute(resources).lexically_normal().parent_path().filename().string();
  auto plan = kind == "sweepkit" ? sweepkitPlan : kind == "dimkit" ? dimkitPlan : nullptr;
  if (!plan) {
    std::cerr << "makeicons: " << resources << " is not a sweepkit or dimkit resource folder\n";
    return 2;
  }
  host::PluginLibrary library(libraryName);
  fs::create_directories(resources / "icons");
  Picture a = host::defaultPicture('A', kRenderSize, kRenderSize);
  Picture b = host::defaultPicture('B', kRenderSize, kRenderSize);

  // The fade library serves its logarithmic fades (6 to 9) without
  // announcing them; they have icons all the same.
  uint32_t last = kind == "dimkit" ? 9 : library.api().piCount() - 1;
  for (uint32_t index = 0; index <= last; ++index) {
    std::optional<IconPlan> icons = plan(index);
    if (!icons) continue;
    std::string name = host::effectName(library, index);
    std::string why;
    std::vector<Picture> pictures = renderIcons(library, index, *icons, a, b, why);
    if (pictures.empty()) {
      std::printf("%3u %-26s skipped: %s\n", index, name.c_str(), why.c_str());
      continue;
    }
    for (int k = 0; k < icons->count; ++k) {
      fs::path file = resources / "icons" / (std::to_string(icons->firstId + k) + ".bmp");
      host::writeBmp24(file.string(), pictures[size_t(k)].dib());
    }
    std::printf("%3u %-26s icons %u to %u\n", index, name.c_str(), icons->firstId,
                icons->firstId + icons->count - 1);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: makeicons LIB RESOURCE_DIR   (makeicons sweepkit resources/sweepkit)\n";
    return 2;
  }
  try {
    return makeIcons(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::cerr << "makeicons: " << error.what() << "\n";
    return 1;
  }
}
