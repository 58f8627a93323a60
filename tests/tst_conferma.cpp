// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/estrazioni.h"
#include "windows/aspetto.h"
#include "windows/finestre.h"
#include "windows/frmrete.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <random>

using namespace zefiranda;

namespace {

enum class Modo { Mouse, Spazio, Invio, InvioTastierino, Alt };

const char* nomeModo(Modo modo)
{
    switch (modo) {
    case Modo::Mouse:
        return "mouse";
    case Modo::Spazio:
        return "Space";
    case Modo::Invio:
        return "Return";
    case Modo::InvioTastierino:
        return "keypad Enter";
    case Modo::Alt:
        return "Alt+letter";
    }
    return "";
}

constexpr std::array<Modo, 5> modi{Modo::Mouse, Modo::Spazio, Modo::Invio, Modo::InvioTastierino, Modo::Alt};

// The boxes the check examines, in its order.
const QStringList esaminate{QStringLiteral("txt2"), QStringLiteral("txt3"), QStringLiteral("txt4"),
                            QStringLiteral("txt5"), QStringLiteral("txt6"), QStringLiteral("txt7"),
                            QStringLiteral("txt8"), QStringLiteral("txt9"), QStringLiteral("txtcomgialla")};

// Types text key by key into the widget with the focus, as a keyboard would:
// one key event per character, a whole surrogate pair in one event.
void digita(const QString& testo)
{
    for (qsizetype i = 0; i < testo.size(); ++i) {
        QWidget* fuoco = QApplication::focusWidget();
        const QChar c = testo[i];
        if (c.unicode() < 0x80) {
            QTest::keyClick(fuoco, c.toLatin1());
            continue;
        }
        const qsizetype lunghezza = c.isHighSurrogate() && i + 1 < testo.size() ? 2 : 1;
        QTest::sendKeyEvent(QTest::Click, fuoco, Qt::Key_unknown, testo.mid(i, lunghezza), Qt::NoModifier);
        i += lunghezza - 1;
    }
}

// Puts text on the clipboard and pastes it with Ctrl+V over what the box holds.
void incolla(QLineEdit* casella, const QString& testo)
{
    QApplication::clipboard()->setText(testo);
    casella->setFocus();
    QTest::keyClick(casella, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(casella, Qt::Key_V, Qt::ControlModifier);
}

// A window with a counted source of draws and a counted ending.
class Banco {
public:
    explicit Banco(const std::vector<double>& estratti)
        : Banco(sorgenteScriptata(estratti))
    {
    }

    explicit Banco(Estrazione sorgente)
    {
        rete = std::make_unique<Frmrete>(
            [sorgente = std::move(sorgente), conta = estrazioni] {
                ++*conta;
                return sorgente();
            },
            [ora = ora, passo = passo] { return *ora += *passo; });
        QObject::connect(rete.get(), &Frmrete::fineRichiesta, [conta = fini] { ++*conta; });
        rete->show();
        pronto = QTest::qWaitForWindowActive(rete.get());
    }

    QLineEdit* casella(const QString& nome) const { return rete->findChild<QLineEdit*>(nome); }
    QLineEdit* txt(int n) const { return casella(QStringLiteral("txt") + QString::number(n)); }
    QString testo(const QString& nome) const
    {
        if (auto* c = casella(nome))
            return c->text();
        return rete->findChild<QLabel*>(nome)->text();
    }
    QString messaggio() const { return testo(QStringLiteral("lblmess")); }
    QPushButton* pulsante(const char* nome) const { return rete->findChild<QPushButton*>(QString::fromLatin1(nome)); }
    QTimer* timer() const { return rete->findChild<QTimer*>(QStringLiteral("timer")); }
    QString fuoco() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    void scrivi(const QString& nome, const QString& testo) const
    {
        QLineEdit* c = casella(nome);
        c->setFocus();
        QTest::keyClick(c, Qt::Key_A, Qt::ControlModifier);
        if (testo.isEmpty())
            QTest::keyClick(c, Qt::Key_Delete);
        digita(testo);
    }

    // Presses a button the given way; Alt+letter goes to whatever has the focus.
    void premi(const char* nome, Modo modo) const
    {
        QPushButton* p = pulsante(nome);
        switch (modo) {
        case Modo::Mouse:
            QTest::mouseClick(p, Qt::LeftButton);
            break;
        case Modo::Spazio:
            p->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            break;
        case Modo::Invio:
            p->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            break;
        case Modo::InvioTastierino:
            p->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
            break;
        case Modo::Alt:
            QTest::keyClick(QApplication::focusWidget(), p->text().at(1).toLatin1(), Qt::AltModifier);
            break;
        }
    }

    // Sends the timer the event by which it ticks.
    void tick() const
    {
        QTimerEvent evento(timer()->timerId());
        QCoreApplication::sendEvent(timer(), &evento);
    }

    // The window's clock. By default every reading finds it a second further
    // on, as if the child took a second over everything; a test that times
    // presses stops it and moves it by hand.
    void fermaOrologio() const { *passo = 0; }
    void avanza(std::int64_t millisecondi) const { *ora += millisecondi; }

    std::shared_ptr<std::int64_t> ora = std::make_shared<std::int64_t>(0);
    std::shared_ptr<std::int64_t> passo = std::make_shared<std::int64_t>(1000);
    std::shared_ptr<int> estrazioni = std::make_shared<int>(0);
    std::shared_ptr<int> fini = std::make_shared<int>(0);
    std::unique_ptr<Frmrete> rete;
    bool pronto = false;
};

// The right answers of the puzzle blue plus 4, red plus 2, start 3 (nodes
// 3 7 11 / 5 9 13 / 7 11 15, yellow "+6"), in the order of esaminate.
const QStringList giustePiu{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                            QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                            QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};

void scriviTutte(const Banco& banco, const QStringList& voci)
{
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        banco.scrivi(esaminate[i], voci[i]);
}

// The second puzzle of the scripted runs: blue plus 3, red minus 7, start 19.
const std::vector<double> secondo = estrazioniPer(1, 2, 5, 3, 7);

std::vector<double> poi(std::vector<double> primo)
{
    primo.insert(primo.end(), secondo.begin(), secondo.end());
    return primo;
}

// What the child reads in the window: start value, blue and red operator.
struct Lettura {
    int partenza = 0;
    int blu = 0;
    int rosso = 0;
};

bool leggiOperatore(const QString& didascalia, int& passo)
{
    static const QRegularExpression forma(QStringLiteral("^= ([+-]) (\\d+)$"));
    const QRegularExpressionMatch m = forma.match(didascalia);
    if (!m.hasMatch())
        return false;
    passo = m.captured(2).toInt() * (m.captured(1) == u"-" ? -1 : 1);
    return true;
}

}  // namespace

Q_DECLARE_METATYPE(Modo)

class TstConferma : public QObject {
    Q_OBJECT

private slots:
    void esempi_data();
    void esempi();
    void txt1NonContaMai();
    void timer();
    void pulsanti_data();
    void pulsanti();
    void fineTerminaIlProgramma_data();
    void fineTerminaIlProgramma();
    void chiusuraTerminaIlProgramma();
    void giocatore();
    void robustezza_data();
    void robustezza();
    void unMegabyteInOgniCasella();
    void caselleAlLimite_data();
    void caselleAlLimite();
    void noveCaselleAlLimite();
    void pausaDopoBravo_data();
    void pausaDopoBravo();
    void cliccheRipetuti_data();
    void cliccheRipetuti();
    void tastiNellaPausa_data();
    void tastiNellaPausa();
    void spazioDueVolte();
    void tastoTenuto_data();
    void tastoTenuto();
    void txt1SoloDaLeggere_data();
    void txt1SoloDaLeggere();
    void alt_data();
    void alt();
};

void TstConferma::esempi_data()
{
    QTest::addColumn<std::vector<double>>("estratti");
    QTest::addColumn<QStringList>("voci");  // typed into txt2 ... txt9, txtcomgialla
    QTest::addColumn<Modo>("modo");
    QTest::addColumn<QStringList>("svuotate");

    // How each box reads a number is tst_verifica's; here the check through
    // the window, with one box read leniently (txt9's "015").
    const auto piu = estrazioniPer(1, 1, 3, 4, 2);
    auto con = [](std::initializer_list<std::pair<int, QString>> cambi) {
        QStringList voci = giustePiu;
        for (const auto& [indice, testo] : cambi)
            voci[indice - 2] = testo;
        return voci;
    };
    const int gialla = 10;
    const auto zero = estrazioniPer(2, 1, 0, 6, 6);  // nodes 12 6 0 / 18 12 6 / 24 18 12, yellow "0"
    const QStringList nodiZero{QStringLiteral("6"), QStringLiteral("0"),  QStringLiteral("18"), QStringLiteral("12"),
                               QStringLiteral("6"), QStringLiteral("24"), QStringLiteral("18"), QStringLiteral("12")};
    const auto meno = estrazioniPer(2, 2, 9, 10, 10);  // nodes 49 39 29 / 39 29 19 / 29 19 9, yellow "-20"
    const QStringList nodiMeno{QStringLiteral("39"), QStringLiteral("29"), QStringLiteral("39"), QStringLiteral("29"),
                               QStringLiteral("19"), QStringLiteral("29"), QStringLiteral("19"), QStringLiteral("9")};

    struct Esempio {
        const char* nome;
        std::vector<double> estratti;
        QStringList voci;
        QStringList svuotate;
    };
    const std::vector<Esempio> esempi{
        {"all right", piu, giustePiu, {}},
        {"yellow 6 for +6", piu, con({{gialla, QStringLiteral("6")}}), {QStringLiteral("txtcomgialla")}},
        {"txt9 left empty", piu, con({{9, QString()}}), {}},
        {"txt9 015", piu, con({{9, QStringLiteral("015")}}), {}},
        {"txt9 16 and txt6 12",
         piu,
         con({{9, QStringLiteral("16")}, {6, QStringLiteral("12")}}),
         {QStringLiteral("txt6"), QStringLiteral("txt9")}},
        {"every box empty", piu, QStringList(9), esaminate.sliced(0, 7) + QStringList{QStringLiteral("txtcomgialla")}},
        {"yellow 0", zero, nodiZero + QStringList{QStringLiteral("0")}, {}},
        {"yellow +0 for 0", zero, nodiZero + QStringList{QStringLiteral("+0")}, {QStringLiteral("txtcomgialla")}},
        {"yellow -0 for 0", zero, nodiZero + QStringList{QStringLiteral("-0")}, {QStringLiteral("txtcomgialla")}},
        {"yellow -20", meno, nodiMeno + QStringList{QStringLiteral("-20")}, {}},
        {"yellow 20 for -20", meno, nodiMeno + QStringList{QStringLiteral("20")}, {QStringLiteral("txtcomgialla")}},
        {"yellow +20 for -20", meno, nodiMeno + QStringList{QStringLiteral("+20")}, {QStringLiteral("txtcomgialla")}},
        {"yellow - 20 for -20", meno, nodiMeno + QStringList{QStringLiteral("- 20")}, {QStringLiteral("txtcomgialla")}},
    };
    for (const Esempio& esempio : esempi)
        for (Modo modo : modi)
            QTest::addRow("%s, %s", esempio.nome, nomeModo(modo))
                << esempio.estratti << esempio.voci << modo << esempio.svuotate;
}

void TstConferma::esempi()
{
    QFETCH(std::vector<double>, estratti);
    QFETCH(QStringList, voci);
    QFETCH(Modo, modo);
    QFETCH(QStringList, svuotate);

    Banco banco(poi(estratti));
    QVERIFY(banco.pronto);
    const Esercizio primo = banco.rete->esercizio();
    const QStringList legenda{banco.testo(QStringLiteral("txt1")), banco.testo(QStringLiteral("lblcomblu")),
                              banco.testo(QStringLiteral("lblcomrossa")), banco.testo(QStringLiteral("txtcg"))};
    QVERIFY(!banco.timer()->isActive());

    for (qsizetype i = 0; i < esaminate.size(); ++i)
        banco.scrivi(esaminate[i], voci[i]);
    banco.premi("cmdconferma", modo);

    QVERIFY(banco.timer()->isActive());
    QCOMPARE(*banco.fini, 0);
    if (svuotate.isEmpty()) {
        QCOMPARE(banco.messaggio(), messaggioBravo());
        for (const QString& nome : esaminate)
            QVERIFY2(banco.testo(nome).isEmpty(), qPrintable(nome));
        QCOMPARE(*banco.estrazioni, 10);
        QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));
        QCOMPARE(banco.testo(QStringLiteral("lblcomblu")), QStringLiteral("= + 3"));
        QCOMPARE(banco.testo(QStringLiteral("lblcomrossa")), QStringLiteral("= - 7"));
        QCOMPARE(banco.testo(QStringLiteral("txtcg")), QStringLiteral("-4"));
        QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
    } else {
        QCOMPARE(banco.messaggio(), messaggioAttento());
        for (qsizetype i = 0; i < esaminate.size(); ++i)
            QCOMPARE(banco.testo(esaminate[i]), svuotate.contains(esaminate[i]) ? QString() : voci[i]);
        QCOMPARE(banco.rete->esercizio().errori, svuotate.size());
        QCOMPARE(*banco.estrazioni, 5);
        QCOMPARE(banco.rete->esercizio().nodi, primo.nodi);
        QCOMPARE(banco.rete->esercizio().nodo9, primo.nodo9);
        QCOMPARE((QStringList{banco.testo(QStringLiteral("txt1")), banco.testo(QStringLiteral("lblcomblu")),
                              banco.testo(QStringLiteral("lblcomrossa")), banco.testo(QStringLiteral("txtcg"))}),
                 legenda);
        // The check leaves the focus where pressing the button put it.
        QCOMPARE(banco.fuoco(), modo == Modo::Alt ? QStringLiteral("txtcomgialla") : QStringLiteral("cmdconferma"));
    }
}

