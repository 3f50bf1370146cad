#pragma once
// The main window: the preview canvas, the two text boxes, the controls that choose
// font, size, colour, opacity and position, and the save button. It builds itself from
// the control table (control_layout.h); every control carries its table name as
// objectName.
//
// Every handler that changes an input ends in one synchronous repaint request to the
// canvas window, which the canvas window procedure (canvas_window.h) turns into a
// render.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ansi_text.h"
#include "app/open_file_dialog.h"
#include "platform/kernel/types.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;

namespace varnimo::app {

class CanvasControl;
class ColorPicker;

// Opens a link with the desktop's handler.
using LinkOpener = std::function<void(const QUrl& link)>;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // The control with this table name, or null when there is none of that type.
  template <typename T>
  T* FindControl(std::string_view name) const {
    return findChild<T*>(FromUtf8(name));
  }

  // The canvas control's platform window, asked anew at each call.
  platform::HWND CanvasWindow() const;

  // Where Save writes test.jpg; the program's own directory unless changed.
  void SetSaveDirectory(QString directory) { saveDirectory_ = std::move(directory); }
  void SetLinkOpener(LinkOpener opener) { linkOpener_ = std::move(opener); }
  OpenFileDialog& FileDialog() const { return *fileDialog_; }

  // The created handler: binds the state's surface and hook to the canvas, reads the
  // canvas size and both texts, fills the font list and draws the first preview.
  void OnMainWindowCreated();

  // Sends `message` (0: WM_LBUTTONDOWN) to the canvas window and returns when it has
  // been handled.
  void RequestRepaint(platform::UINT message = 0);
  // Colour, font, size, opacity and the refresh button: repaint only.
  void Repaint();
  // Either text box changed: both texts go to the state, then a repaint.
  void OnTextChanged();
  // Asks for a picture file and puts its name into the picture-path box.
  void Browse();
  // One arrow step in the direction of the button's tag; rewrites the position label.
  void MoveWatermark(QPushButton* button);
  // Writes the canvas picture as a BMP to test.jpg, replacing the file only once the
  // new content is complete, and shows the outcome in the status line.
  void Save();
  void OpenContactLink();

 private:
  void BuildControls();
  void ConnectHandlers();
  void ShowFontEntries(const std::vector<std::string>& faceNames);

  OpenFileDialog* fileDialog_ = nullptr;
  CanvasControl* canvas_ = nullptr;
  QLineEdit* watermarkBox_ = nullptr;
  QLineEdit* pathBox_ = nullptr;
  QComboBox* fontBox_ = nullptr;
  QLabel* positionLabel_ = nullptr;
  QLabel* saveStatus_ = nullptr;
  QString saveDirectory_;
  LinkOpener linkOpener_;
};

}  // namespace varnimo::app
