// The fade library's effect table: index -> the unit that serves it.
#include "EffectOps.h"

namespace {

using plugin::EffectEntry;

constexpr EffectEntry kEffects[] = {
    /* 0 linear fade in          */ {nullptr, 0},
    /* 1 linear fade out         */ {nullptr, 1},
    /* 2 linear cross fade       */ {nullptr, 2},
    /* 3 linear fade out/fade in */ {nullptr, 3},
    /* 4 direct cross fade       */ {nullptr, 0},
    /* 5 crop                    */ {nullptr, 0},
    /* 6 log. fade in            */ {nullptr, 0},
    /* 7 log. fade out           */ {nullptr, 1},
    /* 8 log. cross fade         */ {nullptr, 2},
    /* 9 log. fade in/fade out   */ {nullptr, 3},
};

}  // namespace

namespace plugin {

const LibraryTable kLibrary{kEffects, 10, 6, /*doneReleasesUnserved=*/false};

}  // namespace plugin
