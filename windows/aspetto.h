// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two windows look like and say, in one place: their colours, the
// network window's messages, the places of its number boxes and those of the
// drawings the build paints in advance.

#include "logic/centratura.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QString>

#include <array>

namespace zefiranda {

// The start window's background.
inline constexpr QColor sfondoFrminizio(255, 255, 192);
// The network window's background, which its labels and pictures share.
inline constexpr QColor sfondoFrmrete(255, 192, 192);
// txt1's box, which holds the start value.
inline constexpr QColor sfondoTxt1(255, 255, 255);
// The ink of lblmess.
inline constexpr QColor inchiostroLblmess(0, 0, 255);

// What lblmess says after a check that found a wrong box, and after one that found none.
inline QString messaggioAttento()
{
    return QCoreApplication::translate("zefiranda::Frmrete", "Attento... correggiti!");
}
inline QString messaggioBravo()
{
    return QCoreApplication::translate("zefiranda::Frmrete", "Bravo!");
}

// A control of the network window: its name and its place in twips.
struct Posto {
    const char* nome;
    int left, top, width, height;
};

// The place in logical pixels.
inline QRect rettangolo(const Posto& posto)
{
    return daTwips(posto.left, posto.top, posto.width, posto.height);
}

// The number boxes in reading order: txt1 ... txt9.
inline constexpr std::array<Posto, 9> nodiFrmrete{{
    {"txt1", 960, 1920, 495, 495},
    {"txt2", 3000, 1920, 495, 495},
    {"txt3", 5040, 1920, 495, 495},
    {"txt4", 960, 3960, 495, 495},
    {"txt5", 3000, 3960, 495, 495},
    {"txt6", 5040, 3960, 495, 495},
    {"txt7", 960, 6000, 495, 495},
    {"txt8", 3000, 6000, 495, 495},
    {"txt9", 5040, 6000, 495, 495},
}};

// A drawing shown by a control whose place and size the layout fixes. The
// build paints each of these in advance where its control shows it
// (zefiranda-prepara reads them from here), so that the windows copy pixels
// instead of reading SVG files; a control moved here moves its prepared
// drawing with it.
struct DisegnoFisso {
    enum class Modo {
        Stirato,   // stretched over the control, which is filled with `sfondo` first
        Naturale,  // at its natural size, from the control's corner
        Centrato,  // at its natural size, centred in the control (a button)
    };
    const char* disegno;  // its file in pictures/disegni/, without ".svg"
    Posto posto;
    Modo modo;
    QColor sfondo{};
};

inline constexpr DisegnoFisso titoloFrminizio{
    "titolo", {"Picture1", 4080, 120, 5175, 3615}, DisegnoFisso::Modo::Stirato, sfondoFrminizio};
inline constexpr DisegnoFisso ragazzoFrminizio{
    "ragazzo", {"Picture2", 120, 1440, 3975, 5175}, DisegnoFisso::Modo::Stirato, sfondoFrminizio};
inline constexpr DisegnoFisso vaiFrminizio{"vai", {"cmdparti", 6000, 4920, 1935, 975}, DisegnoFisso::Modo::Centrato};
inline constexpr DisegnoFisso firmaFrminizio{"firma", {"Image1", 120, 7080, 1230, 165}, DisegnoFisso::Modo::Naturale};
inline constexpr DisegnoFisso pallonciniFrmrete{
    "palloncini", {"Picture20", 6600, 480, 2895, 5175}, DisegnoFisso::Modo::Stirato, sfondoFrmrete};

inline constexpr std::array<DisegnoFisso, 5> disegniFissi{titoloFrminizio, ragazzoFrminizio, vaiFrminizio,
                                                          firmaFrminizio, pallonciniFrmrete};

}  // namespace zefiranda
