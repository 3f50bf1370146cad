#pragma once
// Fonts, font metrics and text layout need a Qt GUI application object. Programs that
// draw text usually make their own (the watermark application does); a program that
// reaches the text services without one gets a private one here.

namespace platform::gdi {

// Makes sure a QGuiApplication exists, creating one on the calling thread when there
// is none. Without a display it uses the offscreen platform. Returns false when the
// process has a plain QCoreApplication, under which fonts cannot work.
bool EnsureGuiRuntime();

}  // namespace platform::gdi
