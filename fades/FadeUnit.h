// The operations of a fade unit: one unit serves four fade types (fade in,
// fade out, cross fade, fade out/fade in) over pictures and PCM sound.  A
// unit description provides:
//
//   static constexpr uint32_t kFirstNameId;   // string of type 0; type t adds t
//   static constexpr uint32_t kFirstIconId;   // icons of type t: 10 t + this .. + 8
//   static constexpr bool kGuarded;           // faults become the nothing-result here
//   static constexpr bool kDoneReportsRelease;  // instance Done answers the release result
//   static std::optional<double> progress(int32_t counter, int32_t length);
//   static HGLOBAL renderPicture(const void* a, const void* b, int32_t type, double p);
//   static FadeCore::SoundResult renderSound(const FadeCore::SoundInputs&, int32_t type, double p);
#pragma once

#include <cstring>
#include <optional>

#include "CommonOps.h"
#include "EffectOps.h"
#include "FadeCore.h"
#include "Presentation.h"

namespace FadeCore {

constexpr int32_t kTypeCount = 4;

template <class Unit>
struct FadeUnit {
  using Lock = plugin::InstanceLock<FadeRecord>;
  using Common = plugin::CommonInstanceOps<FadeRecord>;

  // One name buffer and nine icons per type, shared by every instance.
  static inline plugin::PresentationState states[kTypeCount];
  static inline bool initialised = false;

  // Runs an operation; in a guarded unit a fault answers `nothing`.
  template <class Result, class Body>
  static Result guard(Result nothing, Body body) {
    if constexpr (Unit::kGuarded) {
      try {
        return body();
      } catch (...) {
        return nothing;
      }
    } else {
      (void)nothing;
      return body();
    }
  }

  // Whichever index is initialised, the unit loads the icons of all four
  // types; while it stays initialised the loaded icons are kept, so handles
  // a host already holds stay valid until effect Done.
  static Boolean init(int32_t) {
    if (!initialised) {
      for (int32_t type = 0; type < kTypeCount; ++type)
        plugin::loadIcons(states[type], Unit::kFirstIconId + 10 * type);
      initialised = true;
    }
    return 1;
  }
  static Boolean done(int32_t) {
    for (plugin::PresentationState& state : states) plugin::destroyIcons(state);
    initialised = false;
    return 1;
  }
  static const char* name(int32_t type) {
    return plugin::loadName(states[type], Unit::kFirstNameId + type);
  }
  static uint32_t flags(int32_t type) { return effectConstant(type); }
  static HICON icon(int32_t type, int32_t frame) {
    return plugin::effectIcon(states[type], frame, /*animated=*/false);
  }

  static HGLOBAL localInit(int32_t type, uint32_t hostFlags) {
    return guard<HGLOBAL>(nullptr, [&] {
      HGLOBAL handle = plugin::allocInstance<FadeRecord>(hostFlags | instanceConstant(type));
      Lock record(handle);
      if (record) record->type = uint8_t(type);
      return handle;
    });
  }
  static HGLOBAL localDone(int32_t, HGLOBAL instance) {
    HGLOBAL result = GlobalFree(instance);
    return Unit::kDoneReportsRelease ? result : nullptr;
  }

  // The format is taken only by a sound instance.
  static int32_t setFormat(int32_t, HGLOBAL instance, const void* format) {
    return guard<int32_t>(PI_FALSE, [&] {
      Lock record(instance);
      if (!record || !format || !(record->flags & PI_SOUND)) return PI_FALSE;
      std::memcpy(&record->format, format, sizeof(SampleFormat));
      return PI_TRUE;
    });
  }

  // One picture or one sound buffer.  A refused frame leaves no output, so
  // that GetData never hands the host a block it already owns.
  static LongBool processData(int32_t, HGLOBAL instance) {
    return guard<LongBool>(PI_FALSE, [&] {
      Lock record(instance);
      if (!record) return PI_FALSE;
      plugin::RunBlock& run = record->run;
      run.output = nullptr;
      std::optional<double> p = Unit::progress(run.counter, record->length);
      if (!p) return PI_FALSE;
      if (record->flags & PI_SOUND) {
        SoundResult sound = Unit::renderSound(
            {run.inputA, run.inputB, run.countA, run.countB, record->format}, record->type, *p);
        if (!sound.block) return PI_FALSE;
        run.output = sound.block;
        run.countA = sound.countA;  // kept lowered until the next SetData
        run.counter = advance(run.counter, sound.countA);
      } else {
        run.counter = advance(run.counter, 1);
        run.output = Unit::renderPicture(run.inputA, run.inputB, record->type, *p);
      }
      return run.output ? PI_TRUE : PI_FALSE;
    });
  }

  // The type's name buffer as the last effect Name call for that type left
  // it; empty before the first.
  static const char* localName(int32_t, HGLOBAL instance) {
    Lock record(instance);
    if (!record || record->type >= kTypeCount) return "";
    return states[record->type].name;
  }

  // The counter counts sample frames of hours of sound; it wraps rather than
  // overflow.
  static int32_t advance(int32_t counter, int32_t by) {
    return int32_t(uint32_t(counter) + uint32_t(by));
  }

  static constexpr plugin::EffectOps ops() {
    return plugin::EffectOps{
        .init = &init,
        .done = &done,
        .name = &name,
        .flags = &flags,
        .icon = &icon,
        .localInit = &localInit,
        .localDone = &localDone,
        .setFormat = &setFormat,
        .length = &Common::length,
        .dlg = nullptr,  // no dialog
        .localFlags = &Common::flags,
        .setData = &Common::setInputs,
        .processDataStart = &Common::restart,
        .processData = &processData,
        .processDataEnd = &Common::restart,
        .getData = &Common::getData,
        .saveData = nullptr,  // no settings: SaveData and LoadData answer false
        .loadData = nullptr,
        .localName = &localName,
    };
  }
};

}  // namespace FadeCore
