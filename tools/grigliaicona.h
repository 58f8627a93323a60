// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zefiranda {

// The sixteen colours of the standard Windows (VGA) palette, by index.
const std::array<QRgb, 16>& tavolozzaVga();

// A 32 x 32 icon as palette indices; -1 is a transparent pixel.
struct GrigliaIcona {
    static constexpr int lato = 32;
    std::array<std::int8_t, lato * lato> indici{};

    std::int8_t indice(int x, int y) const { return indici[static_cast<std::size_t>(y * lato + x)]; }
};

// Reads the icon's text form: 32 lines of 32 characters, one per pixel (the
// legend is at the top of pictures/icona/farfalla.txt); lines starting with
// '#' are comments. On a malformed text returns nothing and says why.
std::optional<GrigliaIcona> leggiGriglia(const QByteArray& testo, QString* errore = nullptr);

// The icon as an indexed image: the sixteen colours plus transparency.
QImage immagineIcona(const GrigliaIcona& griglia);

// The sizes at which the icon is written as PNG beside the grid's 32 x 32, those of them drawn by hand on
// the pixel grid (the others are the smooth drawing, farfalla.svg, painted), and those that the .ico file
// holds beside the grid's 32 x 32.
inline constexpr std::array<int, 8> latiDisegnati{16, 22, 24, 48, 64, 128, 256, 512};
inline constexpr std::array<int, 4> latiAMano{16, 22, 24, 48};
inline constexpr std::array<int, 4> latiNellIco{16, 24, 48, 256};

// Reads an icon drawn by hand at a size of its own, in colours of its own: the text form of the grid, one
// character per pixel, as many rows as columns, '.' transparent, with each other character declared before
// the rows by a line "colour C RRGGBB", or "colour C AARRGGBB" for a colour that lets what lies beneath
// show through (AA its opacity). Lines starting with '#' are comments. On a malformed text returns a null
// image and says why.
QImage leggiDisegnoAMano(const QByteArray& testo, QString* errore = nullptr);

// The smooth drawing of the icon painted on a transparent square of that side; a null image when the
// drawing cannot be read.
QImage immagineDisegnata(const QByteArray& svg, int lato);

// The icon at one of latiDisegnati: at the sizes drawn by hand, the grid BASE-<side>.txt; at the others,
// the smooth drawing painted. A null image, and why, when the file or the drawing cannot be read.
QImage immagineAlLato(const QString& base, const QByteArray& svg, int lato, QString* errore = nullptr);

// The icon as a Windows .ico file: the grid's 32 x 32, 16-colour bitmap, and the images given, each at
// its own size (32-bit with alpha; at 256 pixels, PNG), in order of size.
QByteArray fileIco(const GrigliaIcona& griglia, const std::vector<QImage>& disegnate = {});

}  // namespace zefiranda
