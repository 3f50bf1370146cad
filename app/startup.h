#pragma once
// Start-up and shutdown of the application.
//
// Start-up order: the GUI platform (a QApplication), InitAppState, RegisterShutdown,
// StartGdiplus, the main window, the event loop. Shutdown frees what InitAppState
// built, then the error log, and runs once however the program ends.

namespace varnimo::app {

// Starts the GDI+ engine (version 1) and stores its token in the state. A failed
// start-up is not reported: every later GDI+ call then fails with its own status.
// The engine is never shut down; it runs until the process ends.
void StartGdiplus();

// Arranges for Shutdown to run when the application's event loop ends
// (QCoreApplication::aboutToQuit). Registering again adds nothing.
void RegisterShutdown();

// Frees, in this order: the two texts, the position records, the surface (released),
// the hook (its window keeps the hook's procedure), the collected face names, and then
// the error log. Does nothing when there is no state, so a second call (the event loop
// ending and the program's own exit both asking) frees nothing twice.
void Shutdown();

}  // namespace varnimo::app
