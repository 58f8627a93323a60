#include "finestre.h"

#include "frminizio.h"
#include "frmrete.h"

#include <QPointer>

namespace zefiranda {

namespace {

QPointer<Frminizio> inizio;
QPointer<Frmrete> rete;
Estrazione sorgenteRete;

} // namespace

Frminizio& frminizio()
{
    if (!inizio) {
        inizio = new Frminizio;
        inizio->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *inizio;
}

Frmrete& frmrete()
{
    if (!rete) {
        rete = new Frmrete(sorgenteRete);
        rete->setAttribute(Qt::WA_DeleteOnClose);
    }
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

void distruggiFinestre()
{
    delete inizio;
    delete rete;
}

} // namespace zefiranda
