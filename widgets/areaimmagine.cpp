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
    disegno_(pittore, QSizeF(size()));
}

}  // namespace zefiranda
