// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/disegno.h"
#include "widgets/pulsante.h"

#include <QSizeF>

namespace zefiranda {

// A push button that shows a drawing, at its natural size and centred on the
// face, instead of a caption.
class PulsanteImmagine : public Pulsante {
    Q_OBJECT

public:
    explicit PulsanteImmagine(QWidget* finestra);

    // The natural size is in logical pixels.
    void setDisegno(Disegno disegno, const QSizeF& naturale);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Disegno disegno_;
    QSizeF naturale_;
};

}  // namespace zefiranda
