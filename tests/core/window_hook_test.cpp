#include "core/window_hook.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "core/error_log.h"
#include "core/gdi_objects.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"
#include "platform/gdi/shapes.h"
#include "platform/user/messages.h"
#include "platform/user/paint.h"
#include "platform/user/window_region.h"

namespace varnimo {
namespace {

using namespace platform;

constexpr const char* kInstallFailed = "设置窗口信息失败(SetWindowLongA()返回值为0)";
constexpr const char* kNoCallback = "您未提供 窗口消息回调 子程序指针！";
constexpr const char* kEllipseFailed = "创建椭圆区域失败(CreateEllipticRgn()返回值为0)";
constexpr const char* kRoundRectFailed = "创建圆角矩形区域失败(CreateRoundRectRgn()返回值为0)";
constexpr const char* kSetRegionFailed = "设置窗口区域失败(SetWindowRgn()返回值为0)";

// What the window's own procedure and the hook's callback saw.
std::vector<UINT> ownProcedureMessages;
std::vector<UINT> callbackMessages;
WindowHook* activeHook = nullptr;
WindowHook::PaintRecord paintDuringPaint;
HDC paintDc = 0;

LRESULT OwnProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  ownProcedureMessages.push_back(message);
  if (message == 0x400) return 99;
  return DefWindowProcA(window, message, wParam, lParam);
}

// Brackets WM_PAINT with the hook's BeginPaint and EndPaint, then hands every message
// on, as an application's callback does.
LRESULT Callback(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  callbackMessages.push_back(message);
  if (message == WM_PAINT) {
    paintDc = activeHook->BeginPaint();
    paintDuringPaint = activeHook->GetPaint();
    activeHook->EndPaint();
  }
  return activeHook->CallPrevious(window, message, wParam, lParam);
}

class WindowHookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const ATOM atom = [] {
      const WNDCLASSA windowClass{0, &OwnProcedure, "WindowHookTarget"};
      return RegisterClassA(&windowClass);
    }();
    ASSERT_NE(atom, 0);
    window = CreateWindowExA(0, "WindowHookTarget", "", 0, 0, 0, 200, 100, 0, nullptr);
    ASSERT_NE(window, 0u);
    ValidateRect(window, nullptr);
    ownProcedureMessages.clear();
    callbackMessages.clear();
    activeHook = &hook;
    errorLog.Free();
  }
  void TearDown() override {
    DestroyWindow(window);
    activeHook = nullptr;
    errorLog.Free();
  }

  HWND window = 0;
  WindowHook hook;
};

TEST_F(WindowHookTest, MessagesReachTheCallbackAndThePreviousProcedure) {
  ASSERT_TRUE(hook.Install(window, &Callback));
  EXPECT_EQ(hook.GetInstalled(), 1);
  EXPECT_EQ(hook.GetHookedWindow(), window);
  EXPECT_EQ(hook.GetPreviousProc(), reinterpret_cast<LONG_PTR>(&OwnProcedure));
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Callback));

  EXPECT_EQ(SendMessageA(window, 0x400, 0, 0), 99);
  EXPECT_EQ(SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-3, 40)), 0);
  EXPECT_EQ(callbackMessages, (std::vector<UINT>{0x400, WM_LBUTTONDOWN}));
  EXPECT_EQ(ownProcedureMessages, (std::vector<UINT>{0x400, WM_LBUTTONDOWN}));
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(WindowHookTest, UninstallRestoresTheWindowAndDestroyDoesNot) {
  ASSERT_TRUE(hook.Install(window, &Callback));
  EXPECT_EQ(hook.Uninstall(), reinterpret_cast<LONG_PTR>(&Callback));
  EXPECT_EQ(hook.GetHookedWindow(), 0u);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProcedure));

  {
    WindowHook temporary;
    ASSERT_TRUE(temporary.Install(window, &OwnProcedure));
    EXPECT_EQ(temporary.GetPreviousProc(), reinterpret_cast<LONG_PTR>(&OwnProcedure));
    SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(&Callback));
  }
  // The hook is gone; the window keeps the procedure it had.
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&Callback));
}

