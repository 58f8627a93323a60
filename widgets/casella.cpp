// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/casella.h"

#include <QKeyEvent>

namespace zefiranda {

bool tastoDiComando(Qt::KeyboardModifiers modificatori)
{
    if (modificatori & Qt::GroupSwitchModifier)
        return false;
    if ((modificatori & Qt::AltModifier) && (modificatori & Qt::ControlModifier))
        return false;
#ifdef Q_OS_MACOS
    return modificatori & Qt::MetaModifier;
#else
    return modificatori & (Qt::AltModifier | Qt::MetaModifier);
#endif
}

void Casella::keyPressEvent(QKeyEvent* evento)
{
    if (evento->text().isEmpty() || !tastoDiComando(evento->modifiers())) {
        QLineEdit::keyPressEvent(evento);
        return;
    }
    QKeyEvent senzaTesto(evento->type(), evento->key(), evento->modifiers(), evento->nativeScanCode(),
                         evento->nativeVirtualKey(), evento->nativeModifiers(), QString(), evento->isAutoRepeat(),
                         static_cast<quint16>(evento->count()), evento->device());
    senzaTesto.setTimestamp(evento->timestamp());
    QLineEdit::keyPressEvent(&senzaTesto);
    evento->setAccepted(senzaTesto.isAccepted());
}

void Casella::inputMethodEvent(QInputMethodEvent* evento)
{
    if (isReadOnly()) {
        evento->ignore();
        return;
    }
    QLineEdit::inputMethodEvent(evento);
}

}  // namespace zefiranda
