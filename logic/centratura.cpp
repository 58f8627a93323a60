// SPDX-License-Identifier: GPL-3.0-or-later
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

PosizioneTwips centra(double larghezzaSchermo, double altezzaSchermo, double larghezzaFinestra, double altezzaFinestra)
{
    return {(larghezzaSchermo - larghezzaFinestra) / 2.0, (altezzaSchermo - altezzaFinestra) / 2.0};
}

QPoint posizioneCentrata(const QRect& schermo, const QSize& interno, const QMargins& cornice)
{
    const QSize esterno = interno.grownBy(cornice);
    const PosizioneTwips angolo = centra(schermo.width() * twipsPerPixel, schermo.height() * twipsPerPixel,
                                         esterno.width() * twipsPerPixel, esterno.height() * twipsPerPixel);
    return {schermo.left() + static_cast<int>(std::lround(angolo.left / twipsPerPixel)) + cornice.left(),
            schermo.top() + static_cast<int>(std::lround(angolo.top / twipsPerPixel)) + cornice.top()};
}

bool corniceCredibile(const QMargins& cornice)
{
    for (const int lato : {cornice.left(), cornice.top(), cornice.right(), cornice.bottom()})
        if (lato < 0 || lato > corniceMassima)
            return false;
    return true;
}

}  // namespace zefiranda