TEST_F(WindowHookTest, AFailedInstallReplacesTheErrorLog) {
  ReportFailure("earlier");
  const HWND dead = CreateWindowExA(0, "WindowHookTarget", "", 0, 0, 0, 5, 5, 0, nullptr);
  DestroyWindow(dead);
  EXPECT_FALSE(hook.Install(dead, &Callback));
  EXPECT_EQ(errorLog.Text(), kInstallFailed);
  EXPECT_EQ(hook.GetInstalled(), 1);
  EXPECT_EQ(hook.GetPreviousProc(), 0);
  // Uninstall after the failure has nothing to put back.
  EXPECT_EQ(hook.Uninstall(), 0);
}

TEST_F(WindowHookTest, WithoutCallbackNothingIsSubclassedAndCallPreviousReplacesTheLog) {
  ASSERT_TRUE(hook.Install(window));
  EXPECT_EQ(hook.GetInstalled(), 0);
  EXPECT_EQ(hook.GetHookedWindow(), window);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG_PTR>(&OwnProcedure));
  ReportFailure("earlier");
  EXPECT_EQ(hook.CallPrevious(window, 0x400, 0, 0), 0);
  EXPECT_EQ(errorLog.Text(), kNoCallback);
  EXPECT_TRUE(ownProcedureMessages.empty());
}

TEST_F(WindowHookTest, PaintBracketThroughTheCallback) {
  ASSERT_TRUE(hook.Install(window, &Callback));
  const RECT invalid{10, 20, 30, 40};
  InvalidateRect(window, &invalid, FALSE);
  SendMessageA(window, WM_PAINT, 0, 0);
  ASSERT_NE(paintDc, 0u);
  EXPECT_EQ(paintDuringPaint.hdc, paintDc);
  EXPECT_EQ(paintDuringPaint.rcPaint.left, 10);
  EXPECT_EQ(paintDuringPaint.rcPaint.top, 20);
  EXPECT_EQ(paintDuringPaint.rcPaint.right, 30);
  EXPECT_EQ(paintDuringPaint.rcPaint.bottom, 40);
  EXPECT_EQ(GetObjectType(paintDc), 0u);  // EndPaint released it
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));

  // A paint request with nothing invalid, as the application sends them.
  SendMessageA(window, WM_PAINT, 0, 0);
  EXPECT_NE(paintDc, 0u);
  EXPECT_EQ(paintDuringPaint.rcPaint.left, 0);
  EXPECT_EQ(paintDuringPaint.rcPaint.right, 0);
  EXPECT_EQ(paintDuringPaint.rcPaint.bottom, 0);
  // The previous procedure's DefWindowProcA saw the WM_PAINT too.
  EXPECT_EQ(ownProcedureMessages, (std::vector<UINT>{WM_PAINT, WM_PAINT}));
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(WindowHookTest, EllipticRegionShapesTheWindow) {
  ASSERT_TRUE(hook.Install(window, &Callback));
  ASSERT_TRUE(hook.SetEllipticRegion(0, 0, 100, 50));
  EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));  // redrawn by default

  const HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window, shape), COMPLEXREGION);
  RECT box{};
  GetRgnBox(shape, &box);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(box.right, 100);
  EXPECT_EQ(box.bottom, 50);
  struct Probe {
    int x, y;
    bool inside;
  };
  const HDC dc = GetDC(window);
  for (const Probe probe : {Probe{50, 25, true}, Probe{1, 25, true}, Probe{50, 1, true},
                            Probe{2, 2, false}, Probe{97, 47, false}, Probe{150, 25, false}}) {
    EXPECT_EQ(PtInRegion(shape, probe.x, probe.y) != 0, probe.inside) << probe.x << "," << probe.y;
    EXPECT_EQ(GetPixel(dc, probe.x, probe.y) != CLR_INVALID, probe.inside) << probe.x << "," << probe.y;
  }
  ReleaseDC(window, dc);
  DeleteObject(shape);
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(WindowHookTest, RoundRectRegionCutsTheCorners) {
  hook.Install(window);
  ASSERT_TRUE(hook.SetRoundRectRegion(10, 10, 100, 60, 20, 20, 0));
  EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));  // no redraw asked
  const HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, shape), RGN_ERROR);
  EXPECT_FALSE(PtInRegion(shape, 10, 10));
  EXPECT_TRUE(PtInRegion(shape, 60, 10));
  EXPECT_TRUE(PtInRegion(shape, 15, 15));
  EXPECT_FALSE(PtInRegion(shape, 5, 40));
  DeleteObject(shape);
}

