// SPDX-License-Identifier: GPL-3.0-or-later
// The five drawings the program shows, each against what it must be: its natural size and drawing space,
// filled shapes only, its colours, which sides of its box it reaches, and whatever else it alone must show.
#include "pictures/disegni.h"

#include <QFile>
#include <QImage>
#include <QMetaEnum>
#include <QPainter>
#include <QSet>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace zefiranda;

namespace {

// Colours are written as Windows colour values, 0x00BBGGRR.
QRgb daBgr(quint32 valore)
{
    return qRgb(valore & 0xFF, (valore >> 8) & 0xFF, (valore >> 16) & 0xFF);
}

constexpr quint32 inchiostroLettere = 0x00171A1F;
constexpr quint32 inchiostroFigure = 0x00161513;
constexpr quint32 rosso = 0x001D25DA;
constexpr quint32 verde = 0x0026C384;
constexpr quint32 blu = 0x00DD9300;

// A side some shape must reach, within the stretch between two fractions of its length (from the top or
// from the left).
struct Lato {
    Qt::Edge lato;
    double da = 0;
    double a = 1;
};

// What only one drawing must show, checked on the drawing painted over its box.
using Controllo = void (*)(const QImage&);

QByteArray leggi(const QString& nome)
{
    QFile file(risorsaDisegno(nome));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The fill of every shape in the file, or the first thing in it that is not a plain filled shape.
struct Forme {
    QString errore;
    QList<QRgb> riempimenti;
};

Forme leggiForme(const QByteArray& svg)
{
    static const QSet<QString> nomi{QStringLiteral("path"), QStringLiteral("polygon")};
    static const QSet<QString> attributi{QStringLiteral("d"), QStringLiteral("points"), QStringLiteral("fill"),
                                         QStringLiteral("fill-rule")};
    Forme trovate;
    QXmlStreamReader xml(svg);
    const auto sbagliato = [&](const QString& cosa) {
        trovate.errore = QStringLiteral("%1 at line %2").arg(cosa).arg(xml.lineNumber());
        return trovate;
    };
    if (!xml.readNextStartElement() || xml.name() != QLatin1String("svg"))
        return sbagliato(QStringLiteral("no <svg> root"));
    for (const QXmlStreamAttribute& attributo : xml.attributes())
        if (attributo.name().startsWith(QLatin1String("stroke")) || attributo.name() == QLatin1String("style")
            || attributo.name() == QLatin1String("transform"))
            return sbagliato(attributo.name().toString());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (!nomi.contains(xml.name().toString()))
            return sbagliato(QStringLiteral("<%1>").arg(xml.name()));
        for (const QXmlStreamAttribute& attributo : xml.attributes())
            if (!attributi.contains(attributo.name().toString()))
                return sbagliato(attributo.name().toString());
        const QString riempimento = xml.attributes().value(QLatin1String("fill")).toString();
        if (riempimento.size() != 7 || !riempimento.startsWith(u'#') || !QColor::isValidColorName(riempimento))
            return sbagliato(QStringLiteral("fill \"%1\"").arg(riempimento));
        const QStringView regola = xml.attributes().value(QLatin1String("fill-rule"));
        if (!regola.isEmpty() && regola != QLatin1String("evenodd") && regola != QLatin1String("nonzero"))
            return sbagliato(QStringLiteral("fill-rule \"%1\"").arg(regola));
        trovate.riempimenti << QColor(riempimento).rgb();
    }
    if (xml.hasError())
        return sbagliato(xml.errorString());
    return trovate;
}

// A pixel inside an area of one colour, away from the softened edges between shapes.
bool dentroUnaTinta(const QImage& immagine, int x, int y)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (immagine.pixel(x + dx, y + dy) != immagine.pixel(x, y))
                return false;
    return true;
}

int dipinti(const QImage& immagine)
{
    int quanti = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            quanti += qAlpha(immagine.pixel(x, y)) > 0;
    return quanti;
}

