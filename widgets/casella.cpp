// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/casella.h"

#include <QKeyEvent>
#include <QValidator>

namespace zefiranda {

namespace {

bool invisibile(char32_t carattere)
{
    const QChar::Category categoria = QChar::category(carattere);
    return categoria == QChar::Other_Control || categoria == QChar::Other_Format;
}

// Takes the invisible characters out of whatever enters the box.
class SoloVisibili : public QValidator {
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& testo, int& posizione) const override
    {
        QString visibile;
        int cursore = posizione;
        for (qsizetype i = 0; i < testo.size();) {
            const bool coppia = testo[i].isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate();
            const qsizetype lunghezza = coppia ? 2 : 1;
            const char32_t carattere = coppia ? QChar::surrogateToUcs4(testo[i], testo[i + 1]) : testo[i].unicode();
            if (!invisibile(carattere))
                visibile.append(testo.mid(i, lunghezza));
            else if (i < posizione)
                cursore -= static_cast<int>(lunghezza);
            i += lunghezza;
        }
        if (visibile.size() != testo.size()) {
            testo = visibile;
            posizione = cursore;
        }
        return Acceptable;
    }
};

}  // namespace

Casella::Casella(QWidget* genitore)
    : QLineEdit(genitore)
{
    setValidator(new SoloVisibili(this));
}

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

#include "casella.moc"
