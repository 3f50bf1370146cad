#pragma once
// How wrapper operations report failure, process-wide.
//
// `lastStatus` holds the GDI+ Status of the latest wrapper call that reached GDI+,
// success or not. `errorLog` collects the fixed messages of failed GDI operations:
// each failure appends its message directly after the previous text, with nothing in
// between. Both are shared by every object; they are safe to touch from several
// threads, but their content then tells of whichever call came last.
//
// StoreStatus and ReportFailure are the one path by which operations report, so a
// breakpoint in either sees every failure.

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "platform/gdiplus/status.h"

namespace varnimo {

using platform::Status;

extern std::atomic<std::int32_t> lastStatus;

class ErrorLog {
 public:
  // Adds the message at the end of the text (the message alone when there is none).
  void Append(std::string_view message);
  // Makes the message the whole text.
  void Replace(std::string_view message);
  // The text; empty when there is none.
  std::string Text() const;
  // True while no message has been recorded since start or since Free.
  bool IsNone() const;
  // Drops the text; the log is as at start.
  void Free();

 private:
  mutable std::mutex mutex_;
  std::optional<std::string> text_;
};

extern ErrorLog errorLog;

// Stores the status into lastStatus and answers whether it is Ok.
bool StoreStatus(Status status);

// Appends the message to errorLog and answers false, the result of a failed GDI
// operation.
bool ReportFailure(std::string_view message);

}  // namespace varnimo