void TstConferma::txt1NonContaMai()
{
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    // The child cannot change the start value; the program could, and still the check would not look at it.
    banco.scrivi(QStringLiteral("txt1"), QStringLiteral("tre"));
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("3"));
    banco.txt(1)->setText(QStringLiteral("tre"));
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        banco.scrivi(esaminate[i], i == 0 ? QStringLiteral("8") : giustePiu[i]);

    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioAttento());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("tre"));
    QCOMPARE(banco.testo(QStringLiteral("txt2")), QString());

    banco.scrivi(QStringLiteral("txt2"), QStringLiteral("7"));
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));
}

void TstConferma::timer()
{
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    QTimer* timer = banco.timer();
    QVERIFY(!timer->isActive());
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(!timer->isSingleShot());
    QCOMPARE(banco.messaggio(), QString());

    banco.scrivi(QStringLiteral("txt2"), QStringLiteral("7"));
    banco.premi("cmdconferma", Modo::Alt);
    QVERIFY(timer->isActive());
    QCOMPARE(banco.messaggio(), messaggioAttento());

    banco.tick();
    QCOMPARE(banco.messaggio(), QString());
    QVERIFY(timer->isActive());
    // The tick touches nothing but the message.
    QCOMPARE(banco.testo(QStringLiteral("txt2")), QStringLiteral("7"));
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("3"));
    QCOMPARE(*banco.estrazioni, 5);

    banco.tick();
    QCOMPARE(banco.messaggio(), QString());
    QVERIFY(timer->isActive());

    scriviTutte(banco, giustePiu);
    banco.premi("cmdconferma", Modo::Mouse);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QVERIFY(timer->isActive());
    banco.tick();
    QCOMPARE(banco.messaggio(), QString());
    QVERIFY(timer->isActive());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));

    banco.premi("cmdconferma", Modo::Spazio);
    QCOMPARE(banco.messaggio(), messaggioAttento());
    QVERIFY(timer->isActive());
}