// Is anything painted within two pixels of the side, in its stretch?
bool tocca(const QImage& immagine, const Lato& lato)
{
    const bool orizzontale = lato.lato == Qt::TopEdge || lato.lato == Qt::BottomEdge;
    const int lunghezza = orizzontale ? immagine.width() : immagine.height();
    const int profondita = orizzontale ? immagine.height() : immagine.width();
    const int fine = std::min(lunghezza, int(std::ceil(lato.a * lunghezza)));
    for (int dentro = 0; dentro < 2; ++dentro) {
        const int riga = (lato.lato == Qt::TopEdge || lato.lato == Qt::LeftEdge) ? dentro : profondita - 1 - dentro;
        for (int i = int(lato.da * lunghezza); i < fine; ++i)
            if (qAlpha(orizzontale ? immagine.pixel(i, riga) : immagine.pixel(riga, i)) > 0)
                return true;
    }
    return false;
}

// The credit line keeps about a pixel clear of every edge at its natural size (about four here, as it is
// painted four times larger), so that no stroke ends cut off, and fills the rest.
void staccataDaiBordi(const QImage& immagine)
{
    QRect usata;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            if (qAlpha(immagine.pixel(x, y)) > 0)
                usata |= QRect(x, y, 1, 1);
    for (const int margine :
         {usata.left(), usata.top(), immagine.width() - 1 - usata.right(), immagine.height() - 1 - usata.bottom()})
        QVERIFY2(margine >= 1 && margine <= 8, qPrintable(QString::number(margine)));
}

// The title reads red, green, blue from the top: each colour sits lower than the one before, and the blue
// line is wider than the other two.
void righeDelTitolo(const QImage& immagine)
{
    QList<double> centri;
    QList<int> larghezze;
    for (const quint32 colore : {rosso, verde, blu}) {
        double somma = 0;
        int quanti = 0;
        int sinistra = immagine.width();
        int destra = -1;
        for (int y = 1; y + 1 < immagine.height(); ++y)
            for (int x = 1; x + 1 < immagine.width(); ++x)
                if (immagine.pixel(x, y) == daBgr(colore) && dentroUnaTinta(immagine, x, y)) {
                    somma += y;
                    ++quanti;
                    sinistra = std::min(sinistra, x);
                    destra = std::max(destra, x);
                }
        QVERIFY2(quanti > 0, qPrintable(QColor(daBgr(colore)).name()));
        centri << somma / quanti;
        larghezze << destra - sinistra;
    }
    QVERIFY(centri[0] < centri[1]);
    QVERIFY(centri[1] < centri[2]);
    QVERIFY(larghezze[2] > larghezze[0]);
    QVERIFY(larghezze[2] > larghezze[1]);
}

}  // namespace

Q_DECLARE_METATYPE(QList<Lato>)
Q_DECLARE_METATYPE(Controllo)

class TstDisegni : public QObject {
    Q_OBJECT

private:
    static void tabella();

private slots:
    void file_data() { tabella(); }
    void file();
    void dipinto_data() { tabella(); }
    void dipinto();
};

