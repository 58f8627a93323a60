// SPDX-License-Identifier: GPL-3.0-or-later
// Worksheets as poppler's tools read them: text, pages, fonts and the rendered
// arrows of PDFs written by the program file, by bad command lines and by the
// worksheet window through a PDF printer.
#include "windows/frmscheda.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using namespace zefiranda;

namespace {

// Runs a tool; its standard output, or a failed test when it does not end well.
QString esegui(const QString& programma, const QStringList& argomenti, int atteso = 0, QString* errore = nullptr)
{
    QProcess processo;
    processo.start(programma, argomenti);
    if (!processo.waitForFinished(30000) || processo.exitCode() != atteso)
        qWarning() << programma << argomenti << processo.errorString() << processo.readAllStandardError();
    if (errore)
        *errore = QString::fromUtf8(processo.readAllStandardError());
    return processo.exitCode() == atteso ? QString::fromUtf8(processo.readAllStandardOutput()) : QStringLiteral("!");
}

QString scheda(const QTemporaryDir& cartella, const QStringList& argomenti)
{
    const QString file = cartella.filePath(argomenti.join(u'_').remove(u'-') + QStringLiteral(".pdf"));
    esegui(QStringLiteral(PROGRAMMA), QStringList{QStringLiteral("--scheda"), file} + argomenti);
    return file;
}

// The text pdftotext finds inside a rectangle of a page, in points, its white space made single.
QString testoIn(const QString& pdf, int pagina, const QRectF& r)
{
    const QRect q = r.toAlignedRect();
    const QString n = QString::number(pagina + 1);
    return esegui(QStringLiteral("pdftotext"),
                  {QStringLiteral("-raw"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, QStringLiteral("-x"),
                   QString::number(q.x()), QStringLiteral("-y"), QString::number(q.y()), QStringLiteral("-W"),
                   QString::number(q.width()), QStringLiteral("-H"), QString::number(q.height()), pdf,
                   QStringLiteral("-")})
        .simplified();
}

}  // namespace

class TstScheda : public QObject {
    Q_OBJECT

private slots:
    void testi_data();
    void testi();
    void pagine_data();
    void pagine();
    void caratteri();
    void frecce();
    void sbagli_data();
    void sbagli();
    void finestra();

private:
    QTemporaryDir cartella_;
};

void TstScheda::testi_data()
{
    QTest::addColumn<int>("rete");
    QTest::addColumn<QString>("esercizio");
    QTest::addColumn<QString>("soluzione");  // empty: as the program's generation says
    // The seeded generator's output is fixed by the code: these puzzles come on every machine.
    QTest::newRow("seed 48213, first") << 0 << QStringLiteral("1 = - 3 = + 10 = 9")
                                       << QStringLiteral("1 = - 3 = + 10 = +7 9 6 3 19 16 13 29 26 23");
    QTest::newRow("seed 48213, fourth") << 3 << QStringLiteral("4 = - 6 = - 6 = 25")
                                        << QStringLiteral("4 = - 6 = - 6 = -12 25 19 13 19 13 7 13 7 1");
    for (int rete = 0; rete < 60; rete += 7)
        QTest::addRow("network %d of 60", rete + 1) << rete << QString() << QString();
}

void TstScheda::testi()
{
    QFETCH(int, rete);
    QFETCH(QString, esercizio);
    QFETCH(QString, soluzione);
    const Scheda richiesta{48213, 60, true, Formato::A4};
    const ReteScheda attesa = retiDellaScheda(richiesta.seme, richiesta.reti).at(static_cast<std::size_t>(rete));
    const QString intestazione =
        QStringLiteral("%1 %2 %3 =").arg(rete + 1).arg(attesa.testi.lblcomblu, attesa.testi.lblcomrossa);
    if (esercizio.isEmpty()) {
        esercizio = intestazione + u' ' + attesa.testi.txt1;
        soluzione = intestazione + u' ' + attesa.testi.txtcg;
        for (int nodo = 1; nodo <= 9; ++nodo)
            soluzione += u' ' + testoNumero(attesa.esercizio.nodo(nodo));
    }
    const QString pdf = scheda(
        cartella_, {QStringLiteral("--seme"), QStringLiteral("48213"), QStringLiteral("--reti"), QStringLiteral("60")});
    for (const bool soluzioni : {false, true}) {
        const PostoRete posto = postoRete(richiesta, rete, soluzioni);
        QCOMPARE(testoIn(pdf, posto.pagina, posto.mappa.mapRect(areaRete())), soluzioni ? soluzione : esercizio);
    }
    const QString pagina = testoIn(pdf, 14, QRectF(0, 0, 595, 842));
    QVERIFY2(pagina.startsWith(QStringLiteral("Zefiranda — La rete dei numeri Soluzioni Nome _")), qPrintable(pagina));
    QVERIFY2(pagina.contains(QRegularExpression(QStringLiteral("Classe _+ Data _+"))), qPrintable(pagina));
    QVERIFY2(pagina.contains(QStringLiteral("Scheda 48213 · pagina 15 di 15")), qPrintable(pagina));
}

void TstScheda::pagine_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<QString>("pagine");
    QTest::addColumn<QString>("formato");
    const QString a4 = QStringLiteral("595 x 842 pts (A4)");
    const QString letter = QStringLiteral("612 x 792 pts (letter)");
    const auto reti = [](const char* n) { return QStringList{QStringLiteral("--reti"), QString::fromLatin1(n)}; };
    const QString senza = QStringLiteral("--senza-soluzioni");
    QTest::newRow("1") << reti("1") << QStringLiteral("2") << a4;
    QTest::newRow("1 without solutions") << reti("1") + QStringList{senza} << QStringLiteral("1") << a4;
    QTest::newRow("6 by default") << QStringList{} << QStringLiteral("2") << a4;
    QTest::newRow("6 without solutions") << QStringList{senza} << QStringLiteral("1") << a4;
    QTest::newRow("7") << reti("7") << QStringLiteral("3") << a4;
    QTest::newRow("60") << reti("60") << QStringLiteral("15") << a4;
    QTest::newRow("60 without solutions") << reti("60") + QStringList{senza} << QStringLiteral("10") << a4;
    QTest::newRow("Letter") << QStringList{QStringLiteral("--formato"), QStringLiteral("Letter")} << QStringLiteral("2")
                            << letter;
}

