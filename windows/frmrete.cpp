// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/frmrete.h"

#include "logic/verifica.h"
#include "pictures/disegni.h"
#include "pictures/frecce.h"
#include "pictures/icona.h"
#include "widgets/areaimmagine.h"
#include "widgets/ausili.h"
#include "widgets/controlli.h"
#include "widgets/misure.h"
#include "widgets/posizione.h"
#include "windows/aspetto.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>
#include <optional>
#include <random>

namespace zefiranda {

namespace {

// A picture area: its place, and the arrow it shows or none for the decoration.
struct Area {
    Posto posto;
    std::optional<Freccia> freccia;
};

// Picture areas by number: arrows of the grid, the legend and the decoration.
constexpr auto blu = Freccia::Blu;
constexpr auto rossa = Freccia::Rossa;
constexpr auto gialla = Freccia::GiallaRete;
constexpr std::array<Area, 20> aree{{
    {{"Picture1", 1560, 2040, 1335, 255}, blu},
    {{"Picture2", 1560, 2520, 1335, 1335}, gialla},
    {{"Picture3", 1080, 2520, 255, 1335}, rossa},
    {{"Picture4", 3600, 2040, 1335, 255}, blu},
    {{"Picture5", 1560, 4080, 1335, 255}, blu},
    {{"Picture6", 3600, 4080, 1335, 255}, blu},
    {{"Picture7", 3600, 6120, 1335, 255}, blu},
    {{"Picture8", 1560, 6120, 1335, 255}, blu},
    {{"Picture9", 1080, 4560, 255, 1335}, rossa},
    {{"Picture10", 3120, 4560, 255, 1335}, rossa},
    {{"Picture11", 5160, 4560, 255, 1335}, rossa},
    {{"Picture12", 5160, 2520, 255, 1335}, rossa},
    {{"Picture13", 3120, 2520, 255, 1335}, rossa},
    {{"Picture14", 3600, 2520, 1335, 1335}, gialla},
    {{"Picture15", 1560, 4560, 1335, 1335}, gialla},
    {{"Picture16", 3600, 4560, 1335, 1335}, gialla},
    {{"Picture17", 240, 840, 855, 255}, blu},
    {{"Picture18", 2520, 480, 255, 975}, rossa},
    {{"Picture19", 4200, 480, 975, 975}, Freccia::GiallaLegenda},
    {pallonciniFrmrete.posto, std::nullopt},
}};

// What screen readers say about the controls; the boxes go by their place in the grid.
constexpr VoceAusili ausili[] = {
    {"txt1", Ausilio::Controllo,
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in alto a sinistra, numero di partenza"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 1, colonna 1")},
    {"txt2", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in alto al centro"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 1, colonna 2")},
    {"txt3", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in alto a destra"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 1, colonna 3")},
    {"txt4", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella al centro a sinistra"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 2, colonna 1")},
    {"txt5", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella al centro"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 2, colonna 2")},
    {"txt6", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella al centro a destra"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 2, colonna 3")},
    {"txt7", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in basso a sinistra"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 3, colonna 1")},
    {"txt8", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in basso al centro"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 3, colonna 2")},
    {"txt9", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Casella in basso a destra"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Riga 3, colonna 3")},
    {"lblcomblu", Ausilio::Didascalia, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Freccia blu"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Che cosa fa ogni freccia blu, da sinistra a destra")},
    {"lblcomrossa", Ausilio::Didascalia, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Freccia rossa"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Che cosa fa ogni freccia rossa, dall'alto in basso")},
    {"Label1", Ausilio::Didascalia, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Freccia gialla")},
    {"txtcomgialla", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Operatore della freccia gialla"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Scrivi che cosa fa ogni freccia gialla: il segno e il numero")},
    {"txtcg", Ausilio::Nascosto},
    {"lblmess", Ausilio::Messaggio, nullptr, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Messaggio")},
    {"cmdconferma", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Conferma"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Controlla le caselle")},
    {"cmdfine", Ausilio::Controllo, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Fine"),
     QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Chiude il programma")},
};

