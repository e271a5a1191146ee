#include <gtest/gtest.h>

#include <stdexcept>

#include "Forms.h"
#include "UiTestSupport.h"

namespace {

using namespace ui;
using namespace uitest;

const char kSampleForm[] = R"(// every kind of control, with handlers
object Sample: TSampleDlg
  Caption = 'Sample '#176 +
    'form'
  ClientWidth = 200
  ClientHeight = 100
  BorderStyle = bsDialog
  ActiveControl = Edit1
  object GroupBox1: TGroupBox
    Caption = '&Mode'
    object RadioButton1: TRadioButton
      Width = 75
      Height = 17
      Caption = '&In'
      Checked = True
      OnClick = RadioClick
    end
    object RadioButton2: TRadioButton
      Width = 75
      Height = 17
      Caption = 'O&ut'
      Checked = True
      OnClick = RadioClick
    end
  end
  object RadioButton3: TRadioButton
    Width = 75
    Height = 17
    Checked = True
  end
  object Label1: TLabel
    Caption = '&Number:'
    FocusControl = Edit1
  end
  object Edit1: TEdit
    Text = '15'
    TabOrder = 1
    OnExit = Edit1Exit
    OnChange = Edit1Change
  end
  object ComboBox1: TComboBox
    Style = csDropDownList
    Items.Strings = (
      '1 (1x1)'
      '4 (2x2)'
      '9 (3x3)')
    ItemIndex = 1
    TabOrder = 0
    OnChange = ComboChange
  end
  object CheckBox1: TCheckBox
    Width = 75
    Height = 17
    Caption = 'Make &flap'
  end
  object Bevel1: TBevel
    Shape = bsTopLine
  end
  object Button1: TButton
    Width = 75
    Height = 17
    Caption = 'OK'
    Default = True
    ModalResult = mrOk
  end
  object Button2: TButton
    Width = 75
    Height = 17
    Caption = 'Cancel'
    Cancel = True
    ModalResult = 2
  end
end
)";

class TSampleDlg : public TForm {
 public:
  TRadioButton* RadioButton1 = nullptr;
  TRadioButton* RadioButton2 = nullptr;
  TRadioButton* RadioButton3 = nullptr;
  TEdit* Edit1 = nullptr;
  TComboBox* ComboBox1 = nullptr;
  TCheckBox* CheckBox1 = nullptr;
  TLabel* Label1 = nullptr;
  std::vector<std::string> log;
  bool refuseExit = false;

  TSampleDlg() {
    Publish("RadioClick", &TSampleDlg::RadioClick);
    Publish("Edit1Exit", &TSampleDlg::Edit1Exit);
    Publish("Edit1Change", &TSampleDlg::Edit1Change);
    Publish("ComboChange", &TSampleDlg::ComboChange);
    ReadFormText(kSampleForm, "TSampleDlg.form");
    Bind(RadioButton1, "RadioButton1");
    Bind(RadioButton2, "RadioButton2");
    Bind(RadioButton3, "RadioButton3");
    Bind(Edit1, "Edit1");
    Bind(ComboBox1, "ComboBox1");
    Bind(CheckBox1, "CheckBox1");
    Bind(Label1, "Label1");
  }
  void RadioClick(TObject* sender) {
    log.push_back("click " + static_cast<TControl*>(sender)->Name());
  }
  void Edit1Exit(TObject*) {
    log.push_back("exit Edit1");
    if (refuseExit) Abort();
  }
  void Edit1Change(TObject*) { log.push_back("change " + Edit1->Text()); }
  void ComboChange(TObject*) { log.push_back("combo " + ComboBox1->Text()); }
};

std::string focusedName(const TForm& form) {
  return form.ActiveControl() ? form.ActiveControl()->Name() : "(none)";
}

TEST(FormReader, BuildsTheControlsAsTheFileDescribesThem) {
  TSampleDlg form;
  EXPECT_EQ(form.Name(), "Sample");
  EXPECT_EQ(form.Caption(),
            "Sample \xB0"
            "form");
  // The client size holds under the border style read after it.
  EXPECT_EQ(form.ClientWidth(), 200);
  EXPECT_EQ(form.Width(), 206);
  EXPECT_EQ(form.Height(), 125);
  // Radio buttons exclude each other within their parent only.
  EXPECT_FALSE(form.RadioButton1->Checked());
  EXPECT_TRUE(form.RadioButton2->Checked());
  EXPECT_TRUE(form.RadioButton3->Checked());
  EXPECT_EQ(form.Label1->FocusControl(), form.Edit1);
  EXPECT_EQ(form.ComboBox1->Items().size(), 3u);
  EXPECT_EQ(form.ComboBox1->Text(), "4 (2x2)");
  EXPECT_EQ(form.Edit1->Text(), "15");
  EXPECT_EQ(form.ActiveControl(), form.Edit1);
  EXPECT_EQ(form.ComboBox1->TabOrder(), 0);
  EXPECT_EQ(form.Edit1->TabOrder(), 1);
  // No events run while the form is read.
  EXPECT_TRUE(form.log.empty());
  EXPECT_EQ(form.FindComponent("Nothing"), nullptr);
  EXPECT_THROW(form.FindComponentAs<TEdit>("Button1"), EFormError);
}

