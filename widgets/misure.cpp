// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/misure.h"

#include <cmath>

namespace zefiranda {

QFont carattere(const QStringList& facce, double punti, bool corsivo)
{
    QFont font;
    font.setFamilies(facce);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    font.setItalic(corsivo);
    return font;
}

}  // namespace zefiranda
