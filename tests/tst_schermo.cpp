// SPDX-License-Identifier: GPL-3.0-or-later
// The program started where it cannot show its windows: one line in Italian
// that names the display, and status 1. Run on an X display of its own, whose
// screens beyond the first are not there.
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

class TstSchermo : public QObject {
    Q_OBJECT

private slots:
    void senzaSchermo_data();
    void senzaSchermo();
    void altrePiattaforme_data();
    void altrePiattaforme();
};

void TstSchermo::senzaSchermo_data()
{
    QTest::addColumn<QString>("display");      // "-" for none
    QTest::addColumn<QString>("piattaforma");  // QT_QPA_PLATFORM, "-" for none
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("nominato");      // what the line must name
    QTest::addColumn<QStringList>("ambiente");  // more variables, NAME=value

    const QString senza = QStringLiteral("-");
    const QString nessuno = QStringLiteral("(DISPLAY non impostato)");
    const QString lontano = QStringLiteral("\":987\"");
    for (const QString& piattaforma : {senza, QStringLiteral("xcb")}) {
        QTest::addRow("DISPLAY unset, platform %s", qPrintable(piattaforma))
            << senza << piattaforma << QStringList() << nessuno << QStringList();
        QTest::addRow("DISPLAY empty, platform %s", qPrintable(piattaforma))
            << QString() << piattaforma << QStringList() << nessuno << QStringList();
        QTest::addRow("DISPLAY :987, platform %s", qPrintable(piattaforma))
            << QStringLiteral(":987") << piattaforma << QStringList() << lontano << QStringList();
    }
    QTest::newRow("xcb with options, DISPLAY :987")
        << QStringLiteral(":987") << QStringLiteral("xcb:nograb") << QStringList() << lontano << QStringList();
    QTest::newRow("-platform xcb over offscreen")
        << QStringLiteral(":987") << QStringLiteral("offscreen")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")} << lontano << QStringList();
    QTest::newRow("-display :988 over DISPLAY") << QStringLiteral(":987") << QStringLiteral("xcb")
                                                << QStringList{QStringLiteral("-display"), QStringLiteral(":988")}
                                                << QStringLiteral("\":988\"") << QStringList();
    QTest::newRow("--display=:988 over DISPLAY")
        << QStringLiteral(":987") << senza << QStringList{QStringLiteral("--display=:988")}
        << QStringLiteral("\":988\"") << QStringList();
    QTest::newRow("no such host") << QStringLiteral("nessuno.invalid:0") << QStringLiteral("xcb") << QStringList()
                                  << QStringLiteral("\"nessuno.invalid:0\"") << QStringList();
    // "*" is the display the test runs on.
    const QString qui = qEnvironmentVariable("DISPLAY");
    QTest::newRow("a screen the display does not have")
        << QStringLiteral("*.7") << senza << QStringList() << u'"' + qui + QStringLiteral(".7\"") << QStringList();
    const QStringList sessioneWayland{QStringLiteral("XDG_SESSION_TYPE=wayland"),
                                      QStringLiteral("WAYLAND_DISPLAY=nowhere")};
    QTest::newRow("Wayland session without its compositor, no X display")
        << senza << senza << QStringList() << QStringLiteral("(wayland \"nowhere\", xcb (DISPLAY non impostato))")
        << sessioneWayland;
    QTest::newRow("Wayland session without its compositor, a missing X screen")
        << QStringLiteral("*.7") << senza << QStringList()
        << QStringLiteral("(wayland \"nowhere\", xcb \"%1.7\")").arg(qui) << sessioneWayland;
    QTest::newRow("-platform wayland without a compositor")
        << QStringLiteral("*") << senza << QStringList{QStringLiteral("-platform"), QStringLiteral("wayland")}
        << QStringLiteral("(wayland \"wayland-0\")") << QStringList();
    QTest::newRow("-platform nonsense") << QStringLiteral("*") << senza
                                        << QStringList{QStringLiteral("-platform"), QStringLiteral("nonsense")}
                                        << QStringLiteral("(nonsense)") << QStringList();
    QTest::newRow("a list of platforms none of which works")
        << QStringLiteral(":987") << QStringLiteral("nonsense;wayland:nograb;xcb") << QStringList()
        << QStringLiteral("(nonsense, wayland \"wayland-0\", xcb \":987\")") << QStringList();
}

