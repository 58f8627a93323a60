// SPDX-License-Identifier: GPL-3.0-or-later
// The ways a drawing is fitted to its control, shown with a test drawing; and
// a caption's font fitted to its label.
#include "pictures/disegni.h"
#include "widgets/controlli.h"
#include "widgets/misure.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace zefiranda;

namespace {

const QColor sfondo(255, 255, 192);
const QColor magenta(255, 0, 255);

QImage dipingi(const Disegno& disegno, QSize scatola, int rapporto = 1)
{
    QImage immagine(scatola * rapporto, QImage::Format_ARGB32);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(sfondo);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno(pittore, QSizeF(scatola));
    return immagine;
}

// The smallest rectangle holding every pixel that is mostly of the given colour.
QRect estensione(const QImage& immagine, QColor colore)
{
    QRect r;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) {
            const QColor c = immagine.pixelColor(x, y);
            if (std::abs(c.red() - colore.red()) + std::abs(c.green() - colore.green())
                    + std::abs(c.blue() - colore.blue())
                < 128)
                r |= QRect(x, y, 1, 1);
        }
    return r;
}

// The font fitted the plain way: every text measured at every step down.
QFont adattatoPassoPasso(QFont font, int larghezza, const QStringList& testi)
{
    const auto inchiostro = [&testi](const QFont& f) {
        qreal destra = 0;
        for (const QString& testo : testi)
            destra = std::max(destra, QFontMetricsF(f).tightBoundingRect(testo).right());
        return destra;
    };
    const qreal disponibile = larghezza - 1;
    if (inchiostro(font) <= disponibile)
        return font;
    font.setStretch(QFont::Unstretched);
    int stretto = static_cast<int>(100 * disponibile / inchiostro(font));
    font.setStretch(stretto);
    while (stretto > QFont::UltraCondensed && inchiostro(font) > disponibile)
        font.setStretch(--stretto);
    return font;
}

}  // namespace

class TstAdattamento : public QObject {
    Q_OBJECT

private slots:
    void stiratoSullaScatola_data();
    void stiratoSullaScatola();
    void grandezzaNaturale();
    void disegnoMancante();
    void lunghezzeDellaRadice_data();
    void lunghezzeDellaRadice();
    void carattereDellaDidascalia_data();
    void carattereDellaDidascalia();
};

void TstAdattamento::stiratoSullaScatola_data()
{
    QTest::addColumn<QSize>("scatola");
    QTest::addColumn<int>("rapporto");
    QTest::newRow("wider than the drawing") << QSize(300, 50) << 1;
    QTest::newRow("taller than the drawing") << QSize(60, 190) << 1;
    QTest::newRow("smaller than natural size") << QSize(30, 20) << 1;
    QTest::newRow("at 2x") << QSize(300, 50) << 2;
}

void TstAdattamento::stiratoSullaScatola()
{
    QFETCH(QSize, scatola);
    QFETCH(int, rapporto);

    // The test drawing is a magenta field with a blue square in its top-left
    // corner and a green one in its bottom-right corner.
    const QImage immagine = dipingi(disegnoSvg(QStringLiteral("prova")), scatola, rapporto);
    QCOMPARE(estensione(immagine, magenta) | estensione(immagine, Qt::blue) | estensione(immagine, Qt::green),
             immagine.rect());
    QCOMPARE(immagine.pixelColor(0, 0), QColor(Qt::blue));
    QCOMPARE(immagine.pixelColor(immagine.width() - 1, immagine.height() - 1), QColor(Qt::green));
    // Each corner square is 1/16 of the width and 1/8 of the height, scaled on its own.
    const QRect angolo = estensione(immagine, Qt::blue);
    QVERIFY(std::abs(angolo.width() - immagine.width() / 16.0) <= 1);
    QVERIFY(std::abs(angolo.height() - immagine.height() / 8.0) <= 1);
}

void TstAdattamento::grandezzaNaturale()
{
    // 1 x 0.5 inch: 96 x 48 pixels from the top-left corner, whatever the box.
    QCOMPARE(dimensioneNaturale(QStringLiteral("prova")).toSize(), QSize(96, 48));
    QCOMPARE(dimensioneNaturale(QStringLiteral("firma")).toSize(), QSize(82, 11));
    for (QSize scatola : {QSize(200, 150), QSize(96, 48)}) {
        const QImage immagine = dipingi(disegnoNaturale(QStringLiteral("prova")), scatola);
        QCOMPARE(estensione(immagine, magenta) | estensione(immagine, Qt::blue) | estensione(immagine, Qt::green),
                 QRect(0, 0, 96, 48));
    }
    const QImage doppia = dipingi(disegnoNaturale(QStringLiteral("prova")), QSize(200, 150), 2);
    QCOMPARE(estensione(doppia, magenta) | estensione(doppia, Qt::blue) | estensione(doppia, Qt::green),
             QRect(0, 0, 192, 96));
}

