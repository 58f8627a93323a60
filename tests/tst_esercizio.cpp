// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/esercizio.h"
#include "tests/estrazioni.h"

#include <QtTest>

#include <cmath>
#include <random>

using namespace zefiranda;

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<int>)

class TstEsercizio : public QObject {
    Q_OBJECT

private slots:
    void generazione_data();
    void generazione();
    void estrazioniAgliEstremi_data();
    void estrazioniAgliEstremi();
    void estrazioneFuoriIntervallo_data();
    void estrazioneFuoriIntervallo();
    void ordineDelleEstrazioni();
    void invarianti();
    void testoNumero_data();
    void testoNumero();
};

void TstEsercizio::generazione_data()
{
    QTest::addColumn<std::vector<double>>("estrazioni");
    QTest::addColumn<std::vector<int>>("nodi");
    QTest::addColumn<QString>("blu");
    QTest::addColumn<QString>("rossa");
    QTest::addColumn<int>("comgialla");
    QTest::addColumn<QString>("gialla");
    QTest::addColumn<int>("giallomeno");

    QTest::newRow("plus plus") << estrazioniPer(1, 1, 3, 4, 2) << std::vector{3, 7, 11, 5, 9, 13, 7, 11, 15} << "= + 4"
                               << "= + 2" << 6 << "+6" << 0;
    QTest::newRow("plus minus") << estrazioniPer(1, 2, 5, 3, 7) << std::vector{19, 22, 25, 12, 15, 18, 5, 8, 11}
                                << "= + 3"
                                << "= - 7" << -4 << "-4" << 0;
    QTest::newRow("minus plus, equal steps")
        << estrazioniPer(2, 1, 0, 6, 6) << std::vector{12, 6, 0, 18, 12, 6, 24, 18, 12} << "= - 6"
        << "= + 6" << 0 << "0" << 0;
    QTest::newRow("minus minus, largest")
        << estrazioniPer(2, 2, 9, 10, 10) << std::vector{49, 39, 29, 39, 29, 19, 29, 19, 9} << "= - 10"
        << "= - 10" << 20 << "-20" << 1;
    QTest::newRow("most negative yellow")
        << estrazioniPer(1, 2, 0, 1, 10) << std::vector{20, 21, 22, 10, 11, 12, 0, 1, 2} << "= + 1"
        << "= - 10" << -9 << "-9" << 0;
    QTest::newRow("minus minus, smallest")
        << estrazioniPer(2, 2, 0, 1, 1) << std::vector{4, 3, 2, 3, 2, 1, 2, 1, 0} << "= - 1"
        << "= - 1" << 2 << "-2" << 1;
    QTest::newRow("minus plus, negative yellow")
        << estrazioniPer(2, 1, 4, 9, 2) << std::vector{22, 13, 4, 24, 15, 6, 26, 17, 8} << "= - 9"
        << "= + 2" << -7 << "-7" << 0;
}

void TstEsercizio::generazione()
{
    QFETCH(std::vector<double>, estrazioni);
    QFETCH(std::vector<int>, nodi);
    QFETCH(QString, blu);
    QFETCH(QString, rossa);
    QFETCH(int, comgialla);
    QFETCH(QString, gialla);
    QFETCH(int, giallomeno);

    Esercizio esercizio;
    const TestiEsercizio testi = esercizio.nuovoesercizio(sorgenteScriptata(estrazioni));
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(esercizio.nodo(i), nodi[static_cast<std::size_t>(i - 1)]);
    QCOMPARE(esercizio.partenza, nodi[0]);
    QCOMPARE(testi.txt1, QString::number(nodi[0]));
    QCOMPARE(testi.lblcomblu, blu);
    QCOMPARE(testi.lblcomrossa, rossa);
    QCOMPARE(esercizio.comgialla, comgialla);
    QCOMPARE(testi.txtcg, gialla);
    QCOMPARE(esercizio.giallomeno, giallomeno);
}

void TstEsercizio::estrazioniAgliEstremi_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("segno");
    QTest::addColumn<int>("partenza");
    QTest::addColumn<int>("passo");

    QTest::newRow("zero") << 0.0 << 1 << 0 << 1;
    QTest::newRow("just below one half") << std::nextafter(0.5, 0.0) << 1 << 4 << 5;
    QTest::newRow("one half") << 0.5 << 2 << 5 << 6;
    QTest::newRow("largest below one") << std::nextafter(1.0, 0.0) << 2 << 9 << 10;
}