void TstConferma::pulsanti_data()
{
    QTest::addColumn<QString>("fuoco");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<int>("controlli");  // checks run
    QTest::addColumn<int>("fini");       // times the program was ended

    auto riga = [](const QString& nome, const QString& fuoco, int tasto, Qt::KeyboardModifiers mod, int controlli,
                   int fini) { QTest::newRow(qPrintable(nome)) << fuoco << tasto << int(mod) << controlli << fini; };
    for (const char* pulsante : {"cmdconferma", "cmdfine"}) {
        const QString p = QString::fromLatin1(pulsante);
        const int c = p == u"cmdconferma" ? 1 : 0;
        riga(p + QStringLiteral(": Space"), p, Qt::Key_Space, Qt::NoModifier, c, 1 - c);
        riga(p + QStringLiteral(": Return"), p, Qt::Key_Return, Qt::NoModifier, c, 1 - c);
        riga(p + QStringLiteral(": keypad Enter"), p, Qt::Key_Enter, Qt::KeypadModifier, c, 1 - c);
        riga(p + QStringLiteral(": Escape"), p, Qt::Key_Escape, Qt::NoModifier, 0, 0);
        riga(p + QStringLiteral(": letter"), p, Qt::Key_C, Qt::NoModifier, 0, 0);
    }
    for (const char* nome : {"txt1", "txt2", "txt5", "txt9", "txtcomgialla", "cmdconferma", "cmdfine"}) {
        const QString n = QString::fromLatin1(nome);
        riga(QStringLiteral("Alt+C in ") + n, n, Qt::Key_C, Qt::AltModifier, 1, 0);
        riga(QStringLiteral("Alt+F in ") + n, n, Qt::Key_F, Qt::AltModifier, 0, 1);
    }
    for (const char* nome : {"txt1", "txt2", "txt9", "txtcomgialla"}) {
        const QString n = QString::fromLatin1(nome);
        riga(QStringLiteral("Return in ") + n, n, Qt::Key_Return, Qt::NoModifier, 0, 0);
        riga(QStringLiteral("keypad Enter in ") + n, n, Qt::Key_Enter, Qt::KeypadModifier, 0, 0);
        riga(QStringLiteral("Escape in ") + n, n, Qt::Key_Escape, Qt::NoModifier, 0, 0);
        riga(QStringLiteral("F in ") + n, n, Qt::Key_F, Qt::NoModifier, 0, 0);
    }
}

// Which key, with the focus where, presses which button. A check always
// writes a message and starts the timer; an ending is counted.
void TstConferma::pulsanti()
{
    QFETCH(QString, fuoco);
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    QFETCH(int, controlli);
    QFETCH(int, fini);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    banco.rete->findChild<QWidget*>(fuoco)->setFocus(Qt::TabFocusReason);
    QCOMPARE(banco.fuoco(), fuoco);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(tasto), Qt::KeyboardModifiers(modificatori));

    QCOMPARE(banco.messaggio(), controlli ? messaggioAttento() : QString());
    QCOMPARE(banco.timer()->isActive(), controlli == 1);
    QCOMPARE(*banco.fini, fini);
    QCOMPARE(*banco.estrazioni, 5);
    QCOMPARE(banco.fuoco(), fuoco);
}

void TstConferma::fineTerminaIlProgramma_data()
{
    QTest::addColumn<Modo>("modo");
    for (Modo modo : modi)
        QTest::newRow(nomeModo(modo)) << modo;
}

