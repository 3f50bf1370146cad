#include "core/error_log.h"

namespace varnimo {

std::atomic<std::int32_t> lastStatus{0};
ErrorLog errorLog;

void ErrorLog::Append(std::string_view message) {
  std::lock_guard lock(mutex_);
  if (text_) {
    text_->append(message);
  } else {
    text_.emplace(message);
  }
}

void ErrorLog::Replace(std::string_view message) {
  std::lock_guard lock(mutex_);
  text_.emplace(message);
}

std::string ErrorLog::Text() const {
  std::lock_guard lock(mutex_);
  return text_.value_or(std::string());
}

bool ErrorLog::IsNone() const {
  std::lock_guard lock(mutex_);
  return !text_.has_value();
}

void ErrorLog::Free() {
  std::lock_guard lock(mutex_);
  text_.reset();
}

bool StoreStatus(Status status) {
  lastStatus.store(status);
  return status == platform::Ok;
}

bool ReportFailure(std::string_view message) {
  errorLog.Append(message);
  return false;
}

}  // namespace varnimo
