// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/frecce.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>

using namespace zefiranda;

Q_DECLARE_METATYPE(zefiranda::Freccia)

namespace {

using Punti = QList<QPointF>;

double distanzaDallaRetta(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    return std::abs(d.x() * (p.y() - a.y()) - d.y() * (p.x() - a.x())) / std::hypot(d.x(), d.y());
}

// The shaft's thickness: the distance between its two long sides.
double spessore(const QPolygonF& asta)
{
    return std::min(distanzaDallaRetta(asta[3], asta[0], asta[1]), distanzaDallaRetta(asta[0], asta[1], asta[2]));
}

}  // namespace

class TstFrecce : public QObject {
    Q_OBJECT

private slots:
    void angoliNellaScatola_data();
    void angoliNellaScatola();
    void misureInTwips_data();
    void misureInTwips();
    void dipingeSoloIlSuoColore_data();
    void dipingeSoloIlSuoColore();
};

void TstFrecce::angoliNellaScatola_data()
{
    QTest::addColumn<Freccia>("freccia");
    QTest::addColumn<QSizeF>("scatola");
    QTest::addColumn<Punti>("asta");   // fractions of the box
    QTest::addColumn<Punti>("punta");  // the middle point is the tip

    const Punti astaBlu{{0, 0.404}, {0.878, 0.404}, {0.878, 0.596}, {0, 0.596}};
    const Punti puntaBlu{{0.867, 0}, {1, 0.5}, {0.867, 1}};
    const Punti astaRossa{{0.404, 0}, {0.596, 0}, {0.596, 0.878}, {0.404, 0.878}};
    const Punti puntaRossa{{1, 0.867}, {0.5, 1}, {0, 0.867}};
    const Punti astaRete{{0.024, 0}, {0.909, 0.886}, {0.885, 0.909}, {0, 0.024}};
    const Punti puntaRete{{0.950, 0.826}, {1, 1}, {0.826, 0.949}};
    const Punti astaLegenda{{0.038, 0}, {0.853, 0.815}, {0.815, 0.853}, {0, 0.038}};
    const Punti puntaLegenda{{0.918, 0.719}, {1, 1}, {0.719, 0.918}};

    QTest::newRow("blue, grid box") << Freccia::Blu << QSizeF(89, 17) << astaBlu << puntaBlu;
    QTest::newRow("blue, legend box") << Freccia::Blu << QSizeF(57, 17) << astaBlu << puntaBlu;
    QTest::newRow("blue, tall box") << Freccia::Blu << QSizeF(40, 300) << astaBlu << puntaBlu;
    QTest::newRow("red, grid box") << Freccia::Rossa << QSizeF(17, 89) << astaRossa << puntaRossa;
    QTest::newRow("red, legend box") << Freccia::Rossa << QSizeF(17, 65) << astaRossa << puntaRossa;
    QTest::newRow("yellow, grid box") << Freccia::GiallaRete << QSizeF(89, 89) << astaRete << puntaRete;
    QTest::newRow("yellow, wide box") << Freccia::GiallaRete << QSizeF(400, 50) << astaRete << puntaRete;
    QTest::newRow("legend yellow") << Freccia::GiallaLegenda << QSizeF(65, 65) << astaLegenda << puntaLegenda;
    QTest::newRow("legend yellow, flat box")
        << Freccia::GiallaLegenda << QSizeF(130, 20) << astaLegenda << puntaLegenda;
}

void TstFrecce::angoliNellaScatola()
{
    QFETCH(Freccia, freccia);
    QFETCH(QSizeF, scatola);
    QFETCH(Punti, asta);
    QFETCH(Punti, punta);

    const FormaFreccia forma = formaFreccia(freccia, scatola);
    QCOMPARE(forma.asta.size(), 4);
    QCOMPARE(forma.punta.size(), 3);
    auto scarti = [&](const QPolygonF& ottenuti, const Punti& attesi, const char* parte) {
        QString errori;
        for (int i = 0; i < attesi.size(); ++i) {
            const QPointF atteso(attesi[i].x() * scatola.width(), attesi[i].y() * scatola.height());
            const QPointF scarto = ottenuti[i] - atteso;
            if (std::abs(scarto.x()) > 0.0006 * scatola.width() || std::abs(scarto.y()) > 0.0006 * scatola.height())
                errori += QStringLiteral("%1 corner %2: (%3, %4) instead of (%5, %6); ")
                              .arg(QLatin1String(parte))
                              .arg(i)
                              .arg(ottenuti[i].x())
                              .arg(ottenuti[i].y())
                              .arg(atteso.x())
                              .arg(atteso.y());
        }
        return errori;
    };
    const QString errori = scarti(forma.asta, asta, "shaft") + scarti(forma.punta, punta, "head");
    QVERIFY2(errori.isEmpty(), qPrintable(errori));
}