void TstDisegni::tabella()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSizeF>("pollici");
    QTest::addColumn<QList<quint32>>("tavolozza");  // every colour it must show
    QTest::addColumn<quint32>("inchiostro");        // the outline ink, which it may show as well
    QTest::addColumn<int>("forme");                 // how many shapes, at least
    QTest::addColumn<QList<Lato>>("lati");
    QTest::addColumn<Controllo>("controllo");

    const QList<Lato> tutti{{Qt::LeftEdge}, {Qt::RightEdge}, {Qt::TopEdge}, {Qt::BottomEdge}};
    // The bottom line is the widest and spans the whole width, so the sides are met low down.
    QTest::newRow("title") << QStringLiteral("titolo") << QSizeF(3.657, 2.357)
                           << QList<quint32>{rosso, verde, blu, inchiostroLettere} << inchiostroLettere << 1
                           << QList<Lato>{{Qt::LeftEdge, 0.6, 1},
                                          {Qt::RightEdge, 0.6, 1},
                                          {Qt::TopEdge, 0.2, 0.8},
                                          {Qt::BottomEdge}}
                           << &righeDelTitolo;
    QTest::newRow("start button") << QStringLiteral("vai") << QSizeF(1.162, 0.378) << QList<quint32>{rosso}
                                  << inchiostroLettere << 1 << tutti << Controllo{};
    QTest::newRow("credit line") << QStringLiteral("firma") << QSizeF(0.857, 0.112) << QList<quint32>{inchiostroLettere}
                                 << inchiostroLettere << 1 << QList<Lato>{} << &staccataDaiBordi;
    // Flag tip at the top, the back foot at the left in the lower half, the front shoe at the bottom on the
    // right, the stick's lower end at the right edge.
    QTest::newRow("running boy") << QStringLiteral("ragazzo") << QSizeF(4.598, 5.538)
                                 << QList<quint32>{inchiostroFigure, 0x00FFFFFF, 0x007190A4, 0x00C2C2F2, 0x003999D1,
                                                   0x008EC3F2, 0x00DCAD0C, 0x00CAA300, 0x00687397, 0x009E9A97,
                                                   0x00D2CFCC,
                                                   // the shaded sides of hair, skin, trousers and shoes, and the
                                                   // far leg's own shade
                                                   0x002C82B5, 0x0077A8DD, 0x00555E7E, 0x00888481, 0x00B6B2AF,
                                                   0x00434A66}
                                 << inchiostroFigure << 20
                                 << QList<Lato>{{Qt::TopEdge, 0.5, 1},
                                                {Qt::LeftEdge, 0.5, 1},
                                                {Qt::BottomEdge, 0.5, 1},
                                                {Qt::RightEdge, 0.2, 0.8}}
                                 << Controllo{};
    // The balloons reach the top and both sides in the upper third; the shoes reach the bottom on the left.
    QTest::newRow("balloon boy") << QStringLiteral("palloncini") << QSizeF(2.733, 5.421)
                                 << QList<quint32>{inchiostroFigure, 0x0032EBF2, 0x00242ADA, 0x007D2E39, 0x003C9C00,
                                                   0x0000DBF4,       0x009EC6F2, 0x00233BDB, 0x00741F29, 0x008C8BA9,
                                                   0x005B658B,       0x009FB6C4, 0x00FFFFFF}
                                 << inchiostroFigure << 20
                                 << QList<Lato>{{Qt::TopEdge, 0.25, 0.75},
                                                {Qt::LeftEdge, 0, 0.34},
                                                {Qt::RightEdge, 0, 0.34},
                                                {Qt::BottomEdge, 0, 0.5}}
                                 << Controllo{};
}

