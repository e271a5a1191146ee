// The wipe library's effect table: index -> the unit that serves it.
#include "BandsP.h"
#include "BandsP2.h"
#include "BandsW.h"
#include "BandsW2.h"
#include "ClockW.h"
#include "Cross.h"
#include "EffectOps.h"
#include "FreeWipe.h"
#include "Pending.h"
#include "Push.h"
#include "Slide.h"
#include "SquareW.h"
#include "SquaresW.h"
#include "WindshW.h"

namespace {

using plugin::EffectEntry;
using wipes::kPendingOps;

constexpr bool kConfigurable = true;
constexpr bool kFixed = false;

constexpr EffectEntry kStub{nullptr, 0};

constexpr EffectEntry kEffects[] = {
    /*  0 Push+                   */ {&Push::kPushPlusOps, 0},
    /*  1 Free Wipe               */ {&FreeWipe::kFreeWipeOps, 0},
    /*  2 Bands Wipe              */ {&BandsW::kBandsWipeOps, 0},
    /*  3 Bands Push              */ {&BandsP::kBandsPushOps, 0},
    /*  4 Multiple rectangle Wipe */ {&SquaresW::kMultipleRectangleWipeOps, 0},
    /*  5 Circle Wipe             */ {&kPendingOps<5, kConfigurable>, 0},
    /*  6 Bands Wipe 2 Phase      */ {&BandsW2::kBandsWipe2PhaseOps, 0},
    /*  7 Bands Push 2 Phase      */ {&BandsP2::kBandsPush2PhaseOps, 0},
    /*  8 Open Book Wipe          */ {&kPendingOps<8, kConfigurable>, 0},
    /*  9 Clock Wipe              */ {&ClockW::kClockWipeOps, 0},
    /* 10 Curtain Push            */ {&kPendingOps<10, kConfigurable>, 0},
    /* 11 Square Wipe             */ {&SquareW::kSquareWipeOps, 0},
    /* 12 Slide In                */ {&Slide::kSlideOps, 0},
    /* 13 Cross Wipe In           */ {&Cross::kCrossWipeInOps, 0},
    /* 14 Cross Wipe Out          */ {&Cross::kCrossWipeOutOps, 0},
    /* 15 Diamond Wipe Out        */ {&Cross::kDiamondWipeOutOps, 0},
    /* 16 Diamond Wipe In         */ {&Cross::kDiamondWipeInOps, 0},
    /* 17 Curtain Wipe            */ {&kPendingOps<17, kConfigurable>, 0},
    /* 18 Curtain Slide+          */ {&kPendingOps<18, kConfigurable>, 0},
    /* 19 Circles Wipe            */ {&kPendingOps<19, kConfigurable>, 0},
    /* 20 Bands Slide             */ {&kPendingOps<20, kConfigurable>, 0},
    /* 21 Hourglass Wipe          */ {&kPendingOps<21, kConfigurable>, 0},
    /* 22 Falling Bands Slide     */ {&kPendingOps<22, kConfigurable>, 0},
    /* 23 Falling Bands Push      */ {&kPendingOps<23, kConfigurable>, 0},
    /* 24 Falling Bands Wipe      */ {&kPendingOps<24, kConfigurable>, 0},
    /* 25 Bands Slide 2 Phase     */ {&kPendingOps<25, kConfigurable>, 0},
    /* 26 Cross Slide Out         */ {&kPendingOps<26, kFixed>, 0},
    /* 27 Ripple out              */ {&kPendingOps<27, kFixed>, 0},
    /* 28 Cross Slide In          */ {&kPendingOps<28, kFixed>, 0},
    /* 29 Windshield Wipe         */ {&WindshW::kWindshieldWipeOps, 0},
    /* 30 Swap                    */ {&kPendingOps<30, kConfigurable>, 0},
    /* 31 Center Merge In         */ {&kPendingOps<31, kFixed>, 0},
    /* 32 Center Merge Out        */ {&kPendingOps<32, kFixed>, 0},
    /* 33 Ripple in               */ {&kPendingOps<33, kFixed>, 0},
    /* 34 Chessboard+             */ {&kPendingOps<34, kConfigurable>, 0},
    /* 35 Snake Wipe+             */ {&kPendingOps<35, kConfigurable>, 0},
    /* 36 Sliding Boxes           */ {&kPendingOps<36, kConfigurable>, 0},
    /* 37 Vanishing Bands         */ {&kPendingOps<37, kConfigurable>, 0},
    /* 38 Kitchen Zink            */ {&kPendingOps<38, kConfigurable>, 0},
    /* 39 Tilt-slide              */ {&kPendingOps<39, kConfigurable>, 0},
    /* 40 Slide out               */ {&Slide::kSlideOps, 1},
    /* 41-46 hidden               */ kStub, kStub, kStub, kStub, kStub, kStub,
};
static_assert(std::size(kEffects) == 47);

}  // namespace

namespace plugin {

const LibraryTable kLibrary{kEffects, 47, 41, /*doneReleasesUnserved=*/true};

}  // namespace plugin
