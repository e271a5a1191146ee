// The export layer of both built libraries, loaded as a host loads them.
#include <gtest/gtest.h>

#include "PluginLibrary.h"

namespace {

using host::PluginExports;
using host::PluginLibrary;

PluginLibrary& sweepkit() {
  static PluginLibrary library("sweepkit");
  return library;
}
PluginLibrary& dimkit() {
  static PluginLibrary library("dimkit");
  return library;
}

// Every export of an index answers 0 (false, null) and does nothing.
void expectAnswersNothing(const PluginExports& api, uint32_t index) {
  SCOPED_TRACE(index);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
  char line[64] = "DEGREE=5";
  char format[16] = {};
  EXPECT_EQ(api.piInit(index), 0);
  EXPECT_EQ(api.piDone(index), 0);
  EXPECT_EQ(api.piName(index), nullptr);
  EXPECT_EQ(api.piFlags(index), 0u);
  EXPECT_EQ(api.piIcon(index, 0), nullptr);
  EXPECT_EQ(api.piLocalInit(index, 1), nullptr);
  EXPECT_EQ(api.piLocalSetFormat(index, block, format), 0);
  EXPECT_EQ(api.piLocalLength(index, block, 10), 0);
  EXPECT_EQ(api.piLocalDlg(index, block, nullptr), 0);
  EXPECT_EQ(api.piLocalFlags(index, block), 0u);
  EXPECT_EQ(api.piLocalSetData(index, block, line, 1, line, 1), 0);
  EXPECT_EQ(api.piLocalProcessDataStart(index, block), 0);
  EXPECT_EQ(api.piLocalProcessData(index, block), 0);
  EXPECT_EQ(api.piLocalProcessDataEnd(index, block), 0);
  EXPECT_EQ(api.piLocalGetData(index, block), nullptr);
  EXPECT_EQ(api.piLocalSaveData(index, block, 0, line), 0);
  EXPECT_EQ(api.piLocalLoadData(index, block, 0, line), 0);
  EXPECT_STREQ(line, "DEGREE=5") << "the line is untouched";
  EXPECT_EQ(api.piLocalName(index, block), nullptr);
  GlobalFree(block);
}

TEST(SweepkitExports, AnnouncesFortyOneEffects) { EXPECT_EQ(sweepkit().api().piCount(), 41u); }

TEST(SweepkitExports, HiddenStubsAndUnknownIndicesAnswerNothing) {
  for (uint32_t index : {41u, 42u, 46u, 47u, 1000u, 0xFFFFFFFFu})
    expectAnswersNothing(sweepkit().api(), index);
}

TEST(SweepkitExports, LocalDoneReleasesTheBlockForAnyIndex) {
  for (uint32_t index : {44u, 47u, 0x80000000u}) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
    EXPECT_EQ(sweepkit().api().piLocalDone(index, block), nullptr);
    EXPECT_EQ(GlobalLock(block), nullptr) << "released for index " << index;
  }
}

TEST(DimkitExports, AnnouncesSixEffects) { EXPECT_EQ(dimkit().api().piCount(), 6u); }

TEST(DimkitExports, UnknownIndicesAnswerNothing) {
  for (uint32_t index : {10u, 46u, 0xFFFFFFFFu}) expectAnswersNothing(dimkit().api(), index);
}

TEST(DimkitExports, LocalDoneLeavesAnUnknownIndexBlockAlone) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 16);
  EXPECT_EQ(dimkit().api().piLocalDone(10, block), nullptr);
  EXPECT_NE(GlobalLock(block), nullptr) << "still allocated";
  GlobalUnlock(block);
  GlobalFree(block);
}

TEST(BothLibraries, LoadSideBySideWithoutSharingState) {
  // Both carry their own plug-in layer: each answers its own count and names.
  const PluginExports& wipes = sweepkit().api();
  const PluginExports& fades = dimkit().api();
  EXPECT_EQ(wipes.piCount(), 41u);
  EXPECT_EQ(fades.piCount(), 6u);
  ASSERT_NE(wipes.piName(13), nullptr);
  EXPECT_STREQ(wipes.piName(13), "Cross Wipe In");
}

TEST(BothLibraries, MadeUpInstanceHandlesNeverCrash) {
  HGLOBAL madeUp = reinterpret_cast<HGLOBAL>(uintptr_t(0x0BADF00D));
  char line[32] = "X=1";
  for (const PluginExports* api : {&sweepkit().api(), &dimkit().api()}) {
    for (uint32_t index = 0; index < 10; ++index) {
      api->piLocalLength(index, madeUp, 5);
      api->piLocalSetData(index, madeUp, nullptr, 0, nullptr, 0);
      EXPECT_EQ(api->piLocalProcessData(index, madeUp), 0);
      EXPECT_EQ(api->piLocalGetData(index, madeUp), nullptr);
      api->piLocalSaveData(index, madeUp, 0, line);
      api->piLocalLoadData(index, madeUp, 0, line);
      api->piLocalName(index, madeUp);
    }
  }
}

TEST(HostLoading, MissingLibrariesAndExportsGetAClearMessage) {
  EXPECT_THROW(PluginLibrary("/nonexistent/libnothing.so"), host::HostError);
  try {
    const char* folder = std::getenv("VTR_PLUGIN_DIR");
    ASSERT_NE(folder, nullptr);
    PluginLibrary library(std::string(folder) + "/libvtrsys.so");  // loads, but is no plug-in
    FAIL() << "libvtrsys.so was accepted as a plug-in";
  } catch (const host::HostError& error) {
    std::string message = error.what();
    EXPECT_NE(message.find("piCount"), std::string::npos) << message;
  }
}

}  // namespace
