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

QStringList parole(const char* testo)
{
    return QString::fromUtf8(testo).split(u' ', Qt::SkipEmptyParts);
}

// Writes a worksheet with the program file; the PDF's path.
QString scheda(const QTemporaryDir& cartella, const char* argomenti)
{
    const QString file = cartella.filePath(QString::fromUtf8(argomenti).remove(u'-') + QStringLiteral(".pdf"));
    esegui(QStringLiteral(PROGRAMMA), QStringList{QStringLiteral("--scheda"), file} + parole(argomenti));
    return file;
}

// The text pdftotext finds inside a rectangle of a page, in points, its white space made single.
QString testoIn(const QString& pdf, int pagina, const QRectF& r)
{
    const QRect q = r.toAlignedRect();
    const QString opzioni = QStringLiteral("-raw -f %1 -l %1 -x %2 -y %3 -W %4 -H %5")
                                .arg(pagina + 1)
                                .arg(q.x())
                                .arg(q.y())
                                .arg(q.width())
                                .arg(q.height());
    return esegui(QStringLiteral("pdftotext"), opzioni.split(u' ') + QStringList{pdf, QStringLiteral("-")})
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
    const QString pdf = scheda(cartella_, "--seme 48213 --reti 60");
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
    QTest::addColumn<QByteArray>("argomenti");
    QTest::addColumn<QString>("pagine");
    QTest::addColumn<QString>("formato");
    const auto riga = [](const char* argomenti, const char* pagine, const char* formato) {
        QTest::newRow(argomenti) << QByteArray(argomenti) << QString::fromUtf8(pagine) << QString::fromUtf8(formato);
    };
    riga("--reti 1", "2", "595 x 842 pts (A4)");
    riga("--reti 1 --senza-soluzioni", "1", "595 x 842 pts (A4)");
    riga("", "2", "595 x 842 pts (A4)");
    riga("--senza-soluzioni", "1", "595 x 842 pts (A4)");
    riga("--reti 7", "3", "595 x 842 pts (A4)");
    riga("--reti 60", "15", "595 x 842 pts (A4)");
    riga("--reti 60 --senza-soluzioni", "10", "595 x 842 pts (A4)");
    riga("--formato Letter", "2", "612 x 792 pts (letter)");
}

void TstScheda::pagine()
{
    QFETCH(QByteArray, argomenti);
    QFETCH(QString, pagine);
    QFETCH(QString, formato);
    const QString info = esegui(QStringLiteral("pdfinfo"), {scheda(cartella_, argomenti.constData())});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("\nPages: +%1\n").arg(pagine))), qPrintable(info));
    QVERIFY2(info.contains(
                 QRegularExpression(QStringLiteral("\nPage size: +%1\n").arg(QRegularExpression::escape(formato)))),
             qPrintable(info));
}

void TstScheda::caratteri()
{
    const QStringList righe =
        esegui(QStringLiteral("pdffonts"), {scheda(cartella_, "")}).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY(righe.size() > 2);
    for (const QString& riga : righe.mid(2))
        QVERIFY2(riga.mid(righe.at(0).indexOf(QStringLiteral("emb"))).startsWith(QStringLiteral("yes")),
                 qPrintable(riga));
}

// Page 1 at 100 dots per inch: the three colours are there, and in grey every
// arrow holds a pixel three times darker than the paper (relative luminance).
void TstScheda::frecce()
{
    const QString pdf = scheda(cartella_, "--seme 7");
    const QString base = cartella_.filePath(QStringLiteral("pagina"));
    const auto rendi = [&](const char* opzioni, const char* estensione) {
        esegui(QStringLiteral("pdftoppm"), parole(opzioni) + QStringList{pdf, base});
        return QImage(base + QString::fromLatin1(estensione));
    };
    const QImage colore = rendi("-r 100 -f 1 -singlefile", ".ppm");
    const QImage grigio = rendi("-r 100 -f 1 -singlefile -gray", ".pgm");
    QVERIFY(!colore.isNull() && !grigio.isNull());
    for (const Freccia freccia : {Freccia::Blu, Freccia::Rossa, Freccia::GiallaRete}) {
        const QColor atteso = coloreFreccia(freccia);
        int trovati = 0;
        for (int y = 0; y < colore.height(); ++y)
            for (int x = 0; x < colore.width(); ++x)
                trovati += QColor(colore.pixel(x, y)) == atteso;
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
    QTest::addColumn<QByteArray>("argomenti");  // %1: a fresh folder holding s.pdf and pieno/s.pdf
    QTest::addColumn<int>("esito");
    QTest::addColumn<QString>("errore");
    const auto riga = [](const char* argomenti, int esito, const char* errore) {
        QTest::newRow(argomenti) << QByteArray(argomenti) << esito << QString::fromUtf8(errore);
    };
    riga("--scheda=%1/s.pdf --reti 0", 2, "numero di reti non valido «0»");
    riga("--scheda=%1/s.pdf --reti -1", 2, "numero di reti non valido «-1»");
    riga("--scheda=%1/s.pdf --reti 61", 2, "numero di reti non valido «61»");
    riga("--scheda=%1/s.pdf --reti sei", 2, "numero di reti non valido «sei»");
    riga("--scheda=%1/s.pdf --reti", 2, "l'opzione «--reti» vuole un valore");
    riga("--scheda=%1/s.pdf --seme 4.5", 2, "seme non valido «4.5»");
    riga("--scheda=%1/s.pdf --seme -4", 2, "seme non valido «-4»");
    riga("--scheda=%1/s.pdf --seme 1000000000", 2, "seme non valido «1000000000»");
    riga("--scheda=%1/s.pdf --formato A5", 2, "formato della carta sconosciuto «A5»");
    riga("--reti 5", 2, "l'opzione «--reti» vale solo insieme a --scheda");
    riga("--scheda=%1/manca/s.pdf", 1, "la cartella di «");
    riga("--scheda=/proc/s.pdf", 1, "non posso scrivere nella cartella di «/proc/s.pdf»");
    riga("--scheda=%1", 1, "è una cartella, non un file");
    riga("--scheda=%1/pieno/s.pdf --reti 60", 1, "per intero (il disco è pieno?)");
}

// One line on standard error, and the folder as it was: a sheet already there stays whole.
void TstScheda::sbagli()
{
    QFETCH(QByteArray, argomenti);
    QFETCH(int, esito);
    QFETCH(QString, errore);
    QTemporaryDir cartella;
    const QString pieno = cartella.filePath(QStringLiteral("pieno"));
    QDir().mkdir(pieno);
    const bool montato = argomenti.contains("pieno");
    if (montato && QProcess::execute(QStringLiteral("mount"), parole("-t tmpfs -o size=20k tmpfs") << pieno) != 0)
        QSKIP("a small tmpfs cannot be mounted here: the full disk is left to a check by hand");
    for (const QString& cartellaScheda : {cartella.path(), pieno}) {
        QFile vecchia(cartellaScheda + QStringLiteral("/s.pdf"));
        QVERIFY(vecchia.open(QIODevice::WriteOnly) && vecchia.write("vecchia") == 7);
    }
    QString messaggi;
    esegui(QStringLiteral(PROGRAMMA), parole(argomenti.replace("%1", cartella.path().toUtf8()).constData()), esito,
           &messaggi);
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
