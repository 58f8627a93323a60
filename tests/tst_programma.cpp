// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/comuni.h"
#include "tests/estrazioni.h"
#include "windows/finestre.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"
#include "windows/programma.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>
#include <QtTest>

#include <functional>

using namespace zefiranda;

namespace {

// Exit code of a run that the program did not end.
constexpr int ancoraInCorso = 77;

// Runs the application's event loop with the actions as its first event and
// returns the loop's exit code: ancoraInCorso when the program is still
// running once the actions, and the events they posted in turn, have been
// handled.
int esegui(const std::function<void()>& azioni)
{
    QObject turno;  // pending calls go with it
    std::function<void(int)> attendi = [&](int giri) {
        QTimer::singleShot(0, &turno, [&attendi, giri] {
            if (giri == 0)
                QCoreApplication::exit(ancoraInCorso);
            else
                attendi(giri - 1);
        });
    };
    QTimer::singleShot(0, &turno, [&] {
        // Also when a check inside the actions fails and leaves them early.
        const auto poi = qScopeGuard([&] { attendi(3); });
        azioni();
    });
    return QApplication::exec();
}

QWidget* controllo(QWidget& finestra, const char* nome)
{
    return finestra.findChild<QWidget*>(QString::fromLatin1(nome));
}

QString testo(QWidget& finestra, const char* nome)
{
    return finestra.findChild<QLineEdit*>(QString::fromLatin1(nome))->text();
}

// What happens to the program's windows during a run.
class Diario : public QObject {
public:
    struct Apparizione {
        bool inizioVisibile = false;  // the start window, when this one was shown
        QString txt1;
        QRect cornice;  // the frame, when the window first came on screen
        bool centrata = false;
    };

    QList<Apparizione> inizio;  // each time the start window is shown
    QList<Apparizione> rete;    // each time the network window is shown
    int chiusureInizio = 0;     // close events of the start window

    bool eventFilter(QObject* oggetto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Expose) {
            if (Apparizione* apparizione = inAttesa(oggetto)) {
                const QWidget& finestra = *finestraDi(oggetto);
                apparizione->cornice = finestra.frameGeometry();
                apparizione->centrata = centrata(finestra);
            }
            return false;
        }
        if (!oggetto->isWidgetType() || !static_cast<QWidget*>(oggetto)->isWindow())
            return false;
        auto* finestra = static_cast<QWidget*>(oggetto);
        const bool eInizio = finestra->objectName() == QLatin1String("frminizio");
        if (evento->type() == QEvent::Close && eInizio)
            ++chiusureInizio;
        if (evento->type() != QEvent::Show)
            return false;
        Apparizione apparizione{frminizioSeEsiste() && frminizioSeEsiste()->isVisible(), QString(), QRect(), false};
        if (eInizio) {
            inizio << apparizione;
        } else if (finestra->objectName() == QLatin1String("frmrete")) {
            apparizione.txt1 = testo(*finestra, "txt1");
            rete << apparizione;
        }
        return false;
    }

private:
    static QWidget* finestraDi(QObject* oggetto)
    {
        const auto finestre = QApplication::topLevelWidgets();
        for (QWidget* finestra : finestre)
            if (finestra->windowHandle() == oggetto)
                return finestra;
        return nullptr;
    }

    // The latest showing of the window, when it has not come on screen yet.
    Apparizione* inAttesa(QObject* oggetto)
    {
        const QWidget* finestra = finestraDi(oggetto);
        if (!finestra || !finestra->windowHandle()->isExposed())
            return nullptr;
        QList<Apparizione>* elenco = finestra->objectName() == QLatin1String("frminizio") ? &inizio
            : finestra->objectName() == QLatin1String("frmrete")                          ? &rete
                                                                                          : nullptr;
        if (!elenco || elenco->isEmpty() || elenco->last().cornice.isValid())
            return nullptr;
        return &elenco->last();
    }
};

}  // namespace

class TstProgramma : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void avvio();
    void partenza_data();
    void partenza();
    void uscita_data();
    void uscita();
    void chiusuraDellInizio();
    void tastiSenzaEffetto_data();
    void tastiSenzaEffetto();

private:
    void nessunEsercizio();

    Diario diario;
    int estrazioni = 0;
};

void TstProgramma::init()
{
    diario.inizio.clear();
    diario.rete.clear();
    diario.chiusureInizio = 0;
    estrazioni = 0;
    impostaSorgenteFrmrete([this, sorgente = sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2))] {
        ++estrazioni;
        return sorgente();
    });
    qApp->installEventFilter(&diario);
    QVERIFY(!frminizioSeEsiste());
    QVERIFY(!frmreteSeEsiste());
}

