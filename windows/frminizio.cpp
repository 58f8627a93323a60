// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frminizio.h"

#include "pictures/disegni.h"
#include "pictures/icona.h"
#include "widgets/areaimmagine.h"
#include "widgets/ausili.h"
#include "widgets/controlli.h"
#include "widgets/misure.h"
#include "widgets/posizione.h"
#include "widgets/pulsante.h"
#include "widgets/pulsanteimmagine.h"
#include "windows/aspetto.h"
#include "windows/finestre.h"
#include "windows/frmrete.h"

#include <QPushButton>
#include <QTimer>

namespace zefiranda {

namespace {

// The start button shows only a drawing; screen readers give it a name.
constexpr VoceAusili ausili[] = {
    {"cmdparti", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frminizio", "Vai"),
     QT_TRANSLATE_NOOP("zefiranda::Frminizio", "Inizia l'esercizio")},
    {"cmdesci", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frminizio", "Esci"),
     QT_TRANSLATE_NOOP("zefiranda::Frminizio", "Chiude il programma")},
};

}  // namespace

Frminizio::Frminizio()
{
    preparaFinestra(*this, "frminizio", sfondoFrminizio);

    Picture1 = creaArea(*this, titoloFrminizio.posto.nome, rettangolo(titoloFrminizio.posto));
    cmdesci = creaPulsante(*this, "cmdesci", daTwips(8520, 6840, 975, 375), tr("&Esci"));
    Picture2 = creaArea(*this, ragazzoFrminizio.posto.nome, rettangolo(ragazzoFrminizio.posto));

    cmdparti = new PulsanteImmagine(this);
    cmdparti->setObjectName(QString::fromLatin1(vaiFrminizio.posto.nome));
    cmdparti->setGeometry(rettangolo(vaiFrminizio.posto));
    cmdparti->setFont(carattere({QStringLiteral("Boink LET")}, 36));

    // The credit line stands at its natural size on the window's own background.
    Image1 = creaArea(*this, firmaFrminizio.posto.nome, rettangolo(firmaFrminizio.posto));
    Image1->setAutoFillBackground(false);

    Picture1->setDisegno(disegnoSvg(QString::fromLatin1(titoloFrminizio.disegno)));
    Picture2->setDisegno(disegnoSvg(QString::fromLatin1(ragazzoFrminizio.disegno)));
    const QString vai = QString::fromLatin1(vaiFrminizio.disegno);
    cmdparti->setDisegno(disegnoSvg(vai), dimensioneNaturale(vai));
    Image1->setDisegno(disegnoNaturale(QString::fromLatin1(firmaFrminizio.disegno)));
    setWindowIcon(iconaFinestra());

    setTabOrder(cmdesci, cmdparti);
    // A child pressing Enter or Space straight away starts the exercise.
    cmdparti->setFocus();

    connect(cmdparti, &QPushButton::clicked, this, &Frminizio::cmdparti_Click);
    connect(cmdesci, &QPushButton::clicked, this, &Frminizio::cmdesci_Click);

    preparaAusili(*this, QT_TRANSLATE_NOOP("zefiranda::Frminizio", "Inizio"), ausili);
}

void Frminizio::Form_Load()
{
    centraSulloSchermo(*this);
}

void Frminizio::paintEvent(QPaintEvent* evento)
{
    Finestra::paintEvent(evento);
    // Once the first frame is on the screen, the network window's slowest
    // part is done while the child looks at this one.
    if (!dopoIlPrimoDisegno_) {
        dopoIlPrimoDisegno_ = new QTimer(this);
        dopoIlPrimoDisegno_->setSingleShot(true);
        connect(dopoIlPrimoDisegno_, &QTimer::timeout, this, &preparaFrmrete);
        dopoIlPrimoDisegno_->start(0);
    }
}

void Frminizio::cmdparti_Click()
{
    Frmrete& rete = frmrete();
    rete.show();
    rete.activateWindow();
    close();
}

void Frminizio::cmdesci_Click()
{
    emit fineRichiesta();
}

}  // namespace zefiranda
