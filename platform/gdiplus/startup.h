#pragma once
// Starting the GDI+ engine, and its memory allocator.
//
// GDI+ calls made before a successful GdiplusStartup (or after the last matching
// GdiplusShutdown) fail with GdiplusNotInitialized. Start-ups nest: each successful
// start-up hands out its own token, and the engine runs until every token has been
// shut down. The engine has no background thread; a caller that asks to suppress it
// gets notification hooks that do nothing.

#include <cstddef>

#include "platform/gdiplus/status.h"
#include "platform/kernel/types.h"

namespace platform {

using DebugEventProc = void (*)(int level, char* message);
using NotificationHookProc = Status (*)(ULONG_PTR* token);
using NotificationUnhookProc = void (*)(ULONG_PTR token);

// The engine version this platform implements; every other version is refused with
// UnsupportedGdiplusVersion.
constexpr std::uint32_t kGdiplusVersion = 1;

struct GdiplusStartupInput {
  std::uint32_t GdiplusVersion = kGdiplusVersion;
  DebugEventProc DebugEventCallback = nullptr;
  BOOL SuppressBackgroundThread = FALSE;
  BOOL SuppressExternalCodecs = FALSE;
};

struct GdiplusStartupOutput {
  NotificationHookProc NotificationHook;
  NotificationUnhookProc NotificationUnhook;
};

// Starts the engine and writes a non-zero token. InvalidParameter for a null token or
// input, or for SuppressBackgroundThread without an output record.
Status GdiplusStartup(ULONG_PTR* token, const GdiplusStartupInput* input,
                      GdiplusStartupOutput* output);

// Ends the start-up that handed out the token; unknown tokens are ignored.
void GdiplusShutdown(ULONG_PTR token);

// True while at least one start-up is in force. Every flat-API call checks it first.
bool GdiplusIsRunning();

// The engine's allocator: null when the memory cannot be had. GdipFree(nullptr) does
// nothing.
void* GdipAlloc(std::size_t size);
void GdipFree(void* pointer);

}  // namespace platform
