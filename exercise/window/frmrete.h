#pragma once

#include "controlli.h"
#include "esercizio.h"

#include <array>
#include <functional>
#include <random>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zefiranda {

class AreaImmagine;

// The network window: nine number boxes joined by arrows, the operator
// legend, the answer box of the yellow operator and the two buttons.
class Frmrete : public Finestra {
public:
    // Ends the program; Fine runs it.
    using Termina = std::function<void()>;

    // Without a source the window seeds its own generator from the clock
    // when it loads. Without an ending it ends the application's event loop.
    explicit Frmrete(Estrazione sorgente = {}, Termina termina = {});

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
    Termina termina_;
    std::mt19937_64 generatore_;

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

} // namespace zefiranda
