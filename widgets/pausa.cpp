// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/pausa.h"

#include <QEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QStyleHints>
#include <QWidget>

#include <chrono>

namespace zefiranda {

std::int64_t oraDiSistema()
{
    const auto ora = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(ora).count();
}

Pausa::Pausa(QWidget& finestra, Orologio orologio)
    : QObject(&finestra)
    , orologio_(orologio ? std::move(orologio) : Orologio(oraDiSistema))
{
    finestra.installEventFilter(this);
    for (QWidget* controllo : finestra.findChildren<QWidget*>())
        controllo->installEventFilter(this);
}

std::int64_t Pausa::adesso() const
{
    return orologio_();
}

void Pausa::inizia()
{
    inizio_ = adesso();
}

bool Pausa::comprende(std::int64_t istante) const
{
    return inizio_ && istante >= *inizio_
        && istante - *inizio_ < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

void Pausa::restituisciFuoco()
{
    if (perso_)
        perso_->setFocus(Qt::OtherFocusReason);
}

bool Pausa::eventFilter(QObject* oggetto, QEvent* evento)
{
    if (evento->type() == QEvent::FocusOut && oggetto->isWidgetType())
        perso_ = static_cast<QWidget*>(oggetto);
    if (!inizio_)
        return QObject::eventFilter(oggetto, evento);
    // What an input method writes counts as typing too; its other events
    // (the text being composed, the cursor) go through.
    const bool tasto = evento->type() == QEvent::KeyPress
        || (evento->type() == QEvent::InputMethod
            && !static_cast<QInputMethodEvent*>(evento)->commitString().isEmpty());
    if (tasto && comprende(adesso()))
        return true;
    return QObject::eventFilter(oggetto, evento);
}

}  // namespace zefiranda
