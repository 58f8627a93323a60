// SPDX-License-Identifier: GPL-3.0-or-later
// A child at the keyboard and mouse who never tires: tens of thousands of
// random events on the program's real windows, with every rule of the program
// checked after each one. The run is drawn from one seed, printed at the start;
// ZEFIRANDA_SEME=<seed> replays a run event for event, ZEFIRANDA_EVENTI=<n>
// sets its length. The window's clock is the test's too: every event comes
// some milliseconds after the one before, now and then in a hurry, so that
// presses in the moment after a right answer are played and checked.

#include "tests/comuni.h"
#include "windows/aspetto.h"
#include "windows/finestre.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"
#include "windows/programma.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <algorithm>
#include <array>
#include <deque>
#include <initializer_list>
#include <memory>
#include <numeric>
#include <optional>
#include <random>
#include <type_traits>

using namespace zefiranda;

namespace {

// Exit codes of a program run that the test ended, not the program.
constexpr int eventiFiniti = 55;
constexpr int controlloFallito = 98;

constexpr int eventiNormali = 20000;
constexpr int lunghezzaMassima = 32767;  // what a box holds at most

// What the boxes that the check examines hold: txt2 ... txt9, txtcomgialla.
using Caselle = std::array<QString, 9>;

quint64 semeDellaProva(bool& scelto)
{
    bool ok = false;
    const quint64 seme = qEnvironmentVariable("ZEFIRANDA_SEME").toULongLong(&ok, 0);
    scelto = ok;
    if (ok)
        return seme;
    std::random_device dispositivo;
    return (quint64(dispositivo()) << 32) ^ dispositivo();
}

int eventiDellaProva()
{
    bool ok = false;
    const int eventi = qEnvironmentVariableIntValue("ZEFIRANDA_EVENTI", &ok);
    return ok && eventi > 0 ? eventi : eventiNormali;
}

// The test's own source of chance; everything the child does comes from it.
class Caso {
public:
    explicit Caso(quint64 seme)
        : motore_(seme)
    {
    }

    int intero(int da, int a) { return std::uniform_int_distribution<int>(da, a)(motore_); }
    bool volte(double probabilita) { return std::uniform_real_distribution<double>(0.0, 1.0)(motore_) < probabilita; }
    quint64 seme() { return motore_(); }

    // An index drawn with the given weights.
    int pesato(std::initializer_list<int> pesi)
    {
        int estratto = intero(0, std::accumulate(pesi.begin(), pesi.end(), 0) - 1);
        int indice = 0;
        for (int peso : pesi) {
            if (estratto < peso)
                return indice;
            estratto -= peso;
            ++indice;
        }
        return indice - 1;
    }

    template <typename T> const T& uno(const std::vector<T>& elementi)
    {
        return elementi[static_cast<std::size_t>(intero(0, int(elementi.size()) - 1))];
    }

private:
    std::mt19937_64 motore_;
};

// The puzzle as the network window holds and shows it.
struct Schema : Esercizio {
    QString lblcomblu;
    QString lblcomrossa;
    QString txtcg;

    bool operator==(const Schema&) const = default;
};

QString testoDi(int valore)
{
    return QString::number(valore);
}

// The yellow operator as the child must write it.
QString gialloGiusto(const Schema& s)
{
    if (s.segnoblu == 2 && s.segnorosso == 2)
        return u'-' + testoDi(s.comblu + s.comrossa);
    const int passo = (s.segnoblu == 1 ? s.comblu : -s.comblu) + (s.segnorosso == 1 ? s.comrossa : -s.comrossa);
    return passo > 0 ? u'+' + testoDi(passo) : testoDi(passo);
}

// What the child must write into examined box i (txt2 ... txt9, txtcomgialla).
QString rispostaGiusta(const Schema& s, std::size_t i)
{
    return i < 8 ? testoDi(s.nodo(int(i) + 2)) : gialloGiusto(s);
}

// txt9 holds a number equal to the value: spaces around it, a sign, leading
// zeros and a fraction of zeros after "." or "," do not matter.
bool numeroUguale(const QString& testo, int valore)
{
    static const QRegularExpression numero(
        QRegularExpression::anchoredPattern(QStringLiteral("([+-]?)0*([0-9]+?)(?:[.,](0*)([0-9]*))?")));
    const QRegularExpressionMatch m = numero.match(testo.trimmed());
    if (!m.hasMatch() || !m.captured(4).isEmpty() || (m.hasCaptured(3) && m.captured(3).isEmpty()))
        return false;
    if (m.captured(2) == u"0")
        return valore == 0;
    return (m.captured(1) == u"-") == (valore < 0) && m.captured(2) == testoDi(std::abs(valore));
}

// Which rule of the puzzle does not hold, or nothing.
QString regolaViolata(const Schema& s)
{
    if ((s.segnoblu != 1 && s.segnoblu != 2) || (s.segnorosso != 1 && s.segnorosso != 2))
        return QStringLiteral("signs %1 and %2").arg(s.segnoblu).arg(s.segnorosso);
    if (s.comblu < 1 || s.comblu > 10 || s.comrossa < 1 || s.comrossa > 10)
        return QStringLiteral("steps %1 and %2").arg(s.comblu).arg(s.comrossa);
    const int blu = s.segnoblu == 1 ? s.comblu : -s.comblu;
    const int rosso = s.segnorosso == 1 ? s.comrossa : -s.comrossa;
    for (int riga = 0; riga < 3; ++riga)
        for (int colonna = 0; colonna < 3; ++colonna) {
            const int nodo = s.nodo(3 * riga + colonna + 1);
            if (nodo != s.nodo(1) + colonna * blu + riga * rosso)
                return QStringLiteral("nodo%1 = %2 breaks the row and column rules")
                    .arg(3 * riga + colonna + 1)
                    .arg(nodo);
            if (nodo < 0 || nodo > 49)
                return QStringLiteral("nodo%1 = %2 is outside 0 ... 49").arg(3 * riga + colonna + 1).arg(nodo);
        }
    for (auto [da, a] : {std::pair{1, 5}, {2, 6}, {4, 8}, {5, 9}})
        if (s.nodo(a) - s.nodo(da) != blu + rosso)
            return QStringLiteral("the yellow arrow from nodo%1 to nodo%2").arg(da).arg(a);
    int minimo = s.nodo(1);
    for (int i = 2; i <= 9; ++i)
        minimo = std::min(minimo, s.nodo(i));
    if (minimo > 9)
        return QStringLiteral("the smallest node is not a start value 0 ... 9");
    if (s.partenza != s.nodo(1))
        return QStringLiteral("partenza %1, nodo1 %2").arg(s.partenza).arg(s.nodo(1));
    const int gialla = s.segnoblu == 2 && s.segnorosso == 2 ? s.comblu + s.comrossa : blu + rosso;
    if (s.comgialla != gialla)
        return QStringLiteral("comgialla %1 instead of %2").arg(s.comgialla).arg(gialla);
    auto didascalia = [](int segno, int passo) {
        return (segno == 1 ? QStringLiteral("= + ") : QStringLiteral("= - ")) + testoDi(passo);
    };
    if (s.lblcomblu != didascalia(s.segnoblu, s.comblu))
        return QStringLiteral("lblcomblu «%1»").arg(s.lblcomblu);
    if (s.lblcomrossa != didascalia(s.segnorosso, s.comrossa))
        return QStringLiteral("lblcomrossa «%1»").arg(s.lblcomrossa);
    if (s.txtcg != gialloGiusto(s))
        return QStringLiteral("txtcg «%1» instead of «%2»").arg(s.txtcg, gialloGiusto(s));
    return {};
}

// A short view of a text that may be a megabyte long.
QString breve(const QString& testo)
{
    if (testo.size() <= 24)
        return QStringLiteral("«%1»").arg(testo);
    return QStringLiteral("«%1…» (%2 characters)").arg(testo.left(16)).arg(testo.size());
}

// The network window's controls, found once.
struct Rete {
    QPointer<Frmrete> finestra;
    std::array<QLineEdit*, 9> txt{};  // txt1 ... txt9
    QLineEdit* txtcomgialla = nullptr;
    QLineEdit* txtcg = nullptr;
    QLabel* lblcomblu = nullptr;
    QLabel* lblcomrossa = nullptr;
    QLabel* lblmess = nullptr;
    QPushButton* cmdconferma = nullptr;
    QPushButton* cmdfine = nullptr;
    QTimer* timer = nullptr;