// The labels whose fonts are fitted to them.
constexpr Posto postoLblcomblu{"lblcomblu", 1200, 720, 1095, 375};
constexpr Posto postoLblcomrossa{"lblcomrossa", 2880, 720, 1215, 375};
constexpr Posto postoLabel1{"Label1", 5160, 720, 255, 375};
constexpr Posto postoLblmess{"lblmess", 6480, 5880, 2895, 495};

// Every caption a puzzle can write: the legend's labels make room for the widest.
QStringList didascalie()
{
    QStringList testi;
    for (int segno : {1, 2})
        for (int passo = 1; passo <= 10; ++passo)
            testi << didascaliaPasso(segno, passo);
    return testi;
}

QFont carattereNodi()
{
    return carattere({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 13.5);
}

QFont carattereOperatori()
{
    return carattere({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 18);
}

QFont carattereMessaggi()
{
    return carattere({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 14.25, true);
}

}  // namespace

void preparaFrmrete()
{
    // As the constructor fits them: the fonts stay here, and with them their
    // font engines and the measurements made.
    static QList<QFont> pronti;
    if (!pronti.isEmpty())
        return;
    const QStringList tutteLeDidascalie = didascalie();
    const QFont legenda = adattaCarattere(carattereOperatori(), rettangolo(postoLblcomblu).width(), tutteLeDidascalie);
    pronti << legenda << adattaCarattere(legenda, rettangolo(postoLblcomrossa).width(), tutteLeDidascalie)
           << adattaCarattere(legenda, rettangolo(postoLabel1).width(), {QStringLiteral("=")})
           << adattaCarattere(carattereMessaggi(), rettangolo(postoLblmess).width(),
                              {messaggioAttento(), messaggioBravo()})
           << carattereNodi();
    for (const QFont& font : std::as_const(pronti))
        QFontMetricsF(font).height();
}

Frmrete::Frmrete(Estrazione sorgente, Orologio orologio)
    : sorgente_(std::move(sorgente))
{
    preparaFinestra(*this, "frmrete", sfondoFrmrete);

    for (std::size_t i = 0; i < aree.size(); ++i) {
        Picture_[i] = creaArea(*this, aree[i].posto.nome, rettangolo(aree[i].posto));
        if (aree[i].freccia)
            Picture_[i]->setDisegno(disegnoFreccia(*aree[i].freccia));
    }
    Picture(20)->setDisegno(disegnoSvg(QString::fromLatin1(pallonciniFrmrete.disegno)));
    setWindowIcon(iconaFinestra());

    lblcomblu = creaEtichetta(*this, "lblcomblu", rettangolo(postoLblcomblu), carattereOperatori());
    lblcomrossa = creaEtichetta(*this, "lblcomrossa", rettangolo(postoLblcomrossa), carattereOperatori());
    Label1 = creaEtichetta(*this, "Label1", rettangolo(postoLabel1), carattereOperatori());
    Label1->setText(QStringLiteral("="));
    Picture(19)->raise();

    txtcomgialla = creaCasella(*this, "txtcomgialla", daTwips(5520, 720, 975, 495), carattereNodi(), Qt::AlignLeft);
    txtcg = creaCasella(*this, "txtcg", daTwips(5520, 1320, 495, 285), font(), Qt::AlignLeft);
    txtcg->hide();
    txtcg->setFocusPolicy(Qt::NoFocus);

    for (std::size_t i = 0; i < nodiFrmrete.size(); ++i)
        txt_[i] =
            creaCasella(*this, nodiFrmrete[i].nome, rettangolo(nodiFrmrete[i]), carattereNodi(), Qt::AlignHCenter);
    QPalette bianco = txt_[0]->palette();
    bianco.setColor(QPalette::Base, sfondoTxt1);
    txt_[0]->setPalette(bianco);
    // The start value can be read, reached with Tab and copied, never changed by the child.
    txt_[0]->setReadOnly(true);

    lblmess = creaEtichetta(*this, "lblmess", rettangolo(postoLblmess), carattereMessaggi(), Qt::AlignHCenter);
    // The legend's labels share the font that fits the widest caption into the narrowest of them.
    const QStringList tutteLeDidascalie = didascalie();
    adattaLarghezza(*lblcomblu, tutteLeDidascalie);
    for (QLabel* legenda : {lblcomrossa, Label1})
        legenda->setFont(lblcomblu->font());
    adattaLarghezza(*lblcomrossa, tutteLeDidascalie);
    adattaLarghezza(*Label1, {Label1->text()});
    adattaLarghezza(*lblmess, {messaggioAttento(), messaggioBravo()});
    QPalette blu = lblmess->palette();
    blu.setColor(QPalette::WindowText, inchiostroLblmess);
    lblmess->setPalette(blu);

    cmdconferma = creaPulsante(*this, "cmdconferma", daTwips(7440, 6840, 975, 375), tr("&Conferma"));
    cmdfine = creaPulsante(*this, "cmdfine", daTwips(8640, 6840, 975, 375), tr("&Fine"));

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timer"));
    timer->setInterval(3000);

    pausa_ = new Pausa(*this, std::move(orologio));
    connect(cmdconferma, &QPushButton::pressed, this, [this] {
        premuto_ = pausa_->adesso();
        if (pausa_->comprende(premuto_) && cmdconferma->hasFocus())
            pausa_->restituisciFuoco();
    });
    connect(cmdconferma, &QPushButton::clicked, this, &Frmrete::cmdconferma_Click);
    connect(cmdfine, &QPushButton::clicked, this, &Frmrete::cmdfine_Click);
    connect(timer, &QTimer::timeout, this, &Frmrete::timer_Timer);

    ordineTab({txt_[1], txt_[2], txt_[3], txt_[4], txt_[5], txt_[6], txt_[7], txt_[8], txtcomgialla, cmdconferma,
               cmdfine, txt_[0]});

    preparaAusili(*this, QT_TRANSLATE_NOOP("zefiranda::Frmrete", "Rete dei numeri"), ausili);
}

AreaImmagine* Frmrete::Picture(int numero) const
{
    return Picture_.at(static_cast<std::size_t>(numero - 1));
}

void Frmrete::Form_Load()
{
    if (!sorgente_) {
        const auto seme = static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
        sorgente_ = [generatore = std::mt19937_64(seme)]() mutable {
            return std::uniform_real_distribution<double>(0.0, 1.0)(generatore);
        };
    }
    centraSulloSchermo(*this);
    nuovoesercizio();
    txt_[1]->setFocus();
}

void Frmrete::cmdconferma_Click()
{
    // A press that follows a right answer within the double-click interval
    // repeats the one that gave it (a double click, Alt+C twice, Space twice):
    // it would check the new, empty puzzle and scold the child for nothing.
    if (pausa_->comprende(premuto_))
        return;

    Risposte risposte;
    for (std::size_t i = 0; i < risposte.nodi.size(); ++i)
        risposte.nodi[i] = txt_[i + 1]->text();
    risposte.txtcomgialla = txtcomgialla->text();
    risposte.txtcg = txtcg->text();

    const Sbagliate sbagliate = verifica(stato_, risposte);
    for (std::size_t i = 0; i < sbagliate.nodi.size(); ++i)
        if (sbagliate.nodi[i])
            txt_[i + 1]->setText(QString());
    if (sbagliate.txtcomgialla)
        txtcomgialla->setText(QString());

    if (sbagliate.errori > 0) {
        mostraMessaggio(*lblmess, messaggioAttento());
    } else {
        mostraMessaggio(*lblmess, messaggioBravo());
        for (QLineEdit* casella : txt_)
            casella->setText(QString());
        txtcomgialla->setText(QString());
        nuovoesercizio();
        txt_[1]->setFocus();
        pausa_->inizia();
    }

    // Starting it again gives every message its full three seconds.
    timer->start();
}

void Frmrete::timer_Timer()
{
    mostraMessaggio(*lblmess, QString());
}

void Frmrete::cmdfine_Click()
{
    emit fineRichiesta();
}

void Frmrete::nuovoesercizio()
{
    const TestiEsercizio testi = stato_.nuovoesercizio(sorgente_);
    txt_[0]->setText(testi.txt1);
    lblcomblu->setText(testi.lblcomblu);
    lblcomrossa->setText(testi.lblcomrossa);
    txtcg->setText(testi.txtcg);
}

}  // namespace zefiranda
