// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zefiranda {

inline constexpr double twipsPerPixel = 15.0;

struct PosizioneTwips {
    double left;
    double top;
};

// Centres a window of the given outer size on a screen, all in twips. Halves
// stay unrounded and the result is never clamped: a window larger than the
// screen overhangs every edge by the same amount.
PosizioneTwips centra(double larghezzaSchermo, double altezzaSchermo, double larghezzaFinestra, double altezzaFinestra);

}  // namespace zefiranda
