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
    riga("plain", u"15"_qs, 15, true);
    riga("leading zero", u"015"_qs, 15, true);
    riga("leading space", u" 15"_qs, 15, true);
    riga("trailing space", u"15 "_qs, 15, true);
    riga("tab and newline around", u"\t15\n"_qs, 15, true);
    riga("no-break and ideographic spaces", u"\u00a015\u3000"_qs, 15, true);
    riga("plus sign", u"+15"_qs, 15, true);
    riga("comma fraction of zeros", u"15,0"_qs, 15, true);
    riga("point fraction of zeros", u"15.00"_qs, 15, true);
    riga("zeros everywhere", u"  +0015.000 "_qs, 15, true);
    riga("zero", u"0"_qs, 0, true);
    riga("zeros only", u"000"_qs, 0, true);
    riga("minus zero", u"-0"_qs, 0, true);
    riga("plus zero with fraction", u"+0,0"_qs, 0, true);
    riga("point is a decimal point", u"1.000"_qs, 1, true);
    riga("negative value", u"-07,0"_qs, -7, true);
    riga("smallest 16-bit value", u"-32768"_qs, -32768, true);

    riga("other value", u"16"_qs, 15, false);
    riga("digits appended", u"150"_qs, 15, false);
    riga("real fraction", u"15,5"_qs, 15, false);
    riga("fraction digit far out", u"15.0001"_qs, 15, false);
    riga("wrong sign", u"-15"_qs, 15, false);
    riga("missing minus", u"7"_qs, -7, false);
    riga("thousands are not read", u"1.000"_qs, 1000, false);

    riga("empty", QString(), 15, false);
    riga("spaces only", u"   "_qs, 0, false);
    riga("letters", u"quindici"_qs, 15, false);
    riga("letter after", u"15a"_qs, 15, false);
    riga("letter before", u"a15"_qs, 15, false);
    riga("space inside", u"1 5"_qs, 15, false);
    riga("space after sign", u"- 15"_qs, -15, false);
    riga("two signs", u"+-5"_qs, -5, false);
    riga("double minus", u"--5"_qs, 5, false);
    riga("sign only", u"-"_qs, 0, false);
    riga("exponent", u"1e1"_qs, 10, false);
    riga("hexadecimal", u"0x0F"_qs, 15, false);
    riga("not a number", u"nan"_qs, 0, false);
    riga("infinity", u"inf"_qs, 0, false);
    riga("separator without fraction", u"5."_qs, 5, false);
    riga("comma without fraction", u"5,"_qs, 5, false);
    riga("fraction without whole part", u".5"_qs, 0, false);
    riga("comma fraction without whole part", u",0"_qs, 0, false);
    riga("two separators", u"1.5.0"_qs, 15, false);
    riga("Arabic-Indic digits", u"\u0661\u0665"_qs, 15, false);
    riga("fullwidth digits", u"\uff11\uff15"_qs, 15, false);
    riga("minus sign character", u"\u221215"_qs, -15, false);
    riga("zero-width space after", u"15\u200b"_qs, 15, false);
    riga("null character after", u"15"_qs + QChar(0), 15, false);
    riga("control character before", u"\u000115"_qs, 15, false);
    riga("emoji", u"15\U0001F600"_qs, 15, false);
    riga("right-to-left mark", u"\u200f15"_qs, 15, false);

    riga("a megabyte of leading zeros", mega + u"15"_qs, 15, true);
    riga("a megabyte of zeros", u"-"_qs + mega, 0, true);
    riga("a megabyte of fraction zeros", u"15,"_qs + mega, 15, true);
    riga("a last fraction digit after a megabyte", u"15,"_qs + mega + u"1"_qs, 15, false);
    riga("a number of a million digits", u"1"_qs + mega, 10, false);
    riga("a million nines", volte(1 << 20, u'9'), 32767, false);
    riga("a megabyte of spaces around", volte(1 << 19, u' ') + u"15"_qs + volte(1 << 19, u' '), 15, true);
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

    QTest::newRow("plain") << u"7"_qs << 7 << true;
    QTest::newRow("zero") << u"0"_qs << 0 << true;
    QTest::newRow("largest node") << u"49"_qs << 49 << true;
    QTest::newRow("leading zero") << u"07"_qs << 7 << false;
    QTest::newRow("leading space") << u" 7"_qs << 7 << false;
    QTest::newRow("trailing space") << u"7 "_qs << 7 << false;
    QTest::newRow("plus sign") << u"+7"_qs << 7 << false;
    QTest::newRow("minus zero") << u"-0"_qs << 0 << false;
    QTest::newRow("fraction of zeros") << u"7,0"_qs << 7 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("Arabic-Indic digit") << u"\u0667"_qs << 7 << false;
    QTest::newRow("digit then emoji") << u"7\U0001F600"_qs << 7 << false;
    QTest::newRow("a megabyte starting right") << u"7"_qs + volte(1 << 20, u'0') << 7 << false;
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
    controlla(esercizio, QStringList(9), u"-20"_qs);
    QCOMPARE(esercizio.errori, 8);
    QCOMPARE(esercizio.giallomeno, 0);
    controlla(esercizio, QStringList(9), u"-20"_qs);
    QCOMPARE(esercizio.errori, 8);
    const QStringList giuste{u"39"_qs, u"29"_qs, u"39"_qs, u"29"_qs, u"19"_qs, u"29"_qs, u"19"_qs, u"9"_qs, u"-20"_qs};
    controlla(esercizio, giuste, u"-20"_qs);
    QCOMPARE(esercizio.errori, 0);
}

QTEST_APPLESS_MAIN(TstVerifica)
#include "tst_verifica.moc"
