// Windows: host windows (a rectangle the host registers) and form windows
// (a rectangle and the procedure through which drivers act on the form),
// their owners, enabled states and the queue of posted release requests.
#include <algorithm>
#include <deque>
#include <map>
#include <mutex>
#include <vector>

#include "HandleTable.h"
#include "vtrsys.h"

namespace vtrsys {
namespace {

struct Window {
  RECT rect{};
  uintptr_t owner = 0;
  bool enabled = true;
  VtrFormProc proc = nullptr;  // null for a host window
  void* context = nullptr;
  std::vector<uintptr_t> disabledByModal;
  std::map<int32_t, LONG> longs;
};

struct WindowRegistry {
  HandleTable<Window> table{3u};
  std::mutex mutex;  // guards `live` and `released`
  std::vector<uintptr_t> live;
  std::deque<uintptr_t> released;
};

WindowRegistry& registry() {
  static Immortal<WindowRegistry> r;
  return r.get();
}

uintptr_t key(HWND window) { return reinterpret_cast<uintptr_t>(window); }
HWND handleOf(uintptr_t value) { return reinterpret_cast<HWND>(value); }
Window* findWindow(HWND window) { return registry().table.find(key(window)); }

std::vector<uintptr_t> liveWindows() {
  std::lock_guard<std::mutex> guard(registry().mutex);
  return registry().live;
}

HWND addWindow(std::unique_ptr<Window> window) {
  uintptr_t handle = registry().table.add(std::move(window));
  std::lock_guard<std::mutex> guard(registry().mutex);
  registry().live.push_back(handle);
  return handleOf(handle);
}

}  // namespace
}  // namespace vtrsys

using namespace vtrsys;

extern "C" {

HWND WINAPI vtrCreateHostWindow(LONG left, LONG top, LONG right, LONG bottom) {
  auto window = std::make_unique<Window>();
  window->rect = RECT{left, top, right, bottom};
  return addWindow(std::move(window));
}

HWND WINAPI vtrCreateFormWindow(VtrFormProc proc, void* context) {
  if (!proc) return nullptr;
  auto window = std::make_unique<Window>();
  window->proc = proc;
  window->context = context;
  return addWindow(std::move(window));
}

BOOL WINAPI vtrDestroyWindow(HWND window) {
  uintptr_t handle = key(window);
  if (!registry().table.remove(handle)) return 0;
  std::vector<uintptr_t> others;
  {
    std::lock_guard<std::mutex> guard(registry().mutex);
    auto& live = registry().live;
    live.erase(std::remove(live.begin(), live.end(), handle), live.end());
    others = live;
  }
  for (uintptr_t other : others)
    if (Window* w = findWindow(handleOf(other)); w && w->owner == handle) w->owner = 0;
  return 1;
}

BOOL WINAPI IsWindow(HWND window) { return findWindow(window) != nullptr; }

BOOL WINAPI GetWindowRect(HWND window, RECT* rect) {
  Window* w = findWindow(window);
  if (!w || !rect) return 0;
  *rect = w->rect;
  return 1;
}

BOOL WINAPI MoveWindow(HWND window, int32_t x, int32_t y, int32_t width, int32_t height, BOOL) {
  Window* w = findWindow(window);
  if (!w) return 0;
  // Computed in 64 bits and clamped, so that far-off positions cannot wrap.
  auto clamp = [](int64_t v) { return LONG(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
  w->rect = RECT{x, y, clamp(int64_t(x) + width), clamp(int64_t(y) + height)};
  return 1;
}

int32_t WINAPI GetSystemMetrics(int32_t index) {
  switch (index) {
    case SM_CXSCREEN: return VTR_SCREEN_WIDTH;
    case SM_CYSCREEN: return VTR_SCREEN_HEIGHT;
    case SM_CYCAPTION: return VTR_CAPTION_HEIGHT;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return VTR_DIALOG_FRAME;
    default: return 0;
  }
}

LONG WINAPI GetWindowLongA(HWND window, int32_t index) {
  Window* w = findWindow(window);
  if (!w) return 0;
  if (index == GWL_HWNDPARENT) return LONG(w->owner);  // handles fit in 31 bits
  auto it = w->longs.find(index);
  return it == w->longs.end() ? 0 : it->second;
}

LONG WINAPI SetWindowLongA(HWND window, int32_t index, LONG value) {
  Window* w = findWindow(window);
  if (!w) return 0;
  if (index == GWL_HWNDPARENT) {
    uintptr_t owner = uintptr_t(uint32_t(value));
    // An owner must be another live window; a window never owns itself.
    if (owner != 0 && (owner == key(window) || !findWindow(handleOf(owner)))) return 0;
    LONG previous = LONG(w->owner);
    w->owner = owner;
    return previous;
  }
  LONG& slot = w->longs[index];
  LONG previous = slot;
  slot = value;
  return previous;
}

BOOL WINAPI EnableWindow(HWND window, BOOL enable) {
  Window* w = findWindow(window);
  if (!w) return 0;
  BOOL wasDisabled = !w->enabled;
  w->enabled = enable != 0;
  return wasDisabled;
}

BOOL WINAPI IsWindowEnabled(HWND window) {
  Window* w = findWindow(window);
  return w && w->enabled;
}

BOOL WINAPI vtrFormAction(HWND form, const VtrAction* action, char* error, int32_t errorSize) {
  Window* w = findWindow(form);
  if (error && errorSize > 0) error[0] = '\0';
  if (!w || !w->proc || !action) return 0;
  // The procedure may destroy the window (a release): nothing of the
  // record is used after the call.
  VtrFormProc proc = w->proc;
  void* context = w->context;
  return proc(context, action, error, errorSize);
}

BOOL WINAPI vtrBeginModal(HWND form) {
  Window* w = findWindow(form);
  if (!w || !w->proc) return 0;
  for (uintptr_t other : liveWindows()) {
    if (other == key(form)) continue;
    if (Window* o = findWindow(handleOf(other)); o && o->enabled) {
      o->enabled = false;
      w->disabledByModal.push_back(other);
    }
  }
  return 1;
}

BOOL WINAPI vtrEndModal(HWND form) {
  Window* w = findWindow(form);
  if (!w) return 0;
  for (uintptr_t other : w->disabledByModal)
    if (Window* o = findWindow(handleOf(other))) o->enabled = true;
  w->disabledByModal.clear();
  return 1;
}

BOOL WINAPI vtrPostRelease(HWND form) {
  Window* w = findWindow(form);
  if (!w || !w->proc) return 0;
  std::lock_guard<std::mutex> guard(registry().mutex);
  registry().released.push_back(key(form));
  return 1;
}

int32_t WINAPI vtrProcessMessages(void) {
  std::deque<uintptr_t> pending;
  {
    std::lock_guard<std::mutex> guard(registry().mutex);
    pending.swap(registry().released);
  }
  int32_t delivered = 0;
  for (uintptr_t form : pending) {
    VtrAction release{};
    release.kind = VTR_ACTION_RELEASE;
    if (vtrFormAction(handleOf(form), &release, nullptr, 0)) ++delivered;
  }
  return delivered;
}

}  // extern "C"
