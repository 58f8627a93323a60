// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/finestre.h"

#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QCoreApplication>
#include <QPointer>

namespace zefiranda {

namespace {

QPointer<Frminizio> inizio;
QPointer<Frmrete> rete;
Estrazione sorgenteRete;
Orologio orologioRete;

// A window lives until it is closed; its end button ends the program at once.
template <typename F> F* crea(F* finestra)
{
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(finestra, &Finestra::fineRichiesta, finestra, [] { QCoreApplication::exit(0); });
    return finestra;
}

}  // namespace

Frminizio& frminizio()
{
    if (!inizio)
        inizio = crea(new Frminizio);
    return *inizio;
}

Frmrete& frmrete()
{
    if (!rete)
        rete = crea(new Frmrete(sorgenteRete, orologioRete));
    return *rete;
}

Frminizio* frminizioSeEsiste()
{
    return inizio;
}

Frmrete* frmreteSeEsiste()
{
    return rete;
}

void impostaSorgenteFrmrete(Estrazione sorgente)
{
    sorgenteRete = std::move(sorgente);
}

void impostaOrologioFrmrete(Orologio orologio)
{
    orologioRete = std::move(orologio);
}

void distruggiFinestre()
{
    delete inizio;
    delete rete;
}

}  // namespace zefiranda
