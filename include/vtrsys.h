// System services shared by the plug-in libraries and every host: global
// memory with validated handles, module resources, text helpers and (later)
// windows.  The names are the Windows ones so that effect code reads as it
// would on that system.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define VTR_API __declspec(dllexport)
#define WINAPI __stdcall
#else
#define VTR_API __attribute__((visibility("default")))
#define WINAPI
#endif

typedef struct HGLOBAL__* HGLOBAL;
typedef struct HICON__* HICON;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef int32_t BOOL;
typedef uint32_t UINT;
typedef uintptr_t SIZE_T;

enum {
  GMEM_FIXED = 0x0000,
  GMEM_MOVEABLE = 0x0002,
  GMEM_ZEROINIT = 0x0040,
  GMEM_DDESHARE = 0x2000,
};

// Global memory.  A handle is an entry of one process-wide table with a
// generation count: a stale, freed or made-up handle is detected, never
// dereferenced.
VTR_API HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T bytes);
VTR_API void* WINAPI GlobalLock(HGLOBAL block);
// Answers nonzero while the block stays locked, 0 when the count reached 0
// or the handle is not valid.
VTR_API BOOL WINAPI GlobalUnlock(HGLOBAL block);
// Answers null on success and the handle itself on failure.
VTR_API HGLOBAL WINAPI GlobalFree(HGLOBAL block);
VTR_API SIZE_T WINAPI GlobalSize(HGLOBAL block);
// Flags the block was allocated with (low byte: lock count), or
// GMEM_INVALID_HANDLE for a handle that is not valid.
#define GMEM_INVALID_HANDLE 0x8000u
VTR_API UINT WINAPI GlobalFlags(HGLOBAL block);

// Module resources.  Each plug-in library registers its table when it loads;
// its module handle is the key that LoadStringA and LoadIconA use.
typedef struct VtrStringResource {
  uint32_t id;
  const char* text;
} VtrStringResource;

// An icon, bitmap or form resource: the bytes of the data file it was built
// from (a BMP for icons and bitmaps, a form text for forms).
typedef struct VtrDataResource {
  uint32_t id;
  const unsigned char* bytes;
  size_t size;
} VtrDataResource;

typedef struct VtrResourceTable {
  const VtrStringResource* strings;
  size_t stringCount;
  const VtrDataResource* icons;
  size_t iconCount;
  const VtrDataResource* bitmaps;
  size_t bitmapCount;
  const VtrDataResource* forms;  // id = index in this list, name in formNames
  const char* const* formNames;
  size_t formCount;
} VtrResourceTable;

VTR_API void WINAPI vtrRegisterModule(HMODULE module, const VtrResourceTable* table);
VTR_API void WINAPI vtrUnregisterModule(HMODULE module);

// Copies at most maxChars - 1 characters and the NUL; answers the number of
// characters copied, 0 when the string does not exist.
VTR_API int32_t WINAPI LoadStringA(HINSTANCE module, UINT id, char* buffer, int32_t maxChars);
// The name argument is an integer resource id cast to a pointer
// (MAKEINTRESOURCE), as on Windows.
VTR_API HICON WINAPI LoadIconA(HINSTANCE module, const char* name);
VTR_API BOOL WINAPI DestroyIcon(HICON icon);
#define MAKEINTRESOURCEA(id) ((const char*)(uintptr_t)(uint16_t)(id))

// The pixels of a live icon: width, height and rows of blue, green, red
// bytes, top row first (3 * width bytes a row).  Answers 0 for a handle that
// is not a live icon.
VTR_API BOOL WINAPI vtrIconPixels(HICON icon, int32_t* width, int32_t* height,
                                  const uint8_t** bgrTopDown);
// The resource id a live icon was loaded from, 0 for anything else.
VTR_API UINT WINAPI vtrIconId(HICON icon);

// Bitmap and form resources of a module: the data bytes, or null.
VTR_API const unsigned char* WINAPI vtrFindBitmap(HMODULE module, UINT id, size_t* size);
VTR_API const char* WINAPI vtrFindForm(HMODULE module, const char* name, size_t* size);

// Lower-cases an ASCII text in place; answers the text.
VTR_API char* WINAPI CharLowerA(char* text);

// ---- Windows, message boxes and the user-interface driver ------------------
//
// A host registers its own window (a rectangle) and passes that handle to
// piLocalDlg; the forms of the plug-in libraries get window handles too, so
// that owner changes and centring work as on Windows.  Window handles are
// validated like global memory handles: a stale or made-up HWND is refused.
//
// While a form runs modally, a user-interface driver installed by the host
// plays the user: it performs one action after another on the form (through
// the form's action procedure) and answers message boxes.  With no driver
// installed a modal form ends at once, as if its close box were pressed.

typedef int32_t LONG;

