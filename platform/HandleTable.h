// A table of live objects addressed by opaque handles.  A handle carries the
// slot index and the slot's generation, so a handle to a freed slot (even one
// that has been reused since) or a made-up value is recognised and refused.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

namespace vtrsys {

template <class T>
class HandleTable {
 public:
  // Handles are never 0; the kind tag keeps a handle of one table from
  // being accepted by another.
  explicit HandleTable(uint32_t kindTag) : kindTag_(kindTag) {}

  uintptr_t add(std::unique_ptr<T> object) {
    std::lock_guard<std::mutex> guard(mutex_);
    uint32_t slot;
    if (!freeSlots_.empty()) {
      slot = freeSlots_.back();
      freeSlots_.pop_back();
    } else {
      slot = static_cast<uint32_t>(slots_.size());
      slots_.push_back(Slot{});
    }
    slots_[slot].object = std::move(object);
    return encode(slot, slots_[slot].generation);
  }

  // The live object a handle names, or null.  The pointer stays valid until
  // the handle is removed.
  T* find(uintptr_t handle) {
    std::lock_guard<std::mutex> guard(mutex_);
    Slot* s = lookup(handle);
    return s ? s->object.get() : nullptr;
  }

  // Destroys the object; answers false for a handle that is not live.
  bool remove(uintptr_t handle) {
    std::unique_ptr<T> doomed;
    {
      std::lock_guard<std::mutex> guard(mutex_);
      Slot* s = lookup(handle);
      if (!s) return false;
      doomed = std::move(s->object);
      s->generation = (s->generation + 1) & kGenerationMask;
      freeSlots_.push_back(static_cast<uint32_t>(s - slots_.data()));
    }
    return true;
  }

 private:
  static constexpr unsigned kSlotBits = 20;
  static constexpr uint32_t kSlotMask = (1u << kSlotBits) - 1;
  static constexpr uint32_t kGenerationMask = 0x7F;

  struct Slot {
    std::unique_ptr<T> object;
    uint32_t generation = 1;
  };

  uintptr_t encode(uint32_t slot, uint32_t generation) const {
    // bits 0-19 slot + 1, 20-26 generation, 27-30 kind tag
    return static_cast<uintptr_t>((slot + 1) | (generation << kSlotBits) | (kindTag_ << 27));
  }

  Slot* lookup(uintptr_t handle) {
    if (handle == 0 || handle > 0x7FFFFFFFu) return nullptr;
    uint32_t value = static_cast<uint32_t>(handle);
    if ((value >> 27) != kindTag_) return nullptr;
    uint32_t slotPlusOne = value & kSlotMask;
    uint32_t generation = (value >> kSlotBits) & kGenerationMask;
    if (slotPlusOne == 0 || slotPlusOne > slots_.size()) return nullptr;
    Slot& s = slots_[slotPlusOne - 1];
    if (!s.object || s.generation != generation) return nullptr;
    return &s;
  }

  const uint32_t kindTag_;
  std::mutex mutex_;
  std::vector<Slot> slots_;
  std::vector<uint32_t> freeSlots_;
};

}  // namespace vtrsys

namespace vtrsys {

// A process-wide object that is built on first use and never destroyed:
// modules unregister, and hosts free handles, from their own destructors,
// which may run after this library's statics would otherwise be gone.
template <class T>
class Immortal {
 public:
  template <class... Args>
  explicit Immortal(Args&&... args) {
    new (storage_) T(std::forward<Args>(args)...);
  }
  T& get() { return *std::launder(reinterpret_cast<T*>(storage_)); }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
};

}  // namespace vtrsys
