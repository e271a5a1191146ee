// The fade library's effect table: index -> the unit that serves it.
#include <iterator>

#include "EffectOps.h"
#include "Module.h"
#include "piDirFad.h"
#include "piLinFad.h"
#include "piLogFad.h"

namespace {

using plugin::EffectEntry;

// The crop effect presents itself (name, flags, icon) until its renderer
// and dialog exist; every instance operation answers 0 meanwhile.
namespace cropPresentation {

Boolean init(int32_t) { return 1; }  // loads nothing
Boolean done(int32_t) { return 1; }
const char* name(int32_t) { return "Crop (Static zoom)"; }
uint32_t flags(int32_t) { return 0x10013601; }

// Icon resource 1 for every frame number.  The resource is loaded at the
// first call and again only when that icon is no longer live, so repeated
// calls answer one handle, as a module's shared icon does.
HICON icon(int32_t, int32_t) {
  static HICON loaded = nullptr;
  if (!loaded || vtrIconId(loaded) == 0)
    loaded = LoadIconA(plugin::thisModule(), MAKEINTRESOURCEA(1));
  return loaded;
}

constexpr plugin::EffectOps presentationOnly() {
  plugin::EffectOps ops{};
  ops.init = &init;
  ops.done = &done;
  ops.name = &name;
  ops.flags = &flags;
  ops.icon = &icon;
  return ops;
}
constexpr plugin::EffectOps kOps = presentationOnly();

}  // namespace cropPresentation

constexpr EffectEntry kEffects[] = {
    /* 0 linear fade in          */ {&piLinFad::kOps, 0},
    /* 1 linear fade out         */ {&piLinFad::kOps, 1},
    /* 2 linear cross fade       */ {&piLinFad::kOps, 2},
    /* 3 linear fade out/fade in */ {&piLinFad::kOps, 3},
    /* 4 direct cross fade       */ {&piDirFad::kOps, 0},
    /* 5 crop                    */ {&cropPresentation::kOps, 0},
    /* 6 log. fade in            */ {&piLogFad::kOps, 0},
    /* 7 log. fade out           */ {&piLogFad::kOps, 1},
    /* 8 log. cross fade         */ {&piLogFad::kOps, 2},
    /* 9 log. fade in/fade out   */ {&piLogFad::kOps, 3},
};
static_assert(std::size(kEffects) == 10);

}  // namespace

namespace plugin {

const LibraryTable kLibrary{kEffects, 10, 6, /*doneReleasesUnserved=*/false};

}  // namespace plugin