TEST_F(WindowHookTest, TheCallersRegionStaysTheCallers) {
  hook.Install(window);
  GdiRegion region;
  ASSERT_TRUE(region.CreateRectangle(5, 5, 50, 30));
  ASSERT_TRUE(hook.SetRegion(region));
  ASSERT_TRUE(hook.SetEllipticRegion(0, 0, 10, 10));  // the window drops its copy
  EXPECT_EQ(GetObjectType(region.GetHandle()), OBJ_REGION);
  ASSERT_TRUE(hook.SetRegion(region));
  const HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window, shape), SIMPLEREGION);
  EXPECT_TRUE(PtInRegion(shape, 49, 29));
  EXPECT_FALSE(PtInRegion(shape, 50, 29));
  DeleteObject(shape);
  EXPECT_TRUE(region.Delete());
  EXPECT_TRUE(errorLog.IsNone());
}

TEST_F(WindowHookTest, RegionFailuresAppendTheirMessage) {
  const HWND dead = CreateWindowExA(0, "WindowHookTarget", "", 0, 0, 0, 5, 5, 0, nullptr);
  DestroyWindow(dead);
  WindowHook unhooked;  // no window at all
  WindowHook onDeadWindow;
  onDeadWindow.Install(dead);
  hook.Install(window);
  GdiRegion empty;

  struct Case {
    const char* name;
    bool (*operation)(WindowHook&, const GdiRegion&);
    WindowHook* target;
    const char* message;
  };
  const Case cases[] = {
      {"ellipse on no window",
       [](WindowHook& h, const GdiRegion&) { return h.SetEllipticRegion(0, 0, 10, 10); },
       &unhooked, kSetRegionFailed},
      {"round rect on a destroyed window",
       [](WindowHook& h, const GdiRegion&) { return h.SetRoundRectRegion(0, 0, 10, 10, 3, 3); },
       &onDeadWindow, kSetRegionFailed},
      {"ellipse edge beyond int32",
       [](WindowHook& h, const GdiRegion&) { return h.SetEllipticRegion(INT_MAX, 0, 10, 10); },
       &hook, kEllipseFailed},
      {"round rect edge beyond int32",
       [](WindowHook& h, const GdiRegion&) { return h.SetRoundRectRegion(0, INT_MIN, 10, -10, 3, 3); },
       &hook, kRoundRectFailed},
      {"empty region object",
       [](WindowHook& h, const GdiRegion& r) { return h.SetRegion(r); }, &hook, kSetRegionFailed},
  };
  for (const Case& c : cases) {
    errorLog.Free();
    ReportFailure("earlier");
    EXPECT_FALSE(c.operation(*c.target, empty)) << c.name;
    EXPECT_EQ(errorLog.Text(), std::string("earlier") + c.message) << c.name;
  }
  // Nothing reached the window.
  const HRGN shape = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, shape), RGN_ERROR);
  DeleteObject(shape);
}

TEST_F(WindowHookTest, MovingHandsTheHookOver) {
  ASSERT_TRUE(hook.Install(window, &Callback));
  WindowHook moved(std::move(hook));
  EXPECT_EQ(moved.GetHookedWindow(), window);
  EXPECT_EQ(moved.GetInstalled(), 1);
  EXPECT_EQ(hook.GetHookedWindow(), 0u);
  EXPECT_EQ(hook.GetInstalled(), 0);
  EXPECT_EQ(hook.GetPreviousProc(), 0);
  EXPECT_EQ(moved.Uninstall(), reinterpret_cast<LONG_PTR>(&Callback));
}

}  // namespace
}  // namespace varnimo
