// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pulsante.h"

#include <QKeyEvent>
#include <QShortcutEvent>

namespace zefiranda {

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
    if (invio && altri == Qt::NoModifier) {
        // Holding Enter down presses the button once.
        if (!evento->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

}  // namespace zefiranda
