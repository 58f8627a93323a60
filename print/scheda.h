// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/scheda.h"
#include "pictures/frecce.h"

#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <array>
#include <cstdint>

class QPagedPaintDevice;

namespace zefiranda {

enum class Formato { A4, Letter };

// What a worksheet holds: its seed, how many networks, whether the solutions
// follow them, and on which paper.
struct Scheda {
    std::uint64_t seme = 0;
    int reti = retiPredefinite;
    bool soluzioni = true;
    Formato formato = Formato::A4;
};

QPageSize pagina(Formato formato);

// Exercise pages first, then the solutions pages.
int pagineScheda(const Scheda& scheda);

// A network on paper is drawn in the network window's twips; this is the area
// it takes, from the network's number at the top left to the bottom row of boxes.
QRectF areaRete();

// Where a network stands: its page, counted from 0, and the map from the
// network's twips onto the page, in points from the paper's top-left corner.
struct PostoRete {
    int pagina;
    QTransform mappa;
};
PostoRete postoRete(const Scheda& scheda, int indice, bool soluzione);

// The arrows of a network on paper, in twips: the sixteen of the grid, then the legend's three.
struct FrecciaRete {
    Freccia freccia;
    QRectF scatola;
};
const std::array<FrecciaRete, 19>& frecceRete();

// Draws the whole worksheet on a printer or PDF writer, page after page. The
// device is set to the worksheet's paper with no margins first.
void disegnaScheda(QPagedPaintDevice& foglio, const Scheda& scheda);

// Writes the worksheet as a PDF file: into a temporary file in the same folder,
// renamed over the path only once complete. Returns an empty text, or what went
// wrong in one Italian line.
QString scriviScheda(const QString& percorso, const Scheda& scheda);

}  // namespace zefiranda