    explicit Rete(Frmrete* rete = nullptr)
        : finestra(rete)
    {
        if (!rete)
            return;
        for (std::size_t i = 0; i < txt.size(); ++i)
            txt[i] = rete->findChild<QLineEdit*>(QLatin1String(nodiFrmrete[i].nome));
        txtcomgialla = rete->findChild<QLineEdit*>(QStringLiteral("txtcomgialla"));
        txtcg = rete->findChild<QLineEdit*>(QStringLiteral("txtcg"));
        lblcomblu = rete->findChild<QLabel*>(QStringLiteral("lblcomblu"));
        lblcomrossa = rete->findChild<QLabel*>(QStringLiteral("lblcomrossa"));
        lblmess = rete->findChild<QLabel*>(QStringLiteral("lblmess"));
        cmdconferma = rete->findChild<QPushButton*>(QStringLiteral("cmdconferma"));
        cmdfine = rete->findChild<QPushButton*>(QStringLiteral("cmdfine"));
        timer = rete->findChild<QTimer*>(QStringLiteral("timer"));
    }

    bool completa() const
    {
        return finestra && std::all_of(txt.begin(), txt.end(), [](QLineEdit* c) { return c; }) && txtcomgialla && txtcg
            && lblcomblu && lblcomrossa && lblmess && cmdconferma && cmdfine && timer;
    }

    QLineEdit* esaminata(std::size_t i) const { return i < 8 ? txt[i + 1] : txtcomgialla; }

    Caselle caselle() const
    {
        Caselle testi;
        for (std::size_t i = 0; i < testi.size(); ++i)
            testi[i] = esaminata(i)->text();
        return testi;
    }

    Schema schema() const
    {
        Schema s{finestra->esercizio(), lblcomblu->text(), lblcomrossa->text(), txtcg->text()};
        // What the latest check left behind is not part of the puzzle.
        s.errori = 0;
        s.giallomeno = 0;
        return s;
    }
};

// The child. It plays the program from its start to its end, over and over,
// until it has done all its events or has caught the program breaking a rule.
class Bambino : public QObject {
    Q_OBJECT

public:
    Bambino(quint64 seme, int eventi)
        : caso_(seme)
        , seme_(seme)
        , totale_(eventi)
    {
    }

    void gioca();

    const QString& guasto() const { return guasto_; }

    QString resoconto() const
    {
        return QStringLiteral(
                   "%1 events over %2 runs of the program: %3 checks (%4 all right), %5 pastes (%6 of over 64 K "
                   "characters, %7 of a megabyte into a box), %8 pictures checked; the runs ended %9 times from the "
                   "start window, %10 from the network window; in the moment after a right answer %11 clicks on "
                   "Conferma did nothing and %12 key events typed nothing")
            .arg(eventi_)
            .arg(vite_)
            .arg(controlli_)
            .arg(bravi_)
            .arg(incollati_)
            .arg(incollatiGrandi_)
            .arg(incollatiMegabyte_)
            .arg(disegniControllati_)
            .arg(finiInizio_)
            .arg(finiRete_)
            .arg(ignorate_)
            .arg(tastiInPausa_);
    }

    int vite() const { return vite_; }
    int controlli() const { return controlli_; }
    int bravi() const { return bravi_; }
    int partenze() const { return partenze_; }
    int incollatiMegabyte() const { return incollatiMegabyte_; }
    int ignorate() const { return ignorate_; }
    int tastiInPausa() const { return tastiInPausa_; }

private:
    enum class Effetto { Nessuno, Controllo, Partenza, Fine };

    void vita();
    void passo();
    void attendiFine(int giri);
    void collegaInizio(Frminizio& inizio);
    void collegaRete(Frmrete& rete);

    Effetto agisci(QWidget& finestra);
    Effetto tasto(QWidget& finestra);
    Effetto tenuto(QWidget& finestra);
    Effetto trascina(QWidget& finestra);
    Effetto clic(QWidget& finestra);
    Effetto risposta();
    Effetto tutteGiuste();
    Effetto ripremi();
    Effetto incolla(QWidget& finestra);
    Effetto ridimensiona(QWidget& finestra);
    Effetto dallaBarra(QWidget& finestra);
    Effetto effettoDi(const QWidget* controllo) const;
    void scrivi(QLineEdit* casella, const QString& testo);
    bool raggiungi(QLineEdit* casella);
    bool inPausa() const;
    QString testoCasuale(int lunghezza);

    void premuto();
    void controllato();
    void verifica(Effetto atteso);
    void verificaRete();
    void verificaGeometrie(QWidget& finestra, const std::vector<std::pair<QPointer<QWidget>, QRect>>& geometrie);
    void verificaDisegno(QWidget& finestra, const QColor& sfondo);
    // Records the first failed condition with what it means, the seed and the
    // latest events; the message is either a text or what makes it.
    template <typename Messaggio> bool richiedi(bool condizione, const Messaggio& cosa)
    {
        if (condizione || !guasto_.isEmpty())
            return condizione;
        if constexpr (std::is_invocable_v<Messaggio>)
            fallisci(cosa());
        else
            fallisci(cosa);
        return false;
    }
    void fallisci(const QString& cosa);
    void descrivi(const QString& evento);

    Caso caso_;
    quint64 seme_;
    int totale_;
    QString guasto_;
    std::deque<QString> diario_;  // the latest events, to tell what led to a failure

    int eventi_ = 0;
    int vite_ = 0;
    int controlli_ = 0;
    int bravi_ = 0;
    int partenze_ = 0;
    int incollati_ = 0;
    int incollatiGrandi_ = 0;
    int incollatiMegabyte_ = 0;
    int disegniControllati_ = 0;
    int ignorate_ = 0;      // clicks on cmdconferma in the moment after a right answer
    int tastiInPausa_ = 0;  // key events in that moment
    int finiInizio_ = 0;
    int finiRete_ = 0;

    // The current run of the program.
    QObject* turno_ = nullptr;  // pending steps and connections of the run go with it
    Rete rete_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> geometrieInizio_;
    std::vector<std::pair<QPointer<QWidget>, QRect>> geometrieRete_;
    bool fineRichiesta_ = false;
    std::shared_ptr<std::int64_t> ora_ = std::make_shared<std::int64_t>(0);  // the window's clock, in ms
    std::optional<std::int64_t> bravoAlle_;  // when the latest right answer of the run was given
    int controlliVita_ = 0;
    int eventoDisegno_ = 0;  // the next event after which the pictures are checked

