#pragma once
// The main window's controls as data: name, kind, parent, place and initial content.
// The window builds itself from this table; handlers find their controls by name.

#include <array>
#include <string_view>

namespace varnimo::app {

enum class ControlKind {
  Label,
  TextBox,
  Button,
  OpenFileDialog,  // no visible area: its place is kept only for the record
  Canvas,
  GroupBox,
  ColorPicker,
  EditableComboBox,
  DropDownList,
  Slider,
  Frame,
  HyperlinkLabel,
};

struct ControlDefinition {
  std::string_view name;
  ControlKind kind;
  std::string_view parent;  // empty: the window itself
  int x;
  int y;
  int width;
  int height;
  std::string_view content;  // caption or initial text (UTF-8)
  std::string_view tag = {};  // the arrow buttons' direction
};

inline constexpr std::string_view kWindowTitle = "Varnimo";
inline constexpr int kWindowX = 50;
inline constexpr int kWindowY = 50;
inline constexpr int kWindowWidth = 791;
inline constexpr int kWindowHeight = 541;

// What the watermark box holds at start, and where the contact controls lead.
inline constexpr std::string_view kSignatureText = "Varnimo 水印";
inline constexpr std::string_view kContactLink = "https://example.org/varnimo/contact";

inline constexpr std::string_view kOpenDialogTitle = "请选择需要添加水印的图片文件：";
inline constexpr std::string_view kOpenDialogFilter = "JPG文件（*.jpg） (*.jpg)";

// Entries of the size list; each entry's item value is its number.
inline constexpr std::array kFontSizes = {12, 14, 16, 18, 24, 32, 36, 42, 48, 72};
inline constexpr int kDefaultFontSize = 16;

inline constexpr int kOpacityMinimum = 50;
inline constexpr int kOpacityMaximum = 255;
inline constexpr int kOpacityDefault = 150;
inline constexpr int kOpacityPageStep = 5;
inline constexpr int kOpacityLineStep = 1;

// The status line under the canvas, where Save reports its outcome.
inline constexpr std::string_view kSaveStatusName = "保存状态标签";

// Parents come before their children.
inline constexpr std::array kControls = {
    ControlDefinition{"标签6", ControlKind::Label, "", 8, 0, 768, 24, "水印文字："},
    ControlDefinition{"编辑框1", ControlKind::TextBox, "", 8, 24, 552, 40, kSignatureText},
    ControlDefinition{"标签7", ControlKind::Label, "", 8, 70, 72, 24, "预加载图片："},
    ControlDefinition{"编辑框2", ControlKind::TextBox, "", 80, 72, 368, 20, ""},
    ControlDefinition{"按钮7", ControlKind::Button, "", 454, 72, 104, 20, "浏览"},
    ControlDefinition{"通用对话框1", ControlKind::OpenFileDialog, "", 424, 72, 26, 26, kOpenDialogTitle},
    ControlDefinition{"画板1", ControlKind::Canvas, "", 8, 104, 550, 400, ""},
    ControlDefinition{"分组框1", ControlKind::GroupBox, "", 568, 20, 208, 484, ""},
    ControlDefinition{"标签1", ControlKind::Label, "分组框1", 11, 8, 185, 24, "水印颜色："},
    ControlDefinition{"颜色选择器", ControlKind::ColorPicker, "分组框1", 11, 40, 185, 24, ""},
    ControlDefinition{"标签4", ControlKind::Label, "分组框1", 11, 72, 185, 24, "水印字体：默认 微软雅黑"},
    ControlDefinition{"组合框2", ControlKind::EditableComboBox, "分组框1", 11, 104, 185, 24, ""},
    ControlDefinition{"标签3", ControlKind::Label, "分组框1", 8, 136, 200, 24, "水印文字大小：默认16号字"},
    ControlDefinition{"组合框1", ControlKind::DropDownList, "分组框1", 11, 168, 185, 24, "16"},
    ControlDefinition{"标签2", ControlKind::Label, "分组框1", 11, 200, 185, 24, "水印透明度：50-255 默认：150"},
    ControlDefinition{"滑块条", ControlKind::Slider, "分组框1", 11, 232, 185, 24, ""},
    ControlDefinition{"标签5", ControlKind::Label, "分组框1", 11, 271, 185, 24, "水印位置："},
    ControlDefinition{"外形框1", ControlKind::Frame, "分组框1", 11, 300, 185, 88, ""},
    ControlDefinition{"按钮5", ControlKind::Button, "外形框1", 13, 11, 40, 64, "←", "left"},
    ControlDefinition{"按钮3", ControlKind::Button, "外形框1", 53, 11, 80, 32, "↑", "up"},
    ControlDefinition{"按钮4", ControlKind::Button, "外形框1", 53, 43, 80, 32, "↓", "down"},
    ControlDefinition{"按钮6", ControlKind::Button, "外形框1", 133, 11, 40, 64, "→", "right"},
    ControlDefinition{"按钮1", ControlKind::Button, "分组框1", 8, 399, 96, 24, "刷新"},
    ControlDefinition{"按钮2", ControlKind::Button, "分组框1", 112, 399, 88, 24, "保存"},
    ControlDefinition{"按钮8", ControlKind::Button, "分组框1", 16, 436, 88, 40, "点击联系作者"},
    ControlDefinition{"超级链接框1", ControlKind::HyperlinkLabel, "分组框1", 112, 436, 88, 40, "作者空间"},
    ControlDefinition{kSaveStatusName, ControlKind::Label, "", 8, 512, 768, 24, ""},
};

}  // namespace varnimo::app
