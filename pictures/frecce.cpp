// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/frecce.h"

#include <QPainter>

#include <array>

namespace zefiranda {

namespace {

struct Punto {
    double x, y;
};

struct Tracciato {
    double larghezza, altezza;
    std::array<Punto, 4> asta;
    std::array<Punto, 3> punta;
    QColor colore;
};

// Corner points in drawing units, y downwards.
const Tracciato& tracciato(Freccia freccia)
{
    static const Tracciato blu{16000,
                               2345,
                               {{{0, 948}, {14053, 948}, {14053, 1397}, {0, 1397}}},
                               {{{13868, 0}, {16000, 1173}, {13868, 2345}}},
                               QColor(0, 147, 221)};
    static const Tracciato rossa{2345,
                                 16000,
                                 {{{948, 0}, {1397, 0}, {1397, 14053}, {948, 14053}}},
                                 {{{2345, 13868}, {1173, 16000}, {0, 13868}}},
                                 QColor(218, 37, 29)};
    static const Tracciato giallaRete{15956,
                                      16000,
                                      {{{379, 0}, {14507, 14168}, {14128, 14545}, {0, 377}}},
                                      {{{15152, 13214}, {15956, 16000}, {13172, 15188}}},
                                      QColor(255, 245, 0)};
    static const Tracciato giallaLegenda{16000,
                                         16000,
                                         {{{611, 0}, {13654, 13043}, {13043, 13654}, {0, 611}}},
                                         {{{14694, 11499}, {16000, 16000}, {11499, 14694}}},
                                         QColor(255, 245, 0)};
    switch (freccia) {
    case Freccia::Blu:
        return blu;
    case Freccia::Rossa:
        return rossa;
    case Freccia::GiallaRete:
        return giallaRete;
    case Freccia::GiallaLegenda:
        break;
    }
    return giallaLegenda;
}

template <std::size_t N>
QPolygonF nellaScatola(const std::array<Punto, N>& punti, const Tracciato& t, const QSizeF& scatola)
{
    QPolygonF poligono;
    poligono.reserve(static_cast<qsizetype>(N));
    for (const Punto& p : punti)
        poligono << QPointF(p.x * scatola.width() / t.larghezza, p.y * scatola.height() / t.altezza);
    return poligono;
}

}  // namespace

QColor coloreFreccia(Freccia freccia)
{
    return tracciato(freccia).colore;
}

FormaFreccia formaFreccia(Freccia freccia, const QSizeF& scatola)
{
    const Tracciato& t = tracciato(freccia);
    return {nellaScatola(t.asta, t, scatola), nellaScatola(t.punta, t, scatola)};
}

Disegno disegnoFreccia(Freccia freccia)
{
    return [freccia](QPainter& pittore, const QSizeF& scatola) {
        const FormaFreccia forma = formaFreccia(freccia, scatola);
        pittore.save();
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.setPen(Qt::NoPen);
        pittore.setBrush(coloreFreccia(freccia));
        pittore.drawPolygon(forma.asta);
        pittore.drawPolygon(forma.punta);
        pittore.restore();
    };
}

}  // namespace zefiranda
