// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

namespace zefiranda {

// A push button that the mouse, Space and either Enter key press while it has
// the focus, and that Alt with its access key presses at once from anywhere in
// its window. Enter typed elsewhere presses no button. Holding any of these
// keys down presses the button once: the keyboard's repeats press nothing,
// and once the button is pressed they type nothing anywhere (TastiTenuti).
class Pulsante : public QPushButton {
    Q_OBJECT

public:
    explicit Pulsante(QWidget* genitore = nullptr);
    Pulsante(const QString& didascalia, QWidget* genitore);

protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

}  // namespace zefiranda
