#pragma once

#include <QWidget>

class QPushButton;

namespace zefiranda {

class AreaImmagine;
class PulsanteImmagine;

// The start window: the title, a running boy, the credit line, the start
// button that leads into the exercise and the exit button.
class Frminizio : public QWidget {
public:
    Frminizio();

    void setVisible(bool visibile) override;

private:
    void Form_Load();
    void cmdparti_Click();
    void cmdesci_Click();

    bool caricata_ = false;

    AreaImmagine* Picture1 = nullptr;
    QPushButton* cmdesci = nullptr;
    AreaImmagine* Picture2 = nullptr;
    PulsanteImmagine* cmdparti = nullptr;
    AreaImmagine* Image1 = nullptr;
};

} // namespace zefiranda
