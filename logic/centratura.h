// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace zefiranda {

inline constexpr double twipsPerPixel = 15.0;

// Window rectangles are laid out in twips, 15 to a logical pixel.
QRect daTwips(int left, int top, int width, int height);

// No title bar or border of a real window frame is thicker than this, in pixels.
inline constexpr int corniceMassima = 100;

struct PosizioneTwips {
    double left;
    double top;
};

// Centres a window of the given outer size on a screen, all in twips. Halves
// stay unrounded and the result is never clamped: a window larger than the
// screen overhangs every edge by the same amount.
PosizioneTwips centra(double larghezzaSchermo, double altezzaSchermo, double larghezzaFinestra, double altezzaFinestra);

// Where a window's client area goes, in pixels, so that its frame, of the given
// thickness on each side, stands centred on the screen's rectangle: the frame's
// corner is centred in twips and rounded to the nearest pixel only at the end.
QPoint posizioneCentrata(const QRect& schermo, const QSize& interno, const QMargins& cornice);

// Whether an estimate of a window's frame (left, top, right and bottom thickness
// in pixels) can be believed: no side is negative or thicker than a title bar.
// A frame read while the window manager is still building it (a 1 x 1 frame
// window, a frame the size of the screen) fails.
bool corniceCredibile(const QMargins& cornice);

}  // namespace zefiranda
