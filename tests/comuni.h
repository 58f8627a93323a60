// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What several tests look for in the program's windows.

#include "windows/aspetto.h"

#include <QColor>
#include <QScreen>
#include <QWidget>

// Whether the window's frame stands in the middle of its screen.
inline bool centrata(const QWidget& finestra)
{
    const QRect schermo = finestra.screen()->geometry();
    const QRect cornice = finestra.frameGeometry();
    return qAbs(2 * cornice.left() + cornice.width() - 2 * schermo.left() - schermo.width()) <= 1
        && qAbs(2 * cornice.top() + cornice.height() - 2 * schermo.top() - schermo.height()) <= 1;
}

// How far a pixel has gone from the network window's pink towards a glyph's
// colour: 0 pink, 1 the colour.
inline double quota(QRgb pixel, const QColor& glifo)
{
    const QColor& rosa = zefiranda::sfondoFrmrete;
    const double dr = glifo.red() - rosa.red(), dg = glifo.green() - rosa.green(), db = glifo.blue() - rosa.blue();
    return ((qRed(pixel) - rosa.red()) * dr + (qGreen(pixel) - rosa.green()) * dg + (qBlue(pixel) - rosa.blue()) * db)
        / (dr * dr + dg * dg + db * db);
}
