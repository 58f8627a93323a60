// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: --help, --version, Qt's own options and mistakes, read by
// the program's function and by the real program file.
#include "windows/rigadicomando.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

using namespace zefiranda;

class TstRigaDiComando : public QObject {
    Q_OBJECT

private slots:
    void lettura_data();
    void lettura();
    void programma_data();
    void programma();
    void opzioniDiQt();
};

void TstRigaDiComando::lettura_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<bool>("avvia");
    QTest::addColumn<int>("esito");
    QTest::addColumn<QString>("testo");   // the start of standard output
    QTest::addColumn<QString>("errore");  // part of standard error

    const QString versione = QStringLiteral("Zefiranda 1.00\n");
    const QString uso = QStringLiteral("Uso: zefiranda [opzioni]\n");
    QTest::newRow("nothing") << QStringList{} << true << 0 << QString() << QString();
    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << false << 0 << versione << QString();
    QTest::newRow("-v") << QStringList{QStringLiteral("-v")} << false << 0 << versione << QString();
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << false << 0 << uso << QString();
    QTest::newRow("-h") << QStringList{QStringLiteral("-h")} << false << 0 << uso << QString();
    QTest::newRow("-?") << QStringList{QStringLiteral("-?")} << false << 0 << uso << QString();
    QTest::newRow("help before version") << QStringList{QStringLiteral("--version"), QStringLiteral("--help")} << false
                                         << 0 << uso << QString();
    QTest::newRow("-platform offscreen") << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen")}
                                         << true << 0 << QString() << QString();
    QTest::newRow("--platform offscreen") << QStringList{QStringLiteral("--platform"), QStringLiteral("offscreen")}
                                          << true << 0 << QString() << QString();
    QTest::newRow("Qt's options together")
        << QStringList{QStringLiteral("-style=fusion"), QStringLiteral("-reverse"), QStringLiteral("-qwindowgeometry"),
                       QStringLiteral("650x494+10+10"), QStringLiteral("-display"), QStringLiteral(":1")}
        << true << 0 << QString() << QString();
    QTest::newRow("Qt's option before --version")
        << QStringList{QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("--version")} << false << 0
        << versione << QString();
    QTest::newRow("unknown long") << QStringList{QStringLiteral("--velocita")} << false << 2 << QString()
                                  << QStringLiteral("zefiranda: opzione sconosciuta «--velocita»\n");
    QTest::newRow("unknown short") << QStringList{QStringLiteral("-x")} << false << 2 << QString()
                                   << QStringLiteral("opzione sconosciuta «-x»");
    QTest::newRow("unknown beside --version")
        << QStringList{QStringLiteral("--version"), QStringLiteral("--velocita")} << false << 2 << QString()
        << QStringLiteral("opzione sconosciuta «--velocita»");
    QTest::newRow("value missing") << QStringList{QStringLiteral("-platform")} << false << 2 << QString()
                                   << QStringLiteral("l'opzione «-platform» vuole un valore");
    QTest::newRow("argument") << QStringList{QStringLiteral("rete.txt")} << false << 2 << QString()
                              << QStringLiteral("argomento non previsto «rete.txt»");
    const auto sbagliata = [](const char* nome, const QStringList& argomenti, const char* errore) {
        QTest::newRow(nome) << argomenti << false << 2 << QString() << QString::fromUtf8(errore);
    };
    sbagliata("--version=3", {QStringLiteral("--version=3")}, "zefiranda: l'opzione «--version» non vuole un valore\n");
    sbagliata("-v=2", {QStringLiteral("-v=2")}, "l'opzione «-v» non vuole un valore");
    sbagliata("-h=", {QStringLiteral("-h=")}, "l'opzione «-h» non vuole un valore");
    sbagliata("-reverse=1", {QStringLiteral("-reverse=1")}, "l'opzione «-reverse» non vuole un valore");
    sbagliata("--help=x before --version", {QStringLiteral("--help=x"), QStringLiteral("--version")},
              "l'opzione «--help» non vuole un valore");
    sbagliata("-vh", {QStringLiteral("-vh")}, "opzione sconosciuta «-vh»");
    sbagliata("unknown with a value", {QStringLiteral("--velocita=3")}, "opzione sconosciuta «--velocita»");
    QTest::newRow("--display=:1") << QStringList{QStringLiteral("--display=:1")} << true << 0 << QString() << QString();
}

