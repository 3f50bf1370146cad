// The main window: its controls at start, the arrows, Browse, the text boxes, the
// canvas messages, Save and the contact link.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "app/ansi_text.h"
#include "app/app_state.h"
#include "app/color_picker.h"
#include "app/main_window.h"
#include "app_fixture.h"
#include "platform/gdi/shapes.h"
#include "platform/gdi/text/font.h"
#include "platform/user/messages.h"

using varnimo::app::MainWindow;
using varnimo::app::State;
using varnimo::app::testing::RunningApp;

namespace {

// What a control shows: its caption, text or current entry; null for controls that
// show none.
QString CaptionOf(const QObject* control) {
  if (const auto* label = qobject_cast<const QLabel*>(control)) return label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return box->text();
  if (const auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (const auto* group = qobject_cast<const QGroupBox*>(control)) return group->title();
  return {};
}

// Reads a little-endian field of the saved file.
quint32 Field(const QByteArray& bytes, int offset, int size) {
  quint32 value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<quint8>(bytes[offset + i]);
  return value;
}

void PaintCanvasPixel(MainWindow& window, int x, int y, platform::COLORREF colour) {
  const platform::HDC dc = platform::GetDC(window.CanvasWindow());
  platform::SetPixelV(dc, x, y, colour);
  platform::ReleaseDC(window.CanvasWindow(), dc);
}

platform::COLORREF CanvasPixel(MainWindow& window, int x, int y) {
  const platform::HDC dc = platform::GetDC(window.CanvasWindow());
  const platform::COLORREF colour = platform::GetPixel(dc, x, y);
  platform::ReleaseDC(window.CanvasWindow(), dc);
  return colour;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { app_.emplace(); }
  void cleanup() { app_.reset(); }

  void windowAtStartUp() {
    MainWindow& window = app_->Window();
    QCOMPARE(window.windowTitle(), QStringLiteral("Varnimo"));
    QCOMPARE(window.geometry(), QRect(50, 50, 791, 541));
  }

  void controlsAtStartUp_data() {
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    const QString window = "window";
    const auto row = [](const char* name, const QString& parent, QRect geometry, const QString& caption) {
      QTest::newRow(name) << parent << geometry << caption;
    };
    row("标签6", window, {8, 0, 768, 24}, "水印文字：");
    row("编辑框1", window, {8, 24, 552, 40}, "Varnimo 水印");
    row("标签7", window, {8, 70, 72, 24}, "预加载图片：");
    row("编辑框2", window, {80, 72, 368, 20}, "");
    row("按钮7", window, {454, 72, 104, 20}, "浏览");
    row("画板1", window, {8, 104, 550, 400}, {});
    row("分组框1", window, {568, 20, 208, 484}, "");
    row("标签1", "分组框1", {11, 8, 185, 24}, "水印颜色：");
    row("颜色选择器", "分组框1", {11, 40, 185, 24}, {});
    row("标签4", "分组框1", {11, 72, 185, 24}, "水印字体：默认 微软雅黑");
    row("组合框2", "分组框1", {11, 104, 185, 24}, {});
    row("标签3", "分组框1", {8, 136, 200, 24}, "水印文字大小：默认16号字");
    row("组合框1", "分组框1", {11, 168, 185, 24}, "16");
    row("标签2", "分组框1", {11, 200, 185, 24}, "水印透明度：50-255 默认：150");
    row("滑块条", "分组框1", {11, 232, 185, 24}, {});
    // The created handler has placed the text with the left arrow.
    row("标签5", "分组框1", {11, 271, 185, 24}, "水印位置：3/0");
    row("外形框1", "分组框1", {11, 300, 185, 88}, {});
    row("按钮5", "外形框1", {13, 11, 40, 64}, "←");
    row("按钮3", "外形框1", {53, 11, 80, 32}, "↑");
    row("按钮4", "外形框1", {53, 43, 80, 32}, "↓");
    row("按钮6", "外形框1", {133, 11, 40, 64}, "→");
    row("按钮1", "分组框1", {8, 399, 96, 24}, "刷新");
    row("按钮2", "分组框1", {112, 399, 88, 24}, "保存");
    row("按钮8", "分组框1", {16, 436, 88, 40}, "点击联系作者");
    row("超级链接框1", "分组框1", {112, 436, 88, 40}, "作者空间");
    row("保存状态标签", window, {8, 512, 768, 24}, "");
  }

  void controlsAtStartUp() {
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    auto* control = app_->Window().findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(control->parentWidget() == &app_->Window() ? QStringLiteral("window")
                                                         : control->parentWidget()->objectName(),
             parent);
    QCOMPARE(control->geometry(), geometry);
    if (!caption.isNull()) QCOMPARE(CaptionOf(control), caption);
  }

  void choosersAtStartUp() {
    MainWindow& window = app_->Window();
    QCOMPARE(window.FindControl<varnimo::app::ColorPicker>("颜色选择器")->color(), QColor(0, 255, 255));
    auto* slider = window.FindControl<QSlider>("滑块条");
    QCOMPARE(slider->minimum(), 50);
    QCOMPARE(slider->maximum(), 255);
    QCOMPARE(slider->value(), 150);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(slider->singleStep(), 1);
    auto* sizes = window.FindControl<QComboBox>("组合框1");
    QVERIFY(!sizes->isEditable());
    QStringList entries;
    QList<int> values;
    for (int i = 0; i < sizes->count(); ++i) {
      entries << sizes->itemText(i);
      values << sizes->itemData(i).toInt();
    }
    QCOMPARE(entries, QStringList({"12", "14", "16", "18", "24", "32", "36", "42", "48", "72"}));
    QCOMPARE(values, QList<int>({12, 14, 16, 18, 24, 32, 36, 42, 48, 72}));
    QCOMPARE(sizes->currentData().toInt(), 16);
    QVERIFY(window.FindControl<QComboBox>("组合框2")->isEditable());
    for (const auto& [button, tag] : {std::pair{"按钮5", "left"}, {"按钮3", "up"}, {"按钮4", "down"},
                                      {"按钮6", "right"}}) {
      QCOMPARE(window.FindControl<QPushButton>(button)->property("tag").toString(), QString(tag));
    }
    QCOMPARE(window.FileDialog().objectName(), QStringLiteral("通用对话框1"));
    QCOMPARE(window.FileDialog().Title(), QStringLiteral("请选择需要添加水印的图片文件："));
  }

  void stateAtStartUp() {
    const varnimo::app::AppState& state = State();
    QCOMPARE(state.canvasSize, (varnimo::app::CanvasSize{550, 400}));
    QCOMPARE(state.position, (varnimo::Point{3, 0}));
    QCOMPARE(state.textBounds, (varnimo::RectF{3, 0, 0, 0}));
    QCOMPARE(varnimo::app::FromAnsi(state.watermarkText), QStringLiteral("Varnimo 水印"));
    QVERIFY(state.picturePath.empty());
    QVERIFY(state.fontNames.empty());
    QCOMPARE(state.surface.GetWindowHandle(), app_->Window().CanvasWindow());
    QCOMPARE(state.surface.GetWidth(), platform::GetScreenWidth());
  }

  // Without the preferred face installed, the face chosen for Chinese text is
  // selected, and no face for vertical text is offered.
  void fontListAtStartUp() {
    auto* fonts = app_->Window().FindControl<QComboBox>("组合框2");
    QVERIFY(fonts->count() > 0);
    for (int i = 0; i < fonts->count(); ++i) QVERIFY(!fonts->itemText(i).startsWith('@'));
    const QString fallback = varnimo::app::FromAnsi(platform::PreferredFontFamily("zh-cn"));
    if (fonts->findText(QStringLiteral("微软雅黑")) < 0 && !fallback.isEmpty()) {
      QCOMPARE(fonts->currentText(), fallback);
    }
  }

  void arrows_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QPoint>("expected");
    const QString left = "按钮5", up = "按钮3", down = "按钮4", right = "按钮6";
    // Canvas 550 x 400. The coordinate an arrow does not move keeps its position.
    QTest::newRow("left, text never drawn") << left << QPoint(7, 9) << QRectF(0, 0, 0, 0) << QPoint(3, 9);
    QTest::newRow("left, one step") << left << QPoint(0, 9) << QRectF(100.7, 50, 80, 20) << QPoint(80, 9);
    QTest::newRow("left, lands on 3") << left << QPoint(0, 0) << QRectF(23, 0, 80, 20) << QPoint(3, 0);
    QTest::newRow("left, just inside") << left << QPoint(0, 0) << QRectF(24, 0, 80, 20) << QPoint(4, 0);
    QTest::newRow("up, one step") << up << QPoint(5, 0) << QRectF(0, 31, 80, 10) << QPoint(5, 11);
    QTest::newRow("up, at the text height") << up << QPoint(5, 0) << QRectF(0, 30, 80, 10) << QPoint(5, 2);
    QTest::newRow("up, truncated first") << up << QPoint(5, 0) << QRectF(0, 30.9, 80, 10.5) << QPoint(5, 2);
    QTest::newRow("down, one step") << down << QPoint(5, 0) << QRectF(0, 349, 80, 30) << QPoint(5, 369);
    QTest::newRow("down, reaches the bottom") << down << QPoint(5, 0) << QRectF(0, 350, 80, 30) << QPoint(5, 372);
    QTest::newRow("down, fractional height") << down << QPoint(5, 0) << QRectF(0, 360, 80, 30.5) << QPoint(5, 371);
    QTest::newRow("right, one step") << right << QPoint(0, 7) << QRectF(400, 0, 100, 20) << QPoint(420, 7);
    QTest::newRow("right, within 5 of the limit") << right << QPoint(0, 7) << QRectF(425, 0, 100, 20) << QPoint(448, 7);
    QTest::newRow("right, fraction short of it") << right << QPoint(0, 7) << QRectF(424.6, 0, 100.5, 20) << QPoint(444, 7);
    QTest::newRow("right, fractional width") << right << QPoint(0, 7) << QRectF(425, 0, 100.5, 20) << QPoint(447, 7);
    QTest::newRow("right, far outside") << right << QPoint(0, 7) << QRectF(1e30, 0, 0, 0) << QPoint(548, 7);
    QTest::newRow("left, far outside") << left << QPoint(0, 7) << QRectF(-1e30, 0, 0, 0) << QPoint(3, 7);
  }

  void arrows() {
    QFETCH(QString, button);
    QFETCH(QPoint, position);
    QFETCH(QRectF, bounds);
    QFETCH(QPoint, expected);
    varnimo::app::AppState& state = State();
    state.position = {position.x(), position.y()};
    state.textBounds = {static_cast<float>(bounds.x()), static_cast<float>(bounds.y()),
                        static_cast<float>(bounds.width()), static_cast<float>(bounds.height())};
    app_->Window().findChild<QPushButton*>(button)->click();
    QCOMPARE(state.position, (varnimo::Point{expected.x(), expected.y()}));
    QCOMPARE(app_->Window().FindControl<QLabel>("标签5")->text(),
             QStringLiteral("水印位置：%1/%2").arg(expected.x()).arg(expected.y()));
    // The render that followed drew the text where the arrow put it.
    QCOMPARE(state.textBounds.X, static_cast<float>(expected.x()));
    QCOMPARE(state.textBounds.Y, static_cast<float>(expected.y()));
  }

  void leftRepeatedlyStaysAtThree() {
    auto* left = app_->Window().FindControl<QPushButton>("按钮5");
    for (int i = 0; i < 3; ++i) left->click();
    QCOMPARE(State().position.X, 3);
  }

  void browseAccepted() {
    MainWindow& window = app_->Window();
    QString askedTitle, askedFilter;
    const QString picture = QStringLiteral("/图片/假日.jpg");
    window.FileDialog().SetChooser([&](QWidget*, const QString& title, const QString& filter) {
      askedTitle = title;
      askedFilter = filter;
      return picture;
    });
    window.FindControl<QPushButton>("按钮7")->click();
    QCOMPARE(askedTitle, QStringLiteral("请选择需要添加水印的图片文件："));
    QCOMPARE(askedFilter, QStringLiteral("JPG文件（*.jpg） (*.jpg)"));
    QCOMPARE(window.FindControl<QLineEdit>("编辑框2")->text(), picture);
    QCOMPARE(State().picturePath, varnimo::app::ToAnsi(picture));
  }

  void browseCancelled() {
    MainWindow& window = app_->Window();
    window.FindControl<QLineEdit>("编辑框2")->setText("/kept.jpg");
    window.FileDialog().SetChooser([](QWidget*, const QString&, const QString&) { return QString(); });
    window.FindControl<QPushButton>("按钮7")->click();
    QCOMPARE(window.FindControl<QLineEdit>("编辑框2")->text(), QStringLiteral("/kept.jpg"));
    QCOMPARE(State().picturePath, std::string("/kept.jpg"));
  }

  // Both boxes feed both texts, in the ANSI code page (GB18030).
  void textBoxesFeedState() {
    MainWindow& window = app_->Window();
    window.FindControl<QLineEdit>("编辑框1")->setText(QStringLiteral("测试"));
    QCOMPARE(State().watermarkText, std::string("\xB2\xE2\xCA\xD4"));
    window.FindControl<QLineEdit>("编辑框2")->setText(QStringLiteral("/a/测.jpg"));
    QCOMPARE(State().picturePath, std::string("/a/\xB2\xE2.jpg"));
    window.FindControl<QLineEdit>("编辑框1")->clear();
    QVERIFY(State().watermarkText.empty());
    // A character beyond the basic plane survives the round trip.
    window.FindControl<QLineEdit>("编辑框1")->setText(QStringLiteral("𠀀"));
    QCOMPARE(varnimo::app::FromAnsi(State().watermarkText), QStringLiteral("𠀀"));
  }

  // A click on the canvas moves the text there and leaves the label; a size message
  // moves it to the corner.
  void canvasMessages() {
    MainWindow& window = app_->Window();
    const QString label = window.FindControl<QLabel>("标签5")->text();
    platform::SendMessageA(window.CanvasWindow(), platform::WM_LBUTTONDOWN, 0,
                           platform::MAKELPARAM(120, 80));
    QCOMPARE(State().position, (varnimo::Point{120, 80}));
    QCOMPARE(State().textBounds.X, 120.0f);
    QCOMPARE(window.FindControl<QLabel>("标签5")->text(), label);
    platform::SendMessageA(window.CanvasWindow(), platform::WM_SIZE, 0, platform::MAKELPARAM(550, 400));
    QCOMPARE(State().position, (varnimo::Point{0, 0}));
  }

  // Every control change ends in a render, which presents the black back buffer.
  void repaintRendersTheCanvas() {
    MainWindow& window = app_->Window();
    PaintCanvasPixel(window, 10, 10, 0xFFFFFF);
    QCOMPARE(CanvasPixel(window, 10, 10), platform::COLORREF{0xFFFFFF});
    window.FindControl<QPushButton>("按钮1")->click();
    QCOMPARE(CanvasPixel(window, 10, 10), platform::COLORREF{0});
    PaintCanvasPixel(window, 10, 10, 0xFFFFFF);
    window.FindControl<QSlider>("滑块条")->setValue(200);
    QCOMPARE(CanvasPixel(window, 10, 10), platform::COLORREF{0});
  }

  // The canvas picture as a 24-bit bottom-up BMP, rows padded to 4 bytes
  // (550 x 3 = 1650 bytes of pixels, 2 of padding).
  void saveWritesTheCanvasAsBmp() {
    QTemporaryDir directory;
    MainWindow& window = app_->Window();
    window.SetSaveDirectory(directory.path());
    PaintCanvasPixel(window, 0, 0, platform::RGB(0x11, 0x22, 0x33));
    PaintCanvasPixel(window, 549, 399, platform::RGB(0x44, 0x55, 0x66));
    window.FindControl<QPushButton>("按钮2")->click();

    QFile file(directory.filePath("test.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    constexpr int kStride = 1652;
    QCOMPARE(bytes.size(), 54 + kStride * 400);
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    const QList<quint32> header = {Field(bytes, 2, 4),  Field(bytes, 6, 2),  Field(bytes, 8, 2),
                                   Field(bytes, 10, 4), Field(bytes, 14, 4), Field(bytes, 18, 4),
                                   Field(bytes, 22, 4), Field(bytes, 26, 2), Field(bytes, 28, 2),
                                   Field(bytes, 30, 4), Field(bytes, 34, 4), Field(bytes, 38, 4),
                                   Field(bytes, 42, 4), Field(bytes, 46, 4), Field(bytes, 50, 4)};
    QCOMPARE(header, QList<quint32>({54u + kStride * 400, 0, 0, 54, 40, 550, 400, 1, 24, 0,
                                     kStride * 400u, 0, 0, 0, 0}));
    // The top-left pixel is in the last row, the bottom-right one in the first.
    const int topLeft = 54 + 399 * kStride;
    QCOMPARE(bytes.mid(topLeft, 6), QByteArray("\x33\x22\x11\x00\x00\x00", 6));
    const int bottomRight = 54 + 549 * 3;
    QCOMPARE(bytes.mid(bottomRight, 5), QByteArray("\x66\x55\x44\x00\x00", 5));
    QCOMPARE(window.FindControl<QLabel>("保存状态标签")->text(),
             QStringLiteral("已保存：%1").arg(QDir::toNativeSeparators(file.fileName())));
  }

  void saveTwiceReplacesTheFile() {
    QTemporaryDir directory;
    MainWindow& window = app_->Window();
    window.SetSaveDirectory(directory.path());
    window.Save();
    PaintCanvasPixel(window, 0, 399, platform::RGB(0xFF, 0, 0));
    window.Save();
    QFile file(directory.filePath("test.jpg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll().mid(54, 3), QByteArray("\x00\x00\xFF", 3));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files), QStringList({"test.jpg"}));
  }

  // A save that cannot complete says why and leaves nothing behind.
  void failedSaveIsShownAndLeavesNoFile() {
    QTemporaryDir directory;
    MainWindow& window = app_->Window();
    window.SetSaveDirectory(directory.filePath("missing"));
    window.Save();
    QVERIFY(window.FindControl<QLabel>("保存状态标签")->text().startsWith(QStringLiteral("保存失败：")));
    QVERIFY(QDir(directory.path()).isEmpty());

    // test.jpg taken by a folder: the new content cannot replace it.
    QVERIFY(QDir(directory.path()).mkdir("test.jpg"));
    window.SetSaveDirectory(directory.path());
    window.FindControl<QLabel>("保存状态标签")->clear();
    window.Save();
    QVERIFY(window.FindControl<QLabel>("保存状态标签")->text().startsWith(QStringLiteral("保存失败：")));
    QCOMPARE(QDir(directory.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({"test.jpg"}));
    QVERIFY(QFileInfo(directory.filePath("test.jpg")).isDir());
  }

  void contactLinks() {
    MainWindow& window = app_->Window();
    QList<QUrl> opened;
    window.SetLinkOpener([&](const QUrl& link) { opened << link; });
    window.FindControl<QPushButton>("按钮8")->click();
    QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("超级链接框1")), Qt::LeftButton);
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0], opened[1]);
    QVERIFY(opened[0].isValid());
  }

 private:
  std::optional<RunningApp> app_;
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