typedef struct tagRECT {
  LONG left;
  LONG top;
  LONG right;   // exclusive
  LONG bottom;  // exclusive
} RECT;

enum {
  GWL_USERDATA = -21,
  GWL_EXSTYLE = -20,
  GWL_STYLE = -16,
  GWL_ID = -12,
  GWL_HWNDPARENT = -8,  // the owner of a top-level window
};

enum {
  SM_CXSCREEN = 0,
  SM_CYSCREEN = 1,
  SM_CYCAPTION = 4,
  SM_CXDLGFRAME = 7,
  SM_CYDLGFRAME = 8,
};

// The fixed metrics of this system: a 1024 x 768 screen, 19-pixel captions
// and 3-pixel dialog frames.
enum {
  VTR_SCREEN_WIDTH = 1024,
  VTR_SCREEN_HEIGHT = 768,
  VTR_CAPTION_HEIGHT = 19,
  VTR_DIALOG_FRAME = 3,
};

enum {
  MB_OK = 0x0,
  MB_OKCANCEL = 0x1,
  MB_ABORTRETRYIGNORE = 0x2,
  MB_YESNOCANCEL = 0x3,
  MB_YESNO = 0x4,
  MB_RETRYCANCEL = 0x5,
  MB_ICONHAND = 0x10,
  MB_ICONQUESTION = 0x20,
  MB_ICONEXCLAMATION = 0x30,
  MB_ICONWARNING = 0x30,
  MB_ICONASTERISK = 0x40,
  MB_DEFBUTTON2 = 0x100,
  MB_DEFBUTTON3 = 0x200,
};

enum {
  IDOK = 1,
  IDCANCEL = 2,
  IDABORT = 3,
  IDRETRY = 4,
  IDIGNORE = 5,
  IDYES = 6,
  IDNO = 7,
};

// Virtual key codes the drivers send.
enum {
  VK_BACK = 0x08,
  VK_TAB = 0x09,
  VK_RETURN = 0x0D,
  VK_ESCAPE = 0x1B,
  VK_SPACE = 0x20,
  VK_END = 0x23,
  VK_HOME = 0x24,
  VK_LEFT = 0x25,
  VK_UP = 0x26,
  VK_RIGHT = 0x27,
  VK_DOWN = 0x28,
  VK_DELETE = 0x2E,
  VK_NUMPAD0 = 0x60,  // VK_NUMPAD1 .. VK_NUMPAD9 follow
  VK_F1 = 0x70,
};

// A host window with the given screen rectangle, enabled and without owner.
VTR_API HWND WINAPI vtrCreateHostWindow(LONG left, LONG top, LONG right, LONG bottom);
// Destroys a window; windows it owned lose their owner.  False for a handle
// that is not a window.
VTR_API BOOL WINAPI vtrDestroyWindow(HWND window);
VTR_API BOOL WINAPI IsWindow(HWND window);
VTR_API BOOL WINAPI GetWindowRect(HWND window, RECT* rect);
VTR_API BOOL WINAPI MoveWindow(HWND window, int32_t x, int32_t y, int32_t width, int32_t height,
                               BOOL repaint);
VTR_API int32_t WINAPI GetSystemMetrics(int32_t index);
// GWL_HWNDPARENT reads and sets the owner (a window handle or 0; a value
// that is not a window is refused); the other indices are stored values.
// Both answer 0 for a handle that is not a window; SetWindowLongA answers
// the previous value.
VTR_API LONG WINAPI GetWindowLongA(HWND window, int32_t index);
VTR_API LONG WINAPI SetWindowLongA(HWND window, int32_t index, LONG value);
// Answers whether the window was disabled before.
VTR_API BOOL WINAPI EnableWindow(HWND window, BOOL enable);
VTR_API BOOL WINAPI IsWindowEnabled(HWND window);

// Routed to the installed driver, which answers the button the user chose;
// with no driver the box answers its default button.
VTR_API int32_t WINAPI MessageBoxA(HWND owner, const char* text, const char* caption, UINT type);
VTR_API BOOL WINAPI MessageBeep(UINT type);

// ---- forms ----

// One user action on a form.  `control` names a control of the form; x and
// y are client coordinates of that control.
enum {
  VTR_ACTION_CLICK = 1,   // control
  VTR_ACTION_TYPE,        // control, text: replaces the text, one key at a time
  VTR_ACTION_FOCUS,       // control
  VTR_ACTION_KEY,         // control, key, shift
  VTR_ACTION_MOUSE_DOWN,  // control, x, y
  VTR_ACTION_MOUSE_MOVE,  // control, x, y
  VTR_ACTION_MOUSE_UP,    // control, x, y
  VTR_ACTION_OK,          // clicks the default button
  VTR_ACTION_CANCEL,      // clicks the cancel button (the close box when there is none)
  VTR_ACTION_CLOSE,       // the close box
  VTR_ACTION_RELEASE,     // a posted release request: the form frees itself
};

