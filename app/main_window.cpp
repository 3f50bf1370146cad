#include "app/main_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/ansi_text.h"
#include "app/canvas_control.h"
#include "app/color_picker.h"
#include "app/control_layout.h"
#include "app/hyperlink_label.h"

namespace varnimo::app {

namespace {

QComboBox* MakeSizeList(QWidget* parent) {
  auto* list = new QComboBox(parent);
  for (const int size : kFontSizes) list->addItem(QString::number(size), size);
  list->setCurrentIndex(list->findData(kDefaultFontSize));
  return list;
}

QSlider* MakeOpacitySlider(QWidget* parent) {
  auto* slider = new QSlider(Qt::Horizontal, parent);
  slider->setRange(kOpacityMinimum, kOpacityMaximum);
  slider->setValue(kOpacityDefault);
  slider->setPageStep(kOpacityPageStep);
  slider->setSingleStep(kOpacityLineStep);
  return slider;
}

// The widget for one row of the table; null for the dialog, which has no area.
QWidget* MakeControl(const ControlDefinition& definition, QWidget* parent) {
  const QString content = FromUtf8(definition.content);
  switch (definition.kind) {
    case ControlKind::Label:
      return new QLabel(content, parent);
    case ControlKind::TextBox:
      return new QLineEdit(content, parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(content, parent);
      if (!definition.tag.empty()) button->setProperty("tag", FromUtf8(definition.tag));
      return button;
    }
    case ControlKind::OpenFileDialog:
      return nullptr;
    case ControlKind::Canvas:
      return new CanvasControl(definition.width, definition.height, parent);
    case ControlKind::GroupBox:
      return new QGroupBox(parent);
    case ControlKind::ColorPicker: {
      auto* picker = new ColorPicker(parent);
      picker->setColor(QColor(0, 255, 255));
      return picker;
    }
    case ControlKind::EditableComboBox: {
      auto* box = new QComboBox(parent);
      box->setEditable(true);
      return box;
    }
    case ControlKind::DropDownList:
      return MakeSizeList(parent);
    case ControlKind::Slider:
      return MakeOpacitySlider(parent);
    case ControlKind::Frame: {
      auto* frame = new QFrame(parent);
      frame->setFrameShape(QFrame::Box);
      frame->setFrameShadow(QFrame::Sunken);
      return frame;
    }
    case ControlKind::HyperlinkLabel: {
      auto* link = new HyperlinkLabel(parent);
      link->setText(content);
      return link;
    }
  }
  return nullptr;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      saveDirectory_(QCoreApplication::applicationDirPath()),
      linkOpener_([](const QUrl& link) { QDesktopServices::openUrl(link); }) {
  setWindowTitle(FromUtf8(kWindowTitle));
  setGeometry(kWindowX, kWindowY, kWindowWidth, kWindowHeight);
  BuildControls();
  ConnectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls() {
  for (const ControlDefinition& definition : kControls) {
    QWidget* parent = definition.parent.empty() ? this : FindControl<QWidget>(definition.parent);
    if (definition.kind == ControlKind::OpenFileDialog) {
      fileDialog_ = new OpenFileDialog(FromUtf8(kOpenDialogTitle), FromUtf8(kOpenDialogFilter), this);
      fileDialog_->setObjectName(FromUtf8(definition.name));
      continue;
    }
    QWidget* control = MakeControl(definition, parent);
    control->setObjectName(FromUtf8(definition.name));
    control->setGeometry(definition.x, definition.y, definition.width, definition.height);
  }
  canvas_ = FindControl<CanvasControl>("画板1");
  watermarkBox_ = FindControl<QLineEdit>("编辑框1");
  pathBox_ = FindControl<QLineEdit>("编辑框2");
  fontBox_ = FindControl<QComboBox>("组合框2");
  positionLabel_ = FindControl<QLabel>("标签5");
  saveStatus_ = FindControl<QLabel>(kSaveStatusName);
}

void MainWindow::ConnectHandlers() {
  connect(watermarkBox_, &QLineEdit::textChanged, this, &MainWindow::OnTextChanged);
  connect(pathBox_, &QLineEdit::textChanged, this, &MainWindow::OnTextChanged);
  connect(FindControl<QPushButton>("按钮7"), &QPushButton::clicked, this, &MainWindow::Browse);
  connect(FindControl<ColorPicker>("颜色选择器"), &ColorPicker::colorChanged, this, &MainWindow::Repaint);
  // Only a choice the user makes repaints; filling the lists at start does not.
  connect(fontBox_, &QComboBox::activated, this, &MainWindow::Repaint);
  connect(FindControl<QComboBox>("组合框1"), &QComboBox::activated, this, &MainWindow::Repaint);
  connect(FindControl<QSlider>("滑块条"), &QSlider::valueChanged, this, &MainWindow::Repaint);
  for (const std::string_view arrow : {"按钮5", "按钮3", "按钮4", "按钮6"}) {
    QPushButton* button = FindControl<QPushButton>(arrow);
    connect(button, &QPushButton::clicked, this, [this, button] { MoveWatermark(button); });
  }
  connect(FindControl<QPushButton>("按钮1"), &QPushButton::clicked, this, &MainWindow::Repaint);
  connect(FindControl<QPushButton>("按钮2"), &QPushButton::clicked, this, &MainWindow::Save);
  connect(FindControl<QPushButton>("按钮8"), &QPushButton::clicked, this, &MainWindow::OpenContactLink);
  connect(FindControl<HyperlinkLabel>("超级链接框1"), &HyperlinkLabel::clicked, this,
          &MainWindow::OpenContactLink);
}

platform::HWND MainWindow::CanvasWindow() const { return canvas_->WindowHandle(); }

void MainWindow::OpenContactLink() { linkOpener_(QUrl(FromUtf8(kContactLink))); }

}  // namespace varnimo::app
