#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "vtrsys.h"

namespace {

// A form window whose procedure records what it was asked to do.
struct RecordingForm {
  struct Seen {
    int32_t kind;
    std::string control, text;
    UINT key, shift;
    int32_t x, y;
  };
  std::vector<Seen> seen;
  std::string refuse;  // actions on this control fail
  HWND window = nullptr;

  static BOOL WINAPI proc(void* context, const VtrAction* a, char* error, int32_t size) {
    auto* self = static_cast<RecordingForm*>(context);
    std::string control = a->control ? a->control : "";
    if (!self->refuse.empty() && control == self->refuse) {
      std::snprintf(error, size_t(size), "no control named %s", control.c_str());
      return 0;
    }
    self->seen.push_back({a->kind, control, a->text ? a->text : "", a->key, a->shift, a->x, a->y});
    if (a->kind == VTR_ACTION_RELEASE) {
      vtrDestroyWindow(self->window);
      self->window = nullptr;
    }
    return 1;
  }
  RecordingForm() : window(vtrCreateFormWindow(&proc, this)) {}
  ~RecordingForm() { vtrDestroyWindow(window); }
};

HWND madeUp(uintptr_t value) { return reinterpret_cast<HWND>(value); }

TEST(Windows, HostWindowKeepsItsRectangleAndFormsMove) {
  HWND host = vtrCreateHostWindow(100, 100, 740, 580);
  RECT rect{};
  ASSERT_TRUE(GetWindowRect(host, &rect));
  EXPECT_EQ(rect.left, 100);
  EXPECT_EQ(rect.bottom, 580);
  RecordingForm form;
  ASSERT_TRUE(MoveWindow(form.window, -5, 7, 251, 171, 1));
  ASSERT_TRUE(GetWindowRect(form.window, &rect));
  EXPECT_EQ(rect.left, -5);
  EXPECT_EQ(rect.top, 7);
  EXPECT_EQ(rect.right, 246);
  EXPECT_EQ(rect.bottom, 178);
  EXPECT_EQ(GetSystemMetrics(SM_CYCAPTION), 19);
  vtrDestroyWindow(host);
}

TEST(Windows, MadeUpAndStaleHandlesAreRefused) {
  HWND gone = vtrCreateHostWindow(0, 0, 10, 10);
  ASSERT_TRUE(vtrDestroyWindow(gone));
  HWND reused = vtrCreateHostWindow(0, 0, 10, 10);  // may take the freed slot
  RECT rect{1, 2, 3, 4};
  VtrAction click{};
  click.kind = VTR_ACTION_CLICK;
  for (HWND bad : {gone, madeUp(1), madeUp(0xDEADBEEF), HWND(nullptr), madeUp(~uintptr_t(0)),
                   reinterpret_cast<HWND>(&rect)}) {
    EXPECT_FALSE(IsWindow(bad));
    EXPECT_FALSE(GetWindowRect(bad, &rect));
    EXPECT_FALSE(MoveWindow(bad, 0, 0, 1, 1, 1));
    EXPECT_EQ(GetWindowLongA(bad, GWL_HWNDPARENT), 0);
    EXPECT_EQ(SetWindowLongA(bad, GWL_HWNDPARENT, 0), 0);
    EXPECT_FALSE(IsWindowEnabled(bad));
    EXPECT_FALSE(EnableWindow(bad, 0));
    EXPECT_FALSE(vtrFormAction(bad, &click, nullptr, 0));
    EXPECT_FALSE(vtrBeginModal(bad));
    EXPECT_FALSE(vtrPostRelease(bad));
    EXPECT_FALSE(vtrDriveModal(bad));
    EXPECT_FALSE(vtrDestroyWindow(bad));
  }
  EXPECT_EQ(rect.left, 1);  // untouched by the refusals
  EXPECT_TRUE(IsWindow(reused));
  // A host window has no form procedure.
  EXPECT_FALSE(vtrFormAction(reused, &click, nullptr, 0));
  vtrDestroyWindow(reused);
}

TEST(Windows, OwnerIsSetRestoredAndDroppedWithTheOwner) {
  HWND host = vtrCreateHostWindow(0, 0, 640, 480);
  RecordingForm form;
  LONG hostValue = LONG(reinterpret_cast<uintptr_t>(host));
  EXPECT_EQ(GetWindowLongA(form.window, GWL_HWNDPARENT), 0);
  EXPECT_EQ(SetWindowLongA(form.window, GWL_HWNDPARENT, hostValue), 0);  // the previous owner
  EXPECT_EQ(GetWindowLongA(form.window, GWL_HWNDPARENT), hostValue);
  // Neither a made-up window nor the form itself can own it.
  EXPECT_EQ(SetWindowLongA(form.window, GWL_HWNDPARENT, 0x1234567), 0);
  EXPECT_EQ(
      SetWindowLongA(form.window, GWL_HWNDPARENT, LONG(reinterpret_cast<uintptr_t>(form.window))),
      0);
  EXPECT_EQ(GetWindowLongA(form.window, GWL_HWNDPARENT), hostValue);
  // Other indices are plain stored values.
  EXPECT_EQ(SetWindowLongA(form.window, GWL_USERDATA, 77), 0);
  EXPECT_EQ(GetWindowLongA(form.window, GWL_USERDATA), 77);
  vtrDestroyWindow(host);
  EXPECT_EQ(GetWindowLongA(form.window, GWL_HWNDPARENT), 0);
}

TEST(Windows, ModalRunDisablesTheOtherWindowsUntilItEnds) {
  HWND host = vtrCreateHostWindow(0, 0, 640, 480);
  HWND alreadyOff = vtrCreateHostWindow(0, 0, 10, 10);
  EnableWindow(alreadyOff, 0);
  RecordingForm form;
  ASSERT_TRUE(vtrBeginModal(form.window));
  EXPECT_FALSE(IsWindowEnabled(host));
  EXPECT_TRUE(IsWindowEnabled(form.window));
  ASSERT_TRUE(vtrEndModal(form.window));
  EXPECT_TRUE(IsWindowEnabled(host));
  EXPECT_FALSE(IsWindowEnabled(alreadyOff));  // not the modal run's to enable
  vtrDestroyWindow(host);
  vtrDestroyWindow(alreadyOff);
}

TEST(Windows, ReleaseRequestsWaitForTheMessageLoop) {
  auto released = std::make_unique<RecordingForm>();
  RecordingForm destroyedFirst;
  ASSERT_TRUE(vtrPostRelease(released->window));
  ASSERT_TRUE(vtrPostRelease(destroyedFirst.window));
  EXPECT_TRUE(released->seen.empty());
  vtrDestroyWindow(destroyedFirst.window);  // its request is dropped
  EXPECT_EQ(vtrProcessMessages(), 1);
  ASSERT_EQ(released->seen.size(), 1u);
  EXPECT_EQ(released->seen[0].kind, VTR_ACTION_RELEASE);
  EXPECT_EQ(released->window, nullptr);
  EXPECT_EQ(vtrProcessMessages(), 0);
}

TEST(MessageBoxes, WithoutDriverTheDefaultButtonAnswers) {
  ASSERT_EQ(vtrSetUiDriver(nullptr), nullptr);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OK | MB_ICONWARNING), IDOK);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_YESNO), IDYES);
  EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_YESNO | MB_DEFBUTTON2), IDNO);
  EXPECT_EQ(MessageBoxA(nullptr, nullptr, nullptr, MB_OKCANCEL | MB_DEFBUTTON2), IDCANCEL);
  EXPECT_TRUE(MessageBeep(0));
  RecordingForm form;
  EXPECT_FALSE(vtrDriveModal(form.window));  // nobody acts
}

