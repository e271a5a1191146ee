// The instance record all effects share: flags and length first, the run
// block last, the effect's settings between.  Every operation that takes an
// instance handle locks the record for the call.
#pragma once

#include <cstdint>
#include <optional>

#include "DibLib.h"
#include "PlugHdr.h"

namespace plugin {

struct RunBlock {
  const void* inputA;
  const void* inputB;
  int32_t countA;
  int32_t countB;
  int32_t counter;
  HGLOBAL output;
};

// Locks an instance block as a record of type Record; empty when the handle
// is not live or the block is too small to be such a record.
template <class Record>
class InstanceLock {
 public:
  explicit InstanceLock(HGLOBAL instance)
      : lock_(GlobalSize(instance) >= sizeof(Record) ? instance : nullptr) {}
  explicit operator bool() const { return static_cast<bool>(lock_); }
  Record* operator->() const { return lock_.as<Record>(); }
  Record& operator*() const { return *lock_.as<Record>(); }

 private:
  DibLib::GlobalLockGuard lock_;
};

// Allocates a shareable record, zero-filled, with the instance flags set.
template <class Record>
HGLOBAL allocInstance(uint32_t instanceFlags) {
  HGLOBAL handle = GlobalAlloc(GMEM_DDESHARE | GMEM_ZEROINIT, sizeof(Record));
  if (!handle) return nullptr;
  DibLib::GlobalLockGuard lock(handle);
  lock.as<Record>()->flags = instanceFlags;
  return handle;
}

// Progress of the wipes: counter / (length - 1), 1 for a length of 1,
// clamped above at 1 and not below (a length of 0 gives -counter).
inline double sweepProgress(int32_t counter, int32_t length) {
  int64_t steps = int64_t(length) - 1;
  if (steps == 0) return 1.0;
  double p = double(counter) / double(steps);
  return p > 1.0 ? 1.0 : p;
}

// Progress of the linear fades and the direct cross fade: counter / length,
// clamped above at 1.  No progress exists for a length of 0.
inline std::optional<double> fadeProgress(int32_t counter, int32_t length) {
  if (length == 0) return std::nullopt;
  double p = double(counter) / double(length);
  return p > 1.0 ? 1.0 : p;
}

// Progress of the logarithmic fades: counter / length for lengths above 1,
// 0.5 otherwise, clamped to 0..1.
inline double logFadeProgress(int32_t counter, int32_t length) {
  double p = length > 1 ? double(counter) / double(length) : 0.5;
  return p < 0.0 ? 0.0 : (p > 1.0 ? 1.0 : p);
}

}  // namespace plugin