// Fine asks for the end of the program, which the program's lifecycle grants
// by ending the application's event loop.
void TstConferma::fineTerminaIlProgramma()
{
    QFETCH(Modo, modo);
    impostaSorgenteFrmrete(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    const auto distruggi = qScopeGuard([] { distruggiFinestre(); });
    Frmrete& rete = frmrete();
    rete.show();
    QVERIFY(QTest::qWaitForWindowActive(&rete));
    rete.findChild<QLineEdit*>(QStringLiteral("txt5"))->setFocus();

    QTimer::singleShot(0, &rete, [&rete, modo] {
        auto* fine = rete.findChild<QPushButton*>(QStringLiteral("cmdfine"));
        switch (modo) {
        case Modo::Mouse:
            QTest::mouseClick(fine, Qt::LeftButton);
            break;
        case Modo::Alt:
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::AltModifier);
            break;
        default:
            fine->setFocus(Qt::TabFocusReason);
            QTest::keyClick(fine,
                            modo == Modo::Spazio      ? Qt::Key_Space
                                : modo == Modo::Invio ? Qt::Key_Return
                                                      : Qt::Key_Enter);
        }
    });
    // Should Fine fail to end the loop, this ends it with another code instead of hanging.
    QTimer guardia;
    guardia.setSingleShot(true);
    connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guardia.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

// Closing the window from its title bar closes the last window and so ends the program.
void TstConferma::chiusuraTerminaIlProgramma()
{
    auto* rete = new Frmrete(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    rete->setAttribute(Qt::WA_DeleteOnClose);
    rete->show();
    QVERIFY(QTest::qWaitForWindowActive(rete));
    QPointer<Frmrete> guardata(rete);

    QTimer::singleShot(0, rete, [rete] {
        QCloseEvent chiusura;
        QCoreApplication::sendEvent(rete->windowHandle(), &chiusura);
    });
    QTimer guardia;
    guardia.setSingleShot(true);
    connect(&guardia, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guardia.start(10000);
    QCOMPARE(QCoreApplication::exec(), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guardata.isNull());
}

// A child who solves many puzzles from what the window shows, with mistakes
// in random boxes, then corrects the boxes the check emptied.
void TstConferma::giocatore()
{
    std::mt19937 caso(20261208);
    auto uniforme = [&caso] { return std::uniform_real_distribution<double>(0.0, 1.0)(caso); };
    auto scegli = [&caso](const QStringList& tra) {
        return tra.at(std::uniform_int_distribution<qsizetype>(0, tra.size() - 1)(caso));
    };
    auto dado = [&caso](int facce) { return std::uniform_int_distribution<int>(0, facce - 1)(caso); };

    std::mt19937_64 puzzle(7);
    Banco banco([&puzzle] { return std::uniform_real_distribution<double>(0.0, 1.0)(puzzle); });
    QVERIFY(banco.pronto);

    for (int giro = 0; giro < 150; ++giro) {
        const QString contesto = QStringLiteral("puzzle ") + QString::number(giro);
        Lettura l;
        bool ok = false;
        l.partenza = banco.testo(QStringLiteral("txt1")).toInt(&ok);
        QVERIFY(ok);
        QVERIFY(leggiOperatore(banco.testo(QStringLiteral("lblcomblu")), l.blu));
        QVERIFY(leggiOperatore(banco.testo(QStringLiteral("lblcomrossa")), l.rosso));

        // txt2 ... txt9, then the yellow answer.
        QStringList giuste;
        for (int n = 2; n <= 9; ++n)
            giuste << QString::number(l.partenza + (n - 1) % 3 * l.blu + (n - 1) / 3 * l.rosso);
        const int gialla = l.blu + l.rosso;
        giuste << (gialla > 0 ? QStringLiteral("+") + QString::number(gialla) : QString::number(gialla));

        QStringList voci;
        QStringList sbagliate;
        for (qsizetype i = 0; i < giuste.size(); ++i) {
            const QString& g = giuste[i];
            const QString piuUno = QString::number(g.toInt() + 1);
            QString voce = g;
            if (uniforme() < 0.25) {
                if (i < 7)
                    voce = scegli({piuUno, QStringLiteral("0") + g, QStringLiteral(" ") + g, g + QStringLiteral(" "),
                                   QStringLiteral("+") + g, QString(), QStringLiteral("x"), g + QStringLiteral(",0"),
                                   QStringLiteral("\u0663")});
                else if (i == 7)
                    voce = scegli({piuUno, QStringLiteral("x"), QStringLiteral("1e1"), QStringLiteral("  "),
                                   QStringLiteral("+-") + g, g + QStringLiteral("."), g + QStringLiteral(",5"),
                                   QStringLiteral("\u0663"), g + QStringLiteral("\U0001F600")});
                else
                    voce =
                        scegli({g.startsWith(u'+') ? g.mid(1) : QStringLiteral("+") + g, QStringLiteral(" ") + g,
                                g + QStringLiteral("0"), QString(), QStringLiteral("=") + g, g + QStringLiteral(",0")});
                sbagliate << esaminate[i];
            } else if (i == 7 && uniforme() < 0.3) {
                // Right for the number rule, or left empty and skipped.
                voce =
                    scegli({QStringLiteral("0") + g, QStringLiteral(" ") + g + QStringLiteral(" "),
                            QStringLiteral("+") + g, g + QStringLiteral(",0"), g + QStringLiteral(".00"), QString()});
            }
            voci << voce;
        }

        for (qsizetype i = 0; i < esaminate.size(); ++i)
            banco.scrivi(esaminate[i], voci[i]);
        banco.rete->findChild<QWidget*>(esaminate[dado(9)])->setFocus();
        const Modo modo = modi[static_cast<std::size_t>(dado(5))];
        const int estrazioni = *banco.estrazioni;
        banco.premi("cmdconferma", modo);

        if (!sbagliate.isEmpty()) {
            QVERIFY2(banco.messaggio() == messaggioAttento(), qPrintable(contesto));
            for (qsizetype i = 0; i < esaminate.size(); ++i)
                QVERIFY2(banco.testo(esaminate[i]) == (sbagliate.contains(esaminate[i]) ? QString() : voci[i]),
                         qPrintable(contesto + QStringLiteral(": ") + esaminate[i] + QStringLiteral(" \"") + voci[i]
                                    + QStringLiteral("\"")));
            QCOMPARE(*banco.estrazioni, estrazioni);
            for (const QString& nome : sbagliate)
                banco.scrivi(nome, giuste[esaminate.indexOf(nome)]);
            banco.premi("cmdconferma", modi[static_cast<std::size_t>(dado(5))]);
        }

        QVERIFY2(banco.messaggio() == messaggioBravo(), qPrintable(contesto));
        QCOMPARE(*banco.estrazioni, estrazioni + 5);
        for (const QString& nome : esaminate)
            QVERIFY2(banco.testo(nome).isEmpty(), qPrintable(contesto + QStringLiteral(": ") + nome));
        QCOMPARE(banco.testo(QStringLiteral("txt1")), QString::number(banco.rete->esercizio().nodo(1)));
        QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
        if (dado(4) == 0)
            banco.tick();
    }
}

void TstConferma::robustezza_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("modo");      // how it comes into each box
    QTest::addColumn<QString>("tenuto");    // what each box keeps of it
    QTest::addColumn<QString>("giustaIn");  // the box that holds the right answer then
    QTest::addColumn<bool>("giustoPerTxt9");

    const QString incollato = QStringLiteral("paste");
    const QString nove = QStringLiteral("9");
    const QString txt5 = QStringLiteral("txt5");
    const auto riga = [&](const char* nome, const QString& testo, const QString& tenuto, const QString& giustaIn,
                          bool giustoPerTxt9) {
        QTest::newRow(nome) << testo << incollato << tenuto << giustaIn << giustoPerTxt9;
    };
    riga("control characters", QStringLiteral("\u0001\u0007\u001b[2J\u007f"), QStringLiteral("[2J"), {}, false);
    riga("tab, newline and carriage return", QStringLiteral("1\t\n\r5"), QStringLiteral("15"), {}, true);
    riga("white space around the number", QStringLiteral("\t15\r\n"), QStringLiteral("15"), {}, true);
    riga("null characters", QString(3, QChar(0)), QString(), {}, true);
    riga("emoji", QStringLiteral("\U0001F600\U0001F44D\U0001F3FD"), QStringLiteral("\U0001F600\U0001F44D\U0001F3FD"),
         {}, false);
    riga("lone surrogate", QString(QChar(0xd83d)), QString(QChar(0xd83d)), {}, false);
    const QString rtl = QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0633\u0644\u0627\u0645");
    riga("right-to-left text", rtl, rtl, {}, false);
    riga("right-to-left digits", QStringLiteral("\u0661\u0665"), QStringLiteral("\u0661\u0665"), {}, false);
    riga("full-width digits", QStringLiteral("\uff11\uff15"), QStringLiteral("\uff11\uff15"), {}, false);
    riga("bidirectional override", QStringLiteral("\u202e51"), QStringLiteral("51"), {}, false);
    riga("combining marks", QStringLiteral("1\u03035"), QStringLiteral("1\u03035"), {}, false);
    riga("NUL before the number", QChar(0) + nove, nove, txt5, false);
    riga("NUL after the number", nove + QChar(0), nove, txt5, false);
    riga("right-to-left mark before", QStringLiteral("\u200f9"), nove, txt5, false);
    riga("left-to-right mark after", QStringLiteral("9\u200e"), nove, txt5, false);
    riga("zero-width space before", QStringLiteral("\u200b9"), nove, txt5, false);
    riga("soft hyphen before", QStringLiteral("\u00ad9"), nove, txt5, false);
    riga("byte-order mark before and after", QStringLiteral("\ufeff9\ufeff"), nove, txt5, false);
    riga("language tag after (two UTF-16 units)", QStringLiteral("9\U000E0001"), nove, txt5, false);
    for (const char* modo : {"drop", "input method"})
        QTest::addRow("right-to-left mark and NUL, %s", modo)
            << QStringLiteral("\u200f9") + QChar(0) << QString::fromLatin1(modo) << nove << txt5 << false;
}

// Text of every kind in every box, pasted, dropped or written by an input
// method: control and format characters stay out, the rest is judged by the
// rules; the puzzle and its texts survive a failed check untouched.
void TstConferma::robustezza()
{
    QFETCH(QString, testo);
    QFETCH(QString, modo);
    QFETCH(QString, tenuto);
    QFETCH(QString, giustaIn);
    QFETCH(bool, giustoPerTxt9);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    for (const QString& nome : esaminate) {
        QLineEdit* casella = banco.casella(nome);
        casella->setFocus();
        if (modo == u"drop") {
            QMimeData dati;
            dati.setText(testo);
            const QPoint centro = casella->rect().center();
            QDragEnterEvent entra(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(casella, &entra);
            QDropEvent rilascio(centro, Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(casella, &rilascio);
        } else if (modo == u"input method") {
            QInputMethodEvent scritto;
            scritto.setCommitString(testo);
            QApplication::sendEvent(casella, &scritto);
        } else {
            incolla(casella, testo);
        }
        QCOMPARE(banco.testo(nome), tenuto);
    }
    banco.premi("cmdconferma", Modo::Alt);

    QCOMPARE(banco.messaggio(), messaggioAttento());
    for (const QString& nome : esaminate)
        QCOMPARE(banco.testo(nome), nome == giustaIn || (nome == u"txt9" && giustoPerTxt9) ? tenuto : QString());
    QCOMPARE(banco.rete->esercizio().errori, 9 - int(giustoPerTxt9) - int(!giustaIn.isEmpty()));
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("3"));
    QCOMPARE(banco.testo(QStringLiteral("lblcomblu")), QStringLiteral("= + 4"));
    QCOMPARE(banco.testo(QStringLiteral("txtcg")), QStringLiteral("+6"));
    QCOMPARE(*banco.estrazioni, 5);
}

// Boxes stop at 32,767 characters, however the text comes: what is left is
// judged by the usual rules.
void TstConferma::unMegabyteInOgniCasella()
{
    const int limite = 32767;
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    const QString mega(1 << 20, u'7');
    const QString zeri = QString(1 << 20, u'0') + QStringLiteral("15");
    for (const QString& nome : esaminate) {
        banco.casella(nome)->setText(nome == u"txt9" ? zeri : mega);
        QCOMPARE(banco.testo(nome).size(), limite);
    }
    incolla(banco.txt(1), mega);
    banco.premi("cmdconferma", Modo::Alt);

    // Cut short, txt9's zeros read as 0: every box is wrong.
    QCOMPARE(banco.messaggio(), messaggioAttento());
    for (const QString& nome : esaminate)
        QCOMPARE(banco.testo(nome), QString());
    QCOMPARE(banco.rete->esercizio().errori, 9);
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("3"));
    QCOMPARE(banco.rete->esercizio().nodo(1), 3);

    // Right answers in every box, txt9 full to the limit with 15 at its end: a full success.
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        if (esaminate[i] != u"txt9")
            banco.scrivi(esaminate[i], giustePiu[i]);
    incolla(banco.txt(9), QString(limite - 2, u'0') + QStringLiteral("15"));
    QCOMPARE(banco.testo(QStringLiteral("txt9")).size(), limite);
    banco.premi("cmdconferma", Modo::Mouse);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QCOMPARE(banco.testo(QStringLiteral("txt9")), QString());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));
}

