// The twenty exports: check the index, look up the row, forward.  No C++
// exception crosses this boundary; a fault answers the nothing-result.
#include "EffectOps.h"

namespace plugin {
namespace {

const EffectEntry* rowFor(uint32_t index) {
  if (index >= kLibrary.served) return nullptr;
  const EffectEntry& row = kLibrary.entries[index];
  return row.ops ? &row : nullptr;
}

// Forwards to the row's operation when both exist; 0 otherwise.
template <class Result, class Op, class... Args>
Result forward(uint32_t index, Op EffectOps::*op, Args... args) noexcept {
  try {
    const EffectEntry* row = rowFor(index);
    if (!row || !(row->ops->*op)) return Result{};
    return (row->ops->*op)(row->variant, args...);
  } catch (...) {
    return Result{};
  }
}

}  // namespace
}  // namespace plugin

using plugin::EffectOps;
using plugin::forward;

extern "C" {

PI_EXPORT uint32_t PI_CALL piCount(void) { return plugin::kLibrary.announced; }

PI_EXPORT Boolean PI_CALL piInit(uint32_t index) {
  return forward<Boolean>(index, &EffectOps::init);
}

PI_EXPORT Boolean PI_CALL piDone(uint32_t index) {
  return forward<Boolean>(index, &EffectOps::done);
}

PI_EXPORT const char* PI_CALL piName(uint32_t index) {
  return forward<const char*>(index, &EffectOps::name);
}

PI_EXPORT uint32_t PI_CALL piFlags(uint32_t index) {
  return forward<uint32_t>(index, &EffectOps::flags);
}

PI_EXPORT HICON PI_CALL piIcon(uint32_t index, int32_t frame) {
  return forward<HICON>(index, &EffectOps::icon, frame);
}

PI_EXPORT HGLOBAL PI_CALL piLocalInit(uint32_t index, uint32_t hostFlags) {
  return forward<HGLOBAL>(index, &EffectOps::localInit, hostFlags);
}

PI_EXPORT HGLOBAL PI_CALL piLocalDone(uint32_t index, HGLOBAL instance) {
  const plugin::EffectEntry* row = plugin::rowFor(index);
  if (row && row->ops->localDone) return forward<HGLOBAL>(index, &EffectOps::localDone, instance);
  // A stub or an index beyond the table: the library decides whether the
  // block is released anyway.
  return plugin::kLibrary.doneReleasesUnserved ? GlobalFree(instance) : nullptr;
}

PI_EXPORT int32_t PI_CALL piLocalSetFormat(uint32_t index, HGLOBAL instance, const void* format) {
  forward<int32_t>(index, &EffectOps::setFormat, instance, format);
  return 0;  // whether or not the format was taken
}

PI_EXPORT LongBool PI_CALL piLocalLength(uint32_t index, HGLOBAL instance, int32_t length) {
  return forward<LongBool>(index, &EffectOps::length, instance, length);
}

PI_EXPORT LongBool PI_CALL piLocalDlg(uint32_t index, HGLOBAL instance, HWND hostWindow) {
  return forward<LongBool>(index, &EffectOps::dlg, instance, hostWindow);
}

PI_EXPORT uint32_t PI_CALL piLocalFlags(uint32_t index, HGLOBAL instance) {
  return forward<uint32_t>(index, &EffectOps::localFlags, instance);
}

PI_EXPORT LongBool PI_CALL piLocalSetData(uint32_t index, HGLOBAL instance, const void* a,
                                          int32_t countA, const void* b, int32_t countB) {
  return forward<LongBool>(index, &EffectOps::setData, instance, a, countA, b, countB);
}

PI_EXPORT LongBool PI_CALL piLocalProcessDataStart(uint32_t index, HGLOBAL instance) {
  return forward<LongBool>(index, &EffectOps::processDataStart, instance);
}

PI_EXPORT LongBool PI_CALL piLocalProcessData(uint32_t index, HGLOBAL instance) {
  return forward<LongBool>(index, &EffectOps::processData, instance);
}

PI_EXPORT LongBool PI_CALL piLocalProcessDataEnd(uint32_t index, HGLOBAL instance) {
  return forward<LongBool>(index, &EffectOps::processDataEnd, instance);
}

PI_EXPORT HGLOBAL PI_CALL piLocalGetData(uint32_t index, HGLOBAL instance) {
  return forward<HGLOBAL>(index, &EffectOps::getData, instance);
}

PI_EXPORT LongBool PI_CALL piLocalSaveData(uint32_t index, HGLOBAL instance, int32_t line,
                                           char* buffer) {
  return forward<LongBool>(index, &EffectOps::saveData, instance, line, buffer);
}

PI_EXPORT LongBool PI_CALL piLocalLoadData(uint32_t index, HGLOBAL instance, int32_t line,
                                           char* text) {
  return forward<LongBool>(index, &EffectOps::loadData, instance, line, text);
}

PI_EXPORT const char* PI_CALL piLocalName(uint32_t index, HGLOBAL instance) {
  return forward<const char*>(index, &EffectOps::localName, instance);
}

}  // extern "C"
