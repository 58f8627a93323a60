// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/disegno.h"

#include <QByteArray>
#include <QSize>
#include <QSizeF>
#include <QString>

namespace zefiranda {

// The decorative drawings live in the program's resources as
// ":/disegni/<nome>.svg": each one's width and height give its natural size
// in inches, its viewBox its drawing space. Replacing a file there replaces
// the picture; no code names anything but the drawing's name.
QString risorsaDisegno(const QString& nome);

// Natural size in logical pixels (96 to the inch, like the twip layout);
// empty when there is no such drawing.
QSizeF dimensioneNaturale(const QString& nome);

// The natural size written in an SVG text's root element: its width and
// height in in, cm, mm, pt, pc or px (a bare number counts as px). A length
// it cannot read is 0.
QSizeF dimensioneSvg(const QByteArray& svg);

// Stretched to the box: the drawing space is mapped onto the whole box, width
// and height scaled independently. Drawn as vectors at the painter's device
// pixel ratio, or copied from the images prepared for that painting when the
// build made some (see preparati.h): the pixels are the same. The prepared
// images of a picture area include its background, and serve only where an
// SfondoPieno says the box has been filled with that colour.
Disegno disegnoSvg(const QString& nome);

// Natural size, unscaled, from the box's top-left corner.
Disegno disegnoNaturale(const QString& nome);

// For tests and tools: whether drawings are copied from their prepared images
// when they can be (they are unless told otherwise), and how many SVG files
// have been read for painting so far.
void usaDisegniPreparati(bool usa);
int disegniSvgLetti();

}  // namespace zefiranda
