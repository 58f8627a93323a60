// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/estrazioni.h"
#include "windows/aspetto.h"
#include "windows/finestre.h"
#include "windows/frmrete.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
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
        rete = std::make_unique<Frmrete>([sorgente = std::move(sorgente), conta = estrazioni] {
            ++*conta;
            return sorgente();
        });
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

    std::shared_ptr<int> estrazioni = std::make_shared<int>(0);
    std::shared_ptr<int> fini = std::make_shared<int>(0);
    std::unique_ptr<Frmrete> rete;
    bool pronto = false;
};

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
};

void TstConferma::esempi_data()
{
    QTest::addColumn<std::vector<double>>("estratti");
    QTest::addColumn<QStringList>("voci");  // typed into txt2 ... txt9, txtcomgialla
    QTest::addColumn<Modo>("modo");
    QTest::addColumn<QStringList>("svuotate");

    // Blue plus 4, red plus 2, start 3: nodes 3 7 11 / 5 9 13 / 7 11 15, yellow "+6".
    const auto piu = estrazioniPer(1, 1, 3, 4, 2);
    const QStringList giuste{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                             QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                             QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};
    auto con = [&giuste](std::initializer_list<std::pair<int, QString>> cambi) {
        QStringList voci = giuste;
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
        {"all right", piu, giuste, {}},
        {"yellow 6 for +6", piu, con({{gialla, QStringLiteral("6")}}), {QStringLiteral("txtcomgialla")}},
        {"txt9 left empty", piu, con({{9, QString()}}), {}},
        {"txt9 015", piu, con({{9, QStringLiteral("015")}}), {}},
        {"txt2 07", piu, con({{2, QStringLiteral("07")}}), {QStringLiteral("txt2")}},
        {"txt5 with a leading space", piu, con({{5, QStringLiteral(" 9")}}), {QStringLiteral("txt5")}},
        {"txt9 16 and txt6 12",
         piu,
         con({{9, QStringLiteral("16")}, {6, QStringLiteral("12")}}),
         {QStringLiteral("txt6"), QStringLiteral("txt9")}},
        {"every box empty", piu, QStringList(9), esaminate.sliced(0, 7) + QStringList{QStringLiteral("txtcomgialla")}},
        {"txt9 in letters", piu, con({{9, QStringLiteral("quindici")}}), {QStringLiteral("txt9")}},
        {"txt9 spaces only", piu, con({{9, QStringLiteral("   ")}}), {QStringLiteral("txt9")}},
        {"txt9 1e1", piu, con({{9, QStringLiteral("1e1")}}), {QStringLiteral("txt9")}},
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
        QCOMPARE(banco.messaggio(), messaggioBravo);
        for (const QString& nome : esaminate)
            QVERIFY2(banco.testo(nome).isEmpty(), qPrintable(nome));
        QCOMPARE(*banco.estrazioni, 10);
        QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));
        QCOMPARE(banco.testo(QStringLiteral("lblcomblu")), QStringLiteral("= + 3"));
        QCOMPARE(banco.testo(QStringLiteral("lblcomrossa")), QStringLiteral("= - 7"));
        QCOMPARE(banco.testo(QStringLiteral("txtcg")), QStringLiteral("-4"));
        QCOMPARE(banco.fuoco(), QStringLiteral("txt2"));
    } else {
        QCOMPARE(banco.messaggio(), messaggioAttento);
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
    const QStringList giuste{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                             QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                             QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};
    banco.scrivi(QStringLiteral("txt1"), QStringLiteral("tre"));
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        banco.scrivi(esaminate[i], i == 0 ? QStringLiteral("8") : giuste[i]);

    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioAttento);
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("tre"));
    QCOMPARE(banco.testo(QStringLiteral("txt2")), QString());

    banco.scrivi(QStringLiteral("txt2"), QStringLiteral("7"));
    banco.premi("cmdconferma", Modo::Alt);
    QCOMPARE(banco.messaggio(), messaggioBravo);
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
    QCOMPARE(banco.messaggio(), messaggioAttento);

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

    const QStringList giuste{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                             QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                             QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        banco.scrivi(esaminate[i], giuste[i]);
    banco.premi("cmdconferma", Modo::Mouse);
    QCOMPARE(banco.messaggio(), messaggioBravo);
    QVERIFY(timer->isActive());
    banco.tick();
    QCOMPARE(banco.messaggio(), QString());
    QVERIFY(timer->isActive());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));

    banco.premi("cmdconferma", Modo::Spazio);
    QCOMPARE(banco.messaggio(), messaggioAttento);
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

    QCOMPARE(banco.messaggio(), controlli ? messaggioAttento : QString());
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
            QVERIFY2(banco.messaggio() == messaggioAttento, qPrintable(contesto));
            for (qsizetype i = 0; i < esaminate.size(); ++i)
                QVERIFY2(banco.testo(esaminate[i]) == (sbagliate.contains(esaminate[i]) ? QString() : voci[i]),
                         qPrintable(contesto + QStringLiteral(": ") + esaminate[i] + QStringLiteral(" \"") + voci[i]
                                    + QStringLiteral("\"")));
            QCOMPARE(*banco.estrazioni, estrazioni);
            for (const QString& nome : sbagliate)
                banco.scrivi(nome, giuste[esaminate.indexOf(nome)]);
            banco.premi("cmdconferma", modi[static_cast<std::size_t>(dado(5))]);
        }

        QVERIFY2(banco.messaggio() == messaggioBravo, qPrintable(contesto));
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
    QTest::addColumn<bool>("giustoPerTxt9");

    QTest::newRow("control characters") << QStringLiteral("\u0001\u0007\u001b[2J\u007f") << false;
    QTest::newRow("tab, newline and carriage return") << QStringLiteral("1\t\n\r5") << false;
    QTest::newRow("white space around the number") << QStringLiteral("\t15\r\n") << true;
    QTest::newRow("null characters") << QString(3, QChar(0)) << false;
    QTest::newRow("emoji") << QStringLiteral("\U0001F600\U0001F44D\U0001F3FD") << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xd83d)) << false;
    QTest::newRow("right-to-left text") << QStringLiteral("\u05e9\u05dc\u05d5\u05dd \u0633\u0644\u0627\u0645") << false;
    QTest::newRow("right-to-left digits") << QStringLiteral("\u0661\u0665") << false;
    QTest::newRow("bidirectional override") << QStringLiteral("\u202e51") << false;
    QTest::newRow("combining marks") << QStringLiteral("1\u03035") << false;
}

