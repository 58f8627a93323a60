// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/misure.h"

#include "logic/centratura.h"

#include <cmath>

namespace zefiranda {

namespace {

int pixel(int twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace

QRect daTwips(int left, int top, int width, int height)
{
    return {pixel(left), pixel(top), pixel(width), pixel(height)};
}

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