void TstScheda::pagine()
{
    QFETCH(QStringList, argomenti);
    QFETCH(QString, pagine);
    QFETCH(QString, formato);
    const QString info = esegui(QStringLiteral("pdfinfo"), {scheda(cartella_, argomenti)});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("\nPages: +%1\n").arg(pagine))), qPrintable(info));
    QVERIFY2(info.contains(
                 QRegularExpression(QStringLiteral("\nPage size: +%1\n").arg(QRegularExpression::escape(formato)))),
             qPrintable(info));
}

void TstScheda::caratteri()
{
    const QStringList righe =
        esegui(QStringLiteral("pdffonts"), {scheda(cartella_, {})}).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(righe.size() > 2);
    for (const QString& riga : righe.mid(2))
        QVERIFY2(riga.mid(righe.at(0).indexOf(QStringLiteral("emb"))).startsWith(QStringLiteral("yes")),
                 qPrintable(riga));
}

// Page 1 at 100 dots per inch: the three colours are there, and in grey every
// arrow holds a pixel three times darker than the paper (relative luminance).
void TstScheda::frecce()
{
    const QString pdf = scheda(cartella_, {QStringLiteral("--seme"), QStringLiteral("7")});
    const QString base = cartella_.filePath(QStringLiteral("pagina"));
    const auto rendi = [&](const QString& nome, const QStringList& opzioni) {
        esegui(QStringLiteral("pdftoppm"),
               opzioni
                   + QStringList{QStringLiteral("-r"), QStringLiteral("100"), QStringLiteral("-f"), QStringLiteral("1"),
                                 QStringLiteral("-singlefile"), pdf, base + nome});
        return QImage(base + nome + (opzioni.isEmpty() ? QStringLiteral(".ppm") : QStringLiteral(".pgm")));
    };
    const QImage colore = rendi(QStringLiteral("c"), {});
    const QImage grigio = rendi(QStringLiteral("g"), {QStringLiteral("-gray")});
    QVERIFY(!colore.isNull() && !grigio.isNull());
    for (const Freccia freccia : {Freccia::Blu, Freccia::Rossa, Freccia::GiallaRete}) {
        const QColor atteso = coloreFreccia(freccia);
        int trovati = 0;
        for (int y = 0; y < colore.height(); ++y)
            for (int x = 0; x < colore.width(); ++x) {
                const QColor c = colore.pixelColor(x, y);
                trovati += std::abs(c.red() - atteso.red()) + std::abs(c.green() - atteso.green())
                        + std::abs(c.blue() - atteso.blue())
                    < 30;
            }
        QVERIFY2(trovati > 200, qPrintable(atteso.name()));
    }
    const auto luminanza = [](int g) {
        const double v = g / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const Scheda richiesta{7, 6, true, Formato::A4};
    for (int rete = 0; rete < 6; ++rete)
        for (const FrecciaRete& freccia : frecceRete()) {
            const QTransform mappa =
                postoRete(richiesta, rete, false).mappa * QTransform::fromScale(100 / 72.0, 100 / 72.0);
            const QRect r = mappa.mapRect(freccia.scatola).toAlignedRect();
            int scuro = 255;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    scuro = std::min(scuro, qGray(grigio.pixel(x, y)));
            QVERIFY2((luminanza(255) + 0.05) / (luminanza(scuro) + 0.05) >= 3, qPrintable(QString::number(scuro)));
        }
}

void TstScheda::sbagli_data()
{
    QTest::addColumn<QStringList>("argomenti");
    QTest::addColumn<int>("esito");
    QTest::addColumn<QString>("errore");
    const auto riga = [](const char* nome, QStringList argomenti, int esito, const char* errore) {
        QTest::newRow(nome) << argomenti << esito << QString::fromUtf8(errore);
    };
    const QString file = QStringLiteral("--scheda=%1/s.pdf");
    riga("reti 0", {file, "--reti", "0"}, 2, "numero di reti non valido «0»");
    riga("reti -1", {file, "--reti", "-1"}, 2, "numero di reti non valido «-1»");
    riga("reti 61", {file, "--reti", "61"}, 2, "numero di reti non valido «61»");
    riga("reti sei", {file, "--reti", "sei"}, 2, "numero di reti non valido «sei»");
    riga("reti without a value", {file, "--reti"}, 2, "l'opzione «--reti» vuole un valore");
    riga("seed not whole", {file, "--seme", "4.5"}, 2, "seme non valido «4.5»");
    riga("seed negative", {file, "--seme", "-4"}, 2, "seme non valido «-4»");
    riga("seed too large", {file, "--seme", "1000000000"}, 2, "seme non valido «1000000000»");
    riga("paper A5", {file, "--formato", "A5"}, 2, "formato della carta sconosciuto «A5»");
    riga("folder missing", {QStringLiteral("--scheda=%1/manca/s.pdf")}, 1, "la cartella di «");
    riga("folder takes no files", {QStringLiteral("--scheda=/proc/s.pdf")}, 1,
         "non posso scrivere nella cartella di «/proc/s.pdf»");
    riga("a folder", {QStringLiteral("--scheda=%1")}, 1, "è una cartella, non un file");
    riga("full disk", {QStringLiteral("--scheda=%1/pieno/s.pdf"), "--reti", "60"}, 1, "per intero (il disco è pieno?)");
}

// One line on standard error, and the folder as it was: a sheet already there stays whole.
void TstScheda::sbagli()
{
    QFETCH(QStringList, argomenti);
    QFETCH(int, esito);
    QFETCH(QString, errore);
    QTemporaryDir cartella;
    const QString pieno = cartella.filePath(QStringLiteral("pieno"));
    QDir().mkdir(pieno);
    const bool montato = QString::fromUtf8(QTest::currentDataTag()) == QLatin1String("full disk");
    if (montato
        && QProcess::execute(QStringLiteral("mount"),
                             {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                              QStringLiteral("size=20k"), QStringLiteral("tmpfs"), pieno})
            != 0)
        QSKIP("a small tmpfs cannot be mounted here: the full disk is left to a check by hand");
    for (const QString& cartellaScheda : {cartella.path(), pieno}) {
        QFile vecchia(cartellaScheda + QStringLiteral("/s.pdf"));
        QVERIFY(vecchia.open(QIODevice::WriteOnly) && vecchia.write("vecchia") == 7);
    }
    QString messaggi;
    argomenti.first().replace(QStringLiteral("%1"), cartella.path());
    esegui(QStringLiteral(PROGRAMMA), argomenti, esito, &messaggi);
    for (const QString& cartellaScheda : {cartella.path(), pieno}) {
        QFile vecchia(cartellaScheda + QStringLiteral("/s.pdf"));
        QVERIFY(vecchia.open(QIODevice::ReadOnly) && vecchia.readAll() == "vecchia");
        QCOMPARE(QDir(cartellaScheda).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
    if (montato)
        QProcess::execute(QStringLiteral("umount"), {pieno});
    QVERIFY2(messaggi.startsWith(QStringLiteral("zefiranda: ")) && messaggi.count(u'\n') == 1, qPrintable(messaggi));
    QVERIFY2(messaggi.contains(errore), qPrintable(messaggi));
}

// The worksheet window as a teacher uses it, its print dialog accepted, printing to a PDF printer.
void TstScheda::finestra()
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = cartella_.filePath(QStringLiteral("finestra.pdf"));
    stampante.setOutputFileName(pdf);
    auto* finestra = new Frmscheda(&stampante);
    finestra->show();
    finestra->findChild<QSpinBox*>(QStringLiteral("spnreti"))->setValue(7);
    finestra->findChild<QCheckBox*>(QStringLiteral("chksoluzioni"))->setChecked(false);
    finestra->findChild<QComboBox*>(QStringLiteral("cmbformato"))->setCurrentIndex(1);
    const QString seme = QString::number(finestra->scheda().seme);
    QTimer::singleShot(100, [] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept(); });
    QTest::mouseClick(finestra->findChild<QPushButton*>(QStringLiteral("cmdstampa")), Qt::LeftButton);
    const QString info = esegui(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("\nPages: +2\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("612 x 792 pts (letter)")), qPrintable(info));
    QVERIFY(testoIn(pdf, 1, QRectF(0, 700, 612, 92)).contains(QStringLiteral("Scheda %1 · pagina 2 di 2").arg(seme)));
}

QTEST_MAIN(TstScheda)
#include "tst_scheda.moc"
