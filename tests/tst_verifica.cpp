#include "estrazioni.h"
#include "verifica.h"

#include <QtTest>

using namespace zefiranda;

namespace {

const QStringList nomi{QStringLiteral("txt2"), QStringLiteral("txt3"), QStringLiteral("txt4"),
                       QStringLiteral("txt5"), QStringLiteral("txt6"), QStringLiteral("txt7"),
                       QStringLiteral("txt8"), QStringLiteral("txt9"), QStringLiteral("txtcomgialla")};

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

QStringList nomiSbagliati(const Sbagliate& sbagliate)
{
    QStringList elenco;
    for (std::size_t i = 0; i < sbagliate.nodi.size(); ++i)
        if (sbagliate.nodi[i])
            elenco << nomi.at(static_cast<qsizetype>(i));
    if (sbagliate.txtcomgialla)
        elenco << nomi.last();
    return elenco;
}

QString volte(qsizetype n, char16_t c)
{
    return QString(n, QChar(c));
}

} // namespace

class TstVerifica : public QObject {
    Q_OBJECT

private slots:
    void lettura_data();
    void lettura();
    void regolaDelTesto_data();
    void regolaDelTesto();
    void verifica_data();
    void verifica();
    void azzeraIContatori();
    void lasciaStareIlGioco();
    void unMegabyteInOgniCasella();
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

void TstVerifica::verifica_data()
{
    QTest::addColumn<std::vector<double>>("estratti");
    QTest::addColumn<QStringList>("voci");  // txt2 ... txt9, txtcomgialla
    QTest::addColumn<QStringList>("sbagliate");

    // Blue plus 4, red plus 2, start 3: nodes 3 7 11 / 5 9 13 / 7 11 15, yellow "+6".
    const auto piu = estrazioniPer(1, 1, 3, 4, 2);
    const QStringList giuste{u"7"_qs, u"11"_qs, u"5"_qs, u"9"_qs, u"13"_qs, u"7"_qs, u"11"_qs, u"15"_qs, u"+6"_qs};
    auto con = [&giuste](std::initializer_list<std::pair<int, QString>> cambi) {
        QStringList voci = giuste;
        for (const auto& [indice, testo] : cambi)
            voci[indice - 2] = testo;
        return voci;
    };
    const int gialla = 10;

    QTest::newRow("all right") << piu << giuste << QStringList();
    QTest::newRow("yellow without its sign") << piu << con({{gialla, u"6"_qs}}) << QStringList{u"txtcomgialla"_qs};
    QTest::newRow("txt9 left empty") << piu << con({{9, QString()}}) << QStringList();
    QTest::newRow("txt9 with a leading zero") << piu << con({{9, u"015"_qs}}) << QStringList();
    QTest::newRow("txt9 with a fraction of zeros") << piu << con({{9, u"15,0"_qs}}) << QStringList();
    QTest::newRow("txt2 with a leading zero") << piu << con({{2, u"07"_qs}}) << QStringList{u"txt2"_qs};
    QTest::newRow("txt5 with a leading space") << piu << con({{5, u" 9"_qs}}) << QStringList{u"txt5"_qs};
    QTest::newRow("txt6 and txt9 wrong") << piu << con({{6, u"12"_qs}, {9, u"16"_qs}})
                                         << QStringList{u"txt6"_qs, u"txt9"_qs};
    QTest::newRow("every box empty") << piu << QStringList(9)
                                     << QStringList{u"txt2"_qs, u"txt3"_qs, u"txt4"_qs, u"txt5"_qs, u"txt6"_qs,
                                                    u"txt7"_qs, u"txt8"_qs, u"txtcomgialla"_qs};
    QTest::newRow("txt9 spaces only") << piu << con({{9, u"  "_qs}}) << QStringList{u"txt9"_qs};
    QTest::newRow("txt9 in letters") << piu << con({{9, u"quindici"_qs}}) << QStringList{u"txt9"_qs};
    QTest::newRow("txt8 as a number of its own") << piu << con({{8, u"11,0"_qs}}) << QStringList{u"txt8"_qs};
    QTest::newRow("yellow with a space") << piu << con({{gialla, u"+ 6"_qs}}) << QStringList{u"txtcomgialla"_qs};
    QTest::newRow("yellow as a number") << piu << con({{gialla, u"+6,0"_qs}}) << QStringList{u"txtcomgialla"_qs};
    QTest::newRow("yellow in other digits") << piu << con({{gialla, u"+\u0666"_qs}})
                                            << QStringList{u"txtcomgialla"_qs};

    // Blue minus 6, red plus 6, start 0: nodes 12 6 0 / 18 12 6 / 24 18 12, yellow "0".
    const auto zero = estrazioniPer(2, 1, 0, 6, 6);
    const QStringList nodiZero{u"6"_qs, u"0"_qs, u"18"_qs, u"12"_qs, u"6"_qs, u"24"_qs, u"18"_qs, u"12"_qs};
    QTest::newRow("yellow zero") << zero << (nodiZero + QStringList{u"0"_qs}) << QStringList();
    QTest::newRow("yellow plus zero") << zero << (nodiZero + QStringList{u"+0"_qs}) << QStringList{u"txtcomgialla"_qs};
    QTest::newRow("yellow minus zero") << zero << (nodiZero + QStringList{u"-0"_qs}) << QStringList{u"txtcomgialla"_qs};

    // Both minus, steps 10 and 10, start 9: nodes 49 39 29 / 39 29 19 / 29 19 9, yellow "-20".
    const auto meno = estrazioniPer(2, 2, 9, 10, 10);
    const QStringList nodiMeno{u"39"_qs, u"29"_qs, u"39"_qs, u"29"_qs, u"19"_qs, u"29"_qs, u"19"_qs, u"9"_qs};
    QTest::newRow("yellow minus twenty") << meno << (nodiMeno + QStringList{u"-20"_qs}) << QStringList();
    for (const char16_t* sbagliata : {u"20", u"+20", u"- 20", u"-20 "})
        QTest::addRow("yellow %s", qPrintable(QString::fromUtf16(sbagliata)))
            << meno << (nodiMeno + QStringList{QString::fromUtf16(sbagliata)}) << QStringList{u"txtcomgialla"_qs};
    QStringList piuNove = nodiMeno + QStringList{u"-20"_qs};
    piuNove[7] = u"+9"_qs;
    QTest::newRow("txt9 with a plus sign") << meno << piuNove << QStringList();
}

void TstVerifica::verifica()
{
    QFETCH(std::vector<double>, estratti);
    QFETCH(QStringList, voci);
    QFETCH(QStringList, sbagliate);

    Esercizio esercizio;
    const TestiEsercizio testi = esercizio.nuovoesercizio(sorgenteScriptata(estratti));
    QCOMPARE(nomiSbagliati(controlla(esercizio, voci, testi.txtcg)), sbagliate);
    QCOMPARE(esercizio.errori, sbagliate.size());
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

void TstVerifica::lasciaStareIlGioco()
{
    Esercizio esercizio = esercizioDa(estrazioniPer(1, 2, 5, 3, 7));
    const Esercizio prima = esercizio;
    controlla(esercizio, QStringList(9, u"\U0001F600\u05d0"_qs), u"-4"_qs);
    QCOMPARE(esercizio.nodi, prima.nodi);
    QCOMPARE(esercizio.nodo9, prima.nodo9);
    QCOMPARE(esercizio.partenza, prima.partenza);
    QCOMPARE(esercizio.comblu, prima.comblu);
    QCOMPARE(esercizio.comrossa, prima.comrossa);
    QCOMPARE(esercizio.comgialla, prima.comgialla);
    QCOMPARE(esercizio.segnoblu, prima.segnoblu);
    QCOMPARE(esercizio.segnorosso, prima.segnorosso);
}

void TstVerifica::unMegabyteInOgniCasella()
{
    Esercizio esercizio = esercizioDa(estrazioniPer(1, 1, 3, 4, 2));
    const QString mega = volte(1 << 20, u'1');
    QStringList voci(9, mega);
    voci[7] = volte(1 << 20, u'0') + u"15"_qs;
    // The yellow answer right for its first characters, then a megabyte more.
    voci[8] = u"+6"_qs + mega;
    const Sbagliate sbagliate = controlla(esercizio, voci, u"+6"_qs);
    QCOMPARE(nomiSbagliati(sbagliate), QStringList({u"txt2"_qs, u"txt3"_qs, u"txt4"_qs, u"txt5"_qs, u"txt6"_qs,
                                                    u"txt7"_qs, u"txt8"_qs, u"txtcomgialla"_qs}));
}

QTEST_APPLESS_MAIN(TstVerifica)
#include "tst_verifica.moc"
