// vtrhost icons: the nine icons of an effect as PNG files.
#include <cstdio>
#include <filesystem>

#include "Commands.h"
#include "Effects.h"
#include "Images.h"

namespace host {
namespace {

namespace fs = std::filesystem;

// The icon as a 24-bit picture (icon pixels are rows of blue, green, red,
// top row first).
Picture iconPicture(HICON icon) {
  int32_t width = 0, height = 0;
  const uint8_t* bgr = nullptr;
  if (!vtrIconPixels(icon, &width, &height, &bgr) || width <= 0 || height <= 0) return {};
  Picture picture = Picture::blank24(width, height);
  DibLib::Dib24View view = picture.view();
  for (int32_t y = 0; y < height; ++y)
    std::copy(bgr + size_t(y) * width * 3, bgr + size_t(y + 1) * width * 3, view.row(y));
  return picture;
}

// Animated effects ignore the frame number: each non-zero call moves their
// counter on by one and answers the icon there.  So icon f is asked for
// with piIcon(index, f), f = 0..8, in order, and an icon is filed under the
// place its resource id gives it next to icon 0 (position = id - id of icon
// 0), which holds whatever position the counter starts from.
int icons(const Arguments& arguments) {
  if (arguments.size() != 4 || (arguments[2] != "-o" && arguments[2] != "--output"))
    throw UsageError("icons takes a library, an effect and -o DIR");
  PluginLibrary library(arguments[0]);
  uint32_t index = findEffect(library, arguments[1]);
  fs::path folder = arguments[3];
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) throw HostError("cannot make the folder " + folder.string() + ": " + error.message());

  EffectUse use(library, index);
  const int kIcons = 9;
  UINT firstId = 0;
  int written = 0;
  for (int32_t f = 0; f < kIcons; ++f) {
    HICON icon = library.api().piIcon(index, f);
    UINT id = vtrIconId(icon);
    if (f == 0) firstId = id;
    int position = f;
    if (f > 0 && firstId != 0 && id > firstId && id - firstId < UINT(kIcons))
      position = int(id - firstId);
    Picture picture = iconPicture(icon);
    if (!picture) {
      std::fprintf(stderr, "vtrhost icons: the effect answered no icon for frame %d\n", f);
      continue;
    }
    std::string path = (folder / ("icon-" + std::to_string(position) + ".png")).string();
    writePng(path, picture.dib());
    ++written;
  }
  std::printf("wrote %d icons of \"%s\" to %s\n", written, effectName(library, index).c_str(),
              folder.string().c_str());
  return written == kIcons ? 0 : 1;
}

}  // namespace

const Command kIconsCommand{
    "icons",
    "icons LIB EFFECT -o DIR\n    the nine icons of an effect as DIR/icon-0.png to icon-8.png",
    &icons};

}  // namespace host
