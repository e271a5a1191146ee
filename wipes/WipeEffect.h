// The common operations of every sweepkit effect, generated from a small
// unit description.  A unit provides:
//
//   using Settings = ...;                 // the record's settings fields
//   static constexpr plugin::Identity kIdentity;   (or identity(variant))
//   static constexpr plugin::SettingDef kSettings[] (may be absent)
//   static HGLOBAL render(const wipes::Frame&, const Settings&);
//     (or a wipes::Rendered, where a stored frame can still answer false)
//
// and, where it differs from the common form, any of:
//   static void defaults(Settings&);
//   static void decorate(plugin::PresentationState&, const Settings&);
//   static bool dialog(int32_t variant, Settings&, HWND host);
//   static bool saveLine(const Settings&, int32_t line, char* buffer);  // answer
//   static bool loadLine(Settings&, int32_t line, char* text);
#pragma once

#include <cstring>
#include <span>
#include <type_traits>

#include "CommonOps.h"
#include "EffectOps.h"
#include "Instance.h"
#include "Presentation.h"
#include "Settings.h"
#include "WipeFrame.h"

namespace plugin {

struct Identity {
  uint32_t nameId;
  uint32_t firstIconId;
  bool animatedIcon;
  uint32_t effectFlags;
  uint32_t instanceFlags;
};

// The capability constants of the wipes.
inline constexpr uint32_t kConfigurableWipeFlags = 0x10032A01;
inline constexpr uint32_t kFixedWipeFlags = 0x10022A01;

// Identity of sweepkit index i: name 100 i + 1, icons 100 i + 1 .. 100 i + 9.
constexpr Identity sweepIdentity(uint32_t index, uint32_t effectFlags, bool animated) {
  return {100 * index + 1, 100 * index + 1, animated, effectFlags, effectFlags & ~1u};
}

struct NoSettings {
  int32_t reserved;  // always 0
};

}  // namespace plugin

namespace wipes {

// What a renderer answers when it stores a frame yet reports that it could
// not draw it (a setting it has no motion for): the frame becomes the
// output and instance ProcessData answers false.
struct Rendered {
  HGLOBAL output;
  bool drawn;
};

template <class Settings>
struct SweepRecord {
  uint32_t flags;
  int32_t length;
  Settings settings;
  plugin::RunBlock run;
};

template <class Unit>
struct WipeEffect {
  using Settings = typename Unit::Settings;
  using Record = SweepRecord<Settings>;
  using Lock = plugin::InstanceLock<Record>;
  using Common = plugin::CommonInstanceOps<Record>;

  static inline plugin::PresentationState state;

  static plugin::Identity identity(int32_t variant) {
    if constexpr (requires { Unit::identity(variant); })
      return Unit::identity(variant);
    else
      return Unit::kIdentity;
  }

  static plugin::SettingsTable settingsTable() {
    if constexpr (requires { Unit::kSettings; })
      return plugin::SettingsTable(Unit::kSettings);
    else
      return {};
  }

  static Boolean init(int32_t variant) {
    plugin::loadIcons(state, identity(variant).firstIconId);
    return 1;
  }
  static Boolean done(int32_t) {
    plugin::destroyIcons(state);
    return 1;
  }
  static const char* name(int32_t variant) { return plugin::loadName(state, identity(variant).nameId); }
  static uint32_t flags(int32_t variant) { return identity(variant).effectFlags; }
  static HICON icon(int32_t variant, int32_t frame) {
    return plugin::effectIcon(state, frame, identity(variant).animatedIcon);
  }

  static HGLOBAL localInit(int32_t variant, uint32_t hostFlags) {
    HGLOBAL handle = plugin::allocInstance<Record>(hostFlags | identity(variant).instanceFlags);
    if constexpr (requires(Settings& s) { Unit::defaults(s); }) {
      Lock record(handle);
      if (record) Unit::defaults(record->settings);
    }
    return handle;
  }
  static LongBool dlg(int32_t variant, HGLOBAL instance, HWND host) {
    if constexpr (requires(Settings& s) { Unit::dialog(variant, s, host); }) {
      Lock record(instance);
      if (!record) return PI_FALSE;
      return Unit::dialog(variant, record->settings, host) ? PI_TRUE : PI_FALSE;
    } else {
      return PI_FALSE;
    }
  }

  // One frame: progress from the counter, the counter advanced, the new
  // picture stored as the output (null when the renderer refused its inputs).
  static LongBool processData(int32_t variant, HGLOBAL instance) {
    Lock record(instance);
    if (!record) return PI_FALSE;
    wipes::Frame frame;
    frame.a = record->run.inputA;
    frame.b = record->run.inputB;
    frame.counter = record->run.counter;
    frame.length = record->length;
    frame.p = plugin::sweepProgress(record->run.counter, record->length);
    frame.variant = variant;
    record->run.counter = int32_t(uint32_t(record->run.counter) + 1u);  // wraps, never overflows
    record->run.output = nullptr;
    if constexpr (std::is_same_v<decltype(Unit::render(frame, record->settings)), Rendered>) {
      Rendered rendered = Unit::render(frame, record->settings);
      record->run.output = rendered.output;
      return rendered.output && rendered.drawn ? PI_TRUE : PI_FALSE;
    } else {
      record->run.output = Unit::render(frame, record->settings);
      return record->run.output ? PI_TRUE : PI_FALSE;
    }
  }

  static LongBool saveData(int32_t, HGLOBAL instance, int32_t line, char* buffer) {
    Lock record(instance);
    if (!record || !buffer) return PI_FALSE;
    bool written;
    if constexpr (requires(const Settings& s) { Unit::saveLine(s, line, buffer); })
      written = Unit::saveLine(record->settings, line, buffer);
    else
      written = plugin::saveSettingLine(settingsTable(), &record->settings, line, buffer);
    return written ? PI_TRUE : PI_FALSE;
  }

  static LongBool loadData(int32_t, HGLOBAL instance, int32_t line, char* text) {
    Lock record(instance);
    if (!record || !text) return PI_FALSE;
    bool taken;
    if constexpr (requires(Settings& s) { Unit::loadLine(s, line, text); })
      taken = Unit::loadLine(record->settings, line, text);
    else
      taken = plugin::loadSettingLine(settingsTable(), &record->settings, line, text);
    return taken ? PI_TRUE : PI_FALSE;
  }

  // The name, decorated with the settings where the unit decorates it.
  static const char* localName(int32_t variant, HGLOBAL instance) {
    plugin::loadName(state, identity(variant).nameId);
    if constexpr (requires(const Settings& s) { Unit::decorate(state, s); }) {
      if (instance) {
        Lock record(instance);
        if (record) Unit::decorate(state, record->settings);
      }
    }
    return state.name;
  }

  static constexpr plugin::EffectOps ops() {
    return plugin::EffectOps{
        .init = &init,
        .done = &done,
        .name = &name,
        .flags = &flags,
        .icon = &icon,
        .localInit = &localInit,
        .localDone = &Common::done,
        .setFormat = nullptr,
        .length = &Common::length,
        .dlg = &dlg,
        .localFlags = &Common::flags,
        .setData = &Common::setPicturePair,
        .processDataStart = &Common::restart,
        .processData = &processData,
        .processDataEnd = &Common::restart,
        .getData = &Common::getData,
        .saveData = &saveData,
        .loadData = &loadData,
        .localName = &localName,
    };
  }
};

// The operation set of a wipe unit: what the registry row points at.
template <class Unit>
inline constexpr plugin::EffectOps kWipeOps = WipeEffect<Unit>::ops();

}  // namespace wipes
