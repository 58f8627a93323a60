// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/finestra.h"

class QPushButton;

class QTimer;

namespace zefiranda {

class AreaImmagine;
class PulsanteImmagine;

// The start window: the title, a running boy, the credit line, the start
// button that leads into the exercise and the exit button.
class Frminizio : public Finestra {
    Q_OBJECT

public:
    Frminizio();

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    void Form_Load() override;
    void cmdparti_Click();
    void cmdesci_Click();

    AreaImmagine* Picture1 = nullptr;
    QPushButton* cmdesci = nullptr;
    AreaImmagine* Picture2 = nullptr;
    PulsanteImmagine* cmdparti = nullptr;
    AreaImmagine* Image1 = nullptr;
    QTimer* dopoIlPrimoDisegno_ = nullptr;  // single shot, started by the first paint
};

}  // namespace zefiranda
