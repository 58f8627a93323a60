// The two cartoon figures: the running boy of the start window and the balloon boy of the network window.
#include <QtTest>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace {

// Colours are written as Windows colour values, 0x00BBGGRR.
QColor daBgr(quint32 valore)
{
    return QColor(int(valore & 0xFF), int((valore >> 8) & 0xFF), int((valore >> 16) & 0xFF));
}

// A stretch of one side of the drawing, as fractions of that side, where the figure must reach the edge.
struct Contatto {
    Qt::Edge lato;
    double da;
    double a;
};

QString nomeLato(Qt::Edge lato)
{
    switch (lato) {
    case Qt::TopEdge:
        return QStringLiteral("top");
    case Qt::LeftEdge:
        return QStringLiteral("left");
    case Qt::RightEdge:
        return QStringLiteral("right");
    case Qt::BottomEdge:
        break;
    }
    return QStringLiteral("bottom");
}

QString percorso(const QString& file)
{
    return QStringLiteral(ZEFIRANDA_DISEGNI "/") + file;
}

QByteArray leggi(const QString& file)
{
    QFile ingresso(percorso(file));
    if (!ingresso.open(QIODevice::ReadOnly))
        return {};
    return ingresso.readAll();
}

// Does any solid pixel lie within `margine` pixels of the side, between the two fractions along it?
bool tocca(const QImage& immagine, const Contatto& c, int margine)
{
    const bool orizzontale = c.lato == Qt::TopEdge || c.lato == Qt::BottomEdge;
    const int lunghezza = orizzontale ? immagine.width() : immagine.height();
    const int profondita = orizzontale ? immagine.height() : immagine.width();
    for (int d = 0; d < margine; ++d) {
        const int riga = (c.lato == Qt::TopEdge || c.lato == Qt::LeftEdge) ? d : profondita - 1 - d;
        for (int i = int(c.da * lunghezza); i < int(c.a * lunghezza) && i < lunghezza; ++i) {
            const QPoint p = orizzontale ? QPoint(i, riga) : QPoint(riga, i);
            if (qAlpha(immagine.pixel(p)) > 200)
                return true;
        }
    }
    return false;
}

} // namespace

Q_DECLARE_METATYPE(Contatto)

class TstFigure : public QObject {
    Q_OBJECT

private slots:
    void siLegge();
    void siLegge_data() { disegno_data(); }
    void soloFormePiene();
    void soloFormePiene_data() { disegno_data(); }
    void colori();
    void colori_data() { disegno_data(); }
    void bordi();
    void bordi_data() { disegno_data(); }

private:
    static void disegno_data();
};

void TstFigure::disegno_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSizeF>("spazio");
    QTest::addColumn<QString>("larghezza");
    QTest::addColumn<QString>("altezza");
    QTest::addColumn<QSize>("riquadro");
    QTest::addColumn<QList<QColor>>("tavolozza");
    QTest::addColumn<QList<Contatto>>("contatti");

    const QColor inchiostro = daBgr(0x00161513);
    const QColor bianco(255, 255, 255);

    // Flag tip at the top, the back foot at the left in the lower half, the front shoe at the bottom on the
    // right, the stick's lower end at the right edge.
    QTest::newRow("running boy")
        << QStringLiteral("ragazzo.svg") << QSizeF(13284, 16000) << QStringLiteral("4.598in")
        << QStringLiteral("5.538in") << QSize(265, 345)
        << QList<QColor>{inchiostro, bianco, daBgr(0x007190A4), daBgr(0x00C2C2F2), daBgr(0x003999D1),
                         daBgr(0x008EC3F2), daBgr(0x00DCAD0C), daBgr(0x00CAA300), daBgr(0x00687397),
                         daBgr(0x009E9A97), daBgr(0x00D2CFCC)}
        << QList<Contatto>{{Qt::TopEdge, 0.5, 1.0}, {Qt::LeftEdge, 0.5, 1.0}, {Qt::BottomEdge, 0.5, 1.0},
                           {Qt::RightEdge, 0.2, 0.8}};

    // The balloons reach the top and both sides in the upper third; the shoes reach the bottom on the left.
    QTest::newRow("balloon boy")
        << QStringLiteral("palloncini.svg") << QSizeF(8066, 16000) << QStringLiteral("2.733in")
        << QStringLiteral("5.421in") << QSize(193, 345)
        << QList<QColor>{inchiostro, daBgr(0x0032EBF2), daBgr(0x00242ADA), daBgr(0x007D2E39),
                         daBgr(0x003C9C00), daBgr(0x0000DBF4), daBgr(0x009EC6F2), daBgr(0x00233BDB),
                         daBgr(0x00741F29), daBgr(0x008C8BA9), daBgr(0x005B658B), daBgr(0x009FB6C4)}
        << QList<Contatto>{{Qt::TopEdge, 0.25, 0.75}, {Qt::LeftEdge, 0.0, 0.34}, {Qt::RightEdge, 0.0, 0.34},
                           {Qt::BottomEdge, 0.0, 0.5}};
}