void TstDisegni::file()
{
    QFETCH(QString, nome);
    QFETCH(QSizeF, pollici);
    QFETCH(QList<quint32>, tavolozza);
    QFETCH(quint32, inchiostro);
    QFETCH(int, forme);

    const QByteArray svg = leggi(nome);
    QVERIFY2(!svg.isEmpty(), qPrintable(risorsaDisegno(nome)));
    QVERIFY2(svg.size() < 100 * 1024, "a drawing this large would slow down the window that shows it");

    // Natural size in inches; the longer side of the drawing space is 16000 units, the shorter one follows.
    const QSizeF naturale = dimensioneNaturale(nome);
    QCOMPARE(qRound(naturale.width() * 1000), qRound(pollici.width() * 96 * 1000));
    QCOMPARE(qRound(naturale.height() * 1000), qRound(pollici.height() * 96 * 1000));
    const double proporzioni = pollici.width() / pollici.height();
    const QSizeF spazio = proporzioni > 1 ? QSizeF(16000, std::round(16000 / proporzioni))
                                          : QSizeF(std::round(16000 * proporzioni), 16000);
    QXmlStreamReader xml(svg);
    QVERIFY(xml.readNextStartElement());
    const QXmlStreamAttributes radice = xml.attributes();
    QCOMPARE(radice.value(QLatin1String("width")).toString(), QString::number(pollici.width()) + QStringLiteral("in"));
    QCOMPARE(radice.value(QLatin1String("height")).toString(),
             QString::number(pollici.height()) + QStringLiteral("in"));
    QCOMPARE(radice.value(QLatin1String("viewBox")).toString(),
             QStringLiteral("0 0 %1 %2").arg(spazio.width()).arg(spazio.height()));

    const Forme trovate = leggiForme(svg);
    QVERIFY2(trovate.errore.isEmpty(), qPrintable(trovate.errore));
    QVERIFY2(trovate.riempimenti.size() >= forme, qPrintable(QString::number(trovate.riempimenti.size())));

    QSet<QRgb> richiesti;
    for (const quint32 colore : tavolozza)
        richiesti << daBgr(colore);
    const QSet<QRgb> usati(trovate.riempimenti.begin(), trovate.riempimenti.end());
    for (const QRgb colore : usati)
        QVERIFY2(richiesti.contains(colore) || colore == daBgr(inchiostro), qPrintable(QColor(colore).name()));
    for (const QRgb colore : richiesti)
        QVERIFY2(usati.contains(colore), qPrintable(QColor(colore).name() + QStringLiteral(" is not used")));
}

void TstDisegni::dipinto()
{
    QFETCH(QString, nome);
    QFETCH(QSizeF, pollici);
    QFETCH(QList<quint32>, tavolozza);
    QFETCH(quint32, inchiostro);
    QFETCH(QList<Lato>, lati);
    QFETCH(Controllo, controllo);

    // Painted by the program at four times its natural size on a 96 dpi screen, on a transparent sheet
    // with a margin around the box.
    const QSize scatola(qRound(pollici.width() * 96 * 4), qRound(pollici.height() * 96 * 4));
    constexpr int margine = 8;
    QImage foglio(scatola + QSize(2 * margine, 2 * margine), QImage::Format_ARGB32);
    foglio.fill(Qt::transparent);
    {
        QPainter pittore(&foglio);
        pittore.translate(margine, margine);
        disegnoSvg(nome)(pittore, QSizeF(scatola));
    }
    const QImage immagine = foglio.copy(QRect(QPoint(margine, margine), scatola));
    const int pieni = dipinti(immagine);
    QVERIFY2(dipinti(foglio) == pieni, "painted outside its box");
    QVERIFY(pieni > scatola.width() * scatola.height() / 200);
    QVERIFY2(pieni < scatola.width() * scatola.height() * 4 / 5,
             "no background of its own: the window shows around it");

    for (const Lato& lato : lati)
        QVERIFY2(tocca(immagine, lato),
                 qPrintable(QStringLiteral("%1 not reached between %2 and %3")
                                .arg(QMetaEnum::fromType<Qt::Edge>().valueToKey(lato.lato))
                                .arg(lato.da)
                                .arg(lato.a)));

    // Its colours and nothing else: no see-through shape, no shading in between.
    QSet<QRgb> ammessi{daBgr(inchiostro)};
    for (const quint32 colore : tavolozza)
        ammessi << daBgr(colore);
    int tinte = 0;
    for (int y = 1; y + 1 < immagine.height(); ++y)
        for (int x = 1; x + 1 < immagine.width(); ++x) {
            const QRgb punto = immagine.pixel(x, y);
            if (qAlpha(punto) == 0 || !dentroUnaTinta(immagine, x, y))
                continue;
            if (qAlpha(punto) != 255 || !ammessi.contains(punto))
                QFAIL(qPrintable(QStringLiteral("%1 (alpha %2) at %3, %4")
                                     .arg(QColor(punto).name())
                                     .arg(qAlpha(punto))
                                     .arg(x)
                                     .arg(y)));
            ++tinte;
        }
    QVERIFY(tinte > 0);

    if (controllo)
        controllo(immagine);
}

QTEST_MAIN(TstDisegni)
#include "tst_disegni.moc"