void TstRigaDiComando::lettura()
{
    QFETCH(QStringList, argomenti);
    QFETCH(bool, avvia);
    QFETCH(int, esito);
    QFETCH(QString, testo);
    QFETCH(QString, errore);

    argomenti.prepend(QStringLiteral("zefiranda"));
    const RichiestaRigaDiComando richiesta = leggiRigaDiComando(argomenti);
    QCOMPARE(richiesta.avvia, avvia);
    if (avvia)
        return;
    QCOMPARE(richiesta.esito, esito);
    QVERIFY2(richiesta.testo.startsWith(testo), qPrintable(richiesta.testo));
    QCOMPARE(richiesta.testo.isEmpty(), testo.isEmpty());
    QVERIFY2(richiesta.errore.contains(errore), qPrintable(richiesta.errore));
    QCOMPARE(richiesta.errore.isEmpty(), errore.isEmpty());
}

void TstRigaDiComando::programma_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("esito");
    QTest::addColumn<QString>("testo");   // standard output, whole or its start
    QTest::addColumn<QString>("errore");  // part of standard error
    QTest::addColumn<bool>("pieno");      // standard output on /dev/full

    QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("Zefiranda 1.00\n")
                               << QString() << false;
    QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0
                            << QStringLiteral("Uso: zefiranda [opzioni]\n") << QString() << false;
    QTest::newRow("unknown") << QStringList{QStringLiteral("--velocita")} << 2 << QString()
                             << QStringLiteral("opzione sconosciuta «--velocita»") << false;
    for (const char* opzione : {"--version", "--help"})
        QTest::addRow("%s into a full disk", opzione)
            << QStringList{QString::fromLatin1(opzione)} << 1 << QString()
            << QStringLiteral("zefiranda: impossibile scrivere sull'uscita standard\n") << true;
}

// The program answers these without a display: the platform it is given does not
// exist, so opening any window, or even the application, would end it with an error.
void TstRigaDiComando::programma()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, esito);
    QFETCH(QString, testo);
    QFETCH(QString, errore);
    QFETCH(bool, pieno);

    QProcess programma;
    if (pieno)
        programma.setStandardOutputFile(QStringLiteral("/dev/full"));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nessuna"));
    ambiente.remove(QStringLiteral("DISPLAY"));
    ambiente.remove(QStringLiteral("WAYLAND_DISPLAY"));
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(PROGRAMMA), argomenti);
    QVERIFY(programma.waitForFinished(10000));
    const QString uscita = QString::fromUtf8(programma.readAllStandardOutput());
    const QString messaggi = QString::fromUtf8(programma.readAllStandardError());
    QCOMPARE(programma.exitStatus(), QProcess::NormalExit);
    QVERIFY2(programma.exitCode() == esito, qPrintable(messaggi));
    QVERIFY2(uscita.startsWith(testo), qPrintable(uscita));
    QCOMPARE(uscita.isEmpty(), testo.isEmpty());
    QVERIFY2(messaggi.contains(errore), qPrintable(messaggi));
    QCOMPARE(messaggi.isEmpty(), errore.isEmpty());
}

// Qt's own options reach Qt: a platform that does not exist, asked for on the command line, is
// what the program cannot open, where the environment names one that works.
void TstRigaDiComando::opzioniDiQt()
{
    QProcess programma;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programma.setProcessEnvironment(ambiente);
    programma.start(QStringLiteral(PROGRAMMA),
                    {QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("-platform"),
                     QStringLiteral("inesistente")});
    QVERIFY(programma.waitForFinished(10000));
    const QString messaggi = QString::fromUtf8(programma.readAllStandardError());
    QCOMPARE(messaggi, QStringLiteral("zefiranda: impossibile aprire lo schermo (inesistente)\n"));
    QCOMPARE(programma.exitCode(), 1);
}

QTEST_GUILESS_MAIN(TstRigaDiComando)
#include "tst_rigadicomando.moc"
