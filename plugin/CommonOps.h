// The common instance operations of every effect whose record begins with
// the instance flags and the length and holds the run block `run`: one
// definition serves the wipes and the fades.
#pragma once

#include "Instance.h"

namespace plugin {

template <class Record>
struct CommonInstanceOps {
  using Lock = InstanceLock<Record>;

  // Releases the instance block; answers the release result (null on success).
  static HGLOBAL done(int32_t, HGLOBAL instance) { return GlobalFree(instance); }

  static LongBool length(int32_t, HGLOBAL instance, int32_t length) {
    Lock record(instance);
    if (!record) return PI_FALSE;
    record->length = length;
    return PI_TRUE;
  }

  static uint32_t flags(int32_t, HGLOBAL instance) {
    Lock record(instance);
    return record ? record->flags : 0u;
  }

  // Stores input A, input B, count A and count B, in that order; false only
  // for a handle that is not an instance.
  static bool storeInputs(HGLOBAL instance, const void* a, int32_t countA, const void* b,
                          int32_t countB) {
    Lock record(instance);
    if (!record) return false;
    record->run.inputA = a;
    record->run.inputB = b;
    record->run.countA = countA;
    record->run.countB = countB;
    return true;
  }

  // The wipes' SetData: true only when both pictures are given.
  static LongBool setPicturePair(int32_t, HGLOBAL instance, const void* a, int32_t countA,
                                 const void* b, int32_t countB) {
    return storeInputs(instance, a, countA, b, countB) && a && b ? PI_TRUE : PI_FALSE;
  }

  // The fades' SetData: true whatever was given.
  static LongBool setInputs(int32_t, HGLOBAL instance, const void* a, int32_t countA,
                            const void* b, int32_t countB) {
    return storeInputs(instance, a, countA, b, countB) ? PI_TRUE : PI_FALSE;
  }

  // ProcessDataStart and ProcessDataEnd: a new run starts at counter 0.
  static LongBool restart(int32_t, HGLOBAL instance) {
    Lock record(instance);
    if (!record) return PI_FALSE;
    record->run.counter = 0;
    return PI_TRUE;
  }

  static HGLOBAL getData(int32_t, HGLOBAL instance) {
    Lock record(instance);
    return record ? record->run.output : nullptr;
  }
};

}  // namespace plugin
