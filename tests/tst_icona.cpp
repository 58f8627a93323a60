// SPDX-License-Identifier: GPL-3.0-or-later
// The butterfly icon: its text grid, its smooth drawing, the sizes drawn by
// hand, the .png and .ico files written from them, and the windows that carry it.
#include "pictures/icona.h"
#include "tests/estrazioni.h"
#include "tools/grigliaicona.h"
#include "windows/frmrete.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>

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

// The shadow's two colours: light grey, and the dark grey that edges it.
bool grigioDellOmbra(QRgb colore)
{
    return colore == qRgb(192, 192, 192) || colore == qRgb(128, 128, 128);
}

unsigned parola(const QByteArray& dati, int dove)
{
    return static_cast<unsigned char>(dati[dove]) | static_cast<unsigned char>(dati[dove + 1]) << 8;
}

unsigned doppia(const QByteArray& dati, int dove)
{
    return parola(dati, dove) | parola(dati, dove + 2) << 16;
}

QString base(const QString& coda)
{
    return QString::fromUtf8(ICONA_BASE) + coda;
}

std::vector<QImage> disegnatePerIco(const QByteArray& svg)
{
    std::vector<QImage> immagini;
    for (const int lato : latiNellIco)
        immagini.push_back(immagineAlLato(base(QString()), svg, lato));
    return immagini;
}

}  // namespace

class TstIcona : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sedicColoriETrasparenza();
    void lafarfalla();
    void fileScrittiDallaGriglia();
    void disegnoLiscio();
    void pngDalDisegno_data();
    void pngDalDisegno();
    void fileIcoBenFormato();
    void griglieSbagliate_data();
    void griglieSbagliate();
    void iconaDelleFinestre();

private:
    GrigliaIcona griglia;
    QByteArray svg;
};

void TstIcona::initTestCase()
{
    QString errore;
    const auto letta = leggiGriglia(leggi(ICONA_GRIGLIA), &errore);
    QVERIFY2(letta, qPrintable(errore));
    griglia = *letta;
    svg = leggi(ICONA_BASE ".svg");
    QVERIFY(!svg.isEmpty());
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
    QVERIFY(conta.value(qRgb(192, 192, 192)) > 30);
    QVERIFY(conta.value(qRgb(128, 128, 128)) > 10);
    QVERIFY(conta.value(qRgba(0, 0, 0, 0)) > 100);
    QCOMPARE(qAlpha(icona.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icona.pixel(31, 0)), 0);
    // Seen from above: left and right halves of the butterfly mirror each
    // other. The shadow's dither keeps one phase across the icon, so there
    // its pixels mirror only as far as being shadow or not.
    const auto ombra = [](QRgb p) { return grigioDellOmbra(p) || qAlpha(p) == 0; };
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb sinistra = icona.pixel(x, y), destra = icona.pixel(31 - x, y);
            QVERIFY2(sinistra == destra || (ombra(sinistra) && ombra(destra)),
                     qPrintable(QStringLiteral("row %1").arg(y)));
        }
    // The shadow reaches the bottom row; the wings keep clear of it there.
    int grigiInFondo = 0;
    for (int x = 0; x < 32; ++x) {
        const QRgb p = icona.pixel(x, 31);
        grigiInFondo += grigioDellOmbra(p);
        QVERIFY(p != qRgb(255, 255, 0) && p != qRgb(0, 0, 0));
    }
    QVERIFY(grigiInFondo >= 4);
    // A clear margin at the top and at both sides: nothing is cut at the edge.
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(qAlpha(icona.pixel(i, 0)), 0);
        QCOMPARE(qAlpha(icona.pixel(0, i)), 0);
        QCOMPARE(qAlpha(icona.pixel(31, i)), 0);
    }
}

void TstIcona::fileScrittiDallaGriglia()
{
    // The committed files are what zefiranda-icona writes from the grid.
    QCOMPARE(comeArgb(QImage(QString::fromUtf8(ICONA_PNG))), comeArgb(immagineIcona(griglia)));
    QCOMPARE(leggi(ICONA_ICO), fileIco(griglia, disegnatePerIco(svg)));
    QCOMPARE(comeArgb(QImage(QStringLiteral(":/icona/farfalla.png"))), comeArgb(immagineIcona(griglia)));
}

