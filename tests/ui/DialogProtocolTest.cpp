#include <gtest/gtest.h>

#include <stdexcept>

#include "DialogProtocol.h"
#include "UiTestSupport.h"

namespace {

using namespace ui;
using namespace uitest;

// A test-only dialog shaped like the band dialogs: a direction selector
// and a validated number field.
const char kTestOnlyForm[] = R"(
object TestOnlyDlg: TTestOnlyDlg
  Caption = 'Test-only configuration'
  ClientWidth = 280
  ClientHeight = 209
  BorderStyle = bsDialog
  ShowHint = True
  object GroupBox1: TGroupBox
    Left = 8
    Top = 8
    Width = 185
    Height = 137
    Caption = '&Direction'
    TabOrder = 0
    object Direction4Button1: TDirection4Button
      Left = 42
      Top = 24
      Width = 100
      Height = 98
      Hint = 'Select direction (use numeric keyboard or mouse)'
      EightDirections = True
    end
  end
  object GroupBox2: TGroupBox
    Left = 8
    Top = 152
    Width = 185
    Height = 49
    Caption = '&Options'
    TabOrder = 1
    object Label1: TLabel
      Left = 8
      Top = 21
      Width = 84
      Height = 13
      Caption = '&Number of bands:'
      FocusControl = Edit1
    end
    object Edit1: TEdit
      Left = 128
      Top = 18
      Width = 49
      Height = 21
      TabOrder = 0
      OnExit = Edit1Exit
    end
  end
  object Button1: TButton
    Left = 200
    Top = 16
    Width = 75
    Height = 25
    Caption = 'OK'
    Default = True
    ModalResult = 1
    TabOrder = 2
  end
  object Button2: TButton
    Left = 200
    Top = 48
    Width = 75
    Height = 25
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
    TabOrder = 3
  end
end
)";

class TTestOnlyDlg : public TForm {
 public:
  TDirection4Button* Direction4Button1 = nullptr;
  TEdit* Edit1 = nullptr;
  static inline TTestOnlyDlg* shown = nullptr;  // the form of the last run

  TTestOnlyDlg() {
    Publish("Edit1Exit", &TTestOnlyDlg::Edit1Exit);
    ReadFormText(kTestOnlyForm, "TTestOnlyDlg.form");
    Bind(Direction4Button1, "Direction4Button1");
    Bind(Edit1, "Edit1");
    shown = this;
  }
  void Edit1Exit(TObject*) { checkIntegerField(*Edit1, kBandsField); }
};

struct Settings {
  int32_t degree = 0;
  int32_t bands = 10;
  bool operator==(const Settings&) const = default;
};

bool runTestDialog(Settings& s, HWND host) {
  return runDialog<TTestOnlyDlg>(
      host,
      [&](TTestOnlyDlg& f) {
        f.Edit1->SetText(std::to_string(s.bands));
        setDirectionDegree(*f.Direction4Button1, s.degree);
      },
      [&](TTestOnlyDlg& f) {
        s.bands = strictIntOrZero(f.Edit1->Text());
        s.degree = directionDegree(*f.Direction4Button1);
      });
}

const Message kBandsMessage{"Input error", "The number of bands must be in the interval 2-9999",
                            0x30};

void expectMessages(const StepDriver& driver, size_t count) {
  ASSERT_EQ(driver.messages.size(), count);
  for (auto& m : driver.messages) {
    EXPECT_EQ(m.caption, kBandsMessage.caption);
    EXPECT_EQ(m.text, kBandsMessage.text);
    EXPECT_EQ(m.type, kBandsMessage.type);
  }
}

TEST(DialogPlacement, CentresOverTheHostWindow) {
  const struct {
    RECT host;
    int32_t width, height;
    TPoint expected;
  } cases[] = {
      {{100, 100, 740, 580}, 251, 171, {294, 235}},
      {{100, 100, 740, 580}, 643, 171, {99, 235}},     // 3 wider: -3 div 2 = -1
      {{0, 0, 100, 50}, 105, 57, {-2, -19 - 3}},       // both differences negative
      {{-300, -20, -100, 180}, 101, 100, {-251, 11}},  // an odd difference: the half truncated
  };
  for (auto& c : cases) {
    TPoint at = centredOver(c.host, c.width, c.height, 19);
    EXPECT_EQ(at, c.expected) << c.width << " x " << c.height;
  }
}

