// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPoint>
#include <QPolygonF>
#include <QSizeF>
#include <QString>

#include <vector>

namespace zefiranda::scritte {

// A drawing in the making: filled shapes in painting order, each in one solid colour, in a drawing space
// whose longer side is 16000 units. It is written out as an SVG file of plain paths, without strokes,
// text, gradients or transforms.
class Tavola {
public:
    // pollici is the natural size; the drawing space follows its proportions.
    explicit Tavola(QSizeF pollici);

    QSize unita() const { return unita_; }

    void aggiungi(const QPainterPath& forma, const QColor& colore);

    // Stretches everything drawn so far so that its bounding box fills the drawing space exactly,
    // or all but a margin on each side of the given fraction of its width and height.
    void riempi(double margineX = 0, double margineY = 0);

    // Polygons are simplified within tolleranza drawing units before being written.
    bool scrivi(const QString& percorso, double tolleranza) const;

private:
    struct Forma {
        QPainterPath tracciato;
        QColor colore;
    };

    QSizeF pollici_;
    QSize unita_;
    std::vector<Forma> forme_;
};

// A closed ring simplified within tolleranza units, with whole-unit corners; empty when nothing of it is left.
std::vector<QPoint> anelloSemplificato(const QPolygonF& anello, double tolleranza);

// Path data of a shape, as closed polygons with whole-unit coordinates ("M x y l dx dy ... z").
QString datiTracciato(const QPainterPath& forma, double tolleranza);

}  // namespace zefiranda::scritte
