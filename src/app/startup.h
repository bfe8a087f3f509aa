#pragma once

class QApplication;
class QWidget;

// Everything main() does before the event loop: the program's look, the catalogue of windows,
// quitting with the keeper's last window, and the main window on screen (returned). Shared
// with the start-up benchmark, so that it times exactly what a user starts.
QWidget* StartPoolwright(QApplication& app);
