// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/centratura.h"

#include <QtTest>

using namespace zefiranda;

class TstCentratura : public QObject {
    Q_OBJECT

private slots:
    void centra_data();
    void centra();
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

QTEST_APPLESS_MAIN(TstCentratura)
#include "tst_centratura.moc"
