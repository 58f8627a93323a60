// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the two windows look like and say, in one place: their colours, the
// network window's messages and the places of its number boxes.

#include <QColor>
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
inline const QString messaggioAttento = QStringLiteral("Attento... correggiti!");
inline const QString messaggioBravo = QStringLiteral("Bravo!");

// A control of the network window: its name and its place in twips.
struct Posto {
    const char* nome;
    int left, top, width, height;
};

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

}  // namespace zefiranda
