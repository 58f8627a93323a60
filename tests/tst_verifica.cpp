// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/verifica.h"
#include "tests/estrazioni.h"

#include <QtTest>

using namespace zefiranda;

namespace {

Esercizio esercizioDa(const std::vector<double>& estratti)
{
    Esercizio esercizio;
    esercizio.nuovoesercizio(sorgenteScriptata(estratti));
    return esercizio;
}

// Entries in txt2 ... txt9 then txtcomgialla, checked against the puzzle and the
// yellow text that the puzzle wrote for txtcg.
Sbagliate controlla(Esercizio& esercizio, const QStringList& voci, const QString& txtcg)
{
    Risposte risposte;
    for (std::size_t i = 0; i < risposte.nodi.size(); ++i)
        risposte.nodi[i] = voci.at(static_cast<qsizetype>(i));
    risposte.txtcomgialla = voci.at(8);
    risposte.txtcg = txtcg;
    return verifica(esercizio, risposte);
}

QString volte(qsizetype n, char16_t c)
{
    return QString(n, QChar(c));
}

}  // namespace

class TstVerifica : public QObject {
    Q_OBJECT

private slots:
    void lettura_data();
    void lettura();
    void regolaDelTesto_data();
    void regolaDelTesto();
    void azzeraIContatori();
};

// How txt9 is read. Right answers may differ from the plain form in white space
// around them, a sign, leading zeros and a fraction of zeros; "1.000" reads as
// one, not as a thousand. Anything that is not a number at all is wrong.
void TstVerifica::lettura_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("valore");
    QTest::addColumn<bool>("giusto");

    const QString mega = volte(1 << 20, u'0');
    auto riga = [](const char* nome, const QString& testo, int valore, bool giusto) {
        QTest::newRow(nome) << testo << valore << giusto;
    };
    riga("plain", QStringLiteral("15"), 15, true);
    riga("leading zero", QStringLiteral("015"), 15, true);
    riga("leading space", QStringLiteral(" 15"), 15, true);
    riga("trailing space", QStringLiteral("15 "), 15, true);
    riga("tab and newline around", QStringLiteral("\t15\n"), 15, true);
    riga("no-break and ideographic spaces", QStringLiteral("\u00a015\u3000"), 15, true);
    riga("plus sign", QStringLiteral("+15"), 15, true);
    riga("comma fraction of zeros", QStringLiteral("15,0"), 15, true);
    riga("point fraction of zeros", QStringLiteral("15.00"), 15, true);
    riga("zeros everywhere", QStringLiteral("  +0015.000 "), 15, true);
    riga("zero", QStringLiteral("0"), 0, true);
    riga("zeros only", QStringLiteral("000"), 0, true);
    riga("minus zero", QStringLiteral("-0"), 0, true);
    riga("plus zero with fraction", QStringLiteral("+0,0"), 0, true);
    riga("point is a decimal point", QStringLiteral("1.000"), 1, true);
    riga("negative value", QStringLiteral("-07,0"), -7, true);
    riga("smallest 16-bit value", QStringLiteral("-32768"), -32768, true);

    riga("other value", QStringLiteral("16"), 15, false);
    riga("digits appended", QStringLiteral("150"), 15, false);
    riga("real fraction", QStringLiteral("15,5"), 15, false);
    riga("fraction digit far out", QStringLiteral("15.0001"), 15, false);
    riga("wrong sign", QStringLiteral("-15"), 15, false);
    riga("missing minus", QStringLiteral("7"), -7, false);
    riga("thousands are not read", QStringLiteral("1.000"), 1000, false);

    riga("empty", QString(), 15, false);
    riga("spaces only", QStringLiteral("   "), 0, false);
    riga("letters", QStringLiteral("quindici"), 15, false);
    riga("letter after", QStringLiteral("15a"), 15, false);
    riga("letter before", QStringLiteral("a15"), 15, false);
    riga("space inside", QStringLiteral("1 5"), 15, false);
    riga("space after sign", QStringLiteral("- 15"), -15, false);
    riga("two signs", QStringLiteral("+-5"), -5, false);
    riga("double minus", QStringLiteral("--5"), 5, false);
    riga("sign only", QStringLiteral("-"), 0, false);
    riga("exponent", QStringLiteral("1e1"), 10, false);
    riga("hexadecimal", QStringLiteral("0x0F"), 15, false);
    riga("not a number", QStringLiteral("nan"), 0, false);
    riga("infinity", QStringLiteral("inf"), 0, false);
    riga("separator without fraction", QStringLiteral("5."), 5, false);
    riga("comma without fraction", QStringLiteral("5,"), 5, false);
    riga("fraction without whole part", QStringLiteral(".5"), 0, false);
    riga("comma fraction without whole part", QStringLiteral(",0"), 0, false);
    riga("two separators", QStringLiteral("1.5.0"), 15, false);
    riga("Arabic-Indic digits", QStringLiteral("\u0661\u0665"), 15, false);
    riga("fullwidth digits", QStringLiteral("\uff11\uff15"), 15, false);
    riga("minus sign character", QStringLiteral("\u221215"), -15, false);
    riga("zero-width space after", QStringLiteral("15\u200b"), 15, false);
    riga("null character after", QStringLiteral("15") + QChar(0), 15, false);
    riga("control character before", QStringLiteral("\u000115"), 15, false);
    riga("emoji", QStringLiteral("15\U0001F600"), 15, false);
    riga("right-to-left mark", QStringLiteral("\u200f15"), 15, false);

    riga("a megabyte of leading zeros", mega + QStringLiteral("15"), 15, true);
    riga("a megabyte of zeros", QStringLiteral("-") + mega, 0, true);
    riga("a megabyte of fraction zeros", QStringLiteral("15,") + mega, 15, true);
    riga("a last fraction digit after a megabyte", QStringLiteral("15,") + mega + QStringLiteral("1"), 15, false);
    riga("a number of a million digits", QStringLiteral("1") + mega, 10, false);
    riga("a million nines", volte(1 << 20, u'9'), 32767, false);
    riga("a megabyte of spaces around", volte(1 << 19, u' ') + QStringLiteral("15") + volte(1 << 19, u' '), 15, true);
    riga("a megabyte of spaces", volte(1 << 20, u' '), 0, false);
}