TEST(FormReader, NamesTheLineOfEveryFault) {
  const struct {
    const char* text;
    const char* error;
  } cases[] = {
      {"object F: TForm\n object X: TGadget\n end\nend", "t.form:2: unknown class TGadget"},
      {"object F: TForm\n object B: TButton\n  Colour = 3\n end\nend",
       "t.form:3: TButton has no property Colour"},
      {"object F: TForm\n object B: TButton\n  Default = 'yes'\n end\nend",
       "t.form:3: Default: True or False"},
      {"object F: TForm\n object B: TButton\n  OnClick = Missing\n end\nend", "not published"},
      {"object F: TForm\n object B: TButton\n  OnChange = Exit\n end\nend",
       "TButton has no event OnChange"},
      {"object F: TForm\n object B: TButton\n  OnMouseDown = Exit\n end\nend",
       "does not fit OnMouseDown"},
      {"object F: TForm\n object B: TButton\n end\n object B: TEdit\n end\nend",
       "the name B is used twice"},
      {"object F: TForm\n object L: TLabel\n  FocusControl = Edit9\n end\nend",
       "no control named Edit9"},
      {"object F: TForm\n object L: TLabel\n  object B: TButton\n  end\n end\nend",
       "L cannot hold controls"},
      {"object F: TForm\n  Caption = 'open\nend", "t.form:2: a text is not closed"},
      {"object F: TForm\n object B: TButton\n", "\"end\" is missing for B"},
      {"object F: TForm\nend\nobject G: TForm\nend", "t.form:3: text after the final end"},
      {"object F: TForm\n  Caption = #300\nend", "a character code 0-255"},
  };
  for (auto& c : cases) {
    TForm form;
    form.Publish("Exit", TNotifyEvent([](TObject*) {}));
    try {
      form.ReadFormText(c.text, "t.form");
      ADD_FAILURE() << "read without fault: " << c.text;
    } catch (const EFormError& e) {
      EXPECT_NE(std::string(e.what()).find(c.error), std::string::npos) << e.what();
    }
  }
}

TEST(FormReader, ReadsFormResourcesOfAModule) {
  static const char kText[] = "object Tiny: TForm\n  ClientWidth = 50\nend\n";
  static const VtrDataResource kForms[] = {
      {0, reinterpret_cast<const unsigned char*>(kText), sizeof kText - 1}};
  static const char* const kNames[] = {"TTinyDlg"};
  static const VtrResourceTable kTable{nullptr, 0, nullptr, 0, nullptr, 0, kForms, kNames, 1};
  static const char kModuleTag = 0;
  HMODULE module = reinterpret_cast<HMODULE>(const_cast<char*>(&kModuleTag));
  vtrRegisterModule(module, &kTable);
  TForm form;
  form.ReadForm(module, "TTinyDlg");
  EXPECT_EQ(form.Name(), "Tiny");
  EXPECT_EQ(form.Width(), 56);
  TForm other;
  EXPECT_THROW(other.ReadForm(module, "TOtherDlg"), EResNotFound);
  vtrUnregisterModule(module);
}

