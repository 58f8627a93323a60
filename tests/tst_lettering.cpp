#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <set>

// The decorative drawings as files, checked against what each must show: its natural size, that it is made
// of filled shapes only, its colours, and which sides of its box it reaches.
namespace {

const QString ink = QStringLiteral("#1f1a17");

// A side of the drawing that some shape must reach, with the stretch of that side (as fractions of its
// length, from the top or from the left) where the touch must happen.
struct Lato {
    Qt::Edge lato;
    double da = 0;
    double a = 1;
};

QByteArray leggi(const QString& nome)
{
    QFile file(QDir(QStringLiteral(ZEFIRANDA_DISEGNI)).filePath(nome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage rendi(const QByteArray& svg, QSize dimensione)
{
    QSvgRenderer renderer(svg);
    QImage immagine(dimensione, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    renderer.render(&pittore);
    return immagine;
}

// A pixel inside an area of one colour, away from the softened edges between shapes.
bool dentroUnaTinta(const QImage& immagine, int x, int y)
{
    const QRgb punto = immagine.pixel(x, y);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (immagine.pixel(x + dx, y + dy) != punto)
                return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(QList<Lato>)

class TstLettering : public QObject {
    Q_OBJECT

private:
    static void tabella();

private slots:
    void misure_data() { tabella(); }
    void misure();
    void soloFormePiene_data() { tabella(); }
    void soloFormePiene();
    void colori_data() { tabella(); }
    void colori();
    void lati_data() { tabella(); }
    void lati();
    void righeColorate();
};

void TstLettering::tabella()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSizeF>("pollici");
    QTest::addColumn<QStringList>("tavolozza");  // every colour it shows; the near-black ink is always allowed
    QTest::addColumn<QList<Lato>>("lati");

    const QList<Lato> tutti{{Qt::LeftEdge}, {Qt::RightEdge}, {Qt::TopEdge}, {Qt::BottomEdge}};
    // The title's bottom line is its widest and spans the whole width, so the sides are met low down.
    QTest::newRow("title") << QStringLiteral("titolo.svg") << QSizeF(3.657, 2.357)
                           << QStringList{"#da251d", "#84c326", "#0093dd", ink}
                           << QList<Lato>{{Qt::LeftEdge, 0.6, 1}, {Qt::RightEdge, 0.6, 1}, {Qt::TopEdge, 0.2, 0.8},
                                          {Qt::BottomEdge}};
    QTest::newRow("start button") << QStringLiteral("vai.svg") << QSizeF(1.162, 0.378)
                                  << QStringList{"#da251d"} << tutti;
    QTest::newRow("credit line") << QStringLiteral("firma.svg") << QSizeF(0.857, 0.112) << QStringList{ink}
                                 << tutti;
}

void TstLettering::misure()
{
    QFETCH(QString, file);
    QFETCH(QSizeF, pollici);

    const QByteArray svg = leggi(file);
    QVERIFY2(!svg.isEmpty(), qPrintable(file));
    QVERIFY2(svg.size() < 100 * 1024, "a drawing this large would slow down the window that shows it");
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());

    // The longer side is 16000 units, the shorter one follows the natural proportions.
    const QRectF vista = renderer.viewBoxF();
    QCOMPARE(vista.topLeft(), QPointF(0, 0));
    QCOMPARE(std::max(vista.width(), vista.height()), 16000.0);
    const double proporzioni = pollici.width() / pollici.height();
    QVERIFY2(std::abs(vista.width() - vista.height() * proporzioni) <= 1,
             qPrintable(QStringLiteral("%1 x %2").arg(vista.width()).arg(vista.height())));

    QXmlStreamReader xml(svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    QCOMPARE(xml.attributes().value("width").toString(), QString::number(pollici.width()) + QStringLiteral("in"));
    QCOMPARE(xml.attributes().value("height").toString(), QString::number(pollici.height()) + QStringLiteral("in"));
}

void TstLettering::soloFormePiene()
{
    QFETCH(QString, file);

    const QSet<QString> forme{QStringLiteral("path"), QStringLiteral("polygon")};
    const QSet<QString> attributiAmmessi{QStringLiteral("fill"), QStringLiteral("fill-rule"), QStringLiteral("d"),
                                         QStringLiteral("points")};
    QXmlStreamReader xml(leggi(file));
    int contate = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString nome = xml.name().toString();
        if (nome == QStringLiteral("svg") || nome == QStringLiteral("g")) {
            for (const QXmlStreamAttribute& attributo : xml.attributes())
                QVERIFY2(!attributo.name().startsWith(QStringLiteral("stroke"))
                             && attributo.name() != QStringLiteral("style")
                             && attributo.name() != QStringLiteral("transform"),
                         qPrintable(attributo.name().toString()));
            continue;
        }
        QVERIFY2(forme.contains(nome), qPrintable(QStringLiteral("<%1> at line %2").arg(nome).arg(xml.lineNumber())));
        for (const QXmlStreamAttribute& attributo : xml.attributes())
            QVERIFY2(attributiAmmessi.contains(attributo.name().toString()),
                     qPrintable(QStringLiteral("%1 at line %2").arg(attributo.name()).arg(xml.lineNumber())));
        const QString riempimento = xml.attributes().value("fill").toString();
        QVERIFY2(QColor::isValidColorName(riempimento) && riempimento.startsWith(u'#') && riempimento.size() == 7,
                 qPrintable(QStringLiteral("fill \"%1\" at line %2").arg(riempimento).arg(xml.lineNumber())));
        ++contate;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY(contate > 0);
}

void TstLettering::colori()
{
    QFETCH(QString, file);
    QFETCH(QStringList, tavolozza);

    std::set<QString> ammessi(tavolozza.begin(), tavolozza.end());
    ammessi.insert(ink);
    std::set<QString> usati;
    QXmlStreamReader xml(leggi(file));
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.attributes().hasAttribute("fill"))
            usati.insert(xml.attributes().value("fill").toString().toLower());
    }
    for (const QString& colore : usati)
        QVERIFY2(ammessi.count(colore), qPrintable(colore));
    for (const QString& colore : tavolozza)
        QVERIFY2(usati.count(colore), qPrintable(colore));
    QVERIFY(!usati.empty());

    // What is painted shows those colours and nothing else: no see-through shape, no shading in between.
    const QImage immagine = rendi(leggi(file), QSize(480, 480));
    int tinte = 0;
    for (int y = 1; y + 1 < immagine.height(); ++y) {
        for (int x = 1; x + 1 < immagine.width(); ++x) {
            if (qAlpha(immagine.pixel(x, y)) == 0 || !dentroUnaTinta(immagine, x, y))
                continue;
            const QColor colore = QColor::fromRgba(immagine.pixel(x, y));
            QVERIFY2(colore.alpha() == 255 && ammessi.count(colore.name()),
                     qPrintable(QStringLiteral("%1 (alpha %2) at %3, %4")
                                    .arg(colore.name())
                                    .arg(colore.alpha())
                                    .arg(x)
                                    .arg(y)));
            ++tinte;
        }
    }
    QVERIFY(tinte > 0);
}

void TstLettering::lati()
{
    QFETCH(QString, file);
    QFETCH(QSizeF, pollici);
    QFETCH(QList<Lato>, lati);

    // At four times the size on a 96 dpi screen, a side counts as reached within two pixels.
    const QSize dimensione(qRound(pollici.width() * 96 * 4), qRound(pollici.height() * 96 * 4));
    const QImage immagine = rendi(leggi(file), dimensione);
    constexpr int margine = 2;
    const auto pieno = [&](int x, int y) { return qAlpha(immagine.pixel(x, y)) > 0; };
    for (const Lato& lato : lati) {
        const bool verticale = lato.lato == Qt::LeftEdge || lato.lato == Qt::RightEdge;
        const int lunghezza = verticale ? dimensione.height() : dimensione.width();
        const int profondita = verticale ? dimensione.width() : dimensione.height();
        bool toccato = false;
        for (int lungo = int(lato.da * lunghezza); lungo < std::min(lunghezza, int(std::ceil(lato.a * lunghezza)));
             ++lungo) {
            for (int dentro = 0; dentro < margine && !toccato; ++dentro) {
                const int verso = (lato.lato == Qt::RightEdge || lato.lato == Qt::BottomEdge)
                    ? profondita - 1 - dentro
                    : dentro;
                toccato = verticale ? pieno(verso, lungo) : pieno(lungo, verso);
            }
        }
        QVERIFY2(toccato, qPrintable(QStringLiteral("edge %1 between %2 and %3").arg(lato.lato).arg(lato.da).arg(lato.a)));
    }
}

void TstLettering::righeColorate()
{
    // The title reads red, green, blue from the top: each colour sits lower than the one before, and the
    // blue line is wider than the other two.
    const QImage immagine = rendi(leggi(QStringLiteral("titolo.svg")), QSize(702, 452));
    const QStringList ordine{QStringLiteral("#da251d"), QStringLiteral("#84c326"), QStringLiteral("#0093dd")};
    QList<double> centri;
    QList<int> larghezze;
    for (const QString& nome : ordine) {
        const QRgb colore = QColor(nome).rgb();
        double somma = 0;
        int quanti = 0;
        int sinistra = immagine.width();
        int destra = -1;
        for (int y = 1; y + 1 < immagine.height(); ++y) {
            for (int x = 1; x + 1 < immagine.width(); ++x) {
                if (immagine.pixel(x, y) != colore || !dentroUnaTinta(immagine, x, y))
                    continue;
                somma += y;
                ++quanti;
                sinistra = std::min(sinistra, x);
                destra = std::max(destra, x);
            }
        }
        QVERIFY2(quanti > 0, qPrintable(nome));
        centri << somma / quanti;
        larghezze << destra - sinistra;
    }
    QVERIFY(centri[0] < centri[1]);
    QVERIFY(centri[1] < centri[2]);
    QVERIFY(larghezze[2] > larghezze[0]);
    QVERIFY(larghezze[2] > larghezze[1]);
}

QTEST_MAIN(TstLettering)
#include "tst_lettering.moc"
