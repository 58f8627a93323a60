// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drawings prepared when the program is built. zefiranda-prepara paints each
// drawing a window shows at a size known in advance, from its SVG file, as
// that window paints it on screens of pixel ratio 1 and 2, and the program
// keeps the pixels, compressed, in its resources as ":/preparati/<nome>".
// Painting a drawing is then a copy of those pixels instead of parsing and
// rasterising the SVG file; any other size, ratio or background falls back on
// the SVG file.

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace zefiranda::preparati {

// One image of a painting, placed in device pixels.
struct Strato {
    // Top-left corner, from the device pixel that holds the corner of the drawing's box.
    QPoint angolo;
    QSize misura;
    QByteArray dati;  // comprimi()'s form of the premultiplied pixels
};

// A drawing painted once: stretched to a box of a logical size, at a pixel
// ratio, with the box's corner at a place in device pixels (where its
// control puts it in its window: the same shapes fall on the pixels a little
// differently elsewhere).
struct Variante {
    QSizeF scatola;
    double rapporto = 1;
    QPointF origine;
    // The colour the box was filled with before the drawing was painted: the
    // one image is opaque and stands for box and drawing alike. Transparent:
    // the drawing alone, in layers whose shapes never share a pixel, so that
    // laying them over any background one by one gives what painting the
    // shapes onto it does.
    QRgb sfondo = 0;
    QList<Strato> strati;
};

// The file of one drawing's variants, and back; a file that does not read as
// one gives no variants.
QByteArray scriviVarianti(const QList<Variante>& varianti);
// The layers' data are the file's own bytes, not copies: the file must outlive
// the variants read from it (a resource's bytes always do).
QList<Variante> leggiVarianti(const QByteArray& file);

// A 32-bit image's pixels as runs of one value and stretches of values
// written out, and back into an image of the given size and format; false
// if the data do not fill it exactly.
QByteArray comprimi(const QImage& immagine);
bool decomprimi(const QByteArray& dati, QImage& immagine);
// Whether the data describe an image of that size exactly.
bool verifica(const QByteArray& dati, QSize misura);
// Lays an image in that form, of the given size, straight onto a 32-bit
// image, its top-left pixel at `angolo`, keeping only what falls inside
// `ritaglio`: values are copied, not blended, so it suits opaque images. The
// data must have passed verifica(): data that do not may be written in part.
void scriviIn(const QByteArray& dati, QSize misura, QImage& destinazione, QPoint angolo, const QRect& ritaglio);

}  // namespace zefiranda::preparati