void TstAdattamento::disegnoMancante()
{
    QVERIFY(dimensioneNaturale(QStringLiteral("nessuno")).isEmpty());
    const QImage immagine = dipingi(disegnoSvg(QStringLiteral("nessuno")), QSize(40, 40));
    QCOMPARE(estensione(immagine, sfondo), immagine.rect());
}

void TstAdattamento::lunghezzeDellaRadice_data()
{
    QTest::addColumn<QString>("larghezza");  // as written in the root element
    QTest::addColumn<double>("pixel");       // at 96 to the inch; 0 when unreadable

    QTest::newRow("inches") << QStringLiteral("1.5in") << 144.0;
    QTest::newRow("centimetres") << QStringLiteral("2.54cm") << 96.0;
    QTest::newRow("millimetres") << QStringLiteral("25.4mm") << 96.0;
    QTest::newRow("points") << QStringLiteral("72pt") << 96.0;
    QTest::newRow("picas") << QStringLiteral("6pc") << 96.0;
    QTest::newRow("pixels") << QStringLiteral("80px") << 80.0;
    QTest::newRow("bare number") << QStringLiteral("80") << 80.0;
    QTest::newRow("fraction only") << QStringLiteral(".5in") << 48.0;
    QTest::newRow("spaces around and between") << QStringLiteral("  3 in ") << 288.0;
    QTest::newRow("point without digits after it") << QStringLiteral("5.in") << 0.0;
    QTest::newRow("two points") << QStringLiteral("1.2.3in") << 0.0;
    QTest::newRow("unknown unit") << QStringLiteral("5em") << 0.0;
    QTest::newRow("unit without number") << QStringLiteral("in") << 0.0;
    QTest::newRow("sign") << QStringLiteral("-1in") << 0.0;
    QTest::newRow("percentage") << QStringLiteral("100%") << 0.0;
    QTest::newRow("unit in capitals") << QStringLiteral("1IN") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
}

void TstAdattamento::lunghezzeDellaRadice()
{
    QFETCH(QString, larghezza);
    QFETCH(double, pixel);
    const QByteArray svg = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"2in\"/>")
                               .arg(larghezza)
                               .toUtf8();
    const QSizeF misura = dimensioneSvg(svg);
    QCOMPARE(misura.width(), pixel);
    QCOMPARE(misura.height(), 192.0);
}

void TstAdattamento::carattereDellaDidascalia_data()
{
    QTest::addColumn<QFont>("font");
    QTest::addColumn<int>("larghezza");
    QTest::addColumn<QStringList>("testi");

    const QFont legenda = carattere({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")}, 18);
    const QFont messaggi = carattere({QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue")}, 14.25, true);
    QStringList didascalie;
    for (const char* segno : {"+", "-"})
        for (int passo = 1; passo <= 10; ++passo)
            didascalie << QStringLiteral("= %1 %2").arg(QLatin1String(segno)).arg(passo);
    const QStringList messaggio{QStringLiteral("Attento... correggiti!"), QStringLiteral("Bravo!")};

    QTest::newRow("blue legend") << legenda << 73 << didascalie;
    QTest::newRow("red legend") << legenda << 81 << didascalie;
    QTest::newRow("fits already") << legenda << 200 << didascalie;
    QTest::newRow("much narrower") << legenda << 52 << didascalie;
    QTest::newRow("narrower than the narrowest face") << legenda << 20 << didascalie;
    QTest::newRow("equals sign") << legenda << 17 << QStringList{QStringLiteral("=")};
    QTest::newRow("messages") << messaggi << 193 << messaggio;
    QTest::newRow("messages squeezed") << messaggi << 120 << messaggio;
    QTest::newRow("widest text last") << legenda << 60
                                      << QStringList{QStringLiteral("= - 1"), QStringLiteral("= + 10")};
}

void TstAdattamento::carattereDellaDidascalia()
{
    // Fitting with a handful of measurements ends on the very font that
    // measuring every text at every step does, asked once or twice.
    QFETCH(QFont, font);
    QFETCH(int, larghezza);
    QFETCH(QStringList, testi);
    const QFont atteso = adattatoPassoPasso(font, larghezza, testi);
    QCOMPARE(adattaCarattere(font, larghezza, testi).stretch(), atteso.stretch());
    QCOMPARE(adattaCarattere(font, larghezza, testi), atteso);
}

QTEST_MAIN(TstAdattamento)
#include "tst_adattamento.moc"