    // The current event.
    int controlliEvento_ = 0;
    bool pausaEvento_ = false;  // the event comes in the moment after a right answer
    bool tastiera_ = false;     // the event is keys only
    bool ripremi_ = false;      // the child presses Conferma again, as restless children do
    Caselle casellePrima_;
    int partenzeEvento_ = 0;
    bool schemaNuovo_ = false;
    bool ridisegna_ = false;
    Schema schemaPrima_;

    // At the press of cmdconferma.
    Schema schemaPremuto_;
    QString txt1Premuto_;
    Caselle casellePremute_;
    QPointer<QWidget> fuocoPremuto_;
};

void Bambino::gioca()
{
    while (guasto_.isEmpty() && eventi_ < totale_)
        vita();
    impostaSorgenteFrmrete({});
    impostaOrologioFrmrete({});
}

// One run of the program as main() runs it: avviaProgramma, then the
// application's event loop, in which the child's events take their turns
// with everything else. The loop returns when the program ends, or when the
// child has done all its events or caught a fault.
void Bambino::vita()
{
    ++vite_;
    // The puzzles of this run come from the seed too.
    impostaSorgenteFrmrete([motore = std::make_shared<std::mt19937_64>(caso_.seme())] {
        return std::uniform_real_distribution<double>(0.0, 1.0)(*motore);
    });
    QObject turno;
    turno_ = &turno;
    fineRichiesta_ = false;
    bravoAlle_.reset();
    impostaOrologioFrmrete([ora = ora_] { return *ora; });
    controlliVita_ = 0;
    rete_ = Rete();
    geometrieRete_.clear();
    connect(qApp, &QGuiApplication::lastWindowClosed, &turno, [this] { fineRichiesta_ = true; });

    avviaProgramma();
    int esito = controlloFallito;
    if (richiedi(frminizioSeEsiste() && !frmreteSeEsiste(),
                 QStringLiteral("the program opens on the start window alone"))) {
        collegaInizio(*frminizioSeEsiste());
        descrivi(QStringLiteral("program started"));
        QTimer::singleShot(0, &turno, [this] { passo(); });
        esito = QApplication::exec();
    }
    turno_ = nullptr;

    if (esito == 0)
        richiedi(fineRichiesta_, QStringLiteral("the program ended though nothing asked it to"));
    else if (esito != eventiFiniti && esito != controlloFallito)
        richiedi(false, [&] { return QStringLiteral("the event loop returned %1").arg(esito); });
    distruggiFinestre();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    richiedi(!frminizioSeEsiste() && !frmreteSeEsiste(), QStringLiteral("a window outlived its run"));
}

// One event, then every check; the next event waits for its turn in the loop,
// after the paints and whatever else the event has posted.
void Bambino::passo()
{
    if (fineRichiesta_)
        return;  // the program is ending: its loop returns next
    if (eventi_ >= totale_) {
        QCoreApplication::exit(eventiFiniti);
        return;
    }
    controlliEvento_ = 0;
    partenzeEvento_ = 0;
    // A hurried event now and then, mostly a moment's thought, sometimes a long
    // one; right after a right answer mostly a hurried one.
    const bool dopoBravo = schemaNuovo_;
    tastiera_ = false;
    switch (dopoBravo ? caso_.pesato({80, 15, 5}) : caso_.pesato({45, 35, 20})) {
    case 0:
        *ora_ += caso_.intero(0, 150);
        break;
    case 1:
        *ora_ += caso_.intero(150, 1000);
        break;
    default:
        *ora_ += caso_.intero(1000, 10000);
    }
    pausaEvento_ = inPausa();
    ripremi_ = dopoBravo && caso_.volte(0.3);
    schemaNuovo_ = false;
    ridisegna_ = false;
    if (rete_.finestra) {
        schemaPrima_ = rete_.schema();
        casellePrima_ = rete_.caselle();
    }

    QWidget* finestra = nullptr;
    for (QWidget* candidata : {static_cast<QWidget*>(frminizioSeEsiste()), static_cast<QWidget*>(frmreteSeEsiste())})
        if (candidata && candidata->isVisible())
            finestra = candidata;
    if (!richiedi(finestra, QStringLiteral("no window is open"))) {
        QCoreApplication::exit(controlloFallito);
        return;
    }
    if (diario_.back().endsWith(QStringLiteral("program started")))
        richiedi(centrata(*finestra), QStringLiteral("the start window comes up centred"));
    ++eventi_;
    const Effetto atteso = agisci(*finestra);
    if (fineRichiesta_)
        ++(finestra == rete_.finestra ? finiRete_ : finiInizio_);
    verifica(atteso);

    if (!guasto_.isEmpty()) {
        QCoreApplication::exit(controlloFallito);
    } else if (fineRichiesta_) {
        attendiFine(3);
    } else {
        QTimer::singleShot(0, turno_, [this] { passo(); });
    }
}

// The program has asked to end: its loop must return within a few rounds.
void Bambino::attendiFine(int giri)
{
    QTimer::singleShot(0, turno_, [this, giri] {
        if (giri > 0) {
            attendiFine(giri - 1);
            return;
        }
        richiedi(false, QStringLiteral("the program asked to end, but its event loop goes on"));
        QCoreApplication::exit(controlloFallito);
    });
}

void Bambino::collegaInizio(Frminizio& inizio)
{
    geometrieInizio_.clear();
    for (QWidget* figlio : inizio.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        geometrieInizio_.emplace_back(figlio, figlio->geometry());
    auto* cmdesci = inizio.findChild<QPushButton*>(QStringLiteral("cmdesci"));
    auto* cmdparti = inizio.findChild<QPushButton*>(QStringLiteral("cmdparti"));
    if (!richiedi(cmdesci && cmdparti, QStringLiteral("the start window has its two buttons")))
        return;
    connect(cmdesci, &QAbstractButton::clicked, turno_, [this] { fineRichiesta_ = true; });
    connect(cmdparti, &QAbstractButton::clicked, turno_, [this] {
        ++partenzeEvento_;
        ++partenze_;
    });
}

void Bambino::collegaRete(Frmrete& rete)
{
    rete_ = Rete(&rete);
    if (!richiedi(rete_.completa(), QStringLiteral("the network window has all its controls")))
        return;
    for (QWidget* figlio : rete.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        geometrieRete_.emplace_back(figlio, figlio->geometry());
    connect(rete_.cmdconferma, &QAbstractButton::pressed, turno_, [this] { premuto(); });
    connect(rete_.cmdconferma, &QAbstractButton::clicked, turno_, [this] { controllato(); });
    connect(rete_.cmdfine, &QAbstractButton::clicked, turno_, [this] { fineRichiesta_ = true; });
    connect(rete_.txt[0], &QLineEdit::textEdited, turno_,
            [this] { richiedi(false, QStringLiteral("the child changed txt1, which is read-only")); });

    // The window as it first comes.
    const Schema schema = rete_.schema();
    schemaPrima_ = schema;
    richiedi(rete_.txt[0]->text() == testoDi(schema.nodo(1)), QStringLiteral("txt1 shows the start value"));
    const Caselle vuote{};
    richiedi(rete_.caselle() == vuote, QStringLiteral("the boxes start empty"));
    richiedi(rete_.lblmess->text().isEmpty(), QStringLiteral("lblmess starts empty"));
    richiedi(!rete_.timer->isActive(), QStringLiteral("the timer starts off"));
    richiedi(rete.focusWidget() == rete_.txt[1], QStringLiteral("the focus starts in txt2"));
    richiedi(centrata(rete), [&] {
        return QStringLiteral("the network window comes up centred, not at %1, %2")
            .arg(rete.frameGeometry().left())
            .arg(rete.frameGeometry().top());
    });
}

Bambino::Effetto Bambino::effettoDi(const QWidget* controllo) const
{
    if (!controllo)
        return Effetto::Nessuno;
    const QString& nome = controllo->objectName();
    if (nome == u"cmdconferma")
        return Effetto::Controllo;
    if (nome == u"cmdfine" || nome == u"cmdesci")
        return Effetto::Fine;
    if (nome == u"cmdparti")
        return Effetto::Partenza;
    return Effetto::Nessuno;
}

Bambino::Effetto Bambino::agisci(QWidget& finestra)
{
    if (finestra.isMinimized())
        return dallaBarra(finestra);
    if (!finestra.isActiveWindow()) {
        descrivi(QStringLiteral("activate the window"));
        finestra.activateWindow();
        return Effetto::Nessuno;
    }
    const bool rete = &finestra == rete_.finestra;
    if (rete && ripremi_)
        return ripremi();
    switch (caso_.pesato({560, 140, rete ? 120 : 0, 30, rete ? 12 : 0, rete ? 40 : 0, 14, 5, 3, 2, 15, 15})) {
    case 10:
        return tenuto(finestra);
    case 11:
        return trascina(finestra);
    case 0:
        return tasto(finestra);
    case 1:
        return clic(finestra);
    case 2:
        return risposta();
    case 3:
        return incolla(finestra);
    case 4:
        return tutteGiuste();
    case 5:
        if (!rete_.timer->isActive()) {
            descrivi(QStringLiteral("timer tick, the timer is off"));
            return Effetto::Nessuno;
        }
        {
            // The event by which the timer ticks, without waiting for it.
            descrivi(QStringLiteral("timer tick"));
            QTimerEvent tick(rete_.timer->timerId());
            QCoreApplication::sendEvent(rete_.timer, &tick);
            richiedi(rete_.lblmess->text().isEmpty(), QStringLiteral("a tick empties lblmess"));
        }
        return Effetto::Nessuno;
    case 6:
        return ridimensiona(finestra);
    case 7:
        descrivi(QStringLiteral("minimise"));
        finestra.showMinimized();
        return Effetto::Nessuno;
    case 8:
        descrivi(QStringLiteral("maximise"));
        finestra.showMaximized();
        ridisegna_ = true;
        return Effetto::Nessuno;
    case 9:
        descrivi(QStringLiteral("close %1 from its title bar").arg(finestra.objectName()));
        finestra.windowHandle()->close();
        return Effetto::Fine;
    }
    return Effetto::Nessuno;
}

// A minimised window: the child can restore it or close it from the task
// bar, and its timer goes on ticking.
Bambino::Effetto Bambino::dallaBarra(QWidget& finestra)
{
    switch (caso_.pesato({85, 10, 5})) {
    case 0:
        descrivi(QStringLiteral("restore"));
        finestra.showNormal();
        finestra.activateWindow();
        ridisegna_ = true;
        return Effetto::Nessuno;
    case 1:
        if (&finestra == rete_.finestra && rete_.timer->isActive()) {
            descrivi(QStringLiteral("timer tick while minimised"));
            QTimerEvent tick(rete_.timer->timerId());
            QCoreApplication::sendEvent(rete_.timer, &tick);
            richiedi(rete_.lblmess->text().isEmpty(), QStringLiteral("a tick empties lblmess"));
        } else {
            descrivi(QStringLiteral("nothing while minimised"));
        }
        return Effetto::Nessuno;
    default:
        descrivi(QStringLiteral("close %1 while minimised").arg(finestra.objectName()));
        finestra.windowHandle()->close();
        return Effetto::Fine;
    }
}

Bambino::Effetto Bambino::tasto(QWidget& finestra)
{
    tastiera_ = true;
    QWidget* fuoco = QApplication::focusWidget();
    QWidget* bersaglio = fuoco && fuoco->window() == &finestra ? fuoco : &finestra;
    const QString dove = bersaglio->objectName();
    const bool rete = &finestra == rete_.finestra;

    static const QByteArray segni = "+-.,*/=()'";
    // Weights: a digit, a letter, a sign, Space; the keys of the table below in
    // its order, the cursor keys and Ctrl+Enter sharing one weight; Alt+C,
    // Alt+F, Alt+E and Alt with another letter.
    const int scelta = caso_.pesato({300, 60, 80, 40, 50, 30, 25, 10, 60, 15, 30, 5, 10, 5, 3, 5, 5, 5, 25, 4, 6, 5});
    switch (scelta) {
    case 0:
    case 1:
    case 2:
    case 3: {
        char c = ' ';
        if (scelta == 0)
            c = char('0' + caso_.intero(0, 9));
        else if (scelta == 1)
            c = char((caso_.volte(0.8) ? 'a' : 'A') + caso_.intero(0, 25));
        else if (scelta == 2)
            c = segni[caso_.intero(0, int(segni.size()) - 1)];
        if (scelta == 1 && caso_.volte(0.2)) {
            // A letter that no key of the keyboard's own layout gives.
            static const QString altre = QStringLiteral("èéàùç€°§ß中ж\u00A0");
            const QString testo = altre.mid(caso_.intero(0, int(altre.size()) - 1), 1);
            descrivi(QStringLiteral("key «%1» to %2").arg(testo, dove));
            QTest::sendKeyEvent(QTest::Click, bersaglio, Qt::Key_unknown, testo, Qt::NoModifier);
            return Effetto::Nessuno;
        }
        descrivi(QStringLiteral("key «%1» to %2").arg(QLatin1Char(c)).arg(dove));
        QTest::keyClick(bersaglio, c);
        return c == ' ' ? effettoDi(bersaglio) : Effetto::Nessuno;
    }
    case 18:
    case 19:
    case 20:
    case 21: {
        const char lettera = scelta == 18 ? 'c'
            : scelta == 19                ? 'f'
            : scelta == 20                ? 'e'
                                          : char('a' + caso_.intero(0, 25));
        descrivi(QStringLiteral("Alt+%1 to %2").arg(QChar(QLatin1Char(lettera)).toUpper()).arg(dove));
        const Caselle prima = rete ? rete_.caselle() : Caselle{};
        QTest::keyClick(bersaglio, lettera, Qt::AltModifier);
        if (rete && lettera != 'c' && lettera != 'f')
            richiedi(rete_.caselle() == prima, QStringLiteral("Alt with a letter typed into a box"));
        if (rete && lettera == 'c')
            return Effetto::Controllo;
        if ((rete && lettera == 'f') || (!rete && lettera == 'e'))
            return Effetto::Fine;
        return Effetto::Nessuno;
    }
    default:
        break;
    }

    struct Speciale {
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
        const char* nome;
        bool preme;  // presses a button that has the focus
    };
    static const std::array<Speciale, 18> speciali{{
        {Qt::Key_Tab, Qt::NoModifier, "Tab", false},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab", false},
        {Qt::Key_Return, Qt::NoModifier, "Enter", true},
        {Qt::Key_Enter, Qt::KeypadModifier, "keypad Enter", true},
        {Qt::Key_Backspace, Qt::NoModifier, "Backspace", false},
        {Qt::Key_Delete, Qt::NoModifier, "Delete", false},
        {Qt::Key_Left, Qt::NoModifier, "Left", false},
        {Qt::Key_Escape, Qt::NoModifier, "Esc", false},
        {Qt::Key_A, Qt::ControlModifier, "Ctrl+A", false},
        {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z", false},
        {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, "Ctrl+Shift+Z", false},
        {Qt::Key_X, Qt::ControlModifier, "Ctrl+X", false},
        {Qt::Key_C, Qt::ControlModifier, "Ctrl+C", false},
        {Qt::Key_V, Qt::ControlModifier, "Ctrl+V", false},
        {Qt::Key_Right, Qt::NoModifier, "Right", false},
        {Qt::Key_Home, Qt::NoModifier, "Home", false},
        {Qt::Key_End, Qt::ShiftModifier, "Shift+End", false},
        {Qt::Key_Return, Qt::ControlModifier, "Ctrl+Enter", false},
    }};
    // Cases 4 ... 17 pick from the table in its order; the cursor keys and
    // Ctrl+Enter share case 10.
    const int indice = scelta == 10 ? caso_.uno(std::vector<int>{6, 14, 15, 16, 17}) : scelta - 4;
    const Speciale& s = speciali[std::size_t(indice)];
    descrivi(QStringLiteral("%1 to %2").arg(QLatin1String(s.nome)).arg(dove));
    QTest::keyClick(bersaglio, s.tasto, s.modificatori);
    return s.preme ? effettoDi(bersaglio) : Effetto::Nessuno;
}

Bambino::Effetto Bambino::clic(QWidget& finestra)
{
    const QRect area = finestra.rect();
    std::vector<QWidget*> controlli;
    for (QWidget* figlio : finestra.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (figlio->isVisible() && figlio->geometry().intersects(area))
            controlli.push_back(figlio);

    QRect dove = area;
    if (!controlli.empty() && caso_.volte(0.7))
        dove = caso_.uno(controlli)->geometry() & area;
    const QPoint punto(caso_.intero(dove.left(), dove.right()), caso_.intero(dove.top(), dove.bottom()));

    QWidget* sotto = finestra.childAt(punto);
    QWidget* bersaglio = sotto ? sotto : &finestra;
    QWidget* controllo = sotto;
    while (controllo && controllo->parentWidget() != &finestra)
        controllo = controllo->parentWidget();

    const QPoint locale = bersaglio->mapFrom(&finestra, punto);
    if (qobject_cast<QLineEdit*>(bersaglio) && caso_.volte(0.1)) {
        descrivi(QStringLiteral("double click at (%1, %2) on %3")
                     .arg(punto.x())
                     .arg(punto.y())
                     .arg(bersaglio->objectName()));
        QTest::mouseDClick(bersaglio, Qt::LeftButton, Qt::NoModifier, locale);
        return Effetto::Nessuno;
    }
    descrivi(QStringLiteral("click at (%1, %2) on %3")
                 .arg(punto.x())
                 .arg(punto.y())
                 .arg(controllo ? controllo->objectName() : QStringLiteral("the window")));
    QTest::mouseClick(bersaglio, Qt::LeftButton, Qt::NoModifier, locale);
    return effettoDi(controllo);
}

// A key held down: one press, the keyboard's repeats, one release. A button
// held down by Space or Enter is pressed once.
Bambino::Effetto Bambino::tenuto(QWidget& finestra)
{
    tastiera_ = true;
    QWidget* fuoco = QApplication::focusWidget();
    QWidget* bersaglio = fuoco && fuoco->window() == &finestra ? fuoco : &finestra;
    struct Tenibile {
        Qt::Key tasto;
        const char* testo;
        Qt::KeyboardModifiers modificatori;
        const char* nome;
        bool preme;
    };
    static const std::array<Tenibile, 6> tasti{{{Qt::Key_Return, "\r", Qt::NoModifier, "Enter", true},
                                                {Qt::Key_Enter, "\r", Qt::KeypadModifier, "keypad Enter", true},
                                                {Qt::Key_Space, " ", Qt::NoModifier, "Space", true},
                                                {Qt::Key_7, "7", Qt::NoModifier, "7", false},
                                                {Qt::Key_Backspace, "\b", Qt::NoModifier, "Backspace", false},
                                                {Qt::Key_Tab, "\t", Qt::NoModifier, "Tab", false}}};
    const Tenibile& t = tasti[std::size_t(caso_.intero(0, int(tasti.size()) - 1))];
    const int ripetizioni = caso_.intero(1, 40);
    descrivi(QStringLiteral("hold %1 down on %2 for %3 repeats")
                 .arg(QLatin1String(t.nome), bersaglio->objectName())
                 .arg(ripetizioni));
    // Each event goes to whatever has the focus by then.
    auto ricevente = [&finestra] {
        QWidget* ora = QApplication::focusWidget();
        return ora && ora->window() == &finestra ? ora : &finestra;
    };
    for (int i = 0; i <= ripetizioni; ++i) {
        QKeyEvent premuto(QEvent::KeyPress, t.tasto, t.modificatori, QString::fromLatin1(t.testo), i > 0);
        QCoreApplication::sendEvent(ricevente(), &premuto);
    }
    QKeyEvent lasciato(QEvent::KeyRelease, t.tasto, t.modificatori, QString::fromLatin1(t.testo));
    QCoreApplication::sendEvent(ricevente(), &lasciato);
    return t.preme ? effettoDi(bersaglio) : Effetto::Nessuno;
}

// The mouse goes down on a control and up somewhere else: a button pressed
// this way goes off only when the mouse comes up over it again.
Bambino::Effetto Bambino::trascina(QWidget& finestra)
{
    const QRect area = finestra.rect();
    auto puntoIn = [this](const QRect& r) {
        return QPoint(caso_.intero(r.left(), r.right()), caso_.intero(r.top(), r.bottom()));
    };
    const QPoint giu = puntoIn(area);
    const QPoint su = caso_.volte(0.5) ? puntoIn(area) : giu + QPoint(caso_.intero(-30, 30), caso_.intero(-30, 30));
    QWidget* sotto = finestra.childAt(giu);
    QWidget* bersaglio = sotto ? sotto : &finestra;
    descrivi(QStringLiteral("mouse down at (%1, %2) on %3, up at (%4, %5)")
                 .arg(giu.x())
                 .arg(giu.y())
                 .arg(bersaglio->objectName())
                 .arg(su.x())
                 .arg(su.y()));
    // The widget under the press has the mouse until it comes up.
    QTest::mousePress(bersaglio, Qt::LeftButton, Qt::NoModifier, bersaglio->mapFrom(&finestra, giu));
    QTest::mouseMove(bersaglio, bersaglio->mapFrom(&finestra, su));
    QTest::mouseRelease(bersaglio, Qt::LeftButton, Qt::NoModifier, bersaglio->mapFrom(&finestra, su));
    const bool sopra = bersaglio->rect().contains(bersaglio->mapFrom(&finestra, su));
    return sopra && bersaglio != &finestra ? effettoDi(bersaglio) : Effetto::Nessuno;
}

bool Bambino::inPausa() const
{
    return bravoAlle_ && *ora_ - *bravoAlle_ < QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// Moves the focus into the box the way a child would: a click on it when it
// can be seen, else Tab after Tab (which does nothing in the moment after a
// right answer).
bool Bambino::raggiungi(QLineEdit* casella)
{
    QWidget& finestra = *rete_.finestra;
    const QRect visibile = casella->geometry() & finestra.rect();
    if (!visibile.isEmpty()) {
        QTest::mouseClick(casella, Qt::LeftButton, Qt::NoModifier, casella->mapFrom(&finestra, visibile.center()));
    } else {
        for (int i = 0; i < 13 && QApplication::focusWidget() != casella; ++i) {
            QWidget* fuoco = QApplication::focusWidget();
            QTest::keyClick(fuoco ? fuoco : &finestra, Qt::Key_Tab);
        }
    }
    if (visibile.isEmpty() && pausaEvento_)
        return QApplication::focusWidget() == casella;
    return richiedi(QApplication::focusWidget() == casella,
                    [&] { return QStringLiteral("%1 takes the focus").arg(casella->objectName()); });
}

// Replaces what the box holds by the text, typed key by key.
void Bambino::scrivi(QLineEdit* casella, const QString& testo)
{
    if (!raggiungi(casella))
        return;
    QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
    if (testo.isEmpty())
        QTest::keyClick(casella, Qt::Key_Delete);
    else
        QTest::keyClicks(casella, testo);
}

// The text the child writes for a box: mostly the right one, else a near miss.
QString variante(Caso& caso, const QString& giusto, bool numero)
{
    switch (caso.pesato({70, 5, 5, 5, 5, 5, 5})) {
    case 0:
        return giusto;
    case 1:
        return u'0' + giusto;
    case 2:
        return u' ' + giusto + u' ';
    case 3:
        return numero ? giusto + QStringLiteral(",0") : giusto.mid(1);
    case 4:
        return numero ? u'+' + giusto : giusto + u'0';
    case 5:
        return giusto + QStringLiteral(".5");
    default:
        return QString();
    }
}

Bambino::Effetto Bambino::risposta()
{
    tastiera_ = true;
    const Schema schema = rete_.schema();
    const auto i = std::size_t(caso_.intero(0, 8));
    QLineEdit* casella = rete_.esaminata(i);
    const QString testo = variante(caso_, rispostaGiusta(schema, i), i == 7);
    descrivi(QStringLiteral("write %1 into %2").arg(breve(testo), casella->objectName()));
    scrivi(casella, testo);
    return Effetto::Nessuno;
}

// Conferma once more, by a click or Alt+C.
Bambino::Effetto Bambino::ripremi()
{
    const QRect visibile = rete_.cmdconferma->geometry() & rete_.finestra->rect();
    if (visibile.isEmpty() || caso_.volte(0.5)) {
        QWidget* fuoco = QApplication::focusWidget();
        descrivi(QStringLiteral("Alt+C again"));
        QTest::keyClick(fuoco ? fuoco : rete_.finestra.data(), 'c', Qt::AltModifier);
    } else {
        descrivi(QStringLiteral("a click on cmdconferma again"));
        QTest::mouseClick(rete_.cmdconferma, Qt::LeftButton, Qt::NoModifier,
                          rete_.cmdconferma->mapFrom(rete_.finestra, visibile.center()));
    }
    return Effetto::Controllo;
}

// The whole grid filled in, mostly right, then the confirm button pressed.
Bambino::Effetto Bambino::tutteGiuste()
{
    tastiera_ = true;
    const Schema schema = rete_.schema();
    const int sbagliata = caso_.volte(0.2) ? caso_.intero(0, 8) : -1;
    QStringList scritte;
    for (std::size_t i = 0; i < 9; ++i) {
        QString testo = rispostaGiusta(schema, i);
        if (int(i) == sbagliata)
            testo = variante(caso_, testo, i == 7);
        else if (i == 7 && caso_.volte(0.2))
            testo.clear();  // txt9 may stay empty
        scritte << testo;
        scrivi(rete_.esaminata(i), testo);
        if (!guasto_.isEmpty())
            return Effetto::Nessuno;
    }
    const int modo = caso_.pesato({3, 3, 2, 1, 1});
    static const std::array<const char*, 5> nomi{"Alt+C", "a click on cmdconferma", "Tab, Enter", "Tab, Space",
                                                 "Tab, keypad Enter"};
    descrivi(QStringLiteral("fill in %1, then %2").arg(scritte.join(u' '), QLatin1String(nomi[std::size_t(modo)])));
    if (modo == 0 || (modo == 1 && !rete_.cmdconferma->geometry().intersects(rete_.finestra->rect()))) {
        QTest::keyClick(QApplication::focusWidget(), 'c', Qt::AltModifier);
    } else if (modo == 1) {
        const QRect visibile = rete_.cmdconferma->geometry() & rete_.finestra->rect();
        QTest::mouseClick(rete_.cmdconferma, Qt::LeftButton, Qt::NoModifier,
                          rete_.cmdconferma->mapFrom(rete_.finestra, visibile.center()));
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        // In the moment after a right answer Tab, like every key, does nothing.
        if (!richiedi(pausaEvento_ || QApplication::focusWidget() == rete_.cmdconferma,
                      QStringLiteral("Tab goes from txtcomgialla to cmdconferma"))
            || QApplication::focusWidget() != rete_.cmdconferma)
            return Effetto::Nessuno;
        if (modo == 2)
            QTest::keyClick(rete_.cmdconferma, Qt::Key_Return);
        else if (modo == 3)
            QTest::keyClick(rete_.cmdconferma, Qt::Key_Space);
        else
            QTest::keyClick(rete_.cmdconferma, Qt::Key_Enter, Qt::KeypadModifier);
    }
    return Effetto::Controllo;
}

// Characters of every kind: digits and signs, spaces of other widths,
// letters of other scripts, marks that change the writing direction, joiners,
// line breaks, the null character and halves of surrogate pairs.
QString Bambino::testoCasuale(int lunghezza)
{
    static const std::array<char16_t, 22> rari{0x00A0, 0x2007, 0x3000, 0x200B, 0x200D, 0x202E, 0x202D, 0x2066,
                                               0xFEFF, 0x0301, 0xFF11, 0x0663, 0x0000, 0xD800, 0xDC00, 0xFFFD,
                                               0x00E8, 0x4E2D, 0x0E01, 0x05D0, 0x0627, 0x2028};
    static const QString comuni = QStringLiteral("0123456789+-.,  abcxyzEF\t\n\r");
    QString testo;
    testo.reserve(lunghezza);
    while (testo.size() < lunghezza) {
        const int scelta = caso_.intero(0, 99);
        if (scelta < 85)
            testo += comuni[caso_.intero(0, int(comuni.size()) - 1)];
        else if (scelta < 98)
            testo += QChar(rari[std::size_t(caso_.intero(0, int(rari.size()) - 1))]);
        else
            testo += QStringLiteral("\U0001F600");
    }
    testo.truncate(lunghezza);
    return testo;
}

Bambino::Effetto Bambino::incolla(QWidget& finestra)
{
    tastiera_ = true;
    // Mostly a few characters, now and then thousands, rarely 64 K up to a
    // megabyte (below each power of two as likely) and once in a while a whole
    // megabyte: into a box at least once in the second half of every run.
    const bool dovuto = rete_.finestra == &finestra && incollatiMegabyte_ == 0 && eventi_ > totale_ / 2;
    const int classe = dovuto ? 999 : caso_.intero(0, 999);
    const int lunghezza = classe < 880 ? caso_.intero(0, 24)
        : classe < 990                 ? caso_.intero(25, 4096)
        : classe < 998                 ? caso_.intero(65537, 1 << caso_.intero(17, 20))
                                       : 1 << 20;
    QString testo = testoCasuale(lunghezza);
    if (rete_.finestra == &finestra && lunghezza <= 24 && caso_.volte(0.3)) {
        // A right answer among other characters.
        const QString giusto = rispostaGiusta(rete_.schema(), std::size_t(caso_.intero(0, 8)));
        testo.insert(caso_.intero(0, int(testo.size())), giusto);
    }
    QLineEdit* casella = nullptr;
    if (rete_.finestra == &finestra && (dovuto || caso_.volte(0.7))) {
        casella = caso_.volte(0.1) ? rete_.txt[0] : rete_.esaminata(std::size_t(caso_.intero(0, 8)));
        if (!raggiungi(casella))
            return Effetto::Nessuno;
        if (caso_.volte(0.5))
            QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
    }
    ++incollati_;
    if (testo.size() > 65536)
        ++incollatiGrandi_;
    if (casella && testo.size() == 1 << 20)
        ++incollatiMegabyte_;
    QWidget* fuoco = QApplication::focusWidget();
    QWidget* bersaglio = fuoco && fuoco->window() == &finestra ? fuoco : &finestra;
    const bool maiuscole = caso_.volte(0.2);
    descrivi(QStringLiteral("paste %1 with %2 into %3")
                 .arg(breve(testo), maiuscole ? QStringLiteral("Shift+Insert") : QStringLiteral("Ctrl+V"),
                      bersaglio->objectName()));
    QGuiApplication::clipboard()->setText(testo);
    if (maiuscole)
        QTest::keyClick(bersaglio, Qt::Key_Insert, Qt::ShiftModifier);
    else
        QTest::keyClick(bersaglio, Qt::Key_V, Qt::ControlModifier);
    // A box takes a pasted text up to its limit, but for its control and format
    // characters; txt1 takes nothing.
    qsizetype visibili = 0;
    for (char32_t c : QStringView(testo).left(lunghezzaMassima).toUcs4()) {
        const QChar::Category categoria = QChar::category(c);
        if (categoria != QChar::Other_Control && categoria != QChar::Other_Format)
            visibili += QChar::requiresSurrogates(c) ? 2 : 1;
    }
    if (casella && casella != rete_.txt[0] && !pausaEvento_)
        richiedi(casella->text().size() >= visibili,
                 [&] { return QStringLiteral("%1 takes a pasted text up to its limit").arg(casella->objectName()); });
    return Effetto::Nessuno;
}

Bambino::Effetto Bambino::ridimensiona(QWidget& finestra)
{
    const QSize normale(650, 494);
    const QSize misura = caso_.volte(0.4) ? normale : QSize(caso_.intero(1, 1400), caso_.intero(1, 1000));
    const QPoint posto(caso_.intero(-200, 1000), caso_.intero(-200, 800));
    const bool sposta = caso_.volte(0.3);
    descrivi(sposta ? QStringLiteral("move to (%1, %2)").arg(posto.x()).arg(posto.y())
                    : QStringLiteral("resize to %1 × %2").arg(misura.width()).arg(misura.height()));
    if (finestra.isMaximized() || finestra.isFullScreen())
        finestra.showNormal();
    if (sposta)
        finestra.move(posto);
    else
        finestra.resize(misura);
    ridisegna_ = true;
    return Effetto::Nessuno;
}

// cmdconferma goes down: what the check will be given.
void Bambino::premuto()
{
    schemaPremuto_ = rete_.schema();
    txt1Premuto_ = rete_.txt[0]->text();
    casellePremute_ = rete_.caselle();
    fuocoPremuto_ = QApplication::focusWidget();
}

// cmdconferma has been clicked and its handler has run: the check must have
// judged every box as the rules say, and acted on it.
void Bambino::controllato()
{
    // A press within the double-click interval after a right answer repeats
    // that one: it does nothing at all.
    if (inPausa()) {
        ++ignorate_;
        richiedi(rete_.schema() == schemaPremuto_ && rete_.caselle() == casellePremute_
                     && rete_.txt[0]->text() == txt1Premuto_,
                 QStringLiteral("a press in the moment after a right answer changed the window"));
        return;
    }
    ++controlli_;
    ++controlliVita_;
    ++controlliEvento_;
    const Schema& schema = schemaPremuto_;
    std::array<bool, 9> sbagliata{};
    int errori = 0;
    for (std::size_t i = 0; i < 9; ++i) {
        const QString& testo = casellePremute_[i];
        if (i == 7)
            sbagliata[i] = !testo.isEmpty() && !numeroUguale(testo, schema.nodo(9));
        else
            sbagliata[i] = testo != rispostaGiusta(schema, i);
        errori += sbagliata[i];
    }
    if (!richiedi(rete_.finestra->esercizio().errori == errori, [&] {
            return QStringLiteral("errori %1, but %2 boxes are wrong")
                .arg(rete_.finestra->esercizio().errori)
                .arg(errori);
        }))
        return;
    richiedi(rete_.timer->isActive(), QStringLiteral("a check switches the timer on"));
    const Caselle dopo = rete_.caselle();
    if (errori > 0) {
        richiedi(rete_.lblmess->text() == messaggioAttento(), QStringLiteral("lblmess after a wrong answer"));
        richiedi(rete_.schema() == schema, QStringLiteral("a failed check keeps the puzzle"));
        richiedi(rete_.txt[0]->text() == txt1Premuto_, QStringLiteral("a failed check keeps txt1"));
        richiedi(QApplication::focusWidget() == fuocoPremuto_,
                 QStringLiteral("a failed check leaves the focus where it was"));
        for (std::size_t i = 0; i < 9; ++i)
            richiedi(dopo[i] == (sbagliata[i] ? QString() : casellePremute_[i]), [&] {
                return QStringLiteral("%1 after a check that found it %2")
                    .arg(rete_.esaminata(i)->objectName(),
                         sbagliata[i] ? QStringLiteral("wrong") : QStringLiteral("right"));
            });
        return;
    }
    ++bravi_;
    schemaNuovo_ = true;
    bravoAlle_ = *ora_;
    richiedi(rete_.lblmess->text() == messaggioBravo(), QStringLiteral("lblmess after a right answer"));
    richiedi(dopo == Caselle{}, QStringLiteral("a right answer empties every box"));
    richiedi(rete_.finestra->focusWidget() == rete_.txt[1], QStringLiteral("a right answer puts the focus in txt2"));
}

void Bambino::verifica(Effetto atteso)
{
    if (!guasto_.isEmpty())
        return;
    if (!richiedi(fineRichiesta_ == (atteso == Effetto::Fine),
                  fineRichiesta_ ? QStringLiteral("the program ended") : QStringLiteral("the program did not end")))
        return;
    if (fineRichiesta_)
        return;
    const int attesi = atteso == Effetto::Controllo && !pausaEvento_ ? 1 : 0;
    richiedi(controlliEvento_ == attesi,
             [&] { return QStringLiteral("%1 checks instead of %2").arg(controlliEvento_).arg(attesi); });
    richiedi(partenzeEvento_ == (atteso == Effetto::Partenza ? 1 : 0),
             [&] { return QStringLiteral("the start button went off %1 times").arg(partenzeEvento_); });

    // Exactly one of the two windows is open, and nothing else is.
    Frminizio* inizio = frminizioSeEsiste();
    Frmrete* rete = frmreteSeEsiste();
    const bool inizioAperta = inizio && inizio->isVisible();
    const bool reteAperta = rete && rete->isVisible();
    if (!richiedi(inizioAperta != reteAperta, [&] {
            return QStringLiteral("open windows: start %1, network %2").arg(inizioAperta).arg(reteAperta);
        }))
        return;
    const auto finestre = QApplication::topLevelWidgets();
    for (QWidget* finestra : finestre)
        richiedi(!finestra->isVisible() || finestra == inizio || finestra == rete, [&] {
            return QStringLiteral("a window of its own: %1 %2")
                .arg(QLatin1String(finestra->metaObject()->className()), finestra->objectName());
        });
    if (atteso == Effetto::Partenza) {
        if (!richiedi(!inizioAperta && reteAperta && !rete_.finestra,
                      QStringLiteral("the start button opens the network window and closes the start window")))
            return;
        collegaRete(*rete);
        ridisegna_ = true;
    } else if (reteAperta) {
        richiedi(rete_.finestra == rete, QStringLiteral("the network window opens by the start button alone"));
    }
    if (reteAperta)
        verificaRete();
    else
        verificaGeometrie(*inizio, geometrieInizio_);

    if (ridisegna_ || eventi_ >= eventoDisegno_) {
        eventoDisegno_ = eventi_ + 250;
        QWidget& aperta = reteAperta ? static_cast<QWidget&>(*rete) : static_cast<QWidget&>(*inizio);
        if (!aperta.isMinimized())
            verificaDisegno(aperta, reteAperta ? sfondoFrmrete : sfondoFrminizio);
    }
}

void Bambino::verificaRete()
{
    if (!richiedi(rete_.completa(), QStringLiteral("the network window is the one the start button opened")))
        return;
    const Schema schema = rete_.schema();
    const QString violata = regolaViolata(schema);
    richiedi(violata.isEmpty(), [&] { return QStringLiteral("the puzzle breaks a rule: ") + violata; });
    richiedi(schemaNuovo_ || schema == schemaPrima_, QStringLiteral("the puzzle changed without a right answer"));
    richiedi(rete_.txt[0]->text() == testoDi(schema.nodo(1)), QStringLiteral("txt1 shows the start value"));
    for (std::size_t i = 0; i < 9; ++i)
        richiedi(rete_.esaminata(i)->text().size() <= lunghezzaMassima, [&] {
            return QStringLiteral("%1 holds more than %2 characters")
                .arg(rete_.esaminata(i)->objectName())
                .arg(lunghezzaMassima);
        });
    // Keys that come in the moment after a right answer type nothing.
    if (pausaEvento_ && tastiera_ && ++tastiInPausa_)
        richiedi(rete_.caselle() == casellePrima_,
                 QStringLiteral("keys in the moment after a right answer changed a box"));

    richiedi(rete_.txtcg->isHidden() && !rete_.txtcg->isVisible(), QStringLiteral("txtcg is hidden"));
    richiedi(!rete_.txtcg->hasFocus() && rete_.finestra->focusWidget() != rete_.txtcg
                 && QApplication::focusWidget() != rete_.txtcg,
             QStringLiteral("txtcg never has the focus"));
    const QString messaggio = rete_.lblmess->text();
    richiedi(messaggio.isEmpty() || messaggio == messaggioAttento() || messaggio == messaggioBravo(),
             [&] { return QStringLiteral("lblmess «%1»").arg(messaggio); });
    richiedi(rete_.timer->isActive() == (controlliVita_ > 0), QStringLiteral("the timer runs from the first check on"));
    verificaGeometrie(*rete_.finestra, geometrieRete_);
}

void Bambino::verificaGeometrie(QWidget& finestra, const std::vector<std::pair<QPointer<QWidget>, QRect>>& geometrie)
{
    for (const auto& [controllo, rettangolo] : geometrie)
        if (!richiedi(controllo && controllo->geometry() == rettangolo, [&] {
                return QStringLiteral("%1 keeps its place in %2")
                    .arg(controllo ? controllo->objectName() : QStringLiteral("a control"), finestra.objectName());
            }))
            return;
}

// Outside its controls the window shows its own colour and nothing else.
void Bambino::verificaDisegno(QWidget& finestra, const QColor& sfondo)
{
    ++disegniControllati_;
    const QPixmap immagine = finestra.grab();
    const QImage pixel = immagine.toImage().convertToFormat(QImage::Format_RGB32);
    const qreal rapporto = immagine.devicePixelRatio();
    QRegion fuori(finestra.rect());
    for (QWidget* figlio : finestra.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (figlio->isVisible())
            fuori -= figlio->geometry();
    for (const QRect& parte : fuori) {
        // The pixels wholly inside the part, at the window's pixel ratio.
        const int sinistra = int(std::ceil(parte.left() * rapporto));
        const int destra = std::min(int(std::floor((parte.right() + 1) * rapporto)), pixel.width()) - 1;
        const int alto = int(std::ceil(parte.top() * rapporto));
        const int basso = std::min(int(std::floor((parte.bottom() + 1) * rapporto)), pixel.height()) - 1;
        for (int y = alto; y <= basso; ++y) {
            const auto* riga = reinterpret_cast<const QRgb*>(pixel.constScanLine(y));
            for (int x = sinistra; x <= destra; ++x)
                if (!richiedi(qRgb(qRed(riga[x]), qGreen(riga[x]), qBlue(riga[x])) == sfondo.rgb(), [&] {
                        return QStringLiteral("pixel (%1, %2) of %3 outside every control is %4")
                            .arg(x)
                            .arg(y)
                            .arg(finestra.objectName(), QColor(riga[x]).name());
                    }))
                    return;
        }
    }
}

void Bambino::descrivi(const QString& evento)
{
    diario_.push_back(QStringLiteral("#%1 %2").arg(eventi_).arg(evento));
    if (diario_.size() > 25)
        diario_.pop_front();
}

void Bambino::fallisci(const QString& cosa)
{
    QStringList righe{
        QStringLiteral("%1, at event #%2 of %3 (run %4). Replay with ZEFIRANDA_SEME=%5 ZEFIRANDA_EVENTI=%3.")
            .arg(cosa)
            .arg(eventi_)
            .arg(totale_)
            .arg(vite_)
            .arg(seme_),
        QStringLiteral("The latest events:")};
    for (const QString& evento : diario_)
        righe << QStringLiteral("  ") + evento;
    guasto_ = righe.join(u'\n');
}

}  // namespace

class TstCasuale : public QObject {
    Q_OBJECT

private slots:
    void eventiCasuali();
};

void TstCasuale::eventiCasuali()
{
    bool scelto = false;
    const quint64 seme = semeDellaProva(scelto);
    const int eventi = eventiDellaProva();
    qInfo("Seed %llu%s; replay with ZEFIRANDA_SEME=%llu. %d events.", seme, scelto ? " (chosen)" : "", seme, eventi);

    Bambino bambino(seme, eventi);
    bambino.gioca();
    QVERIFY2(bambino.guasto().isEmpty(), qPrintable(bambino.guasto()));
    qInfo("%s", qPrintable(bambino.resoconto()));

    // A run of ordinary length has been everywhere it is meant to go.
    if (eventi >= eventiNormali) {
        QVERIFY(bambino.vite() > 1);
        QVERIFY(bambino.partenze() > 0);
        QVERIFY(bambino.controlli() > bambino.bravi());
        QVERIFY(bambino.bravi() > 0);
        QVERIFY(bambino.incollatiMegabyte() > 0);
        QVERIFY(bambino.ignorate() > 0);
        QVERIFY(bambino.tastiInPausa() > 0);
    }
}

QTEST_MAIN(TstCasuale)
#include "tst_casuale.moc"
