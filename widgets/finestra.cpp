// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/finestra.h"

#include "widgets/cornice.h"
#include "widgets/misure.h"

#include <QPalette>

namespace zefiranda {

void Finestra::setVisible(bool visibile)
{
    if (visibile && !caricata_) {
        caricata_ = true;
        Form_Load();
    }
    QWidget::setVisible(visibile);
}

void preparaFinestra(QWidget& finestra, const char* nome, QColor sfondo)
{
    finestra.setObjectName(QString::fromLatin1(nome));
    finestra.setWindowTitle(QStringLiteral("Zefiranda"));
    QPalette colori = finestra.palette();
    colori.setColor(QPalette::Window, sfondo);
    finestra.setPalette(colori);
    finestra.setAutoFillBackground(true);
    finestra.resize(daTwips(0, 0, 9750, 7410).size());
    chiediCornice(finestra);
}

}  // namespace zefiranda
