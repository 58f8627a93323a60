// SPDX-License-Identifier: GPL-3.0-or-later
// The butterfly icon: its text grid, the .png and .ico written from it, and
// the windows that carry it.
#include "pictures/icona.h"
#include "tests/estrazioni.h"
#include "tools/grigliaicona.h"
#include "windows/frmrete.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QtTest>

using namespace zefiranda;

namespace {

QByteArray leggi(const char* percorso)
{
    QFile file(QString::fromUtf8(percorso));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage comeArgb(const QImage& immagine)
{
    return immagine.convertToFormat(QImage::Format_ARGB32);
}

unsigned parola(const QByteArray& dati, int dove)
{
    return static_cast<unsigned char>(dati[dove]) | static_cast<unsigned char>(dati[dove + 1]) << 8;
}

unsigned doppia(const QByteArray& dati, int dove)
{
    return parola(dati, dove) | parola(dati, dove + 2) << 16;
}

}  // namespace

class TstIcona : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sedicColoriETrasparenza();
    void lafarfalla();
    void fileScrittiDallaGriglia();
    void fileIcoBenFormato();
    void griglieSbagliate_data();
    void griglieSbagliate();
    void iconaDelleFinestre();

private:
    GrigliaIcona griglia;
};

void TstIcona::initTestCase()
{
    QString errore;
    const auto letta = leggiGriglia(leggi(ICONA_GRIGLIA), &errore);
    QVERIFY2(letta, qPrintable(errore));
    griglia = *letta;
}

void TstIcona::sedicColoriETrasparenza()
{
    const QImage icona = comeArgb(QImage(QStringLiteral(":/icona/farfalla.png")));
    QCOMPARE(icona.size(), QSize(32, 32));
    QSet<QRgb> usati;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = icona.pixel(x, y);
            QVERIFY2(qAlpha(p) == 0 || qAlpha(p) == 255, "only opaque and transparent pixels");
            if (qAlpha(p) == 255)
                usati.insert(p);
        }
    QVERIFY(usati.size() <= 16);
    for (QRgb c : usati)
        QVERIFY2(std::find(tavolozzaVga().begin(), tavolozzaVga().end(), c) != tavolozzaVga().end(),
                 qPrintable(QColor(c).name()));
}

void TstIcona::lafarfalla()
{
    const QImage icona = comeArgb(QImage(QStringLiteral(":/icona/farfalla.png")));
    QHash<QRgb, int> conta;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            ++conta[icona.pixel(x, y)];
    // Yellow wings in black, olive shading, green dots, a grey shadow, transparent around.
    QVERIFY(conta.value(qRgb(255, 255, 0)) > 200);
    QVERIFY(conta.value(qRgb(0, 0, 0)) > 100);
    QVERIFY(conta.value(qRgb(128, 128, 0)) > 20);
    QVERIFY(conta.value(qRgb(0, 255, 0)) >= 4 && conta.value(qRgb(0, 255, 0)) <= 16);
    QVERIFY(conta.value(qRgb(192, 192, 192)) > 40);
    QVERIFY(conta.value(qRgb(128, 128, 128)) > 10);
    QVERIFY(conta.value(qRgba(0, 0, 0, 0)) > 100);
    QCOMPARE(qAlpha(icona.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icona.pixel(31, 0)), 0);
    // Seen from above: left and right halves mirror each other down to the
    // wings' lower edge; the shadow below is free to fall to one side.
    for (int y = 0; y < 19; ++y)
        for (int x = 0; x < 16; ++x)
            QVERIFY2(icona.pixel(x, y) == icona.pixel(31 - x, y), qPrintable(QStringLiteral("row %1").arg(y)));
    // The shadow reaches the bottom row; the wings keep clear of it there.
    int grigiInFondo = 0;
    for (int x = 0; x < 32; ++x)
        grigiInFondo += icona.pixel(x, 31) == qRgb(128, 128, 128);
    QVERIFY(grigiInFondo > 10);
}

void TstIcona::fileScrittiDallaGriglia()
{
    // The committed files are what zefiranda-icona writes from the grid.
    QCOMPARE(comeArgb(QImage(QString::fromUtf8(ICONA_PNG))), comeArgb(immagineIcona(griglia)));
    QCOMPARE(leggi(ICONA_ICO), fileIco(griglia));
    QCOMPARE(comeArgb(QImage(QStringLiteral(":/icona/farfalla.png"))), comeArgb(immagineIcona(griglia)));
}

void TstIcona::fileIcoBenFormato()
{
    const QByteArray ico = fileIco(griglia);
    // ICONDIR and its one entry: 32 x 32, 16 colours, 4 bits a pixel.
    QCOMPARE(parola(ico, 0), 0u);
    QCOMPARE(parola(ico, 2), 1u);
    QCOMPARE(parola(ico, 4), 1u);
    QCOMPARE(static_cast<unsigned char>(ico[6]), 32);
    QCOMPARE(static_cast<unsigned char>(ico[7]), 32);
    QCOMPARE(static_cast<unsigned char>(ico[8]), 16);
    QCOMPARE(parola(ico, 12), 4u);
    const unsigned dimensione = doppia(ico, 14);
    const unsigned inizio = doppia(ico, 18);
    QCOMPARE(inizio + dimensione, static_cast<unsigned>(ico.size()));
    // The bitmap: a 40-byte header, double height for the mask.
    QCOMPARE(doppia(ico, static_cast<int>(inizio)), 40u);
    QCOMPARE(doppia(ico, static_cast<int>(inizio) + 8), 64u);

    // Another reader sees the same picture.
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader lettore(&buffer, "ico");
    if (!lettore.canRead())
        QSKIP("this Qt has no .ico reader");
    QCOMPARE(comeArgb(lettore.read()), comeArgb(immagineIcona(griglia)));
}

void TstIcona::griglieSbagliate_data()
{
    QTest::addColumn<QByteArray>("testo");
    const QByteArray riga(32, '.');
    QByteArray giusta;
    for (int i = 0; i < 32; ++i)
        giusta += riga + '\n';
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("31 rows") << giusta.left(giusta.size() - 33);
    QTest::newRow("33 rows") << giusta + riga + '\n';
    QTest::newRow("short row") << QByteArray(giusta).replace(0, 33, QByteArray(31, '.') + '\n');
    QTest::newRow("long row") << QByteArray(giusta).replace(0, 33, QByteArray(33, '.') + '\n');
    QTest::newRow("unknown colour") << QByteArray(giusta).replace(5, 1, "X");
}

void TstIcona::griglieSbagliate()
{
    QFETCH(QByteArray, testo);
    QString errore;
    QVERIFY(!leggiGriglia(testo, &errore));
    QVERIFY(!errore.isEmpty());
}

void TstIcona::iconaDelleFinestre()
{
    Frmrete rete(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(!rete.windowIcon().isNull());
    QCOMPARE(comeArgb(rete.windowIcon().pixmap(32, 32).toImage()), comeArgb(immagineIcona(griglia)));
    QCOMPARE(comeArgb(iconaFinestra().pixmap(32, 32).toImage()), comeArgb(immagineIcona(griglia)));
}

QTEST_MAIN(TstIcona)
#include "tst_icona.moc"
