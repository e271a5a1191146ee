// One instance of a sweepkit effect, driven through the library's exports
// as a host drives it: settings lines, the decorated name, frames of a run.
#pragma once

#include <cstring>
#include <optional>
#include <string>

#include "Pictures.h"
#include "PlugHdr.h"

namespace testsupport {

// Whether two outputs hold the same bytes (header and pixels).
inline bool sameDib(HGLOBAL one, HGLOBAL other) {
  if (!one || !other) return one == other;
  const SIZE_T size = GlobalSize(one);
  if (size != GlobalSize(other)) return false;
  const void* a = GlobalLock(one);
  const void* b = GlobalLock(other);
  const bool same = std::memcmp(a, b, size) == 0;
  GlobalUnlock(one);
  GlobalUnlock(other);
  return same;
}

struct WipeInstance {
  uint32_t index;
  HGLOBAL handle;

  explicit WipeInstance(uint32_t i) : index(i), handle(piLocalInit(i, 1)) {}
  ~WipeInstance() { piLocalDone(index, handle); }
  WipeInstance(const WipeInstance&) = delete;
  WipeInstance& operator=(const WipeInstance&) = delete;

  // The result of loading `text` as line `line`.
  bool load(int32_t line, const char* text) {
    char buffer[64];
    std::strncpy(buffer, text, sizeof buffer - 1);
    buffer[sizeof buffer - 1] = '\0';
    return piLocalLoadData(index, handle, line, buffer) != 0;
  }
  // The line written for `line`, "(untouched)" when the buffer was left as
  // it was, nullopt when the effect answered false.
  std::optional<std::string> save(int32_t line) {
    char buffer[64] = "(untouched)";
    if (!piLocalSaveData(index, handle, line, buffer)) return std::nullopt;
    return std::string(buffer);
  }
  std::string name() {
    const char* text = piLocalName(index, handle);
    return text ? text : "(null)";
  }
  // Frame `frame` of a run of `length` frames over pictures a and b; the
  // output belongs to the caller.
  HGLOBAL render(const void* a, const void* b, int32_t length, int32_t frame) {
    piLocalSetData(index, handle, a, 1, b, 1);
    piLocalLength(index, handle, length);
    piLocalProcessDataStart(index, handle);
    for (int32_t i = 0; i < frame; ++i) {
      piLocalProcessData(index, handle);
      if (HGLOBAL skipped = piLocalGetData(index, handle)) GlobalFree(skipped);
    }
    const bool drawn = piLocalProcessData(index, handle) != 0;
    HGLOBAL output = piLocalGetData(index, handle);
    if (drawn) return output;
    if (output) GlobalFree(output);
    return nullptr;
  }
};

}  // namespace testsupport