void TstConferma::caselleAlLimite_data()
{
    QTest::addColumn<QString>("casella");
    QTest::addColumn<QString>("incollato");
    QTest::addColumn<bool>("giusta");

    const int limite = 32767;
    // Blue plus 4, red plus 2, start 3: txt5 wants 9, txt9 15, the yellow box +6.
    QTest::newRow("txt9: 15 and 40,000 spaces") << "txt9" << QStringLiteral("15") + QString(40000, u' ') << true;
    QTest::newRow("txt9: 40,000 spaces and 15") << "txt9" << QString(40000, u' ') + QStringLiteral("15") << false;
    QTest::newRow("txt9: 15 at the limit") << "txt9" << QString(limite - 2, u'0') + QStringLiteral("15") << true;
    QTest::newRow("txt9: 15 one past the limit") << "txt9" << QString(limite - 1, u'0') + QStringLiteral("15") << false;
    QTest::newRow("txt5: 9 and 40,000 spaces") << "txt5" << QStringLiteral("9") + QString(40000, u' ') << false;
    QTest::newRow("txtcomgialla: +6 and 40,000 x")
        << "txtcomgialla" << QStringLiteral("+6") + QString(40000, u'x') << false;
    QTest::newRow("txt5: 50 MB of digits") << "txt5" << QString(50 << 20, u'9') << false;
}

