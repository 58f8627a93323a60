// SPDX-License-Identifier: GPL-3.0-or-later
// The program started where it cannot show its windows: one line in Italian
// that names the display, and status 1.
#include <QProcess>
#include <QProcessEnvironment>
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
    QTest::addColumn<QString>("nominato");  // what the line must name

    const QString senza = QStringLiteral("-");
    const QString nessuno = QStringLiteral("(DISPLAY non impostato)");
    const QString lontano = QStringLiteral("\":987\"");
    for (const QString& piattaforma : {senza, QStringLiteral("xcb")}) {
        QTest::addRow("DISPLAY unset, platform %s", qPrintable(piattaforma))
            << senza << piattaforma << QStringList() << nessuno;
        QTest::addRow("DISPLAY empty, platform %s", qPrintable(piattaforma))
            << QString() << piattaforma << QStringList() << nessuno;
        QTest::addRow("DISPLAY :987, platform %s", qPrintable(piattaforma))
            << QStringLiteral(":987") << piattaforma << QStringList() << lontano;
    }
    QTest::newRow("xcb with options, DISPLAY :987")
        << QStringLiteral(":987") << QStringLiteral("xcb:nograb") << QStringList() << lontano;
    QTest::newRow("-platform xcb over offscreen")
        << QStringLiteral(":987") << QStringLiteral("offscreen")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")} << lontano;
    QTest::newRow("-display :988 over DISPLAY")
        << QStringLiteral(":987") << QStringLiteral("xcb")
        << QStringList{QStringLiteral("-display"), QStringLiteral(":988")} << QStringLiteral("\":988\"");
    QTest::newRow("no such host") << QStringLiteral("nessuno.invalid:0") << QStringLiteral("xcb") << QStringList()
                                  << QStringLiteral("\"nessuno.invalid:0\"");
}

void TstSchermo::senzaSchermo()
{
    QFETCH(QString, display);
    QFETCH(QString, piattaforma);
    QFETCH(QStringList, argomenti);
    QFETCH(QString, nominato);

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* nome : {"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        ambiente.remove(QString::fromLatin1(nome));
    if (display != u"-")
        ambiente.insert(QStringLiteral("DISPLAY"), display);
    if (piattaforma != u"-")
        ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), piattaforma);

    QProcess programma;
    programma.setProcessEnvironment(ambiente);
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
    QTest::newRow("offscreen, DISPLAY unset") << QStringLiteral("-") << QStringLiteral("offscreen");
    QTest::newRow("offscreen, DISPLAY :987") << QStringLiteral(":987") << QStringLiteral("offscreen");
    QTest::newRow("xcb, else offscreen, DISPLAY :987") << QStringLiteral(":987") << QStringLiteral("xcb;offscreen");
}

// Where Qt has another platform to show the windows on, the program starts as usual.
void TstSchermo::altrePiattaforme()
{
    QFETCH(QString, display);
    QFETCH(QString, piattaforma);

    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.remove(QStringLiteral("DISPLAY"));
    if (display != u"-")
        ambiente.insert(QStringLiteral("DISPLAY"), display);
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), piattaforma);
    QProcess programma;
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(ZEFIRANDA_PROGRAMMA), QStringList());
    QVERIFY(programma.waitForStarted());
    QVERIFY(!programma.waitForFinished(1500));
    programma.kill();
    programma.waitForFinished();
    QVERIFY(!programma.readAllStandardError().contains("impossibile"));
}

QTEST_GUILESS_MAIN(TstSchermo)
#include "tst_schermo.moc"