void TstFrecce::misureInTwips_data()
{
    QTest::addColumn<Freccia>("freccia");
    QTest::addColumn<QSizeF>("scatola");
    QTest::addColumn<double>("punta");     // length of the head, tip to base; 0: not checked
    QTest::addColumn<double>("spessore");  // thickness of the shaft

    QTest::newRow("grid blue") << Freccia::Blu << QSizeF(1335, 255) << 178.0 << 49.0;
    QTest::newRow("legend blue") << Freccia::Blu << QSizeF(855, 255) << 114.0 << 49.0;
    QTest::newRow("grid red") << Freccia::Rossa << QSizeF(255, 1335) << 178.0 << 49.0;
    QTest::newRow("legend red") << Freccia::Rossa << QSizeF(255, 975) << 130.0 << 49.0;
    QTest::newRow("grid yellow") << Freccia::GiallaRete << QSizeF(1335, 1335) << 0.0 << 45.0;
    QTest::newRow("legend yellow") << Freccia::GiallaLegenda << QSizeF(975, 975) << 0.0 << 53.0;
}

void TstFrecce::misureInTwips()
{
    QFETCH(Freccia, freccia);
    QFETCH(QSizeF, scatola);
    QFETCH(double, punta);
    QFETCH(double, spessore);

    const FormaFreccia forma = formaFreccia(freccia, scatola);
    if (punta > 0)
        QCOMPARE(std::lround(distanzaDallaRetta(forma.punta[1], forma.punta[0], forma.punta[2])), std::lround(punta));
    QCOMPARE(std::lround(::spessore(forma.asta)), std::lround(spessore));
}

void TstFrecce::dipingeSoloIlSuoColore_data()
{
    QTest::addColumn<Freccia>("freccia");
    QTest::addColumn<QSize>("scatola");
    QTest::addColumn<QColor>("colore");

    QTest::newRow("blue") << Freccia::Blu << QSize(89, 17) << QColor(0, 147, 221);
    QTest::newRow("red") << Freccia::Rossa << QSize(17, 89) << QColor(218, 37, 29);
    QTest::newRow("grid yellow") << Freccia::GiallaRete << QSize(89, 89) << QColor(255, 245, 0);
    QTest::newRow("legend yellow") << Freccia::GiallaLegenda << QSize(65, 65) << QColor(255, 245, 0);
}

void TstFrecce::dipingeSoloIlSuoColore()
{
    QFETCH(Freccia, freccia);
    QFETCH(QSize, scatola);
    QFETCH(QColor, colore);

    QCOMPARE(coloreFreccia(freccia), colore);
    QImage immagine(scatola, QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    {
        QPainter pittore(&immagine);
        disegnoFreccia(freccia)(pittore, QSizeF(scatola));
    }
    int pieni = 0;
    int vuoti = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x) {
            const QColor punto = immagine.pixelColor(x, y);
            if (punto.alpha() == 0) {
                ++vuoti;
                continue;
            }
            if (punto.alpha() == 255)
                ++pieni;
            if (punto.alpha() >= 64)
                QVERIFY2(std::abs(punto.red() - colore.red()) <= 4 && std::abs(punto.green() - colore.green()) <= 4
                             && std::abs(punto.blue() - colore.blue()) <= 4,
                         qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(punto.name())));
        }
    // Antialiased edges, solid inside, and the box's own colour around the arrow.
    QVERIFY(pieni > 30);
    QVERIFY(vuoti > immagine.width() * immagine.height() / 3);
}

QTEST_MAIN(TstFrecce)
#include "tst_frecce.moc"
