// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/disegno.h"

#include <QColor>
#include <QPolygonF>
#include <QSizeF>

namespace zefiranda {

// The four arrow glyphs of the network window. The legend's yellow arrow is a
// drawing of its own, with a relatively thicker shaft and a larger head.
enum class Freccia { Blu, Rossa, GiallaRete, GiallaLegenda };

// A glyph fitted into a box: the shaft, painted first, and the head over it.
struct FormaFreccia {
    QPolygonF asta;   // four corners
    QPolygonF punta;  // three corners, the middle one is the tip
};

QColor coloreFreccia(Freccia freccia);

// Maps the glyph's corner points onto a box of the given size: x and y are
// scaled independently, so the glyph always fills the whole box.
FormaFreccia formaFreccia(Freccia freccia, const QSizeF& scatola);

// Paints the glyph in its colour, antialiased, and nothing else.
Disegno disegnoFreccia(Freccia freccia);

}  // namespace zefiranda
