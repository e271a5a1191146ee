// The C interface of both plug-in libraries: twenty exports, each taking the
// effect index first (but piCount).  Everything a host needs besides vtrsys.h.
#pragma once

#include "vtrsys.h"

#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32) && !defined(_WIN64)
#define PI_CALL __stdcall
#else
#define PI_CALL
#endif

#if defined(_WIN32)
#define PI_EXPORT __declspec(dllexport)
#else
#define PI_EXPORT __attribute__((visibility("default")))
#endif

typedef int32_t LongBool;  // -1 true, 0 false
typedef uint8_t Boolean;   // 1 true, 0 false

enum {
  PI_TRUE = -1,
  PI_FALSE = 0,
};

// Host flags given to piLocalInit, and the low bits of every instance flags.
enum {
  PI_PICTURE = 0x1,
  PI_SOUND = 0x2,
};

// Capability bits reported by piFlags and piLocalFlags.
enum {
  PI_CAP_PICTURE = 0x1,
  PI_CAP_SOUND = 0x2,
  PI_CAP_GENERAL = 0x200,
  PI_CAP_ONE_INPUT = 0x400,
  PI_CAP_TWO_INPUTS = 0x800,
  PI_CAP_STARTS_FROM_BLACK = 0x1000,
  PI_CAP_ENDS_OR_MIXES = 0x2000,
  PI_CAP_DIALOG = 0x10000,
  PI_CAP_TRANSITION = 0x20000,
  PI_CAP_FADE = 0x40000,
  PI_CAP_PLUGIN = 0x10000000,
};

PI_EXPORT uint32_t PI_CALL piCount(void);
PI_EXPORT Boolean PI_CALL piInit(uint32_t index);
PI_EXPORT Boolean PI_CALL piDone(uint32_t index);
PI_EXPORT const char* PI_CALL piName(uint32_t index);
PI_EXPORT uint32_t PI_CALL piFlags(uint32_t index);
PI_EXPORT HICON PI_CALL piIcon(uint32_t index, int32_t frame);
PI_EXPORT HGLOBAL PI_CALL piLocalInit(uint32_t index, uint32_t hostFlags);
PI_EXPORT HGLOBAL PI_CALL piLocalDone(uint32_t index, HGLOBAL instance);
PI_EXPORT int32_t PI_CALL piLocalSetFormat(uint32_t index, HGLOBAL instance, const void* format16);
PI_EXPORT LongBool PI_CALL piLocalLength(uint32_t index, HGLOBAL instance, int32_t length);
PI_EXPORT LongBool PI_CALL piLocalDlg(uint32_t index, HGLOBAL instance, HWND hostWindow);
PI_EXPORT uint32_t PI_CALL piLocalFlags(uint32_t index, HGLOBAL instance);
PI_EXPORT LongBool PI_CALL piLocalSetData(uint32_t index, HGLOBAL instance, const void* a,
                                          int32_t countA, const void* b, int32_t countB);
PI_EXPORT LongBool PI_CALL piLocalProcessDataStart(uint32_t index, HGLOBAL instance);
PI_EXPORT LongBool PI_CALL piLocalProcessData(uint32_t index, HGLOBAL instance);
PI_EXPORT LongBool PI_CALL piLocalProcessDataEnd(uint32_t index, HGLOBAL instance);
PI_EXPORT HGLOBAL PI_CALL piLocalGetData(uint32_t index, HGLOBAL instance);
PI_EXPORT LongBool PI_CALL piLocalSaveData(uint32_t index, HGLOBAL instance, int32_t line,
                                           char* buffer);
PI_EXPORT LongBool PI_CALL piLocalLoadData(uint32_t index, HGLOBAL instance, int32_t line,
                                           char* text);
PI_EXPORT const char* PI_CALL piLocalName(uint32_t index, HGLOBAL instance);

#ifdef __cplusplus
}
#endif