enum {
  VTR_SHIFT = 1,
  VTR_CONTROL = 2,
  VTR_ALT = 4,
};

typedef struct VtrAction {
  int32_t kind;
  const char* control;
  const char* text;
  UINT key;
  UINT shift;
  int32_t x;
  int32_t y;
} VtrAction;

// A form's action procedure: performs the action and answers 1, or answers
// 0 with the reason in `error` (for example a control the form does not
// have).  An action the user could make but which changes nothing (a click
// on a disabled button) answers 1.
typedef BOOL(WINAPI* VtrFormProc)(void* context, const VtrAction* action, char* error,
                                  int32_t errorSize);

// A form window: enabled, without owner, at (0, 0) with no size until moved.
VTR_API HWND WINAPI vtrCreateFormWindow(VtrFormProc proc, void* context);
// Hands an action to a form window's procedure; 0 for a handle that is not
// a form window.
VTR_API BOOL WINAPI vtrFormAction(HWND form, const VtrAction* action, char* error,
                                  int32_t errorSize);
// Modal runs: vtrBeginModal disables every other enabled window and
// vtrEndModal enables them again.  Between them the form's modal loop calls
// vtrDriveModal once per user action; it answers 0 when no driver is
// installed or the driver has nothing more to do.
VTR_API BOOL WINAPI vtrBeginModal(HWND form);
VTR_API BOOL WINAPI vtrEndModal(HWND form);
VTR_API BOOL WINAPI vtrDriveModal(HWND form);
// Posts a release request for a form window; the host's message loop
// (vtrProcessMessages) hands it to the form later.  vtrProcessMessages
// answers the number of requests delivered; requests for windows destroyed
// in the meantime are dropped.
VTR_API BOOL WINAPI vtrPostRelease(HWND form);
VTR_API int32_t WINAPI vtrProcessMessages(void);

// ---- user-interface drivers ----

typedef struct VtrUiDriver {
  void* context;
  // Performs the next user action on the modal form (vtrFormAction);
  // answers 0 when the user has nothing more to do.
  BOOL(WINAPI* act)(void* context, HWND form);
  // Answers the button the user chose.
  int32_t(WINAPI* messageBox)(void* context, HWND owner, const char* text, const char* caption,
                               UINT type);
  void(WINAPI* beep)(void* context, UINT type);
} VtrUiDriver;

// Installs a driver (null removes it); answers the previous one.  The
// driver record must stay valid while installed.
VTR_API const VtrUiDriver* WINAPI vtrSetUiDriver(const VtrUiDriver* driver);

// The scripted driver: a list of actions separated by ";" or line breaks,
// each a few words:
//   click NAME | focus NAME | type NAME TEXT | key NAME KEY
//   mouse NAME down|move|up X Y | ok | cancel | close
// TEXT is the rest of the action, or a text in single or double quotes
// (a doubled quote stands for itself).  KEY is numpad0-numpad9, enter,
// escape, tab, space, left, right, up, down, home, end, backspace, delete,
// f1-f12, a letter or a digit, with optional shift+, ctrl+ and alt+
// prefixes.  Words are compared without regard to case, names exactly.
// The driver runs one action per call; when an action fails or the list is
// used up it answers 0, so that the form ends as if closed.  Every message
// box is recorded and answered with its default button.
typedef struct HSCRIPT__* HSCRIPT;

// Null (and the reason in `error`) for a text that is not a valid script.
VTR_API HSCRIPT WINAPI vtrScriptCreate(const char* actions, char* error, int32_t errorSize);
// Removes the script as driver first when it is installed.
VTR_API BOOL WINAPI vtrScriptDestroy(HSCRIPT script);
VTR_API BOOL WINAPI vtrScriptInstall(HSCRIPT script);
VTR_API int32_t WINAPI vtrScriptActionCount(HSCRIPT script);
// Action n (from 0) as written, or null.
VTR_API const char* WINAPI vtrScriptActionText(HSCRIPT script, int32_t n);
// Actions taken from the list so far (a failed action counts).
VTR_API int32_t WINAPI vtrScriptActionsRun(HSCRIPT script);
// The failed action and its reason ("action 2 (click Button9): ..."), or
// null while every action succeeded.
VTR_API const char* WINAPI vtrScriptFailure(HSCRIPT script);
VTR_API int32_t WINAPI vtrScriptMessageCount(HSCRIPT script);
// Message box n: its caption, text and type.  The texts stay valid while
// the script lives.
VTR_API BOOL WINAPI vtrScriptMessage(HSCRIPT script, int32_t n, const char** caption,
                                     const char** text, UINT* type);
VTR_API int32_t WINAPI vtrScriptBeepCount(HSCRIPT script);

#ifdef __cplusplus
}
#endif