TEST(DialogProtocol, TheFormOpensCentredAndOwnedByTheHost) {
  HostWindow host(100, 100, 740, 580);
  Settings s;
  RECT during{};
  LONG ownerDuring = 0;
  bool hostEnabledDuring = true;
  StepDriver driver({check([&] {
    HWND form = TTestOnlyDlg::shown->Handle();
    GetWindowRect(form, &during);
    ownerDuring = GetWindowLongA(form, GWL_HWNDPARENT);
    hostEnabledDuring = IsWindowEnabled(host.handle);
  })});
  EXPECT_FALSE(runTestDialog(s, host.handle));
  // The form is 286 x 234 (client 280 x 209, caption 19, frames 3).
  EXPECT_EQ(during.left, 100 + (640 - 286) / 2);
  EXPECT_EQ(during.top, 100 + (480 - 234) / 2 - 19);
  EXPECT_EQ(during.right - during.left, 286);
  EXPECT_EQ(ownerDuring, LONG(reinterpret_cast<uintptr_t>(host.handle)));
  EXPECT_FALSE(hostEnabledDuring);
  // Afterwards: the owner it had, the host enabled, and the form released
  // but only freed by the message loop.
  HWND form = TTestOnlyDlg::shown->Handle();
  EXPECT_EQ(GetWindowLongA(form, GWL_HWNDPARENT), 0);
  EXPECT_TRUE(IsWindowEnabled(host.handle));
  EXPECT_TRUE(IsWindow(form));
  vtrProcessMessages();
  EXPECT_FALSE(IsWindow(form));
}

TEST(DialogProtocol, OkReadsTheControlsBack) {
  HostWindow host(0, 0, 800, 600);
  Settings s{180, 10};
  StepDriver driver({
      check([&] {
        EXPECT_EQ(TTestOnlyDlg::shown->Direction4Button1->Checked(), TDir4CheckSet{tdLeft});
      }),
      key("Direction4Button1", VK_NUMPAD0 + 3),
      type("Edit1", "12"),
      ok(),
  });
  EXPECT_TRUE(runTestDialog(s, host.handle));
  EXPECT_EQ(s, (Settings{315, 12}));
  EXPECT_TRUE(driver.messages.empty());
  vtrProcessMessages();
}

TEST(DialogProtocol, CancelLeavesTheSettingsAsTheyWere) {
  HostWindow host(0, 0, 800, 600);
  Settings s{90, 25};
  HSCRIPT script =
      vtrScriptCreate("type Edit1 12; key Direction4Button1 numpad1; cancel", nullptr, 0);
  ASSERT_NE(script, nullptr);
  vtrScriptInstall(script);
  EXPECT_FALSE(runTestDialog(s, host.handle));
  EXPECT_EQ(vtrScriptActionsRun(script), 3);
  EXPECT_EQ(vtrScriptFailure(script), nullptr);
  vtrScriptDestroy(script);
  EXPECT_EQ(s, (Settings{90, 25}));
  // With nobody to press a button the dialog ends as cancelled at once.
  EXPECT_FALSE(runTestDialog(s, host.handle));
  EXPECT_EQ(s, (Settings{90, 25}));
  vtrProcessMessages();
}

TEST(DialogProtocol, AnOutOfRangeNumberKeepsTheDialogOpen) {
  HostWindow host(0, 0, 800, 600);
  Settings s;
  StepDriver driver({
      type("Edit1", "1"),
      ok(),  // the click on OK moves the focus: the field refuses
      check([&] {
        TTestOnlyDlg& f = *TTestOnlyDlg::shown;
        EXPECT_EQ(f.ActiveControl(), f.Edit1);
        EXPECT_EQ(f.ModalResult(), mrNone);
        EXPECT_TRUE(f.Showing());
      }),
      type("Edit1", "abc"),
      key("Edit1", VK_RETURN),  // Enter is checked too, before OK is taken
      focus("Direction4Button1"),
      check([&] { EXPECT_EQ(TTestOnlyDlg::shown->ActiveControl(), TTestOnlyDlg::shown->Edit1); }),
      type("Edit1", "9999"),
      key("Edit1", VK_RETURN),
  });
  EXPECT_TRUE(runTestDialog(s, host.handle));
  expectMessages(driver, 3);
  EXPECT_EQ(s, (Settings{0, 9999}));
  vtrProcessMessages();
}