void TstSchermo::senzaSchermo()
{
    QFETCH(QString, display);
    QFETCH(QString, piattaforma);
    QFETCH(QStringList, argomenti);
    QFETCH(QString, nominato);
    QFETCH(QStringList, ambiente);

    const QString qui = qEnvironmentVariable("DISPLAY");
    QVERIFY2(!qui.isEmpty(), "the test needs an X display");
    QProcessEnvironment variabili = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        variabili.remove(QString::fromLatin1(nome));
    // A runtime directory without a compositor in it, as in a real session.
    QTemporaryDir cartella;
    variabili.insert(QStringLiteral("XDG_RUNTIME_DIR"), cartella.path());
    if (display != u"-")
        variabili.insert(QStringLiteral("DISPLAY"), QString(display).replace(u'*', qui));
    for (const QString& voce : std::as_const(ambiente))
        variabili.insert(voce.section(u'=', 0, 0), voce.section(u'=', 1));
    if (piattaforma != u"-")
        variabili.insert(QStringLiteral("QT_QPA_PLATFORM"), piattaforma);

    QProcess programma;
    programma.setProcessEnvironment(variabili);
    programma.start(QStringLiteral(ZEFIRANDA_PROGRAMMA), argomenti);
    QVERIFY(programma.waitForFinished(20000));
    QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
    QCOMPARE(programma.exitCode(), 1);
    const QString errore = QString::fromUtf8(programma.readAllStandardError());
    QCOMPARE(errore.count(u'\n'), 1);
    QVERIFY2(errore.endsWith(u'\n'), qPrintable(errore));
    QCOMPARE(errore, QStringLiteral("zefiranda: impossibile aprire lo schermo ") + nominato + u'\n');
    QCOMPARE(programma.readAllStandardOutput(), QByteArray());
}

void TstSchermo::altrePiattaforme_data()
{
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("piattaforma");
    QTest::addColumn<QString>("fattore");  // QT_SCALE_FACTOR, "-" for none
    const QString senza = QStringLiteral("-");
    QTest::newRow("offscreen, DISPLAY unset") << senza << QStringLiteral("offscreen") << senza;
    QTest::newRow("offscreen, DISPLAY :987") << QStringLiteral(":987") << QStringLiteral("offscreen") << senza;
    QTest::newRow("xcb, else offscreen, DISPLAY :987")
        << QStringLiteral(":987") << QStringLiteral("xcb;offscreen") << senza;
    for (const char* fattore : {"-2", "0", "nan", "inf", "due"})
        QTest::addRow("scale factor %s on X", fattore)
            << QStringLiteral("*") << QStringLiteral("xcb") << QString::fromLatin1(fattore);
}

// Where Qt has another platform to show the windows on, the program starts as
// usual; a scale factor that is no positive number is ignored, and said so.
void TstSchermo::altrePiattaforme()
{
    QFETCH(QString, display);
    QFETCH(QString, piattaforma);
    QFETCH(QString, fattore);

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    const QString qui = ambiente.value(QStringLiteral("DISPLAY"));
    ambiente.remove(QStringLiteral("DISPLAY"));
    if (display != u"-")
        ambiente.insert(QStringLiteral("DISPLAY"), QString(display).replace(u'*', qui));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), piattaforma);
    if (fattore != u"-")
        ambiente.insert(QStringLiteral("QT_SCALE_FACTOR"), fattore);
    QProcess programma;
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(ZEFIRANDA_PROGRAMMA), QStringList());
    QVERIFY(programma.waitForStarted());
    QVERIFY(!programma.waitForFinished(1500));
    programma.kill();
    programma.waitForFinished();
    const QString errore = QString::fromUtf8(programma.readAllStandardError());
    QVERIFY(!errore.contains(QStringLiteral("impossibile")));
    if (fattore != u"-")
        QVERIFY2(errore.startsWith(QStringLiteral("zefiranda: QT_SCALE_FACTOR \"%1\" non è un numero positivo: lo "
                                                  "ignoro\n")
                                       .arg(fattore)),
                 qPrintable(errore));
}

QTEST_GUILESS_MAIN(TstSchermo)
#include "tst_schermo.moc"
