// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pulsanteimmagine.h"

#include <QPainter>
#include <QStyle>

namespace zefiranda {

PulsanteImmagine::PulsanteImmagine(QWidget* finestra)
    : Pulsante(finestra)
{
}

void PulsanteImmagine::setDisegno(Disegno disegno, const QSizeF& naturale)
{
    disegno_ = std::move(disegno);
    naturale_ = naturale;
    update();
}

void PulsanteImmagine::paintEvent(QPaintEvent* evento)
{
    Pulsante::paintEvent(evento);
    if (!disegno_)
        return;
    QPointF angolo((width() - naturale_.width()) / 2.0, (height() - naturale_.height()) / 2.0);
    // A pressed button's face sinks, and the drawing with it.
    if (isDown())
        angolo += QPointF(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, this),
                          style()->pixelMetric(QStyle::PM_ButtonShiftVertical, nullptr, this));
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.translate(angolo);
    disegno_(pittore, naturale_);
}

}  // namespace zefiranda
