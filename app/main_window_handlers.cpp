// The main window's event handlers.

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>

#include "app/ansi_text.h"
#include "app/app_state.h"
#include "app/canvas_capture.h"
#include "app/canvas_control.h"
#include "app/canvas_window.h"
#include "app/font_list.h"
#include "app/main_window.h"
#include "app/watermark_position.h"
#include "platform/gdi/text/font.h"
#include "platform/user/window.h"

namespace varnimo::app {

namespace {

constexpr char kSavedFileName[] = "test.jpg";
constexpr char kFallbackLanguage[] = "zh-cn";

}  // namespace

void MainWindow::OnMainWindowCreated() {
  AppState& state = State();
  std::vector<std::string> faceNames;
  const platform::HWND canvas = CanvasWindow();
  // The back buffer has the screen's size, larger than the canvas. Neither result is
  // examined: failures are in the error log and the preview stays empty.
  state.surface.CreateFromWindowWithSize(canvas, platform::GetScreenWidth(),
                                         platform::GetScreenHeight());
  state.hook.Install(canvas, &CanvasWindowProc);
  state.canvasSize = {canvas_->width(), canvas_->height()};
  state.picturePath = ToAnsi(pathBox_->text());
  state.watermarkText = ToAnsi(watermarkBox_->text());
  FillFontList(faceNames);
  ShowFontEntries(faceNames);
  MoveWatermark(FindControl<QPushButton>("按钮5"));
}

void MainWindow::ShowFontEntries(const std::vector<std::string>& faceNames) {
  // The preferred face is not installed on most systems; the face the font
  // configuration chooses for Chinese text stands in for it then.
  const FontEntries entries =
      ChooseFontEntries(faceNames, platform::PreferredFontFamily(kFallbackLanguage));
  for (const std::string& name : entries.names) fontBox_->addItem(FromAnsi(name));
  fontBox_->setCurrentIndex(entries.selected ? static_cast<int>(*entries.selected) : -1);
}

void MainWindow::RequestRepaint(platform::UINT message) {
  app::RequestRepaint(CanvasWindow(), message);
}

void MainWindow::Repaint() { RequestRepaint(platform::WM_PAINT); }

void MainWindow::OnTextChanged() {
  AppState& state = State();
  state.picturePath = ToAnsi(pathBox_->text());
  state.watermarkText = ToAnsi(watermarkBox_->text());
  RequestRepaint(platform::WM_PAINT);
}

void MainWindow::Browse() {
  const QString chosen = fileDialog_->Choose(this);
  if (chosen.isEmpty()) return;
  // Setting the text raises the box's text-changed handler, which stores and repaints.
  pathBox_->setText(chosen);
}

void MainWindow::MoveWatermark(QPushButton* button) {
  // The buttons are toolkit widgets, not platform windows, so there is no platform
  // window to hand the mouse capture to; the canvas never holds it.
  const std::optional<ArrowDirection> direction =
      ArrowDirectionFromTag(button->property("tag").toString().toStdString());
  if (!direction) return;
  AppState& state = State();
  state.position = NextWatermarkPosition(*direction, state.position, state.textBounds,
                                         state.canvasSize);
  positionLabel_->setText(QString::fromStdString(PositionCaption(state.position)));
  RequestRepaint(platform::WM_PAINT);
}

void MainWindow::Save() {
  const QString path = QDir(saveDirectory_).filePath(kSavedFileName);
  const std::optional<std::vector<unsigned char>> bitmap = ClientAreaBitmapFile(CanvasWindow());
  if (!bitmap) {
    saveStatus_->setText(QStringLiteral("保存失败：无法读取画板的图像"));
    return;
  }
  // The new content goes to a temporary file beside the old one, which is replaced
  // only once everything was written: a failed save leaves the old file as it was.
  QSaveFile file(path);
  const auto size = static_cast<qint64>(bitmap->size());
  const bool saved = file.open(QIODevice::WriteOnly) &&
                     file.write(reinterpret_cast<const char*>(bitmap->data()), size) == size &&
                     file.commit();
  if (!saved) {
    saveStatus_->setText(QStringLiteral("保存失败：%1（%2）").arg(file.errorString(), QDir::toNativeSeparators(path)));
    return;
  }
  saveStatus_->setText(QStringLiteral("已保存：%1").arg(QDir::toNativeSeparators(path)));
}

}  // namespace varnimo::app