// A long paste is cut at the limit, the rest of the window as right as can be.
void TstConferma::caselleAlLimite()
{
    QFETCH(QString, casella);
    QFETCH(QString, incollato);
    QFETCH(bool, giusta);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviTutte(banco, giustePiu);
    incolla(banco.casella(casella), incollato);
    QApplication::clipboard()->clear();
    QCOMPARE(banco.testo(casella), incollato.left(32767));
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), giusta ? messaggioBravo() : messaggioAttento());
    QCOMPARE(banco.rete->esercizio().errori, giusta ? 0 : 1);
}

// Nine boxes full to the limit, pasted, then checked twice.
void TstConferma::noveCaselleAlLimite()
{
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    const QString pieno(32767, u'7');
    for (const QString& nome : esaminate) {
        incolla(banco.casella(nome), QString(70000, u'7'));
        QCOMPARE(banco.testo(nome), pieno);
    }
    QApplication::clipboard()->clear();
    banco.premi("cmdconferma", Modo::Mouse);
    QCOMPARE(banco.messaggio(), messaggioAttento());
    QCOMPARE(banco.rete->esercizio().errori, 9);
    for (const QString& nome : esaminate)
        QCOMPARE(banco.testo(nome), QString());
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.rete->esercizio().errori, 8);
}

namespace {

enum class Gesto { Mouse, DoppioClic, TriploClic, Alt, Spazio, Invio, InvioTastierino };

// Presses Conferma the given way; the two kinds of repeated click are whole gestures of their own.
void premiConferma(const Banco& banco, Gesto gesto)
{
    QPushButton* conferma = banco.pulsante("cmdconferma");
    switch (gesto) {
    case Gesto::DoppioClic:
    case Gesto::TriploClic: {
        // Through the window, as the window system sends them: press, release,
        // press (which Qt makes a double click), release.
        QWindow* finestra = banco.rete->windowHandle();
        const QPoint punto = conferma->mapTo(banco.rete.get(), conferma->rect().center());
        QTest::mouseDClick(finestra, Qt::LeftButton, Qt::NoModifier, punto);
        if (gesto == Gesto::TriploClic)
            QTest::mouseClick(finestra, Qt::LeftButton, Qt::NoModifier, punto);
        break;
    }
    case Gesto::Mouse:
        banco.premi("cmdconferma", Modo::Mouse);
        break;
    case Gesto::Alt:
        banco.premi("cmdconferma", Modo::Alt);
        break;
    case Gesto::Spazio:
        banco.premi("cmdconferma", Modo::Spazio);
        break;
    case Gesto::Invio:
        banco.premi("cmdconferma", Modo::Invio);
        break;
    case Gesto::InvioTastierino:
        banco.premi("cmdconferma", Modo::InvioTastierino);
        break;
    }
}

const char* nomeGesto(Gesto gesto)
{
    switch (gesto) {
    case Gesto::Mouse:
        return "click";
    case Gesto::DoppioClic:
        return "double click";
    case Gesto::TriploClic:
        return "triple click";
    case Gesto::Alt:
        return "Alt+C";
    case Gesto::Spazio:
        return "Space";
    case Gesto::Invio:
        return "Return";
    case Gesto::InvioTastierino:
        return "keypad Enter";
    }
    return "";
}

// The right answers, or the same with a wrong yellow answer, written into the
// boxes; then the window's clock stops, so that only the test moves it.
void scriviEFerma(Banco& banco, bool giuste)
{
    QStringList voci = giustePiu;
    if (!giuste)
        voci[8] = QStringLiteral("6");
    scriviTutte(banco, voci);
    banco.fermaOrologio();
}

int intervallo()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}

// A key held down, as X11 delivers it: a press, then repeated releases and
// presses marked as repeats, and a last release; the clock moves on between them.
void tieni(const Banco& banco, Qt::Key tasto, Qt::KeyboardModifiers modificatori, const QString& testo, int ripetizioni,
           int ogni)
{
    for (int i = 0; i <= ripetizioni; ++i) {
        const bool ripetuto = i > 0;
        if (ripetuto) {
            QKeyEvent su(QEvent::KeyRelease, tasto, modificatori, testo, true);
            QApplication::sendEvent(QApplication::focusWidget(), &su);
        }
        if (!qt_sendShortcutOverrideEvent(QApplication::focusWidget(), 0, tasto, modificatori, testo, ripetuto)) {
            QKeyEvent giu(QEvent::KeyPress, tasto, modificatori, testo, ripetuto);
            QApplication::sendEvent(QApplication::focusWidget(), &giu);
        }
        banco.avanza(ogni);
    }
    QKeyEvent su(QEvent::KeyRelease, tasto, modificatori, testo);
    QApplication::sendEvent(QApplication::focusWidget(), &su);
}

}  // namespace

Q_DECLARE_METATYPE(Gesto)

void TstConferma::pausaDopoBravo_data()
{
    QTest::addColumn<bool>("primaGiusta");
    QTest::addColumn<Gesto>("primo");
    QTest::addColumn<Gesto>("secondo");
    QTest::addColumn<int>("dopo");  // ms from the first press to the second
    QTest::addColumn<bool>("secondoControlla");

    const int i = intervallo();
    const std::vector<std::pair<Gesto, Gesto>> coppie{
        {Gesto::Mouse, Gesto::Mouse},
        {Gesto::Alt, Gesto::Alt},
        {Gesto::Spazio, Gesto::Spazio},
        {Gesto::Invio, Gesto::Invio},
        {Gesto::InvioTastierino, Gesto::InvioTastierino},
        {Gesto::Mouse, Gesto::Alt},
        {Gesto::Spazio, Gesto::Mouse},
        {Gesto::Alt, Gesto::Invio},
    };
    for (bool giusta : {true, false})
        for (const auto& [primo, secondo] : coppie)
            for (int dopo : {0, i - 1, i, 5000})
                QTest::addRow("%s, %s then %s after %d ms", giusta ? "right" : "wrong", nomeGesto(primo),
                              nomeGesto(secondo), dopo)
                    << giusta << primo << secondo << dopo << (!giusta || dopo >= i);
}