TEST(FormFocus, ExitHandlersMayRefuseTheMove) {
  TSampleDlg form;
  StepDriver driver({
      check([&] { EXPECT_EQ(focusedName(form), "Edit1"); }),
      check([&] { form.refuseExit = true; }),
      focus("ComboBox1"),
      check([&] {
        EXPECT_EQ(focusedName(form), "Edit1");
        EXPECT_EQ(form.FocusRefusals(), 1);
        form.refuseExit = false;
      }),
      focus("ComboBox1"),
      check([&] { EXPECT_EQ(focusedName(form), "ComboBox1"); }),
      focus("Label1"),  // a label hands the focus to its focus control
      check([&] { EXPECT_EQ(focusedName(form), "Edit1"); }),
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);  // the steps ran out: closed
  EXPECT_EQ(driver.stepsRun(), 8u);
  EXPECT_EQ(form.log, (std::vector<std::string>{"exit Edit1", "exit Edit1"}));
  EXPECT_FALSE(form.Showing());
}

TEST(FormKeyboard, TabArrowsAndAcceleratorsMoveTheFocus) {
  TSampleDlg form;
  StepDriver driver({
      key("Edit1", VK_TAB),  // past the group box to its checked radio button
      check([&] { EXPECT_EQ(focusedName(form), "RadioButton2"); }),
      key("RadioButton2", VK_UP),  // arrows move within the group and check
      check([&] {
        EXPECT_EQ(focusedName(form), "RadioButton1");
        EXPECT_TRUE(form.RadioButton1->Checked());
        EXPECT_FALSE(form.RadioButton2->Checked());
        EXPECT_TRUE(form.RadioButton3->Checked());
      }),
      key("RadioButton1", VK_TAB, VTR_SHIFT),
      check([&] { EXPECT_EQ(focusedName(form), "Edit1"); }),
      key("Sample", 'F', VTR_ALT),
      check([&] {
        EXPECT_EQ(focusedName(form), "CheckBox1");
        EXPECT_TRUE(form.CheckBox1->Checked());
      }),
      key("CheckBox1", 'U', VTR_ALT),
      check([&] { EXPECT_TRUE(form.RadioButton2->Checked()); }),
      key("RadioButton2", 'N', VTR_ALT),
      check([&] { EXPECT_EQ(focusedName(form), "Edit1"); }),
      key("Edit1", VK_ESCAPE),
  });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_EQ(driver.stepsRun(), 13u);
  EXPECT_EQ(form.log, (std::vector<std::string>{"exit Edit1", "click RadioButton1", "exit Edit1",
                                                "click RadioButton2"}));
}

TEST(FormKeyboard, EnterPressesTheFocusedOrTheDefaultButton) {
  TSampleDlg form;
  int cancelClicks = 0;
  form.FindComponentAs<TButton>("Button2")->OnClick = [&](TObject*) { ++cancelClicks; };
  {
    StepDriver driver({key("Button2", VK_RETURN)});
    EXPECT_EQ(form.ShowModal(), mrCancel);
    EXPECT_EQ(cancelClicks, 1);
  }
  {
    StepDriver driver({key("Edit1", VK_RETURN)});
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(driver.stepsRun(), 1u);
  }
}

TEST(FormMouse, ClicksCheckToggleAndSetTheModalResult) {
  TSampleDlg form;
  StepDriver driver({
      click("RadioButton1"),
      click("RadioButton1"),  // clicking a checked radio button changes nothing
      click("CheckBox1"),
      type("ComboBox1", "9 (3x3)"),
      key("ComboBox1", VK_UP),
      type("Edit1", "42"),
      check([&] {
        EXPECT_TRUE(form.RadioButton1->Checked());
        EXPECT_FALSE(form.RadioButton2->Checked());
        EXPECT_TRUE(form.CheckBox1->Checked());
        EXPECT_EQ(form.ComboBox1->ItemIndex(), 1);
      }),
      click("Button1"),
  });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.log,
            (std::vector<std::string>{"exit Edit1", "click RadioButton1", "combo 9 (3x3)",
                                      "combo 4 (2x2)", "change 4", "change 42", "exit Edit1"}));
}

TEST(FormDriver, ActionsNamingWhatTheFormLacksFail) {
  TSampleDlg form;
  form.FindComponentAs<TButton>("Button1")->SetVisible(false);
  const struct {
    VtrAction action;
    const char* control;
    const char* text;
    const char* error;
  } cases[] = {
      {kindOf(VTR_ACTION_CLICK), "Button9", "", "the form Sample has no control named Button9"},
      {kindOf(VTR_ACTION_CLICK), "Button1", "", "Button1 is not visible"},
      {kindOf(VTR_ACTION_TYPE), "CheckBox1", "x", "CheckBox1 does not take typed text"},
      {kindOf(VTR_ACTION_TYPE), "ComboBox1", "5", "ComboBox1 has no item \"5\""},
      {kindOf(VTR_ACTION_FOCUS), "Bevel1", "", "Bevel1 cannot take the focus"},
      {kindOf(VTR_ACTION_FOCUS), "GroupBox1", "", "GroupBox1 cannot take the focus"},
      {kindOf(VTR_ACTION_OK), nullptr, "", "the form has no default button"},
  };
  for (auto& c : cases) {
    VtrAction a = c.action;
    a.control = c.control;
    a.text = c.text;
    char error[256];
    EXPECT_FALSE(vtrFormAction(form.Handle(), &a, error, sizeof error)) << c.error;
    EXPECT_STREQ(error, c.error);
  }
}

TEST(FormModal, WithoutDriverTheFormEndsAsCancelled) {
  ASSERT_EQ(vtrSetUiDriver(nullptr), nullptr);
  TSampleDlg form;
  EXPECT_EQ(form.ShowModal(), mrCancel);
}

TEST(FormModal, AFaultInAHandlerEndsTheRun) {
  TSampleDlg form;
  form.FindComponentAs<TButton>("Button1")->OnClick = [](TObject*) {
    throw std::runtime_error("broken");
  };
  bool nested = false;
  StepDriver driver({
      check([&] {
        EXPECT_THROW(form.ShowModal(), EInvalidOperation);
        nested = true;
      }),
      click("Button1"),
      check([] { ADD_FAILURE() << "the run went on after the fault"; }),
  });
  EXPECT_THROW(form.ShowModal(), std::runtime_error);
  EXPECT_TRUE(nested);
  EXPECT_FALSE(form.Showing());
}

TEST(FormRelease, TheMessageLoopFreesAReleasedForm) {
  int before = Application().FormCount();
  TSampleDlg& form = Application().CreateForm<TSampleDlg>();
  HWND window = form.Handle();
  form.Release();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_EQ(Application().FormCount(), before + 1);
  vtrProcessMessages();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(Application().FormCount(), before);
}

}  // namespace
