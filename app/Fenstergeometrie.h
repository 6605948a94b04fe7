#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

// Where windows open on a screen, so that title bars, buttons and the status bar are never off-screen.
// Rectangles are client areas; `rahmen` is the window frame around them (title bar and borders).

// The main window without a saved geometry: its preferred size, shrunk to the available area, never below
// its minimum, centred on that area.
QRect Startgeometrie(QSize bevorzugt, QSize minimum, const QRect& verfuegbar, const QMargins& rahmen);

// A dialog of size `groesse` centred on the window `ueber`, moved back into the available area where it
// would leave it.
QRect Zentriert(QSize groesse, const QRect& ueber, const QRect& verfuegbar, const QMargins& rahmen);