void TstIcona::disegnoLiscio()
{
    // Filled shapes only, on a square, in warm colours of the drawing's own rather than the grid's
    // sixteen: no raw yellow, olive or lime.
    const QSet<QRgb> coloriDellaGriglia{qRgb(255, 255, 0), qRgb(128, 128, 0), qRgb(0, 255, 0)};
    QXmlStreamReader xml(svg);
    QVERIFY(xml.readNextStartElement());
    const QStringList vista = xml.attributes().value(QLatin1String("viewBox")).toString().split(u' ');
    QCOMPARE(vista.size(), 4);
    QCOMPARE(vista[2], vista[3]);
    int forme = 0;
    while (xml.readNextStartElement()) {
        QCOMPARE(xml.name().toString(), QStringLiteral("path"));
        QVERIFY(!xml.attributes().hasAttribute(QLatin1String("stroke")));
        const QColor colore(xml.attributes().value(QLatin1String("fill")).toString());
        QVERIFY2(!coloriDellaGriglia.contains(colore.rgb()), qPrintable(colore.name()));
        // Only the shadow, black, lets the background show through.
        if (xml.attributes().hasAttribute(QLatin1String("fill-opacity")))
            QCOMPARE(colore.rgb(), qRgb(0, 0, 0));
        ++forme;
        xml.skipCurrentElement();
    }
    QVERIFY(!xml.hasError());
    QVERIFY(forme > 10);

    // The same butterfly as the grid: at 32 pixels the two cover nearly the same
    // pixels, and the drawing is as symmetric as the grid.
    const QImage liscia = immagineDisegnata(svg, 32);
    int diversi = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            // The butterfly itself; the shadow is dithered in the grid and mostly
            // transparent in the drawing.
            const QRgb p = liscia.pixel(x, y);
            const int indice = griglia.indice(x, y);
            const bool nellaGriglia = indice >= 0 && !grigioDellOmbra(tavolozzaVga()[std::size_t(indice)]);
            diversi += nellaGriglia != (qAlpha(p) >= 160);
            QVERIFY(std::abs(qAlpha(liscia.pixel(x, y)) - qAlpha(liscia.pixel(31 - x, y))) < 8);
        }
    QVERIFY2(diversi < 32 * 32 / 12, qPrintable(QString::number(diversi)));
}

void TstIcona::pngDalDisegno_data()
{
    QTest::addColumn<int>("lato");
    for (const int lato : latiDisegnati)
        QTest::addRow("%d", lato) << lato;
}

