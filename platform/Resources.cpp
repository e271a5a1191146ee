#include <cstring>
#include <map>
#include <mutex>
#include <vector>

#include "HandleTable.h"
#include "vtrsys.h"

namespace vtrsys {
namespace {

struct Icon {
  UINT id = 0;
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> bgr;  // top row first
};

std::mutex& modulesMutex() {
  static Immortal<std::mutex> m;
  return m.get();
}

std::map<HMODULE, const VtrResourceTable*>& modules() {
  static Immortal<std::map<HMODULE, const VtrResourceTable*>> m;
  return m.get();
}

HandleTable<Icon>& icons() {
  static Immortal<HandleTable<Icon>> table(2u);
  return table.get();
}

const VtrResourceTable* findModule(HMODULE module) {
  std::lock_guard<std::mutex> guard(modulesMutex());
  auto it = modules().find(module);
  return it == modules().end() ? nullptr : it->second;
}

const VtrDataResource* findData(const VtrDataResource* list, size_t count, UINT id) {
  for (size_t i = 0; i < count; ++i)
    if (list[i].id == id) return &list[i];
  return nullptr;
}

uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t le16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

// Icons are stored as uncompressed 24-bit BMP files; anything else is not an
// icon we can show.
bool decodeIcon(const VtrDataResource& data, Icon& icon) {
  const unsigned char* b = data.bytes;
  if (data.size < 54 || b[0] != 'B' || b[1] != 'M') return false;
  uint32_t pixelOffset = le32(b + 10);
  uint32_t headerSize = le32(b + 14);
  int32_t width = static_cast<int32_t>(le32(b + 18));
  int32_t height = static_cast<int32_t>(le32(b + 22));
  if (headerSize < 40 || le16(b + 28) != 24 || le32(b + 30) != 0) return false;
  if (width <= 0 || height <= 0 || width > 256 || height > 256) return false;
  size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
  if (pixelOffset > data.size || data.size - pixelOffset < stride * height) return false;
  icon.width = width;
  icon.height = height;
  icon.bgr.resize(size_t(width) * height * 3);
  for (int32_t y = 0; y < height; ++y)  // rows are stored bottom-up
    std::memcpy(&icon.bgr[size_t(y) * width * 3], b + pixelOffset + (height - 1 - y) * stride,
                size_t(width) * 3);
  return true;
}

}  // namespace
}  // namespace vtrsys

using namespace vtrsys;

extern "C" {

void WINAPI vtrRegisterModule(HMODULE module, const VtrResourceTable* table) {
  std::lock_guard<std::mutex> guard(modulesMutex());
  modules()[module] = table;
}

void WINAPI vtrUnregisterModule(HMODULE module) {
  std::lock_guard<std::mutex> guard(modulesMutex());
  modules().erase(module);
}

int32_t WINAPI LoadStringA(HINSTANCE module, UINT id, char* buffer, int32_t maxChars) {
  if (!buffer || maxChars <= 0) return 0;
  const VtrResourceTable* table = findModule(module);
  const char* text = nullptr;
  for (size_t i = 0; table && i < table->stringCount; ++i)
    if (table->strings[i].id == id) text = table->strings[i].text;
  if (!text) {
    buffer[0] = '\0';
    return 0;
  }
  size_t n = std::strlen(text);
  if (n > size_t(maxChars - 1)) n = size_t(maxChars - 1);
  std::memcpy(buffer, text, n);
  buffer[n] = '\0';
  return static_cast<int32_t>(n);
}

HICON WINAPI LoadIconA(HINSTANCE module, const char* name) {
  uintptr_t id = reinterpret_cast<uintptr_t>(name);
  if (id == 0 || id > 0xFFFF) return nullptr;  // named icons are not used
  const VtrResourceTable* table = findModule(module);
  if (!table) return nullptr;
  const VtrDataResource* data = findData(table->icons, table->iconCount, UINT(id));
  if (!data) return nullptr;
  auto icon = std::make_unique<Icon>();
  icon->id = UINT(id);
  if (!decodeIcon(*data, *icon)) return nullptr;
  return reinterpret_cast<HICON>(icons().add(std::move(icon)));
}

BOOL WINAPI DestroyIcon(HICON icon) { return icons().remove(reinterpret_cast<uintptr_t>(icon)); }

BOOL WINAPI vtrIconPixels(HICON handle, int32_t* width, int32_t* height, const uint8_t** bgr) {
  Icon* icon = icons().find(reinterpret_cast<uintptr_t>(handle));
  if (!icon) return 0;
  if (width) *width = icon->width;
  if (height) *height = icon->height;
  if (bgr) *bgr = icon->bgr.data();
  return 1;
}

UINT WINAPI vtrIconId(HICON handle) {
  Icon* icon = icons().find(reinterpret_cast<uintptr_t>(handle));
  return icon ? icon->id : 0;
}

const unsigned char* WINAPI vtrFindBitmap(HMODULE module, UINT id, size_t* size) {
  const VtrResourceTable* table = findModule(module);
  const VtrDataResource* data = table ? findData(table->bitmaps, table->bitmapCount, id) : nullptr;
  if (size) *size = data ? data->size : 0;
  return data ? data->bytes : nullptr;
}

const char* WINAPI vtrFindForm(HMODULE module, const char* name, size_t* size) {
  const VtrResourceTable* table = findModule(module);
  for (size_t i = 0; table && name && i < table->formCount; ++i) {
    if (std::strcmp(table->formNames[i], name) == 0) {
      if (size) *size = table->forms[i].size;
      return reinterpret_cast<const char*>(table->forms[i].bytes);
    }
  }
  if (size) *size = 0;
  return nullptr;
}

char* WINAPI CharLowerA(char* text) {
  for (char* p = text; p && *p; ++p)
    if (*p >= 'A' && *p <= 'Z') *p = char(*p - 'A' + 'a');
  return text;
}

}  // extern "C"
