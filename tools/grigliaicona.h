// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

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

// The icon as a Windows .ico file holding one 32 x 32, 16-colour bitmap.
QByteArray fileIco(const GrigliaIcona& griglia);

}  // namespace zefiranda