TEST(DialogProtocol, EscapeCancelsWithoutCheckingTheField) {
  HostWindow host(0, 0, 800, 600);
  Settings s;
  StepDriver driver({type("Edit1", "0"), key("Edit1", VK_ESCAPE)});
  EXPECT_FALSE(runTestDialog(s, host.handle));
  EXPECT_TRUE(driver.messages.empty());
  EXPECT_EQ(s, Settings{});
  vtrProcessMessages();
}

TEST(DialogProtocol, ADegreeOutsideTheEightShowsAsRightAndStoresZero) {
  HostWindow host(0, 0, 800, 600);
  Settings s{30, 10};
  StepDriver driver({
      check([&] {
        EXPECT_EQ(TTestOnlyDlg::shown->Direction4Button1->Checked(), TDir4CheckSet{tdRight});
      }),
      ok(),
  });
  EXPECT_TRUE(runTestDialog(s, host.handle));
  EXPECT_EQ(s.degree, 0);
  vtrProcessMessages();
}

TEST(DialogProtocol, AFaultStillReleasesTheFormAndRestoresTheOwner) {
  HostWindow host(0, 0, 800, 600);
  StepDriver driver({ok()});
  HWND form = nullptr;
  EXPECT_THROW(runDialog<TTestOnlyDlg>(
                   host.handle, [&](TTestOnlyDlg& f) { form = f.Handle(); },
                   [](TTestOnlyDlg&) { throw std::runtime_error("read-back fault"); }),
               std::runtime_error);
  EXPECT_EQ(GetWindowLongA(form, GWL_HWNDPARENT), 0);
  EXPECT_TRUE(IsWindowEnabled(host.handle));
  vtrProcessMessages();
  EXPECT_FALSE(IsWindow(form));
}

TEST(DirectionMapping, DegreesAndSetsMapBothWays) {
  const struct {
    int32_t degree;
    uint16_t value;
  } eight[] = {{0, 8}, {45, 64}, {90, 4}, {135, 32}, {180, 2}, {225, 256}, {270, 16}, {315, 128}};
  for (auto& row : eight) {
    EXPECT_EQ(degreeToDirection(row.degree).Value(), row.value) << row.degree;
    EXPECT_EQ(directionToDegree(TDir4CheckSet::FromValue(row.value)), row.degree) << row.value;
  }
  for (int32_t other : {30, -45, 360, 1})
    EXPECT_EQ(degreeToDirection(other), TDir4CheckSet{tdRight}) << other;
  for (uint16_t other : {0, 1, 10, 12, 20, 480})
    EXPECT_EQ(directionToDegree(TDir4CheckSet::FromValue(other)), 0);

  EXPECT_EQ(degreeToAxis(90).Value(), 20);
  for (int32_t other : {0, 180, 270, 45}) EXPECT_EQ(degreeToAxis(other).Value(), 10);
  EXPECT_EQ(axisToDegree(TDir4CheckSet::FromValue(20)), 90);
  for (uint16_t other : {4, 10, 16, 28})
    EXPECT_EQ(axisToDegree(TDir4CheckSet::FromValue(other)), 0);
}

TEST(NumberFields, StrictConversionTakesWholeIntegersOnly) {
  const struct {
    const char* text;
    std::optional<int32_t> value;
  } cases[] = {
      {"12", 12},
      {"+5", 5},
      {"-3", -3},
      {"-2147483648", INT32_MIN},
      {"2147483647", INT32_MAX},
      {"2147483648", {}},
      {"", {}},
      {" 12", {}},
      {"12 ", {}},
      {"1e3", {}},
      {"$10", {}},
      {"-", {}},
      {"0x10", {}},
  };
  for (auto& c : cases) {
    EXPECT_EQ(strictInt(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(strictIntOrZero(c.text), c.value.value_or(0)) << '"' << c.text << '"';
  }
  EXPECT_EQ(strictInt(std::string("12\0"
                                  "3",
                                  4)),
            std::nullopt);
}

}  // namespace