// Every draw is the same r: the signs, the drawn start and both steps follow from it.
void TstEsercizio::estrazioniAgliEstremi()
{
    QFETCH(double, r);
    QFETCH(int, segno);
    QFETCH(int, partenza);
    QFETCH(int, passo);

    Esercizio esercizio;
    esercizio.nuovoesercizio([r] { return r; });
    QCOMPARE(esercizio.segnoblu, segno);
    QCOMPARE(esercizio.segnorosso, segno);
    QCOMPARE(esercizio.comblu, passo);
    QCOMPARE(esercizio.comrossa, passo);
    const int minimo = *std::min_element(esercizio.nodi.begin(), esercizio.nodi.end());
    QCOMPARE(std::min<int>(minimo, esercizio.nodo9), partenza);
}

void TstEsercizio::estrazioneFuoriIntervallo_data()
{
    QTest::addColumn<double>("r");
    QTest::newRow("one") << 1.0;
    QTest::newRow("above one") << 7.5;
    QTest::newRow("negative") << -0.25;
    QTest::newRow("not a number") << std::nan("");
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
}

// A faulty source must not push the puzzle outside its ranges.
void TstEsercizio::estrazioneFuoriIntervallo()
{
    QFETCH(double, r);
    Esercizio esercizio;
    esercizio.nuovoesercizio([r] { return r; });
    QVERIFY(esercizio.segnoblu == 1 || esercizio.segnoblu == 2);
    QVERIFY(esercizio.comblu >= 1 && esercizio.comblu <= 10);
    QVERIFY(esercizio.comrossa >= 1 && esercizio.comrossa <= 10);
    for (int i = 1; i <= 9; ++i)
        QVERIFY(esercizio.nodo(i) >= 0 && esercizio.nodo(i) <= 49);
}

void TstEsercizio::ordineDelleEstrazioni()
{
    // Distinct draws tell whether each lands in its own variable.
    Esercizio esercizio;
    esercizio.nuovoesercizio(sorgenteScriptata({0.1, 0.9, 0.35, 0.05, 0.75}));
    QCOMPARE(esercizio.segnoblu, 1);
    QCOMPARE(esercizio.segnorosso, 2);
    QCOMPARE(esercizio.comblu, 1);
    QCOMPARE(esercizio.comrossa, 8);
    QCOMPARE(esercizio.partenza, 3 + 2 * 8);
}

void TstEsercizio::invarianti()
{
    std::mt19937_64 generatore(20261208);
    std::uniform_real_distribution<double> uniforme(0.0, 1.0);
    std::vector<double> estratti(5);
    int indice = 0;
    Esercizio esercizio;
    for (int giro = 0; giro < 50000; ++giro) {
        for (double& r : estratti)
            r = uniforme(generatore);
        indice = 0;
        const TestiEsercizio testi = esercizio.nuovoesercizio([&] { return estratti[indice++]; });
        QCOMPARE(indice, 5);

        const int blu = esercizio.segnoblu == 1 ? esercizio.comblu : -esercizio.comblu;
        const int rosso = esercizio.segnorosso == 1 ? esercizio.comrossa : -esercizio.comrossa;
        const int drawnStart = static_cast<int>(std::floor(10 * estratti[2]));
        int minimo = 49;
        for (int i = 1; i <= 9; ++i) {
            const int valore = esercizio.nodo(i);
            QVERIFY2(valore >= 0 && valore <= 49, qPrintable(QString::number(valore)));
            minimo = std::min(minimo, valore);
            if ((i - 1) % 3 != 2)
                QCOMPARE(esercizio.nodo(i + 1) - valore, blu);
            if (i <= 6)
                QCOMPARE(esercizio.nodo(i + 3) - valore, rosso);
            if (i <= 5 && (i - 1) % 3 != 2)
                QCOMPARE(esercizio.nodo(i + 4) - valore, blu + rosso);
        }
        QCOMPARE(minimo, drawnStart);
        QCOMPARE(testi.txt1, QString::number(esercizio.nodo(1)));

        const int diagonale = blu + rosso;
        const QString attesa = diagonale > 0 ? QStringLiteral("+%1").arg(diagonale) : QString::number(diagonale);
        QCOMPARE(testi.txtcg, attesa);
        QVERIFY(testi.txtcg != QLatin1String("+0") && testi.txtcg != QLatin1String("-0"));
    }
}

void TstEsercizio::testoNumero_data()
{
    QTest::addColumn<long long>("valore");
    QTest::addColumn<QString>("testo");
    QTest::newRow("seven") << 7LL << "7";
    QTest::newRow("zero") << 0LL << "0";
    QTest::newRow("negative") << -4LL << "-4";
    QTest::newRow("two digits") << 49LL << "49";
}

void TstEsercizio::testoNumero()
{
    QFETCH(long long, valore);
    QFETCH(QString, testo);
    QCOMPARE(zefiranda::testoNumero(valore), testo);
}

QTEST_APPLESS_MAIN(TstEsercizio)
#include "tst_esercizio.moc"
