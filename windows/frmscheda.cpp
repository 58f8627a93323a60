// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frmscheda.h"

#include "pictures/icona.h"
#include "widgets/misure.h"
#include "widgets/posizione.h"
#include "windows/aspetto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace zefiranda {

Frmscheda::Frmscheda(QPrinter* stampante)
    : seme_(semeDallOrologio())
    , stampante_(stampante ? stampante : new QPrinter(QPrinter::HighResolution))
    , stampantePropria_(stampante == nullptr)
{
    setObjectName(QStringLiteral("frmscheda"));
    setWindowTitle(tr("Zefiranda — Scheda da stampare"));
    setWindowIcon(iconaFinestra());
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette sfondo = palette();
    sfondo.setColor(QPalette::Window, sfondoFrminizio);
    setPalette(sfondo);
    setAutoFillBackground(true);
    setFont(carattere({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 12));

    auto* titolo = new QLabel(tr("Una scheda di reti dei numeri da completare a matita."), this);
    titolo->setWordWrap(true);

    spnreti = new QSpinBox(this);
    spnreti->setObjectName(QStringLiteral("spnreti"));
    spnreti->setRange(retiMinime, retiMassime);
    spnreti->setValue(retiPredefinite);
    chksoluzioni = new QCheckBox(tr("&Con le soluzioni"), this);
    chksoluzioni->setObjectName(QStringLiteral("chksoluzioni"));
    chksoluzioni->setChecked(true);
    cmbformato = new QComboBox(this);
    cmbformato->setObjectName(QStringLiteral("cmbformato"));
    cmbformato->addItem(tr("A4"), QVariant::fromValue(static_cast<int>(Formato::A4)));
    cmbformato->addItem(tr("Letter (USA)"), QVariant::fromValue(static_cast<int>(Formato::Letter)));

    auto* campi = new QFormLayout;
    campi->addRow(tr("Quante &reti:"), spnreti);
    campi->addRow(QString(), chksoluzioni);
    campi->addRow(tr("&Formato della carta:"), cmbformato);

    auto* pulsanti = new QDialogButtonBox(this);
    cmdstampa = pulsanti->addButton(tr("&Stampa…"), QDialogButtonBox::AcceptRole);
    cmdstampa->setObjectName(QStringLiteral("cmdstampa"));
    cmdstampa->setDefault(true);
    cmdannulla = pulsanti->addButton(tr("&Annulla"), QDialogButtonBox::RejectRole);
    cmdannulla->setObjectName(QStringLiteral("cmdannulla"));

    auto* colonna = new QVBoxLayout(this);
    colonna->addWidget(titolo);
    colonna->addLayout(campi);
    colonna->addWidget(pulsanti);

    adjustSize();
    centraSulloSchermo(*this);

    connect(cmdstampa, &QPushButton::clicked, this, &Frmscheda::cmdstampa_Click);
    connect(cmdannulla, &QPushButton::clicked, this, &QWidget::close);
}

Frmscheda::~Frmscheda()
{
    if (stampantePropria_)
        delete stampante_;
}

Scheda Frmscheda::scheda() const
{
    Scheda richiesta;
    richiesta.seme = seme_;
    richiesta.reti = spnreti->value();
    richiesta.soluzioni = chksoluzioni->isChecked();
    richiesta.formato = static_cast<Formato>(cmbformato->currentData().toInt());
    return richiesta;
}

void Frmscheda::cmdstampa_Click()
{
    const Scheda richiesta = scheda();
    stampante_->setPageSize(pagina(richiesta.formato));
    stampante_->setDocName(tr("Scheda %1").arg(richiesta.seme));
    QPrintDialog dialogo(stampante_, this);
    dialogo.setWindowTitle(tr("Stampa la scheda"));
    if (dialogo.exec() == QDialog::Accepted)
        disegnaScheda(*stampante_, richiesta);
    close();
}

}  // namespace zefiranda
