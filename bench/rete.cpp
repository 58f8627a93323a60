// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/rete.h"

#include "windows/frmrete.h"

#include <QLineEdit>
#include <QPushButton>

namespace zefiranda::bench {

QLineEdit* casella(Frmrete& rete, const QString& nome)
{
    return rete.findChild<QLineEdit*>(nome);
}

QPushButton* pulsante(Frmrete& rete, const QString& nome)
{
    return rete.findChild<QPushButton*>(nome);
}

void scriviRisposteGiuste(Frmrete& rete)
{
    for (int nodo = 2; nodo <= 9; ++nodo)
        casella(rete, QStringLiteral("txt%1").arg(nodo))->setText(testoNumero(rete.esercizio().nodo(nodo)));
    casella(rete, QStringLiteral("txtcomgialla"))->setText(casella(rete, QStringLiteral("txtcg"))->text());
}

}  // namespace zefiranda::bench