void TstIcona::pngDalDisegno()
{
    // Each committed size is what zefiranda-icona writes now from the drawing or the grid drawn by hand.
    QFETCH(int, lato);
    const QImage scritta = comeArgb(QImage(base(QStringLiteral("-%1.png").arg(lato))));
    QCOMPARE(scritta.size(), QSize(lato, lato));
    QString errore;
    QCOMPARE(scritta, immagineAlLato(base(QString()), svg, lato, &errore));
    QVERIFY2(errore.isEmpty(), qPrintable(errore));
    // Drawn by hand, every pixel is crisp: opaque, transparent, or the shadow's faint black.
    if (std::find(latiAMano.begin(), latiAMano.end(), lato) != latiAMano.end())
        for (int i = 0; i < lato * lato; ++i) {
            const QRgb p = scritta.pixel(i % lato, i / lato);
            QVERIFY(qAlpha(p) == 255 || qAlpha(p) == 0 || qRed(p) + qGreen(p) + qBlue(p) == 0);
        }
    QCOMPARE(qAlpha(scritta.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(scritta.pixel(lato - 1, 0)), 0);
    QCOMPARE(qAlpha(scritta.pixel(lato / 4, lato / 4)), 255);  // in the upper left wing
}

void TstIcona::fileIcoBenFormato()
{
    const std::vector<QImage> disegnate = disegnatePerIco(svg);
    const QByteArray ico = fileIco(griglia, disegnate);
    // ICONDIR: an icon of five images, smallest first; 256 is written as 0.
    QCOMPARE(parola(ico, 0), 0u);
    QCOMPARE(parola(ico, 2), 1u);
    QCOMPARE(parola(ico, 4), 5u);
    const QList<int> lati{16, 24, 32, 48, 256};
    unsigned attesa = 6 + 16 * 5;
    for (int i = 0; i < 5; ++i) {
        const int voce = 6 + 16 * i;
        const int lato = lati[i];
        QCOMPARE(static_cast<unsigned char>(ico[voce]), lato % 256);
        QCOMPARE(static_cast<unsigned char>(ico[voce + 1]), lato % 256);
        const unsigned dimensione = doppia(ico, voce + 8);
        const unsigned inizio = doppia(ico, voce + 12);
        QCOMPARE(inizio, attesa);
        attesa += dimensione;
        const QByteArray dati = ico.mid(static_cast<qsizetype>(inizio), static_cast<qsizetype>(dimensione));
        if (lato == 32) {
            // The grid's own: 16 colours, 4 bits a pixel, double height for the mask.
            QCOMPARE(static_cast<unsigned char>(ico[voce + 2]), 16);
            QCOMPARE(parola(ico, voce + 6), 4u);
            QCOMPARE(doppia(dati, 0), 40u);
            QCOMPARE(doppia(dati, 8), 64u);
        } else if (lato == 256) {
            QVERIFY(dati.startsWith("\x89PNG"));
            QCOMPARE(comeArgb(QImage::fromData(dati, "PNG")), disegnate.back());
        } else {
            QCOMPARE(parola(ico, voce + 6), 32u);
            QCOMPARE(doppia(dati, 0), 40u);
            QCOMPARE(doppia(dati, 4), static_cast<unsigned>(lato));
            QCOMPARE(doppia(dati, 8), static_cast<unsigned>(2 * lato));
            QCOMPARE(dimensione, static_cast<unsigned>(40 + lato * lato * 4 + (lato + 31) / 32 * 4 * lato));
            // The top left pixel is the last row's first, and transparent.
            QCOMPARE(doppia(dati, 40 + (lato - 1) * lato * 4) >> 24, 0u);
        }
    }
    QCOMPARE(attesa, static_cast<unsigned>(ico.size()));

    // Another reader sees the same pictures.
    QBuffer buffer;
    buffer.setData(ico);
    QImageReader lettore(&buffer, "ico");
    if (!lettore.canRead())
        QSKIP("this Qt has no .ico reader");
    QCOMPARE(lettore.imageCount(), 5);
    QVERIFY(lettore.jumpToImage(2));
    QCOMPARE(comeArgb(lettore.read()), comeArgb(immagineIcona(griglia)));
    QVERIFY(lettore.jumpToImage(0));
    QCOMPARE(comeArgb(lettore.read()), disegnate.front());
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
    QTest::newRow("colour without value") << "colour Y\n" + giusta;
    QTest::newRow("colour not hex") << "colour Y FFD5ZZ\n" + giusta;
    QTest::newRow("colour after the rows") << giusta + "colour Y FFD52E\n";
}

void TstIcona::griglieSbagliate()
{
    // Malformed for both readers: the 32 x 32 grid's and that of the sizes drawn by hand.
    QFETCH(QByteArray, testo);
    QString errore;
    QVERIFY(!leggiGriglia(testo, &errore));
    QVERIFY(!errore.isEmpty());
    errore.clear();
    QVERIFY(leggiDisegnoAMano(testo, &errore).isNull());
    QVERIFY(!errore.isEmpty());
}

void TstIcona::iconaDelleFinestre()
{
    Frmrete rete(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    QVERIFY(!rete.windowIcon().isNull());
    QCOMPARE(comeArgb(rete.windowIcon().pixmap(32, 32).toImage()), comeArgb(immagineIcona(griglia)));
    QCOMPARE(comeArgb(iconaFinestra().pixmap(32, 32).toImage()), comeArgb(immagineIcona(griglia)));
    // A smaller title bar shrinks the picture; task switchers and docks get
    // every larger size of the smooth drawing up to 256, offered smallest first.
    const QIcon picture(QPixmap::fromImage(immagineIcona(griglia)));
    QCOMPARE(rete.windowIcon().pixmap(16, 16).toImage(), picture.pixmap(16, 16).toImage());
    QList<int> lati{32};
    for (const QString& liscia : QDir(QFileInfo(base(QString())).path()).entryList({QStringLiteral("farfalla-*.png")}))
        if (const int lato = liscia.section(u'-', 1).section(u'.', 0, 0).toInt(); lato > 32 && lato <= 256)
            lati << lato;
    std::sort(lati.begin(), lati.end());
    QVERIFY(lati.size() > 3);
    QList<int> offerti;
    for (const QSize& lato : rete.windowIcon().availableSizes()) {
        offerti << lato.width();
        QCOMPARE(comeArgb(rete.windowIcon().pixmap(lato).toImage()),
                 comeArgb(lato.width() == 32 ? immagineIcona(griglia)
                                             : QImage(base(QStringLiteral("-%1.png").arg(lato.width())))));
    }
    QCOMPARE(offerti, lati);
}

QTEST_MAIN(TstIcona)
#include "tst_icona.moc"
