// SPDX-License-Identifier: GPL-3.0-or-later
// The network window on a real X server with a real window manager (run by
// tests/desktop/scrivania with openbox): a restless child who presses Conferma
// twice, or holds it down, after the right answers. The events go through the
// window, as the window system hands them over, and the time is the system's.
// Keys held down come from the X server itself (xdotool), with both cores busy.
#include "tests/estrazioni.h"
#include "windows/finestre.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleHints>
#include <QWindow>
#include <QtTest>

using namespace zefiranda;

namespace {

enum class Gesto { Clic, DoppioClic, TriploClic, AltCDueVolte, SpazioDueVolte, AltCTenuto, InvioDueVolte };

// Blue plus 4, red plus 2, start 3, and blue plus 3, red minus 7, start 19, in turn.
const std::vector<double> estratti = [] {
    std::vector<double> tutti = estrazioniPer(1, 1, 3, 4, 2);
    const std::vector<double> secondo = estrazioniPer(1, 2, 5, 3, 7);
    tutti.insert(tutti.end(), secondo.begin(), secondo.end());
    return tutti;
}();
const QStringList giustePrimo{QStringLiteral("7"),  QStringLiteral("11"), QStringLiteral("5"),
                              QStringLiteral("9"),  QStringLiteral("13"), QStringLiteral("7"),
                              QStringLiteral("11"), QStringLiteral("15"), QStringLiteral("+6")};
const QStringList giusteSecondo{QStringLiteral("22"), QStringLiteral("25"), QStringLiteral("12"),
                                QStringLiteral("15"), QStringLiteral("18"), QStringLiteral("5"),
                                QStringLiteral("8"),  QStringLiteral("11"), QStringLiteral("-4")};
const QStringList esaminate{QStringLiteral("txt2"), QStringLiteral("txt3"), QStringLiteral("txt4"),
                            QStringLiteral("txt5"), QStringLiteral("txt6"), QStringLiteral("txt7"),
                            QStringLiteral("txt8"), QStringLiteral("txt9"), QStringLiteral("txtcomgialla")};

}  // namespace

Q_DECLARE_METATYPE(Gesto)

class TstScrivania : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void premereDueVolte_data();
    void premereDueVolte();
    void tenereUnTasto_data();
    void tenereUnTasto();

private:
    QLineEdit* casella(const QString& nome) const { return rete->findChild<QLineEdit*>(nome); }
    QWindow* finestra() const { return rete->windowHandle(); }
    QPoint centroConferma() const { return conferma->mapTo(rete.get(), conferma->rect().center()); }
    void scriviGiuste();
    void tasto(Qt::Key tasto, Qt::KeyboardModifiers modificatori, const QString& testo);
    void premi(Gesto gesto);

    std::unique_ptr<Frmrete> rete;
    QPushButton* conferma = nullptr;
    QLabel* lblmess = nullptr;
    int estrazioni = 0;
};

void TstScrivania::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    rete = std::make_unique<Frmrete>([this, sorgente = sorgenteScriptata(estratti)] {
        ++estrazioni;
        return sorgente();
    });
    conferma = rete->findChild<QPushButton*>(QStringLiteral("cmdconferma"));
    lblmess = rete->findChild<QLabel*>(QStringLiteral("lblmess"));
    rete->show();
    QVERIFY(QTest::qWaitForWindowActive(rete.get()));
}

void TstScrivania::cleanupTestCase()
{
    rete.reset();
}

// A key pressed and released through the window, to whatever has the focus.
void TstScrivania::tasto(Qt::Key codice, Qt::KeyboardModifiers modificatori, const QString& testo)
{
    qt_handleKeyEvent(finestra(), QEvent::KeyPress, codice, modificatori, testo);
    qt_handleKeyEvent(finestra(), QEvent::KeyRelease, codice, modificatori, testo);
    QCoreApplication::processEvents();
}

