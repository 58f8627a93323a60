// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pulsante.h"

#include "widgets/tastitenuti.h"

#include <QKeyEvent>
#include <QShortcutEvent>

namespace zefiranda {

Pulsante::Pulsante(QWidget* genitore)
    : Pulsante(QString(), genitore)
{
}

Pulsante::Pulsante(const QString& didascalia, QWidget* genitore)
    : QPushButton(didascalia, genitore)
{
    TastiTenuti& tenuti = TastiTenuti::istanza();
    connect(this, &QAbstractButton::clicked, &tenuti, &TastiTenuti::consuma);
}

bool Pulsante::event(QEvent* evento)
{
    if (evento->type() == QEvent::Shortcut) {
        auto* scorciatoia = static_cast<QShortcutEvent*>(evento);
        // Holding Alt and the access key down presses the button once, as
        // holding Space or Enter does. Qt keeps the number of the access key's
        // shortcut to itself; the first press through it tells it.
        setShortcutAutoRepeat(scorciatoia->shortcutId(), false);
        // Qt would show the button pressed for a moment and click it later; the
        // access key presses it at once, like every other way of pressing it.
        if (!scorciatoia->isAmbiguous()) {
            if (!TastiTenuti::istanza().ultimaRipetuta())
                click();
            return true;
        }
    }
    return QPushButton::event(evento);
}

void Pulsante::keyPressEvent(QKeyEvent* evento)
{
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers altri = evento->modifiers() & ~Qt::KeypadModifier;
    const bool ripetuto = TastiTenuti::istanza().ultimaRipetuta();
    if (invio && altri == Qt::NoModifier) {
        // Holding Enter down presses the button once.
        if (!ripetuto)
            click();
        return;
    }
    // Space presses the button when it is released; its repeats do nothing.
    if ((evento->key() == Qt::Key_Space || evento->key() == Qt::Key_Select) && ripetuto)
        return;
    QPushButton::keyPressEvent(evento);
}

}  // namespace zefiranda
