// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/areaimmagine.h"

#include <QPainter>

namespace zefiranda {

AreaImmagine::AreaImmagine(QWidget* finestra)
    : QWidget(finestra)
{
    setFocusPolicy(Qt::NoFocus);
    setAutoFillBackground(true);
}

void AreaImmagine::setDisegno(Disegno disegno)
{
    disegno_ = std::move(disegno);
    update();
}

void AreaImmagine::paintEvent(QPaintEvent*)
{
    if (!disegno_)
        return;
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    // Tells the drawing what the toolkit has filled the area with, when that
    // is one opaque colour: it may then be copied from an image prepared on it.
    const QBrush& fondo = palette().brush(backgroundRole());
    std::optional<SfondoPieno> pieno;
    if (autoFillBackground() && fondo.style() == Qt::SolidPattern && fondo.color().alpha() == 255
        && !testAttribute(Qt::WA_StyledBackground) && !testAttribute(Qt::WA_OpaquePaintEvent)
        && !testAttribute(Qt::WA_NoSystemBackground))
        pieno.emplace(pittore, fondo.color().rgba());
    disegno_(pittore, QSizeF(size()));
}

}  // namespace zefiranda
