// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/centratura.h"

#include <QtTest>

using namespace zefiranda;

class TstCentratura : public QObject {
    Q_OBJECT

private slots:
    void centra_data();
    void centra();
    void posizioneCentrata_data();
    void posizioneCentrata();
    void corniceCredibile_data();
    void corniceCredibile();
};

void TstCentratura::centra_data()
{
    QTest::addColumn<double>("schermoL");
    QTest::addColumn<double>("schermoA");
    QTest::addColumn<double>("finestraL");
    QTest::addColumn<double>("finestraA");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("top");

    QTest::newRow("800 x 600, even width") << 12000.0 << 9000.0 << 9870.0 << 7890.0 << 1065.0 << 555.0;
    QTest::newRow("half twip stays") << 12000.0 << 9000.0 << 9885.0 << 7905.0 << 1057.5 << 547.5;
    QTest::newRow("screen smaller than window") << 9600.0 << 7200.0 << 9870.0 << 7890.0 << -135.0 << -345.0;
    QTest::newRow("overhang by a half twip") << 9600.0 << 7200.0 << 9885.0 << 7905.0 << -142.5 << -352.5;
    QTest::newRow("exact fit") << 9750.0 << 7410.0 << 9750.0 << 7410.0 << 0.0 << 0.0;
    QTest::newRow("full hd") << 28800.0 << 16200.0 << 9870.0 << 7890.0 << 9465.0 << 4155.0;
}

void TstCentratura::centra()
{
    QFETCH(double, schermoL);
    QFETCH(double, schermoA);
    QFETCH(double, finestraL);
    QFETCH(double, finestraA);
    QFETCH(double, left);
    QFETCH(double, top);

    const PosizioneTwips posizione = zefiranda::centra(schermoL, schermoA, finestraL, finestraA);
    QCOMPARE(posizione.left, left);
    QCOMPARE(posizione.top, top);
}

void TstCentratura::posizioneCentrata_data()
{
    QTest::addColumn<QRect>("schermo");
    QTest::addColumn<QMargins>("cornice");
    QTest::addColumn<QPoint>("interno");

    // A client area of 650 x 494 pixels, the size of both windows.
    const QMargins openbox(1, 20, 1, 5);
    QTest::newRow("openbox, 1024 x 768: frame at 186, 124.5") << QRect(0, 0, 1024, 768) << openbox << QPoint(187, 145);
    QTest::newRow("icewm, 1024 x 768: frame at 182, 122.5")
        << QRect(0, 0, 1024, 768) << QMargins(5, 24, 5, 5) << QPoint(187, 147);
    QTest::newRow("jwm, 1024 x 768: frame at 183, 121.5")
        << QRect(0, 0, 1024, 768) << QMargins(4, 27, 4, 4) << QPoint(187, 149);
    QTest::newRow("no frame") << QRect(0, 0, 1024, 768) << QMargins() << QPoint(187, 137);
    QTest::newRow("800 x 600") << QRect(0, 0, 800, 600) << openbox << QPoint(75, 61);
    QTest::newRow("640 x 480: the frame overhangs, nothing moves it back")
        << QRect(0, 0, 640, 480) << openbox << QPoint(-5, 0);
    QTest::newRow("second screen to the right") << QRect(1024, 0, 800, 600) << openbox << QPoint(1024 + 75, 61);
    QTest::newRow("screen above the first") << QRect(0, -600, 800, 600) << openbox << QPoint(75, -600 + 61);
}

void TstCentratura::posizioneCentrata()
{
    QFETCH(QRect, schermo);
    QFETCH(QMargins, cornice);
    QFETCH(QPoint, interno);

    const QPoint posto = zefiranda::posizioneCentrata(schermo, QSize(650, 494), cornice);
    QCOMPARE(posto, interno);
    // The frame's corner lies within half a pixel of the exact centred place.
    const QSize esterno = QSize(650, 494).grownBy(cornice);
    QVERIFY(qAbs(2 * (posto.x() - cornice.left() - schermo.left()) - (schermo.width() - esterno.width())) <= 1);
    QVERIFY(qAbs(2 * (posto.y() - cornice.top() - schermo.top()) - (schermo.height() - esterno.height())) <= 1);
}

void TstCentratura::corniceCredibile_data()
{
    QTest::addColumn<QMargins>("cornice");
    QTest::addColumn<bool>("credibile");

    QTest::newRow("openbox") << QMargins(1, 20, 1, 5) << true;
    QTest::newRow("jwm") << QMargins(4, 27, 4, 4) << true;
    QTest::newRow("no frame") << QMargins() << true;
    QTest::newRow("thickest believable title bar") << QMargins(0, corniceMassima, 0, 0) << true;
    QTest::newRow("title bar too thick") << QMargins(1, corniceMassima + 1, 1, 5) << false;
    QTest::newRow("border too thick") << QMargins(corniceMassima + 1, 20, 1, 5) << false;
    QTest::newRow("bottom too thick") << QMargins(1, 20, 1, corniceMassima + 1) << false;
    // A 1 x 1 frame window around a 650 x 494 client area, read before the window manager sized it.
    QTest::newRow("1 x 1 frame") << QMargins(0, 0, -649, -493) << false;
    QTest::newRow("frame the size of the screen") << QMargins(187, 137, 187, 137) << false;
    QTest::newRow("negative left") << QMargins(-1, 20, 1, 5) << false;
    QTest::newRow("negative top") << QMargins(1, -20, 1, 5) << false;
    QTest::newRow("negative right") << QMargins(1, 20, -1, 5) << false;
    QTest::newRow("negative bottom") << QMargins(1, 20, 1, -5) << false;
    QTest::newRow("wrapped cardinal") << QMargins(1, 20, 1, -2147483647 - 1) << false;
}

void TstCentratura::corniceCredibile()
{
    QFETCH(QMargins, cornice);
    QFETCH(bool, credibile);

    QCOMPARE(zefiranda::corniceCredibile(cornice), credibile);
}

QTEST_APPLESS_MAIN(TstCentratura)
#include "tst_centratura.moc"
