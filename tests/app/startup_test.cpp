// Start-up and shutdown: the state's initial fields, GDI+, Shutdown running once
// however the program ends, and the program's screenshot mode.

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/app_state.h"
#include "app/main_window.h"
#include "app/startup.h"
#include "core/error_log.h"
#include "platform/gdiplus/startup.h"

using namespace varnimo::app;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { Shutdown(); }

  void initialState() {
    InitAppState();
    QVERIFY(HasAppState());
    const AppState& state = State();
    QVERIFY(state.picturePath.empty());
    QVERIFY(state.watermarkText.empty());
    QCOMPARE(state.position, (varnimo::Point{0, 0}));
    QCOMPARE(state.textBounds, (varnimo::RectF{0, 0, 0, 0}));
    QCOMPARE(state.canvasSize, (CanvasSize{0, 0}));
    QCOMPARE(state.gdiplusToken, platform::ULONG_PTR{0});
    QCOMPARE(state.surface.GetWindowHandle(), platform::HWND{0});
    QCOMPARE(state.surface.GetGraphics(), platform::GpGraphics{0});
    QVERIFY(state.fontNames.empty());
  }

  void gdiplusStarts() {
    InitAppState();
    StartGdiplus();
    QVERIFY(State().gdiplusToken != 0);
    QVERIFY(platform::GdiplusIsRunning());
  }

  void shutdownFreesStateAndErrorLog() {
    InitAppState();
    State().watermarkText.push_back('x');
    varnimo::errorLog.Append("failure");
    Shutdown();
    QVERIFY(!HasAppState());
    QVERIFY(varnimo::errorLog.IsNone());
  }

  // Closing the main window ends the event loop, which runs Shutdown; the loop ending
  // again, or the program asking once more, frees nothing a second time.
  void closingTheWindowShutsDownOnce() {
    InitAppState();
    RegisterShutdown();
    StartGdiplus();
    {
      MainWindow window;
      window.OnMainWindowCreated();
      window.show();
      QTimer::singleShot(0, &window, &QWidget::close);
      QCOMPARE(QApplication::exec(), 0);
      QVERIFY(!HasAppState());
      QVERIFY(varnimo::errorLog.IsNone());

      varnimo::errorLog.Append("after shutdown");
      RegisterShutdown();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
      QApplication::exec();
      Shutdown();
      QCOMPARE(varnimo::errorLog.Text(), std::string("after shutdown"));
      // Messages that reach the canvas now get the default handling.
      window.Repaint();
    }
    varnimo::errorLog.Free();
  }

  void screenshotOfTheMainWindow() {
    QTemporaryDir directory;
    const QString picture = directory.filePath("window.png");
    QProcess program;
    program.start(VARNIMO_PROGRAM, {"--screenshot", picture});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    const QImage image(picture);
    QCOMPARE(image.size(), QSize(791, 541));
  }

  void screenshotToAnUnwritablePathFails() {
    QTemporaryDir directory;
    QProcess program;
    program.start(VARNIMO_PROGRAM, {"--screenshot", directory.filePath("missing/window.png")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 1);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