void TstProgramma::cleanup()
{
    qApp->removeEventFilter(&diario);
    distruggiFinestre();
}

// The network window never came, so the random source was never touched.
void TstProgramma::nessunEsercizio()
{
    QVERIFY(!frmreteSeEsiste());
    QVERIFY(diario.rete.isEmpty());
    QCOMPARE(estrazioni, 0);
}

void TstProgramma::avvio()
{
    avviaProgramma();
    const int esito = esegui([this] {
        QVERIFY(frminizioSeEsiste());
        Frminizio& inizio = *frminizioSeEsiste();
        QVERIFY(QTest::qWaitForWindowActive(&inizio));
        QCOMPARE(QApplication::activeWindow(), &inizio);
        QCOMPARE(QApplication::focusWidget(), controllo(inizio, "cmdparti"));
        QVERIFY(centrata(inizio));
        QVERIFY(inizio.frameGeometry().size() != inizio.size());
    });
    QCOMPARE(esito, ancoraInCorso);
    // Centred before it was first shown: it never moves afterwards.
    QCOMPARE(diario.inizio.size(), 1);
    QVERIFY(diario.inizio[0].centrata);
    QCOMPARE(diario.inizio[0].cornice, frminizioSeEsiste()->frameGeometry());
    nessunEsercizio();
}

void TstProgramma::partenza_data()
{
    QTest::addColumn<QString>("come");

    QTest::newRow("mouse") << QStringLiteral("mouse");
    QTest::newRow("Space") << QStringLiteral("Space");
    QTest::newRow("Enter") << QStringLiteral("Enter");
    QTest::newRow("keypad Enter") << QStringLiteral("keypad Enter");
}

void TstProgramma::partenza()
{
    QFETCH(QString, come);

    avviaProgramma();
    QPointer<Frminizio> inizio = frminizioSeEsiste();
    Diario::Apparizione allaChiusura;
    bool chiusa = false;
    connect(inizio, &QObject::destroyed, this, [&] {
        chiusa = true;
        if (Frmrete* rete = frmreteSeEsiste())
            allaChiusura = {rete->isVisible(), testo(*rete, "txt1"), rete->frameGeometry(), centrata(*rete)};
    });

    const int esito = esegui([&] {
        QVERIFY(QTest::qWaitForWindowActive(inizio));
        QWidget* cmdparti = controllo(*inizio, "cmdparti");
        QCOMPARE(QApplication::focusWidget(), cmdparti);
        if (come == QLatin1String("mouse"))
            QTest::mouseClick(cmdparti, Qt::LeftButton);
        else if (come == QLatin1String("Space"))
            QTest::keyClick(cmdparti, Qt::Key_Space);
        else if (come == QLatin1String("Enter"))
            QTest::keyClick(cmdparti, Qt::Key_Return);
        else
            QTest::keyClick(cmdparti, Qt::Key_Enter, Qt::KeypadModifier);

        QVERIFY(frmreteSeEsiste());
        Frmrete& rete = *frmreteSeEsiste();
        QVERIFY(QTest::qWaitForWindowActive(&rete));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(chiusa);
        QVERIFY(!inizio);
        QCOMPARE(QApplication::focusWidget(), controllo(rete, "txt2"));

        // Closing the network window from its title bar ends the program.
        rete.windowHandle()->close();
    });
    QCOMPARE(esito, 0);

    // The network window came up centred, with its first puzzle, while the
    // start window was still open ...
    QCOMPARE(diario.rete.size(), 1);
    QVERIFY(diario.rete[0].centrata);
    QVERIFY(diario.rete[0].inizioVisibile);
    QCOMPARE(diario.rete[0].txt1, QStringLiteral("3"));
    QCOMPARE(estrazioni, 5);
    // ... and was still there, unmoved, when the start window was destroyed,
    QVERIFY(allaChiusura.inizioVisibile);
    QCOMPARE(allaChiusura.cornice, diario.rete[0].cornice);
    QCOMPARE(allaChiusura.txt1, QStringLiteral("3"));
    // which was shown once and never again.
    QCOMPARE(diario.inizio.size(), 1);
    QVERIFY(!frminizioSeEsiste());
}

