#pragma once
// The GDI+ Status enumeration, with its documented values.

#include <cstdint>

namespace platform {

enum Status : std::int32_t {
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  ObjectBusy = 4,
  InsufficientBuffer = 5,
  NotImplemented = 6,
  Win32Error = 7,
  WrongState = 8,
  Aborted = 9,
  FileNotFound = 10,
  ValueOverflow = 11,
  AccessDenied = 12,
  UnknownImageFormat = 13,
  FontFamilyNotFound = 14,
  FontStyleNotFound = 15,
  NotTrueTypeFont = 16,
  UnsupportedGdiplusVersion = 17,
  GdiplusNotInitialized = 18,
  PropertyNotFound = 19,
  PropertyNotSupported = 20,
  ProfileNotFound = 21,
};

// The handle types of the flat API: 32-bit ids from the platform's handle tables.
using GpGraphics = std::uint32_t;
using GpImage = std::uint32_t;
using GpFontCollection = std::uint32_t;
using GpFontFamily = std::uint32_t;
using GpFont = std::uint32_t;
using GpBrush = std::uint32_t;
using GpSolidFill = std::uint32_t;
using GpPen = std::uint32_t;
using GpStringFormat = std::uint32_t;
using GpRegion = std::uint32_t;
using GpPath = std::uint32_t;
using GpMatrix = std::uint32_t;
using GpImageAttributes = std::uint32_t;
using GpCachedBitmap = std::uint32_t;

}  // namespace platform