void TstFigure::siLegge()
{
    QFETCH(QString, file);
    QFETCH(QSizeF, spazio);
    QFETCH(QString, larghezza);
    QFETCH(QString, altezza);

    const QByteArray dati = leggi(file);
    QVERIFY2(!dati.isEmpty(), qPrintable(percorso(file)));
    QVERIFY2(dati.size() < 100 * 1024, "the drawing should stay a few tens of kilobytes");

    QSvgRenderer disegno(dati);
    QVERIFY(disegno.isValid());
    QCOMPARE(disegno.viewBoxF(), QRectF(QPointF(0, 0), spazio));

    QXmlStreamReader xml(dati);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    QCOMPARE(xml.attributes().value(QLatin1String("width")).toString(), larghezza);
    QCOMPARE(xml.attributes().value(QLatin1String("height")).toString(), altezza);
}

void TstFigure::soloFormePiene()
{
    QFETCH(QString, file);

    const QSet<QString> forme{QStringLiteral("path"), QStringLiteral("polygon")};
    const QSet<QString> attributiForma{QStringLiteral("d"), QStringLiteral("points"), QStringLiteral("fill"),
                                       QStringLiteral("fill-rule")};
    QXmlStreamReader xml(leggi(file));
    int quante = 0;
    while (xml.readNextStartElement()) {
        const QString nome = xml.name().toString();
        if (nome == QLatin1String("svg")) {
            QVERIFY2(xml.attributes().value(QLatin1String("stroke")).isEmpty(), "stroke on the drawing");
            QVERIFY2(xml.attributes().value(QLatin1String("style")).isEmpty(), "style on the drawing");
            continue;
        }
        QVERIFY2(forme.contains(nome), qPrintable(QStringLiteral("<%1> is not a filled shape").arg(nome)));
        for (const QXmlStreamAttribute& attributo : xml.attributes()) {
            const QString chiave = attributo.name().toString();
            QVERIFY2(attributiForma.contains(chiave),
                     qPrintable(QStringLiteral("shape %1 has attribute %2").arg(quante).arg(chiave)));
        }
        const QString riempimento = xml.attributes().value(QLatin1String("fill")).toString();
        QVERIFY2(QColor::isValidColorName(riempimento) && riempimento.startsWith('#'),
                 qPrintable(QStringLiteral("shape %1 has fill '%2'").arg(quante).arg(riempimento)));
        const QString regola = xml.attributes().value(QLatin1String("fill-rule")).toString();
        QVERIFY(regola.isEmpty() || regola == QLatin1String("evenodd") || regola == QLatin1String("nonzero"));
        ++quante;
        xml.skipCurrentElement();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    QVERIFY2(quante > 20, "a figure is made of many shapes");
}

void TstFigure::colori()
{
    QFETCH(QString, file);
    QFETCH(QList<QColor>, tavolozza);

    QSet<QRgb> ammessi;
    for (const QColor& c : tavolozza)
        ammessi.insert(c.rgb());
    QSet<QRgb> usati;
    QXmlStreamReader xml(leggi(file));
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("svg"))
            continue;
        const QColor c(xml.attributes().value(QLatin1String("fill")).toString());
        QVERIFY2(ammessi.contains(c.rgb()), qPrintable(QStringLiteral("%1 is not in the palette").arg(c.name())));
        usati.insert(c.rgb());
        xml.skipCurrentElement();
    }
    // Every colour of the palette shows somewhere.
    QCOMPARE(usati.size(), ammessi.size());
}

void TstFigure::bordi()
{
    QFETCH(QString, file);
    QFETCH(QSize, riquadro);
    QFETCH(QList<Contatto>, contatti);

    QSvgRenderer disegno(leggi(file));
    QVERIFY(disegno.isValid());
    for (const int scala : {1, 4}) {
        QImage immagine(riquadro * scala, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        {
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            disegno.render(&pittore, QRectF(immagine.rect()));
        }
        for (const Contatto& c : contatti)
            QVERIFY2(tocca(immagine, c, scala),
                     qPrintable(QStringLiteral("%1 side not reached at %2x").arg(nomeLato(c.lato)).arg(scala)));
        // No background of its own: the window shows around the figure.
        int vuoti = 0;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x)
                vuoti += qAlpha(immagine.pixel(x, y)) == 0;
        QVERIFY2(vuoti > immagine.width() * immagine.height() / 5, "the figure covers its whole box");
    }
}

QTEST_MAIN(TstFigure)
#include "tst_figure.moc"
