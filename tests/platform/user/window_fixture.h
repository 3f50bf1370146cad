#pragma once
// Windows for tests: one window class whose procedure records every message it
// receives and hands it on to DefWindowProcA, and a fixture that destroys the windows a
// test made.

#include <gtest/gtest.h>

#include <vector>

#include "platform/user/messages.h"
#include "platform/user/window.h"

namespace platform::testing {

struct Message {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

inline bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

class WindowTest : public ::testing::Test {
 protected:
  static constexpr const char* kClassName = "RecordingWindow";

  void SetUp() override {
    static const ATOM atom = [] {
      const WNDCLASSA windowClass{0, &Record, kClassName};
      return RegisterClassA(&windowClass);
    }();
    ASSERT_NE(atom, 0);
    Log().clear();
  }

  void TearDown() override {
    for (const HWND window : made_) DestroyWindow(window);
    Log().clear();
  }

  // A top-level window of the recording class; the test fails if it cannot be made.
  HWND Make(int width, int height, int x = 0, int y = 0, HWND parent = 0) {
    const HWND window =
        CreateWindowExA(0, kClassName, "test", 0, x, y, width, height, parent, nullptr);
    EXPECT_NE(window, 0u);
    made_.push_back(window);
    return window;
  }

  static std::vector<Message>& Log() {
    static std::vector<Message> log;
    return log;
  }

  // The messages of one kind the window received, in order.
  static std::vector<Message> Received(HWND window, UINT message) {
    std::vector<Message> found;
    for (const Message& entry : Log()) {
      if (entry.window == window && entry.message == message) found.push_back(entry);
    }
    return found;
  }

  // What the latest WM_CREATE pointed to (it points nowhere once creation is over).
  static CREATESTRUCTA& LastCreate() {
    static CREATESTRUCTA create{};
    return create;
  }

  static LRESULT Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log().push_back({window, message, wParam, lParam});
    if (message == WM_CREATE) LastCreate() = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
    return DefWindowProcA(window, message, wParam, lParam);
  }

 private:
  std::vector<HWND> made_;
};

}  // namespace platform::testing
