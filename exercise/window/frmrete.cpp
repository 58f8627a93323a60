#include "frmrete.h"

#include "areaimmagine.h"
#include "ausili.h"
#include "controlli.h"
#include "verifica.h"
#include "disegni.h"
#include "frecce.h"
#include "icona.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <chrono>

namespace zefiranda {

namespace {

const QColor rosa(255, 192, 192);

struct Posto {
    const char* nome;
    int left, top, width, height;
};

// Node boxes in reading order: txt1 ... txt9.
constexpr std::array<Posto, 9> nodi{{
    {"txt1", 960, 1920, 495, 495},  {"txt2", 3000, 1920, 495, 495}, {"txt3", 5040, 1920, 495, 495},
    {"txt4", 960, 3960, 495, 495},  {"txt5", 3000, 3960, 495, 495}, {"txt6", 5040, 3960, 495, 495},
    {"txt7", 960, 6000, 495, 495},  {"txt8", 3000, 6000, 495, 495}, {"txt9", 5040, 6000, 495, 495},
}};

// Picture areas by number: arrows of the grid, the legend and the decoration.
constexpr std::array<Posto, 20> aree{{
    {"Picture1", 1560, 2040, 1335, 255},   {"Picture2", 1560, 2520, 1335, 1335},
    {"Picture3", 1080, 2520, 255, 1335},   {"Picture4", 3600, 2040, 1335, 255},
    {"Picture5", 1560, 4080, 1335, 255},   {"Picture6", 3600, 4080, 1335, 255},
    {"Picture7", 3600, 6120, 1335, 255},   {"Picture8", 1560, 6120, 1335, 255},
    {"Picture9", 1080, 4560, 255, 1335},   {"Picture10", 3120, 4560, 255, 1335},
    {"Picture11", 5160, 4560, 255, 1335},  {"Picture12", 5160, 2520, 255, 1335},
    {"Picture13", 3120, 2520, 255, 1335},  {"Picture14", 3600, 2520, 1335, 1335},
    {"Picture15", 1560, 4560, 1335, 1335}, {"Picture16", 3600, 4560, 1335, 1335},
    {"Picture17", 240, 840, 855, 255},     {"Picture18", 2520, 480, 255, 975},
    {"Picture19", 4200, 480, 975, 975},    {"Picture20", 6600, 480, 2895, 5175},
}};

// What screen readers say about the controls; the boxes go by their place in the grid.
constexpr VoceAusili ausili[] = {
    {"txt1", Ausilio::Controllo, "Casella in alto a sinistra, numero di partenza", "Riga 1, colonna 1"},
    {"txt2", Ausilio::Controllo, "Casella in alto al centro", "Riga 1, colonna 2"},
    {"txt3", Ausilio::Controllo, "Casella in alto a destra", "Riga 1, colonna 3"},
    {"txt4", Ausilio::Controllo, "Casella al centro a sinistra", "Riga 2, colonna 1"},
    {"txt5", Ausilio::Controllo, "Casella al centro", "Riga 2, colonna 2"},
    {"txt6", Ausilio::Controllo, "Casella al centro a destra", "Riga 2, colonna 3"},
    {"txt7", Ausilio::Controllo, "Casella in basso a sinistra", "Riga 3, colonna 1"},
    {"txt8", Ausilio::Controllo, "Casella in basso al centro", "Riga 3, colonna 2"},
    {"txt9", Ausilio::Controllo, "Casella in basso a destra", "Riga 3, colonna 3"},
    {"lblcomblu", Ausilio::Didascalia, "Freccia blu", "Che cosa fa ogni freccia blu, da sinistra a destra"},
    {"lblcomrossa", Ausilio::Didascalia, "Freccia rossa", "Che cosa fa ogni freccia rossa, dall'alto in basso"},
    {"Label1", Ausilio::Didascalia, "Freccia gialla"},
    {"txtcomgialla", Ausilio::Controllo, "Operatore della freccia gialla",
     "Scrivi che cosa fa ogni freccia gialla: il segno e il numero"},
    {"txtcg", Ausilio::Nascosto},
    {"lblmess", Ausilio::Messaggio, nullptr, "Messaggio"},
    {"cmdconferma", Ausilio::Controllo, "Conferma", "Controlla le caselle"},
    {"cmdfine", Ausilio::Controllo, "Fine", "Chiude il programma"},
};

const QString attento = QStringLiteral("Attento... correggiti!");
const QString bravo = QStringLiteral("Bravo!");

// Every caption a puzzle can write: the legend's labels make room for the widest.
QStringList didascalie()
{
    QStringList testi;
    Esercizio prova;
    for (int segno : {1, 2}) {
        for (int passo = 1; passo <= 10; ++passo) {
            const TestiEsercizio scritti = prova.genera({segno, segno, 0, passo, passo});
            testi << scritti.lblcomblu << scritti.lblcomrossa;
        }
    }
    return testi;
}

QRect rettangolo(const Posto& posto)
{
    return daTwips(posto.left, posto.top, posto.width, posto.height);
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

} // namespace

Frmrete::Frmrete(Estrazione sorgente, Termina termina)
    : sorgente_(std::move(sorgente))
    , termina_(std::move(termina))
{
    if (!termina_)
        termina_ = [] { QCoreApplication::exit(0); };

    preparaFinestra(*this, "frmrete", rosa);

    for (std::size_t i = 0; i < aree.size(); ++i)
        Picture_[i] = creaArea(*this, aree[i].nome, rettangolo(aree[i]));
    for (int n : {1, 4, 5, 6, 7, 8, 17})
        Picture(n)->setDisegno(disegnoFreccia(Freccia::Blu));
    for (int n : {3, 9, 10, 11, 12, 13, 18})
        Picture(n)->setDisegno(disegnoFreccia(Freccia::Rossa));
    for (int n : {2, 14, 15, 16})
        Picture(n)->setDisegno(disegnoFreccia(Freccia::GiallaRete));
    Picture(19)->setDisegno(disegnoFreccia(Freccia::GiallaLegenda));
    Picture(20)->setDisegno(disegnoSvg(QStringLiteral("palloncini")));
    setWindowIcon(iconaFinestra());

    lblcomblu = creaEtichetta(*this, "lblcomblu", daTwips(1200, 720, 1095, 375), carattereOperatori());
    lblcomrossa = creaEtichetta(*this, "lblcomrossa", daTwips(2880, 720, 1215, 375), carattereOperatori());
    Label1 = creaEtichetta(*this, "Label1", daTwips(5160, 720, 255, 375), carattereOperatori());
    Label1->setText(QStringLiteral("="));
    Picture(19)->raise();

    txtcomgialla = creaCasella(*this, "txtcomgialla", daTwips(5520, 720, 975, 495), carattereNodi(),
                               Qt::AlignLeft);
    txtcg = creaCasella(*this, "txtcg", daTwips(5520, 1320, 495, 285), font(), Qt::AlignLeft);
    txtcg->hide();
    txtcg->setFocusPolicy(Qt::NoFocus);

    for (std::size_t i = 0; i < nodi.size(); ++i)
        txt_[i] = creaCasella(*this, nodi[i].nome, rettangolo(nodi[i]), carattereNodi(), Qt::AlignHCenter);
    QPalette bianco = txt_[0]->palette();
    bianco.setColor(QPalette::Base, Qt::white);
    txt_[0]->setPalette(bianco);

    lblmess = creaEtichetta(*this, "lblmess", daTwips(6480, 5880, 2895, 495), carattereMessaggi(),
                            Qt::AlignHCenter);
    // The legend's labels share the font that fits the widest caption into the narrowest of them.
    const QStringList tutteLeDidascalie = didascalie();
    adattaLarghezza(*lblcomblu, tutteLeDidascalie);
    for (QLabel* legenda : {lblcomrossa, Label1})
        legenda->setFont(lblcomblu->font());
    adattaLarghezza(*lblcomrossa, tutteLeDidascalie);
    adattaLarghezza(*Label1, {Label1->text()});
    adattaLarghezza(*lblmess, {attento, bravo});
    QPalette blu = lblmess->palette();
    blu.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblmess->setPalette(blu);

    cmdconferma = creaPulsante(*this, "cmdconferma", daTwips(7440, 6840, 975, 375), QStringLiteral("&Conferma"));
    cmdfine = creaPulsante(*this, "cmdfine", daTwips(8640, 6840, 975, 375), QStringLiteral("&Fine"));

    timer = new QTimer(this);
    timer->setObjectName(QStringLiteral("timer"));
    timer->setInterval(3000);

    connect(cmdconferma, &QPushButton::clicked, this, &Frmrete::cmdconferma_Click);
    connect(cmdfine, &QPushButton::clicked, this, &Frmrete::cmdfine_Click);
    connect(timer, &QTimer::timeout, this, &Frmrete::timer_Timer);

    QWidget* precedente = txt_[1];
    for (QWidget* successivo : {static_cast<QWidget*>(txt_[2]), static_cast<QWidget*>(txt_[3]),
                                static_cast<QWidget*>(txt_[4]), static_cast<QWidget*>(txt_[5]),
                                static_cast<QWidget*>(txt_[6]), static_cast<QWidget*>(txt_[7]),
                                static_cast<QWidget*>(txt_[8]), static_cast<QWidget*>(txtcomgialla),
                                static_cast<QWidget*>(cmdconferma), static_cast<QWidget*>(cmdfine),
                                static_cast<QWidget*>(txt_[0])}) {
        setTabOrder(precedente, successivo);
        precedente = successivo;
    }

    preparaAusili(*this, "Rete dei numeri", ausili);
}

AreaImmagine* Frmrete::Picture(int numero) const
{
    return Picture_.at(static_cast<std::size_t>(numero - 1));
}

void Frmrete::Form_Load()
{
    if (!sorgente_) {
        generatore_.seed(static_cast<std::uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count()));
        sorgente_ = [this] { return std::uniform_real_distribution<double>(0.0, 1.0)(generatore_); };
    }
    centraSulloSchermo(*this);
    nuovoesercizio();
    txt_[1]->setFocus();
}

void Frmrete::cmdconferma_Click()
{
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

    if (stato_.errori > 0) {
        mostraMessaggio(*lblmess, attento);
    } else {
        mostraMessaggio(*lblmess, bravo);
        for (QLineEdit* casella : txt_)
            casella->setText(QString());
        txtcomgialla->setText(QString());
        nuovoesercizio();
        txt_[1]->setFocus();
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
    termina_();
}

void Frmrete::nuovoesercizio()
{
    const TestiEsercizio testi = stato_.nuovoesercizio(sorgente_);
    txt_[0]->setText(testi.txt1);
    lblcomblu->setText(testi.lblcomblu);
    lblcomrossa->setText(testi.lblcomrossa);
    txtcg->setText(testi.txtcg);
}

} // namespace zefiranda