// A press that follows a right answer within the double-click interval does
// nothing; any press after a wrong answer, and any press after the interval, checks.
void TstConferma::pausaDopoBravo()
{
    QFETCH(bool, primaGiusta);
    QFETCH(Gesto, primo);
    QFETCH(Gesto, secondo);
    QFETCH(int, dopo);
    QFETCH(bool, secondoControlla);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviEFerma(banco, primaGiusta);
    premiConferma(banco, primo);
    QCOMPARE(banco.messaggio(), primaGiusta ? messaggioBravo() : messaggioAttento());
    QCOMPARE(*banco.estrazioni, primaGiusta ? 10 : 5);

    banco.tick();
    banco.avanza(dopo);
    premiConferma(banco, secondo);
    QCOMPARE(banco.messaggio(), secondoControlla ? messaggioAttento() : QString());
    QCOMPARE(*banco.estrazioni, primaGiusta ? 10 : 5);
    QCOMPARE(banco.rete->esercizio().errori, secondoControlla ? (primaGiusta ? 8 : 1) : 0);
    QCOMPARE(banco.testo(QStringLiteral("txt1")), primaGiusta ? QStringLiteral("19") : QStringLiteral("3"));
    // A press that counts for nothing leaves the focus in txt2, where the right answer put it.
    if (!secondoControlla && (secondo == Gesto::Mouse || secondo == Gesto::Alt))
        QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
}

void TstConferma::cliccheRipetuti_data()
{
    QTest::addColumn<Gesto>("gesto");
    QTest::addColumn<bool>("giusta");
    QTest::addColumn<int>("errori");
    for (Gesto gesto : {Gesto::DoppioClic, Gesto::TriploClic}) {
        QTest::addRow("%s after right answers", nomeGesto(gesto)) << gesto << true << 0;
        QTest::addRow("%s after a wrong answer", nomeGesto(gesto)) << gesto << false << 1;
    }
}

// A double or triple click after right answers praises the child and leaves
// the next puzzle empty; after a wrong answer every click checks again.
void TstConferma::cliccheRipetuti()
{
    QFETCH(Gesto, gesto);
    QFETCH(bool, giusta);
    QFETCH(int, errori);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviEFerma(banco, giusta);
    premiConferma(banco, gesto);
    QCOMPARE(banco.messaggio(), giusta ? messaggioBravo() : messaggioAttento());
    QCOMPARE(banco.rete->esercizio().errori, errori);
    QCOMPARE(*banco.estrazioni, giusta ? 10 : 5);
    if (giusta) {
        for (const QString& nome : esaminate)
            QCOMPARE(banco.testo(nome), QString());
        QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
    }
}

void TstConferma::tastiNellaPausa_data()
{
    QTest::addColumn<int>("dopo");
    QTest::addColumn<QString>("tasti");  // what the child means to type into txt2
    QTest::addColumn<bool>("perIncolla");
    QTest::addColumn<bool>("scritto");

    const int i = intervallo();
    for (int dopo : {0, 1, i - 1, i, i + 1, 3000}) {
        QTest::addRow("7 after %d ms", dopo) << dopo << QStringLiteral("7") << false << (dopo >= i);
        QTest::addRow("Space after %d ms", dopo) << dopo << QStringLiteral(" ") << false << (dopo >= i);
        QTest::addRow("Ctrl+V after %d ms", dopo) << dopo << QStringLiteral("12") << true << (dopo >= i);
    }
}

// Keys that come in the moment after a right answer type nothing into the next puzzle.
void TstConferma::tastiNellaPausa()
{
    QFETCH(int, dopo);
    QFETCH(QString, tasti);
    QFETCH(bool, perIncolla);
    QFETCH(bool, scritto);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviTutte(banco, giustePiu);
    banco.fermaOrologio();
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));

    banco.avanza(dopo);
    if (perIncolla) {
        QApplication::clipboard()->setText(tasti);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    } else {
        digita(tasti);
    }
    QInputMethodEvent composto;
    composto.setCommitString(QStringLiteral("4"));
    QApplication::sendEvent(banco.txt(2), &composto);
    QCOMPARE(banco.testo(QStringLiteral("txt2")), scritto ? tasti + QStringLiteral("4") : QString());
}

// Space pressed twice on Conferma, as a child does: the first press praises
// and moves the focus to txt2, the second would type a space there.
void TstConferma::spazioDueVolte()
{
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviTutte(banco, giustePiu);
    banco.fermaOrologio();
    banco.pulsante("cmdconferma")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    banco.avanza(150);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
    QCOMPARE(banco.testo(QStringLiteral("txt2")), QString());

    // The next puzzle, blue plus 3, red minus 7, start 19, solved a while later.
    banco.avanza(intervallo());
    scriviTutte(banco,
                {QStringLiteral("22"), QStringLiteral("25"), QStringLiteral("12"), QStringLiteral("15"),
                 QStringLiteral("18"), QStringLiteral("5"), QStringLiteral("8"), QStringLiteral("11"),
                 QStringLiteral("-4")});
    banco.tick();
    banco.premi("cmdconferma", Modo::Spazio);
    QCOMPARE(banco.messaggio(), messaggioBravo());
    QCOMPARE(*banco.estrazioni, 15);
}

void TstConferma::tastoTenuto_data()
{
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<bool>("giusta");

    struct Tasto {
        const char* nome;
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
        const char* testo;
    };
    for (const Tasto& t :
         {Tasto{"Alt+C", Qt::Key_C, Qt::AltModifier, "c"}, Tasto{"Space", Qt::Key_Space, Qt::NoModifier, " "},
          Tasto{"Return", Qt::Key_Return, Qt::NoModifier, "\r"},
          Tasto{"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r"}})
        for (bool giusta : {true, false})
            QTest::addRow("%s held after %s answers", t.nome, giusta ? "right" : "wrong")
                << int(t.tasto) << int(t.modificatori) << QString::fromLatin1(t.testo) << giusta;
}

// A key held down for two seconds presses Conferma once, however long the
// keyboard goes on repeating it; a new press after it checks again.
void TstConferma::tastoTenuto()
{
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    QFETCH(QString, testo);
    QFETCH(bool, giusta);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    scriviEFerma(banco, giusta);
    banco.pulsante("cmdconferma")->setFocus(Qt::TabFocusReason);
    int controlli = 0;
    const auto conta =
        QObject::connect(banco.pulsante("cmdconferma"), &QPushButton::clicked, [&controlli] { ++controlli; });
    tieni(banco, Qt::Key(tasto), Qt::KeyboardModifiers(modificatori), testo, 40, 50);
    QObject::disconnect(conta);
    banco.avanza(intervallo());

    QCOMPARE(controlli, 1);
    QCOMPARE(banco.messaggio(), giusta ? messaggioBravo() : messaggioAttento());
    QCOMPARE(*banco.estrazioni, giusta ? 10 : 5);
    for (const QString& nome : esaminate)
        if (giusta || nome == u"txtcomgialla")
            QCOMPARE(banco.testo(nome), QString());

    banco.tick();
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioAttento());
    QCOMPARE(banco.rete->esercizio().errori, giusta ? 8 : 1);
}