void TstProgramma::uscita_data()
{
    QTest::addColumn<QString>("come");

    QTest::newRow("mouse") << QStringLiteral("mouse");
    QTest::newRow("Space") << QStringLiteral("Space");
    QTest::newRow("Enter") << QStringLiteral("Enter");
    QTest::newRow("keypad Enter") << QStringLiteral("keypad Enter");
    QTest::newRow("Alt+E, focus on the start button") << QStringLiteral("Alt+E");
    QTest::newRow("Alt+E, focus on the exit button") << QStringLiteral("Tab, Alt+E");
    QTest::newRow("Alt+E, on a picture") << QStringLiteral("Alt+E on Picture2");
}

void TstProgramma::uscita()
{
    QFETCH(QString, come);

    avviaProgramma();
    const int esito = esegui([&] {
        Frminizio& inizio = *frminizioSeEsiste();
        QVERIFY(QTest::qWaitForWindowActive(&inizio));
        auto* cmdesci = qobject_cast<QPushButton*>(controllo(inizio, "cmdesci"));
        QSignalSpy premuto(cmdesci, &QAbstractButton::clicked);
        if (come == QLatin1String("mouse")) {
            QTest::mouseClick(cmdesci, Qt::LeftButton);
        } else if (come == QLatin1String("Alt+E")) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        } else if (come == QLatin1String("Alt+E on Picture2")) {
            QTest::keyClick(controllo(inizio, "Picture2"), Qt::Key_E, Qt::AltModifier);
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), cmdesci);
            if (come == QLatin1String("Tab, Alt+E"))
                QTest::keyClick(cmdesci, Qt::Key_E, Qt::AltModifier);
            else if (come == QLatin1String("Space"))
                QTest::keyClick(cmdesci, Qt::Key_Space);
            else if (come == QLatin1String("Enter"))
                QTest::keyClick(cmdesci, Qt::Key_Return);
            else
                QTest::keyClick(cmdesci, Qt::Key_Enter, Qt::KeypadModifier);
        }
        // An access key shows the button going down and up before it acts.
        if (premuto.isEmpty())
            QVERIFY(premuto.wait());
    });
    QCOMPARE(esito, 0);
    // Ended at once: the start window was neither closed nor hidden on the way.
    QVERIFY(frminizioSeEsiste());
    QVERIFY(frminizioSeEsiste()->isVisible());
    QCOMPARE(diario.chiusureInizio, 0);
    nessunEsercizio();
}

void TstProgramma::chiusuraDellInizio()
{
    avviaProgramma();
    const int esito = esegui([] {
        Frminizio& inizio = *frminizioSeEsiste();
        QVERIFY(QTest::qWaitForWindowActive(&inizio));
        inizio.windowHandle()->close();
    });
    QCOMPARE(esito, 0);
    QCOMPARE(diario.chiusureInizio, 1);
    nessunEsercizio();
}

void TstProgramma::tastiSenzaEffetto_data()
{
    QTest::addColumn<bool>("onExit");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("Esc on the start button") << false << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Esc on the exit button") << true << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("E without Alt") << false << int(Qt::Key_E) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+Enter on the start button") << false << int(Qt::Key_Return) << int(Qt::ControlModifier);
}

void TstProgramma::tastiSenzaEffetto()
{
    QFETCH(bool, onExit);
    QFETCH(int, key);
    QFETCH(int, modifiers);

    avviaProgramma();
    QPointer<QWidget> fuoco;
    int pressioni = -1;
    const int esito = esegui([&] {
        Frminizio& inizio = *frminizioSeEsiste();
        QVERIFY(QTest::qWaitForWindowActive(&inizio));
        QSignalSpy partenza(qobject_cast<QPushButton*>(controllo(inizio, "cmdparti")), &QAbstractButton::pressed);
        QSignalSpy uscita(qobject_cast<QPushButton*>(controllo(inizio, "cmdesci")), &QAbstractButton::pressed);
        if (onExit)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        fuoco = QApplication::focusWidget();
        QTest::keyClick(fuoco, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        pressioni = int(partenza.size() + uscita.size());
    });
    QCOMPARE(esito, ancoraInCorso);
    // Not even a press under way that would act later.
    QCOMPARE(pressioni, 0);
    QVERIFY(frminizioSeEsiste());
    QVERIFY(frminizioSeEsiste()->isVisible());
    QCOMPARE(QApplication::focusWidget(), fuoco.data());
    nessunEsercizio();
}

QTEST_MAIN(TstProgramma)
#include "tst_programma.moc"