// ---- the scripted driver ----

struct Script {
  HSCRIPT handle;
  std::string error;
  explicit Script(const char* text) {
    char buffer[256];
    handle = vtrScriptCreate(text, buffer, sizeof buffer);
    error = buffer;
  }
  ~Script() { vtrScriptDestroy(handle); }
};

TEST(ScriptedDriver, ReadsEveryKindOfAction) {
  Script script(
      "click Button1; focus Edit1\n type Edit1 12 ; type Edit2 'a; ''b''' ; type Edit3;"
      "key Direction4Button1 numpad9; KEY Edit1 Shift+Tab; key Form alt+d;"
      "mouse Panel1 down 3 -4; mouse Panel1 MOVE 10 20; mouse Panel1 up 0 0; ok; cancel; close");
  ASSERT_NE(script.handle, nullptr) << script.error;
  EXPECT_EQ(vtrScriptActionCount(script.handle), 14);
  RecordingForm form;
  ASSERT_TRUE(vtrScriptInstall(script.handle));
  while (vtrDriveModal(form.window)) {
  }
  EXPECT_EQ(vtrScriptFailure(script.handle), nullptr);
  ASSERT_EQ(form.seen.size(), 14u);
  auto& s = form.seen;
  EXPECT_EQ(s[0].kind, VTR_ACTION_CLICK);
  EXPECT_EQ(s[0].control, "Button1");
  EXPECT_EQ(s[1].kind, VTR_ACTION_FOCUS);
  EXPECT_EQ(s[2].kind, VTR_ACTION_TYPE);
  EXPECT_EQ(s[2].text, "12");
  EXPECT_EQ(s[3].text, "a; 'b'");  // a quoted text keeps ";" and doubled quotes
  EXPECT_EQ(s[4].text, "");
  EXPECT_EQ(s[5].key, UINT(VK_NUMPAD0 + 9));
  EXPECT_EQ(s[6].key, UINT(VK_TAB));
  EXPECT_EQ(s[6].shift, UINT(VTR_SHIFT));
  EXPECT_EQ(s[7].key, UINT('D'));
  EXPECT_EQ(s[7].shift, UINT(VTR_ALT));
  EXPECT_EQ(s[8].kind, VTR_ACTION_MOUSE_DOWN);
  EXPECT_EQ(s[8].x, 3);
  EXPECT_EQ(s[8].y, -4);
  EXPECT_EQ(s[9].kind, VTR_ACTION_MOUSE_MOVE);
  EXPECT_EQ(s[10].kind, VTR_ACTION_MOUSE_UP);
  EXPECT_EQ(s[11].kind, VTR_ACTION_OK);
  EXPECT_EQ(s[12].kind, VTR_ACTION_CANCEL);
  EXPECT_EQ(s[13].kind, VTR_ACTION_CLOSE);
  EXPECT_EQ(vtrScriptActionsRun(script.handle), 14);
}