// The right answers of the puzzle shown, typed key by key after a click in each box.
void TstScrivania::scriviGiuste()
{
    const QStringList& giuste = casella(QStringLiteral("txt1"))->text() == u"3" ? giustePrimo : giusteSecondo;
    for (qsizetype i = 0; i < esaminate.size(); ++i) {
        QLineEdit* c = casella(esaminate[i]);
        QTest::mouseClick(finestra(), Qt::LeftButton, Qt::NoModifier, c->mapTo(rete.get(), c->rect().center()));
        QTRY_VERIFY(c->hasFocus());
        for (QChar carattere : giuste[i])
            tasto(carattere == u'+'       ? Qt::Key_Plus
                      : carattere == u'-' ? Qt::Key_Minus
                                          : Qt::Key(Qt::Key_0 + carattere.digitValue()),
                  Qt::NoModifier, QString(carattere));
        QCOMPARE(c->text(), giuste[i]);
    }
}

void TstScrivania::premi(Gesto gesto)
{
    switch (gesto) {
    case Gesto::Clic:
        QTest::mouseClick(finestra(), Qt::LeftButton, Qt::NoModifier, centroConferma());
        break;
    case Gesto::DoppioClic:
        QTest::mouseDClick(finestra(), Qt::LeftButton, Qt::NoModifier, centroConferma());
        break;
    case Gesto::TriploClic:
        QTest::mouseDClick(finestra(), Qt::LeftButton, Qt::NoModifier, centroConferma());
        QTest::mouseClick(finestra(), Qt::LeftButton, Qt::NoModifier, centroConferma());
        break;
    case Gesto::AltCDueVolte:
        tasto(Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
        tasto(Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
        break;
    case Gesto::SpazioDueVolte:
    case Gesto::InvioDueVolte: {
        // Tab from the yellow box to Conferma, then the key twice in a hurry.
        tasto(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QTRY_VERIFY(conferma->hasFocus());
        const bool spazio = gesto == Gesto::SpazioDueVolte;
        const Qt::Key codice = spazio ? Qt::Key_Space : Qt::Key_Return;
        const QString testo = spazio ? QStringLiteral(" ") : QStringLiteral("\r");
        tasto(codice, Qt::NoModifier, testo);
        tasto(codice, Qt::NoModifier, testo);
        break;
    }
    case Gesto::AltCTenuto: {
        // Held for a second: X repeats the key as releases and presses marked as repeats.
        qt_handleKeyEvent(finestra(), QEvent::KeyPress, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
        for (int i = 0; i < 30; ++i) {
            QTest::qWait(33);
            qt_handleKeyEvent(finestra(), QEvent::KeyRelease, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"), true);
            qt_handleKeyEvent(finestra(), QEvent::KeyPress, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"), true);
        }
        qt_handleKeyEvent(finestra(), QEvent::KeyRelease, Qt::Key_C, Qt::AltModifier, QStringLiteral("c"));
        break;
    }
    }
    QCoreApplication::processEvents();
}

void TstScrivania::premereDueVolte_data()
{
    QTest::addColumn<Gesto>("gesto");
    QTest::newRow("double click") << Gesto::DoppioClic;
    QTest::newRow("Alt+C twice") << Gesto::AltCDueVolte;
    QTest::newRow("Space twice") << Gesto::SpazioDueVolte;
    QTest::newRow("Return twice") << Gesto::InvioDueVolte;
    QTest::newRow("triple click") << Gesto::TriploClic;
    QTest::newRow("Alt+C held") << Gesto::AltCTenuto;
    QTest::newRow("one click") << Gesto::Clic;
}

// Right answers, then the gesture: "Bravo!", one new puzzle, its boxes empty,
// the focus in txt2; after a moment the child solves the next one as usual.
void TstScrivania::premereDueVolte()
{
    QFETCH(Gesto, gesto);

    QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
    const QString partenza = casella(QStringLiteral("txt1"))->text();
    scriviGiuste();
    const int prima = estrazioni;
    premi(gesto);

    QCOMPARE(lblmess->text(), QStringLiteral("Bravo!"));
    QCOMPARE(estrazioni, prima + 5);
    QVERIFY(casella(QStringLiteral("txt1"))->text() != partenza);
    for (const QString& nome : esaminate)
        QVERIFY2(casella(nome)->text().isEmpty(), qPrintable(nome));
    QTRY_VERIFY(casella(QStringLiteral("txt2"))->hasFocus());
}

void TstScrivania::tenereUnTasto_data()
{
    QTest::addColumn<QString>("tenuto");
    QTest::addColumn<QString>("pulsante");
    QTest::addColumn<bool>("giuste");
    for (const char* tasto : {"Return", "space", "alt+c"})
        for (bool giuste : {false, true})
            QTest::addRow("%s held on Conferma after %s answers", tasto, giuste ? "right" : "wrong")
                << QString::fromLatin1(tasto) << QStringLiteral("cmdconferma") << giuste;
    for (const char* tasto : {"Return", "space"})
        QTest::addRow("%s held on the start button", tasto)
            << QString::fromLatin1(tasto) << QStringLiteral("cmdparti") << false;
}

// A key held down for three seconds on a busy machine presses the button once,
// and types nothing into the window that the press brings.
void TstScrivania::tenereUnTasto()
{
    QFETCH(QString, tenuto);
    QFETCH(QString, pulsante);
    QFETCH(bool, giuste);

    // Each loop ends with the test, however it ends.
    std::array<QProcess, 2> carico;
    for (QProcess& nucleo : carico)
        nucleo.start(QStringLiteral("timeout"),
                     {QStringLiteral("20"), QStringLiteral("sh"), QStringLiteral("-c"),
                      QStringLiteral("while kill -0 $PPID 2>/dev/null; do :; done")});
    const auto fermaCarico = qScopeGuard([&carico] {
        for (QProcess& nucleo : carico) {
            nucleo.terminate();
            nucleo.waitForFinished();
        }
    });
    QWidget* finestraPremuta = rete.get();
    if (pulsante == u"cmdparti") {
        finestraPremuta = &frminizio();
        finestraPremuta->show();
        QVERIFY(QTest::qWaitForWindowActive(finestraPremuta));
    } else {
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
        if (giuste)
            scriviGiuste();
        tasto(Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
    }
    auto* premuto = finestraPremuta->findChild<QPushButton*>(pulsante);
    premuto->setFocus();
    QTRY_VERIFY(premuto->hasFocus());
    QSignalSpy pressioni(premuto, &QPushButton::clicked);
    const int prima = estrazioni;

    QProcess xdotool;
    xdotool.start(QStringLiteral("sh"),
                  {QStringLiteral("-c"),
                   QStringLiteral("xdotool keydown %1 && sleep 3 && "
                                  "xdotool keyup %1")
                       .arg(tenuto)});
    QVERIFY2(xdotool.waitForStarted(), "xdotool cannot be run");
    QTRY_VERIFY_WITH_TIMEOUT(xdotool.state() == QProcess::NotRunning, 20000);
    QCOMPARE(xdotool.exitCode(), 0);
    QTest::qWait(500);

    QCOMPARE(pressioni.size(), 1);
    Frmrete* aperta = rete.get();
    if (pulsante == u"cmdparti") {
        aperta = frmreteSeEsiste();
        QVERIFY(aperta && aperta->isVisible());
        QTRY_VERIFY(!frminizioSeEsiste());
    } else {
        QCOMPARE(estrazioni, giuste ? prima + 5 : prima);
    }
    for (const QString& nome : esaminate)
        QVERIFY2(aperta->findChild<QLineEdit*>(nome)->text().isEmpty(), qPrintable(nome));
    if (aperta != rete.get()) {
        distruggiFinestre();
        rete->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(rete.get()));
    }
}

QTEST_MAIN(TstScrivania)
#include "tst_scrivania.moc"
