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

#ifdef __cplusplus
}
#endif