TEST(ScriptedDriver, RefusesScriptsItCannotRead) {
  const struct {
    const char* script;
    const char* error;
  } cases[] = {
      {"ok; jump Button1", "action 2 (jump Button1): unknown action \"jump\""},
      {"click", "action 1 (click): click needs a control name"},
      {"click A B", "action 1 (click A B): unexpected words: B"},
      {"key Edit1 numpad", "unknown key \"numpad\""},
      {"key Edit1", "key needs a key name"},
      {"mouse P down 1", "mouse needs the coordinates X Y"},
      {"mouse P drag 1 2", "mouse needs down, move or up"},
      {"type Edit1 'abc", "a quoted text is not closed"},
      {"type Edit1 'abc' d", "unexpected words after the quoted text"},
  };
  for (auto& c : cases) {
    Script script(c.script);
    EXPECT_EQ(script.handle, nullptr) << c.script;
    EXPECT_NE(script.error.find(c.error), std::string::npos) << c.script << " -> " << script.error;
  }
}

TEST(ScriptedDriver, StopsAtAFailedActionAndRecordsMessageBoxes) {
  Script script("click Button1; click Missing; click Button2");
  ASSERT_NE(script.handle, nullptr);
  ASSERT_TRUE(vtrScriptInstall(script.handle));
  RecordingForm form;
  form.refuse = "Missing";
  EXPECT_EQ(MessageBoxA(nullptr, "The width must be in the interval 1-9999", "Input error", 0x30),
            IDOK);
  EXPECT_TRUE(MessageBeep(0));
  EXPECT_TRUE(vtrDriveModal(form.window));
  EXPECT_FALSE(vtrDriveModal(form.window));
  EXPECT_FALSE(vtrDriveModal(form.window));  // a failed script stays stopped
  EXPECT_EQ(form.seen.size(), 1u);
  ASSERT_NE(vtrScriptFailure(script.handle), nullptr);
  EXPECT_STREQ(vtrScriptFailure(script.handle),
               "action 2 (click Missing): no control named Missing");
  EXPECT_EQ(vtrScriptActionsRun(script.handle), 2);
  EXPECT_STREQ(vtrScriptActionText(script.handle, 2), "click Button2");
  ASSERT_EQ(vtrScriptMessageCount(script.handle), 1);
  const char* caption = nullptr;
  const char* text = nullptr;
  UINT type = 0;
  ASSERT_TRUE(vtrScriptMessage(script.handle, 0, &caption, &text, &type));
  EXPECT_STREQ(caption, "Input error");
  EXPECT_STREQ(text, "The width must be in the interval 1-9999");
  EXPECT_EQ(type, 0x30u);
  EXPECT_EQ(vtrScriptBeepCount(script.handle), 1);
  EXPECT_FALSE(vtrScriptMessage(script.handle, 1, &caption, &text, &type));
}

TEST(ScriptedDriver, DestroyingAnInstalledScriptRemovesTheDriver) {
  auto script = std::make_unique<Script>("ok");
  ASSERT_TRUE(vtrScriptInstall(script->handle));
  HSCRIPT handle = script->handle;
  script.reset();
  EXPECT_EQ(vtrSetUiDriver(nullptr), nullptr);
  EXPECT_FALSE(vtrScriptInstall(handle));
  EXPECT_EQ(vtrScriptFailure(handle), nullptr);
  EXPECT_FALSE(vtrScriptDestroy(reinterpret_cast<HSCRIPT>(uintptr_t(0x7777))));
}

}  // namespace
