// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/esercizio.h"
#include "widgets/finestra.h"
#include "widgets/pausa.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zefiranda {

class AreaImmagine;

// The network window: nine number boxes joined by arrows, the operator
// legend, the answer box of the yellow operator and the two buttons.
class Frmrete : public Finestra {
    Q_OBJECT

public:
    // Without a source the window seeds its own generator from the clock
    // when it loads. The clock times the pause after a right answer (see
    // cmdconferma_Click); without one the window uses the system's.
    explicit Frmrete(Estrazione sorgente = {}, Orologio orologio = {});

    const Esercizio& esercizio() const { return stato_; }

    // Picture area by its number, 1 ... 20.
    AreaImmagine* Picture(int numero) const;

    // Draws a new puzzle and shows its start value, captions and hidden answer.
    void nuovoesercizio();

private:
    void Form_Load() override;
    void cmdconferma_Click();
    void timer_Timer();
    void cmdfine_Click();

    Esercizio stato_;
    Estrazione sorgente_;

    Pausa* pausa_ = nullptr;
    std::int64_t premuto_ = 0;  // when cmdconferma last went down

    std::array<QLineEdit*, 9> txt_{};
    QLineEdit* txtcomgialla = nullptr;
    QLineEdit* txtcg = nullptr;
    QLabel* lblcomblu = nullptr;
    QLabel* lblcomrossa = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblmess = nullptr;
    QPushButton* cmdconferma = nullptr;
    QPushButton* cmdfine = nullptr;
    QTimer* timer = nullptr;
    std::array<AreaImmagine*, 20> Picture_{};
};

// Loads ahead what the network window's first frame needs and takes longest to
// find: its fonts, fitted to the legend. Nothing changes on the screen; the
// start window calls it once its own first frame is painted.
void preparaFrmrete();

}  // namespace zefiranda