void TstVerifica::lettura()
{
    QFETCH(QString, testo);
    QFETCH(int, valore);
    QFETCH(bool, giusto);
    QCOMPARE(numeroGiusto(testo, valore), giusto);
}

void TstVerifica::regolaDelTesto_data()
{
    QTest::addColumn<QString>("testo");
    QTest::addColumn<int>("valore");
    QTest::addColumn<bool>("giusto");

    QTest::newRow("plain") << QStringLiteral("7") << 7 << true;
    QTest::newRow("zero") << QStringLiteral("0") << 0 << true;
    QTest::newRow("largest node") << QStringLiteral("49") << 49 << true;
    QTest::newRow("leading zero") << QStringLiteral("07") << 7 << false;
    QTest::newRow("leading space") << QStringLiteral(" 7") << 7 << false;
    QTest::newRow("trailing space") << QStringLiteral("7 ") << 7 << false;
    QTest::newRow("plus sign") << QStringLiteral("+7") << 7 << false;
    QTest::newRow("minus zero") << QStringLiteral("-0") << 0 << false;
    QTest::newRow("fraction of zeros") << QStringLiteral("7,0") << 7 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0667") << 7 << false;
    QTest::newRow("digit then emoji") << QStringLiteral("7\U0001F600") << 7 << false;
    QTest::newRow("a megabyte starting right") << QStringLiteral("7") + volte(1 << 20, u'0') << 7 << false;
}

void TstVerifica::regolaDelTesto()
{
    QFETCH(QString, testo);
    QFETCH(int, valore);
    QFETCH(bool, giusto);
    QCOMPARE(testoGiusto(testo, valore), giusto);
}

void TstVerifica::azzeraIContatori()
{
    // A both-minus puzzle leaves giallomeno set; the check clears it and
    // counts errori from nothing each time.
    Esercizio esercizio = esercizioDa(estrazioniPer(2, 2, 9, 10, 10));
    QCOMPARE(esercizio.giallomeno, 1);
    controlla(esercizio, QStringList(9), QStringLiteral("-20"));
    QCOMPARE(esercizio.errori, 8);
    QCOMPARE(esercizio.giallomeno, 0);
    controlla(esercizio, QStringList(9), QStringLiteral("-20"));
    QCOMPARE(esercizio.errori, 8);
    const QStringList giuste{QStringLiteral("39"), QStringLiteral("29"), QStringLiteral("39"),
                             QStringLiteral("29"), QStringLiteral("19"), QStringLiteral("29"),
                             QStringLiteral("19"), QStringLiteral("9"),  QStringLiteral("-20")};
    controlla(esercizio, giuste, QStringLiteral("-20"));
    QCOMPARE(esercizio.errori, 0);
}

QTEST_APPLESS_MAIN(TstVerifica)
#include "tst_verifica.moc"
