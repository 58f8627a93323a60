// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/tastitenuti.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace zefiranda {

namespace {

// The key itself: the keyboard's code when the platform gives one, Qt's otherwise.
quint64 chiave(const QKeyEvent& evento)
{
    if (evento.nativeScanCode() != 0)
        return (quint64{1} << 32) | evento.nativeScanCode();
    return static_cast<quint32>(evento.key());
}

}  // namespace

TastiTenuti& TastiTenuti::istanza()
{
    static TastiTenuti* unica = nullptr;
    if (!unica) {
        unica = new TastiTenuti(QCoreApplication::instance());
        QObject::connect(unica, &QObject::destroyed, [] { unica = nullptr; });
    }
    return *unica;
}

TastiTenuti::TastiTenuti(QObject* genitore)
    : QObject(genitore)
{
    if (genitore)
        genitore->installEventFilter(this);
}

void TastiTenuti::consuma()
{
    for (Tenuta& tenuta : tenute_)
        tenuta.consumata = true;
}

const TastiTenuti::Tenuta& TastiTenuti::premuto(const QKeyEvent& evento)
{
    Tenuta& tenuta = tenute_[chiave(evento)];
    const quint64 ora = evento.timestamp();
    // The same press seen again, on its way through the shortcuts and the widgets.
    if (tenuta.giu && !evento.isAutoRepeat() && ora == tenuta.pressione)
        return tenuta;
    // Time stamps of zero come from no keyboard and tell nothing.
    const bool ripetuta =
        tenuta.giu || evento.isAutoRepeat() || (ora != 0 && tenuta.pressione != 0 && ora == tenuta.rilascio);
    if (!ripetuta)
        tenuta.consumata = false;
    tenuta.giu = true;
    tenuta.ripetuta = ripetuta;
    tenuta.pressione = ora;
    return tenuta;
}

void TastiTenuti::rilasciato(const QKeyEvent& evento)
{
    if (evento.isAutoRepeat())
        return;
    Tenuta& tenuta = tenute_[chiave(evento)];
    tenuta.giu = false;
    tenuta.rilascio = evento.timestamp();
}

bool TastiTenuti::eventFilter(QObject* oggetto, QEvent* evento)
{
    switch (evento->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride: {
        const Tenuta& tenuta = premuto(*static_cast<QKeyEvent*>(evento));
        ultimaRipetuta_ = tenuta.ripetuta;
        if (evento->type() == QEvent::KeyPress && tenuta.ripetuta && tenuta.consumata)
            return true;
        break;
    }
    case QEvent::KeyRelease:
        rilasciato(*static_cast<QKeyEvent*>(evento));
        break;
    case QEvent::ApplicationDeactivate:
        // Keys released in another program's window are never seen here.
        tenute_.clear();
        break;
    default:
        break;
    }
    return QObject::eventFilter(oggetto, evento);
}

}  // namespace zefiranda