// Pasted text of every kind in every box is judged by the rules; the puzzle
// and its texts survive a failed check untouched.
void TstConferma::robustezza()
{
    QFETCH(QString, testo);
    QFETCH(bool, giustoPerTxt9);

    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    for (const QString& nome : esaminate) {
        incolla(banco.casella(nome), testo);
        QCOMPARE(banco.testo(nome), testo);
    }
    banco.premi("cmdconferma", Modo::Alt);

    QCOMPARE(banco.messaggio(), messaggioAttento);
    for (const QString& nome : esaminate)
        QCOMPARE(banco.testo(nome), nome == u"txt9" && giustoPerTxt9 ? testo : QString());
    QCOMPARE(banco.rete->esercizio().errori, giustoPerTxt9 ? 8 : 9);
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("3"));
    QCOMPARE(banco.testo(QStringLiteral("lblcomblu")), QStringLiteral("= + 4"));
    QCOMPARE(banco.testo(QStringLiteral("txtcg")), QStringLiteral("+6"));
    QCOMPARE(*banco.estrazioni, 5);
}

void TstConferma::unMegabyteInOgniCasella()
{
    Banco banco(poi(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(banco.pronto);
    const QString mega(1 << 20, u'7');
    const QString zeri = QString(1 << 20, u'0') + QStringLiteral("15");
    for (const QString& nome : esaminate)
        banco.casella(nome)->setText(nome == u"txt9" ? zeri : mega);
    incolla(banco.txt(1), mega);
    banco.premi("cmdconferma", Modo::Alt);

    QCOMPARE(banco.messaggio(), messaggioAttento);
    for (const QString& nome : esaminate)
        QCOMPARE(banco.testo(nome).size(), nome == u"txt9" ? zeri.size() : 0);
    QCOMPARE(banco.testo(QStringLiteral("txt1")), mega);
    QCOMPARE(banco.rete->esercizio().nodo(1), 3);

    // Right answers in every box, txt9 still a megabyte long: a full success.
    const QStringList giuste{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                             QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                             QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};
    for (qsizetype i = 0; i < esaminate.size(); ++i)
        if (esaminate[i] != u"txt9")
            banco.scrivi(esaminate[i], giuste[i]);
    banco.premi("cmdconferma", Modo::Mouse);
    QCOMPARE(banco.messaggio(), messaggioBravo);
    QCOMPARE(banco.testo(QStringLiteral("txt9")), QString());
    QCOMPARE(banco.testo(QStringLiteral("txt1")), QStringLiteral("19"));
}

QTEST_MAIN(TstConferma)
#include "tst_conferma.moc"
