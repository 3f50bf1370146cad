#include <gtest/gtest.h>

#include <utility>

#include "core/control.h"
#include "platform/gdi/dc.h"
#include "surface_fixture.h"

namespace varnimo::testing {
namespace {

using platform::GetObjectType;

class SurfaceLifecycle : public SurfaceTest {};

class FakeControl : public Control {
 public:
  explicit FakeControl(platform::HWND handle) : handle_(handle) {}
  platform::HWND WindowHandle() const override { return handle_; }

 private:
  platform::HWND handle_;
};

TEST_F(SurfaceLifecycle, CreateFromWindowMakesAWindowSizedBackBufferWithGraphics) {
  EXPECT_EQ(surface.GetWidth(), kWidth);
  EXPECT_EQ(surface.GetHeight(), kHeight);
  EXPECT_EQ(surface.GetWindowWidth(), kWidth);
  EXPECT_EQ(surface.GetWindowHeight(), kHeight);
  EXPECT_EQ(surface.GetWindowHandle(), window.Handle());
  EXPECT_EQ(surface.GetDcWindow(), window.Handle());
  EXPECT_EQ(GetObjectType(surface.GetWindowDc()), platform::OBJ_DC);
  EXPECT_EQ(GetObjectType(surface.GetMemoryDc()), platform::OBJ_MEMDC);
  EXPECT_NE(surface.GetGraphics(), 0u);
  EXPECT_EQ(surface.GetGraphics(), surface.GetNative());
  // Drawn in transparent background mode from the start.
  EXPECT_EQ(platform::GetBkMode(surface.GetMemoryDc()), platform::TRANSPARENT);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(SurfaceLifecycle, ABackBufferLargerThanTheWindowKeepsTheWindowSize) {
  DrawingSurface large;
  ASSERT_TRUE(large.CreateFromWindowWithSize(window.Handle(), 1920, 1080));
  EXPECT_EQ(large.GetWidth(), 1920);
  EXPECT_EQ(large.GetHeight(), 1080);
  EXPECT_EQ(large.GetWindowWidth(), kWidth);
  EXPECT_EQ(large.GetWindowHeight(), kHeight);
  EXPECT_NE(large.ReadPixel(1919, 1079), platform::CLR_INVALID);
}

TEST_F(SurfaceLifecycle, WindowZeroIsTheWholeScreen) {
  DrawingSurface sized;
  ASSERT_TRUE(sized.CreateFromWindowWithSize(0, 64, 32));
  EXPECT_EQ(sized.GetWidth(), 64);
  EXPECT_EQ(sized.GetWindowWidth(), platform::GetScreenWidth());
  EXPECT_EQ(sized.GetWindowHeight(), platform::GetScreenHeight());

  DrawingSurface screen;
  ASSERT_TRUE(screen.CreateFromWindow(0));
  EXPECT_EQ(screen.GetWidth(), platform::GetScreenWidth());
  EXPECT_EQ(screen.GetHeight(), platform::GetScreenHeight());
}

TEST_F(SurfaceLifecycle, ControlsAnswerTheirWindow) {
  const FakeControl control(window.Handle());
  DrawingSurface fromControl;
  ASSERT_TRUE(fromControl.CreateFromControl(control));
  EXPECT_EQ(fromControl.GetWidth(), kWidth);
  EXPECT_EQ(fromControl.GetWindowHandle(), window.Handle());

  DrawingSurface sized;
  ASSERT_TRUE(sized.CreateFromControlWithSize(control, 100, 50));
  EXPECT_EQ(sized.GetWidth(), 100);
  EXPECT_EQ(sized.GetHeight(), 50);
}

TEST_F(SurfaceLifecycle, ReleaseFreesTheDeviceObjectsButKeepsTheFieldValues) {
  const platform::HDC memoryDc = surface.GetMemoryDc();
  const platform::HDC windowDc = surface.GetWindowDc();
  lastStatus = 77;
  EXPECT_TRUE(surface.Release());
  EXPECT_EQ(lastStatus, 0);
  EXPECT_EQ(surface.GetGraphics(), 0u);
  EXPECT_EQ(surface.GetNative(), 0u);
  EXPECT_EQ(surface.GetMemoryDc(), memoryDc);
  EXPECT_EQ(GetObjectType(memoryDc), 0u);
  EXPECT_EQ(GetObjectType(windowDc), 0u);
  EXPECT_EQ(surface.GetWidth(), kWidth);
  // A second release finds nothing to delete.
  lastStatus = 77;
  EXPECT_FALSE(surface.Release());
  EXPECT_EQ(lastStatus, 77);
}

TEST_F(SurfaceLifecycle, ReleasingASurfaceNeverCreatedChangesNothing) {
  DrawingSurface empty;
  lastStatus = 5;
  EXPECT_FALSE(empty.Release());
  EXPECT_EQ(lastStatus, 5);
  EXPECT_TRUE(errorLog.IsNone());
  EXPECT_EQ(empty.GetMemoryDc(), 0u);
}

TEST_F(SurfaceLifecycle, ASurfaceOnTheCallersDcHandsItToReleaseDc) {
  const platform::HDC dc = platform::GetDC(window.Handle());
  DrawingSurface onDc;
  ASSERT_TRUE(onDc.CreateFromDc(dc));
  EXPECT_EQ(onDc.GetWindowDc(), dc);
  EXPECT_EQ(onDc.GetWindowHandle(), window.Handle());
  EXPECT_EQ(onDc.GetWidth(), kWidth);
  EXPECT_EQ(onDc.GetHeight(), kHeight);
  onDc.Release();
  EXPECT_EQ(GetObjectType(dc), 0u);

  DrawingSurface sized;
  ASSERT_TRUE(sized.CreateFromDcWithSize(platform::GetDC(window.Handle()), 30, 20));
  EXPECT_EQ(sized.GetWidth(), 30);
  EXPECT_EQ(sized.GetWindowWidth(), kWidth);
}

TEST_F(SurfaceLifecycle, ASurfaceOnAMemoryDcHasNoWindow) {
  const platform::HDC memory = platform::CreateCompatibleDC(0);
  DrawingSurface onMemory;
  ASSERT_TRUE(onMemory.CreateFromDcWithSize(memory, 40, 30));
  EXPECT_EQ(onMemory.GetWindowHandle(), 0u);
  EXPECT_EQ(onMemory.GetDcWindow(), 0u);
  EXPECT_EQ(onMemory.GetWindowWidth(), 0);
  onMemory.Release();
  platform::DeleteDC(memory);
}

struct CreateFailure {
  const char* name;
  bool (*create)(DrawingSurface&, platform::HWND window, platform::HWND dead);
  const char* message;
};

const CreateFailure kCreateFailures[] = {
    {"DcZero", [](DrawingSurface& s, platform::HWND, platform::HWND) { return s.CreateFromDc(0); },
     "您提供的设备句柄为0(图形.创建_自设备句柄(此处您提供的是一个值为0的整数))请检查您获得设备句柄的方法"},
    {"DcZeroWithSize",
     [](DrawingSurface& s, platform::HWND, platform::HWND) { return s.CreateFromDcWithSize(0, 5, 5); },
     "您提供的设备句柄为0(图形.创建_自设备句柄(此处您提供的是一个值为0的整数))请检查您获得设备句柄的方法"},
    {"DestroyedWindow",
     [](DrawingSurface& s, platform::HWND, platform::HWND dead) { return s.CreateFromWindow(dead); },
     "获取设备句柄失败（GetDC()结果为0）请检查提供的窗口句柄是否有误。"},
    {"ZeroSize",
     [](DrawingSurface& s, platform::HWND w, platform::HWND) { return s.CreateFromWindowWithSize(w, 0, 10); },
     "创建设备位图失败（CreateCompatibleBitmap()结果为0）"},
    {"HugeSize",
     [](DrawingSurface& s, platform::HWND w, platform::HWND) {
       return s.CreateFromWindowWithSize(w, 1 << 30, 1 << 30);
     },
     "创建设备位图失败（CreateCompatibleBitmap()结果为0）"},
    {"InvalidDc",
     [](DrawingSurface& s, platform::HWND, platform::HWND) { return s.CreateFromDc(0x12345); },
     "创建内存设备句柄失败（CreateCompatibleDC()结果为0）"},
};

TEST_F(SurfaceLifecycle, FailedCreatesReportTheirStepAndLeaveNothingBehind) {
  platform::HWND dead = 0;
  {
    const TestWindow gone(0, 0, 10, 10);
    dead = gone.Handle();
  }
  for (const CreateFailure& failure : kCreateFailures) {
    SCOPED_TRACE(failure.name);
    errorLog.Free();
    lastStatus = 9;
    DrawingSurface failed;
    EXPECT_FALSE(failure.create(failed, window.Handle(), dead));
    EXPECT_EQ(errorLog.Text(), failure.message);
    EXPECT_EQ(lastStatus, 9);  // no create stores a status
    // What was made so far is kept and freed by Release.
    const platform::HDC memoryDc = failed.GetMemoryDc();
    failed.Release();
    if (memoryDc != 0) {
      EXPECT_EQ(GetObjectType(memoryDc), 0u);
    }
  }
}

TEST_F(SurfaceLifecycle, CreatingAgainFreesWhatTheEarlierCreateMade) {
  const platform::HDC firstMemoryDc = surface.GetMemoryDc();
  ASSERT_TRUE(surface.CreateFromWindowWithSize(window.Handle(), 20, 10));
  EXPECT_EQ(GetObjectType(firstMemoryDc), 0u);
  EXPECT_EQ(surface.GetWidth(), 20);
  EXPECT_NE(surface.GetGraphics(), 0u);
}

// A create that fails after freeing the earlier device objects must not keep their
// handles: once the handle table hands the same value to a new device context, a
// Release would delete that stranger.
TEST_F(SurfaceLifecycle, AFailedCreateAgainForgetsTheFreedHandles) {
  const platform::HDC freedMemoryDc = surface.GetMemoryDc();
  EXPECT_FALSE(surface.CreateFromDc(0));
  EXPECT_EQ(surface.GetMemoryDc(), 0u);
  EXPECT_EQ(surface.GetWindowDc(), 0u);

  platform::HDC reused = 0;
  for (int attempt = 0; attempt < (1 << 22) && reused == 0; ++attempt) {
    const platform::HDC made = platform::CreateCompatibleDC(0);
    ASSERT_NE(made, 0u);
    if (made == freedMemoryDc) {
      reused = made;
    } else {
      platform::DeleteDC(made);
    }
  }
  ASSERT_EQ(reused, freedMemoryDc);
  surface.Release();
  EXPECT_EQ(GetObjectType(reused), platform::OBJ_MEMDC);
  platform::DeleteDC(reused);
}

TEST_F(SurfaceLifecycle, MovingHandsTheBackBufferOver) {
  const platform::HDC memoryDc = surface.GetMemoryDc();
  const platform::GpGraphics graphics = surface.GetGraphics();
  DrawingSurface moved(std::move(surface));
  EXPECT_EQ(moved.GetMemoryDc(), memoryDc);
  EXPECT_EQ(moved.GetGraphics(), graphics);
  EXPECT_EQ(moved.GetNative(), graphics);
  EXPECT_EQ(surface.GetMemoryDc(), 0u);
  EXPECT_EQ(surface.GetGraphics(), 0u);
  EXPECT_FALSE(surface.Release());

  DrawingSurface assigned;
  assigned = std::move(moved);
  EXPECT_EQ(assigned.GetMemoryDc(), memoryDc);
  EXPECT_TRUE(assigned.Clear());
  EXPECT_EQ(GetObjectType(memoryDc), platform::OBJ_MEMDC);
}

TEST_F(SurfaceLifecycle, DestroyingASurfaceReleasesIt) {
  platform::HDC memoryDc = 0;
  {
    DrawingSurface scoped;
    ASSERT_TRUE(scoped.CreateFromWindow(window.Handle()));
    memoryDc = scoped.GetMemoryDc();
  }
  EXPECT_EQ(GetObjectType(memoryDc), 0u);
}

}  // namespace
}  // namespace varnimo::testing
