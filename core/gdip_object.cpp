#include "core/gdip_object.h"

#include "platform/gdiplus/startup.h"

namespace varnimo {

void* GdipObject::Allocate(std::size_t bytes) { return platform::GdipAlloc(bytes); }

void GdipObject::Free(void* pointer) { platform::GdipFree(pointer); }

}  // namespace varnimo
