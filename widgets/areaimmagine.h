// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pictures/disegno.h"

#include <QWidget>

namespace zefiranda {

// A picture area: a rectangle in its window's colour that shows one drawing,
// without frame, never taking the focus.
class AreaImmagine : public QWidget {
    Q_OBJECT

public:
    explicit AreaImmagine(QWidget* finestra);

    void setDisegno(Disegno disegno);

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    Disegno disegno_;
};

}  // namespace zefiranda
