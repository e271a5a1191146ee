// The operation set every effect unit provides, and the per-library table
// that maps an effect index to the unit serving it.  The export layer only
// checks the index, looks the row up and forwards.
#pragma once

#include <cstdint>

#include "PlugHdr.h"

namespace plugin {

// `variant` is what a row passes along with every call: the fade type of a
// fade unit, the direction flag of Slide, 0 elsewhere.  A null operation
// answers 0 (false, null) and does nothing.
struct EffectOps {
  Boolean (*init)(int32_t variant);
  Boolean (*done)(int32_t variant);
  const char* (*name)(int32_t variant);
  uint32_t (*flags)(int32_t variant);
  HICON (*icon)(int32_t variant, int32_t frame);
  HGLOBAL (*localInit)(int32_t variant, uint32_t hostFlags);
  HGLOBAL (*localDone)(int32_t variant, HGLOBAL instance);
  int32_t (*setFormat)(int32_t variant, HGLOBAL instance, const void* format16);
  LongBool (*length)(int32_t variant, HGLOBAL instance, int32_t length);
  LongBool (*dlg)(int32_t variant, HGLOBAL instance, HWND hostWindow);
  uint32_t (*localFlags)(int32_t variant, HGLOBAL instance);
  LongBool (*setData)(int32_t variant, HGLOBAL instance, const void* a, int32_t countA,
                      const void* b, int32_t countB);
  LongBool (*processDataStart)(int32_t variant, HGLOBAL instance);
  LongBool (*processData)(int32_t variant, HGLOBAL instance);
  LongBool (*processDataEnd)(int32_t variant, HGLOBAL instance);
  HGLOBAL (*getData)(int32_t variant, HGLOBAL instance);
  LongBool (*saveData)(int32_t variant, HGLOBAL instance, int32_t line, char* buffer);
  LongBool (*loadData)(int32_t variant, HGLOBAL instance, int32_t line, char* text);
  const char* (*localName)(int32_t variant, HGLOBAL instance);
};

struct EffectEntry {
  const EffectOps* ops;  // null: a stub that answers 0 to everything
  int32_t variant;
};

struct LibraryTable {
  const EffectEntry* entries;
  uint32_t served;     // indices 0 .. served - 1 have a row
  uint32_t announced;  // what piCount answers
  // sweepkit releases an instance block in piLocalDone whatever the index;
  // dimkit leaves the block of an index it does not serve alone.
  bool doneReleasesUnserved;
};

// Defined once per library, in its registry.
extern const LibraryTable kLibrary;

// Every operation answers null/0 for a stub.
inline constexpr EffectOps kStubOps{};

}  // namespace plugin