void TstConferma::txt1SoloDaLeggere_data()
{
    QTest::addColumn<QString>("azione");
    QTest::newRow("typing") << "typing";
    QTest::newRow("Ctrl+V") << "Ctrl+V";
    QTest::newRow("Shift+Insert") << "Shift+Insert";
    QTest::newRow("middle click") << "middle click";
    QTest::newRow("Delete") << "Delete";
    QTest::newRow("Backspace") << "Backspace";
    QTest::newRow("Ctrl+X") << "Ctrl+X";
    QTest::newRow("Shift+Delete") << "Shift+Delete";
    QTest::newRow("Ctrl+Z") << "Ctrl+Z";
    QTest::newRow("Ctrl+K") << "Ctrl+K";
    QTest::newRow("Ctrl+Backspace") << "Ctrl+Backspace";
    QTest::newRow("input method") << "input method";
    QTest::newRow("Alt+letter") << "Alt+letter";
}

// txt1 shows the start value: the child can reach it, select and copy it,
// never change it.
void TstConferma::txt1SoloDaLeggere()
{
    QFETCH(QString, azione);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    QLineEdit* txt1 = banco.txt(1);
    // Shift+Tab from txt2 reaches it, and Tab leads on to txt2.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(banco.fuoco(), QStringLiteral("txt1"));
    QCOMPARE(txt1->selectedText(), QStringLiteral("3"));
    QApplication::clipboard()->setText(QStringLiteral("42"));

    if (azione == u"typing")
        digita(QStringLiteral("45"));
    else if (azione == u"Ctrl+V")
        QTest::keyClick(txt1, Qt::Key_V, Qt::ControlModifier);
    else if (azione == u"Shift+Insert")
        QTest::keyClick(txt1, Qt::Key_Insert, Qt::ShiftModifier);
    else if (azione == u"middle click")
        QTest::mouseClick(txt1, Qt::MiddleButton);
    else if (azione == u"Delete")
        QTest::keyClick(txt1, Qt::Key_Delete);
    else if (azione == u"Backspace")
        QTest::keyClick(txt1, Qt::Key_Backspace);
    else if (azione == u"Ctrl+X")
        QTest::keyClick(txt1, Qt::Key_X, Qt::ControlModifier);
    else if (azione == u"Shift+Delete")
        QTest::keyClick(txt1, Qt::Key_Delete, Qt::ShiftModifier);
    else if (azione == u"Ctrl+Z")
        QTest::keyClick(txt1, Qt::Key_Z, Qt::ControlModifier);
    else if (azione == u"Ctrl+K")
        QTest::keyClick(txt1, Qt::Key_K, Qt::ControlModifier);
    else if (azione == u"Ctrl+Backspace")
        QTest::keyClick(txt1, Qt::Key_Backspace, Qt::ControlModifier);
    else if (azione == u"Alt+letter")
        QTest::keyClick(txt1, Qt::Key_X, Qt::AltModifier);
    else {
        QInputMethodEvent composto;
        composto.setCommitString(QStringLiteral("8"));
        QApplication::sendEvent(txt1, &composto);
    }
    QCOMPARE(txt1->text(), QStringLiteral("3"));

    // It copies, for whoever wants the start value elsewhere.
    txt1->selectAll();
    QTest::keyClick(txt1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("3"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(banco.fuoco(), QStringLiteral("txt1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(banco.fuoco(), QStringLiteral("cmdfine"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(banco.fuoco(), QStringLiteral("txt1"));
}

void TstConferma::alt_data()
{
    QTest::addColumn<QString>("fuoco");
    QTest::addColumn<int>("tasto");
    QTest::addColumn<int>("modificatori");
    QTest::addColumn<QString>("testo");
    QTest::addColumn<QString>("scritto");  // what the box holds afterwards

    struct Riga {
        const char* nome;
        Qt::Key tasto;
        Qt::KeyboardModifiers modificatori;
        const char* testo;
        const char* scritto;
    };
    const Qt::KeyboardModifiers altGrWindows = Qt::AltModifier | Qt::ControlModifier;
    const std::vector<Riga> righe{
        {"Alt+X", Qt::Key_X, Qt::AltModifier, "x", ""},
        {"Alt+Q", Qt::Key_Q, Qt::AltModifier, "q", ""},
        {"Alt+1", Qt::Key_1, Qt::AltModifier, "1", ""},
        {"Alt+E", Qt::Key_E, Qt::AltModifier, "e", ""},
        {"Alt+Space", Qt::Key_Space, Qt::AltModifier, " ", ""},
        {"Alt+Shift+X", Qt::Key_X, Qt::AltModifier | Qt::ShiftModifier, "X", ""},
        {"Alt+keypad 5", Qt::Key_5, Qt::AltModifier | Qt::KeypadModifier, "5", ""},
        {"Meta+X", Qt::Key_X, Qt::MetaModifier, "x", ""},
        {"Alt+è", Qt::Key_unknown, Qt::AltModifier, "è", ""},
        {"AltGr+ò as Ctrl+Alt (Windows)", Qt::Key_At, altGrWindows, "@", "@"},
        {"AltGr+è as Ctrl+Alt+Shift (Windows)", Qt::Key_BraceLeft, altGrWindows | Qt::ShiftModifier, "{", "{"},
        {"AltGr+ò as group switch (X11)", Qt::Key_At, Qt::GroupSwitchModifier, "@", "@"},
        {"AltGr+ò as group switch with Alt", Qt::Key_At, Qt::GroupSwitchModifier | Qt::AltModifier, "@", "@"},
        {"AltGr+e as group switch", Qt::Key_E, Qt::GroupSwitchModifier, "€", "€"},
        {"x", Qt::Key_X, Qt::NoModifier, "x", "x"},
        {"Shift+X", Qt::Key_X, Qt::ShiftModifier, "X", "X"},
        {"Ctrl+X", Qt::Key_X, Qt::ControlModifier, "\x18", ""},
    };
    for (const char* fuoco : {"txt2", "txt9", "txtcomgialla"})
        for (const Riga& r : righe)
            QTest::addRow("%s in %s", r.nome, fuoco)
                << QString::fromLatin1(fuoco) << int(r.tasto) << int(r.modificatori) << QString::fromUtf8(r.testo)
                << QString::fromUtf8(r.scritto);
}

// Alt with a key that is no access key types nothing; AltGr, which other
// layouts need for their characters, still types.
void TstConferma::alt()
{
    QFETCH(QString, fuoco);
    QFETCH(int, tasto);
    QFETCH(int, modificatori);
    QFETCH(QString, testo);
    QFETCH(QString, scritto);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    QLineEdit* casella = banco.casella(fuoco);
    casella->setFocus();
    QTest::sendKeyEvent(QTest::Click, casella, Qt::Key(tasto), testo, Qt::KeyboardModifiers(modificatori));
    QCOMPARE(casella->text(), scritto);
    QCOMPARE(banco.messaggio(), QString());
    QCOMPARE(*banco.fini, 0);
    QCOMPARE(banco.fuoco(), fuoco);
}

QTEST_MAIN(TstConferma)
#include "tst_conferma.moc"
