// SPDX-License-Identifier: GPL-3.0-or-later
// The network window as it appears: its picture areas rendered to pixels.
#include "pictures/frecce.h"
#include "tests/comuni.h"
#include "tests/estrazioni.h"
#include "widgets/areaimmagine.h"
#include "windows/frmrete.h"

#include <QImage>
#include <QtTest>

#include <memory>

using namespace zefiranda;

namespace {

const QColor blu = coloreFreccia(Freccia::Blu);
const QColor rosso = coloreFreccia(Freccia::Rossa);
const QColor giallo = coloreFreccia(Freccia::GiallaRete);

enum class Tipo { Blu, Rossa, Gialla, GiallaLegenda };

QColor coloreDi(Tipo tipo)
{
    switch (tipo) {
    case Tipo::Blu:
        return blu;
    case Tipo::Rossa:
        return rosso;
    default:
        return giallo;
    }
}

QImage rendi(QWidget& finestra, int rapporto)
{
    QImage immagine(finestra.size() * rapporto, QImage::Format_ARGB32);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::black);
    finestra.render(&immagine);
    return immagine;
}

// One picture area cut out of the window's image, in device pixels.
QImage scatola(const QImage& finestra, const Frmrete& rete, int numero)
{
    const int r = static_cast<int>(finestra.devicePixelRatio());
    const QRect g = rete.Picture(numero)->geometry();
    return finestra.copy(QRect(g.topLeft() * r, g.size() * r));
}

// How far the pixel at x, y has gone from the pink background towards the glyph's colour.
double quota(const QImage& immagine, int x, int y, QColor glifo)
{
    return ::quota(immagine.pixel(x, y), glifo);
}

double quotaIn(const QImage& immagine, QPointF frazione, QColor glifo)
{
    return quota(immagine, static_cast<int>(frazione.x() * immagine.width()),
                 static_cast<int>(frazione.y() * immagine.height()), glifo);
}

double massimoRiga(const QImage& immagine, int y, QColor glifo, int finoA = -1)
{
    double massimo = 0;
    for (int x = 0; x < (finoA < 0 ? immagine.width() : finoA); ++x)
        massimo = std::max(massimo, quota(immagine, x, y, glifo));
    return massimo;
}

double massimoColonna(const QImage& immagine, int x, QColor glifo, int finoA = -1)
{
    double massimo = 0;
    for (int y = 0; y < (finoA < 0 ? immagine.height() : finoA); ++y)
        massimo = std::max(massimo, quota(immagine, x, y, glifo));
    return massimo;
}

// Length of a straight arrow's head along its direction, in pixels: from the
// first pixel of the top (or left) edge that the head reaches to the tip.
int lunghezzaPunta(const QImage& immagine, Tipo tipo)
{
    const QColor c = coloreDi(tipo);
    if (tipo == Tipo::Blu) {
        for (int x = 0; x < immagine.width(); ++x)
            if (quota(immagine, x, 0, c) > 0.25)
                return immagine.width() - x;
    } else {
        for (int y = 0; y < immagine.height(); ++y)
            if (quota(immagine, 0, y, c) > 0.25)
                return immagine.height() - y;
    }
    return 0;
}

}  // namespace

Q_DECLARE_METATYPE(Tipo)

class TstReteDisegnata : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void glifi_data();
    void glifi();
    void legendaControRete_data();
    void legendaControRete();
    void nitidezzaARapportoDue();
    void frecceUgualiInOgniEsercizio();
    void palloncini();

private:
    std::unique_ptr<Frmrete> rete;
};

void TstReteDisegnata::init()
{
    rete = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    rete->show();
    QVERIFY(QTest::qWaitForWindowExposed(rete.get()));
}

void TstReteDisegnata::cleanup()
{
    rete.reset();
}

void TstReteDisegnata::glifi_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<Tipo>("tipo");
    QTest::addColumn<int>("rapporto");

    const QList<std::pair<int, Tipo>> scatole{
        {1, Tipo::Blu},
        {4, Tipo::Blu},
        {5, Tipo::Blu},
        {6, Tipo::Blu},
        {7, Tipo::Blu},
        {8, Tipo::Blu},
        {17, Tipo::Blu},
        {3, Tipo::Rossa},
        {9, Tipo::Rossa},
        {10, Tipo::Rossa},
        {11, Tipo::Rossa},
        {12, Tipo::Rossa},
        {13, Tipo::Rossa},
        {18, Tipo::Rossa},
        {2, Tipo::Gialla},
        {14, Tipo::Gialla},
        {15, Tipo::Gialla},
        {16, Tipo::Gialla},
        {19, Tipo::GiallaLegenda},
    };
    for (int rapporto : {1, 2})
        for (const auto& [numero, tipo] : scatole)
            QTest::addRow("Picture%d at %dx", numero, rapporto) << numero << tipo << rapporto;
}

void TstReteDisegnata::glifi()
{
    QFETCH(int, numero);
    QFETCH(Tipo, tipo);
    QFETCH(int, rapporto);

    const QImage finestra = rendi(*rete, rapporto);
    QCOMPARE(finestra.size(), rete->size() * rapporto);
    const QImage s = scatola(finestra, *rete, numero);
    QCOMPARE(s.size(), rete->Picture(numero)->size() * rapporto);
    const QColor c = coloreDi(tipo);
    const int w = s.width(), h = s.height();

    QPointF asta, punta;
    QList<QPoint> vuoti;
    switch (tipo) {
    case Tipo::Blu:
        asta = {0.45, 0.5};
        punta = {0.9, 0.3};
        vuoti = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {w / 2, 0}, {w / 2, h - 1}};
        break;
    case Tipo::Rossa:
        asta = {0.5, 0.45};
        punta = {0.3, 0.9};
        vuoti = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}, {0, h / 2}, {w - 1, h / 2}};
        break;
    case Tipo::Gialla:
        asta = {0.45, 0.45};
        punta = {0.925, 0.925};
        vuoti = {{w - 1, 0}, {0, h - 1}, {w * 4 / 5, h / 5}, {w / 5, h * 4 / 5}};
        break;
    case Tipo::GiallaLegenda:
        asta = {0.45, 0.45};
        punta = {0.88, 0.88};
        vuoti = {{w - 1, 0}, {0, h - 1}, {w * 4 / 5, h / 5}, {w / 5, h * 4 / 5}};
        break;
    }
    QVERIFY2(quotaIn(s, asta, c) > 0.97, "the shaft's middle is not in the glyph's colour");
    QVERIFY2(quotaIn(s, punta, c) > 0.97, "the head is not in the glyph's colour");
    for (const QPoint& p : vuoti)
        QVERIFY2(
            s.pixelColor(p) == sfondoFrmrete,
            qPrintable(QStringLiteral("(%1, %2) is %3, not pink").arg(p.x()).arg(p.y()).arg(s.pixelColor(p).name())));

    // Which sides the glyph reaches.
    switch (tipo) {
    case Tipo::Blu:
        QVERIFY2(massimoColonna(s, 0, c) > 0.97, "the shaft does not start at the left edge");
        QVERIFY2(massimoColonna(s, w - 1, c) > 0.25, "the tip does not reach the right edge");
        QVERIFY2(massimoRiga(s, 0, c) > 0.25 && massimoRiga(s, h - 1, c) > 0.25, "the head is not full height");
        break;
    case Tipo::Rossa:
        QVERIFY2(massimoRiga(s, 0, c) > 0.97, "the shaft does not start at the top edge");
        QVERIFY2(massimoRiga(s, h - 1, c) > 0.25, "the tip does not reach the bottom edge");
        QVERIFY2(massimoColonna(s, 0, c) > 0.25 && massimoColonna(s, w - 1, c) > 0.25, "the head is not full width");
        break;
    case Tipo::Gialla:
    case Tipo::GiallaLegenda:
        // The shaft's end cuts the corner from the top edge to the left edge.
        QVERIFY2(massimoRiga(s, 0, c, w / 10) > 0.4, "the shaft does not start at the top edge");
        QVERIFY2(massimoColonna(s, 0, c, h / 10) > 0.4, "the shaft does not start at the left edge");
        QVERIFY2(quota(s, w - 1, h - 1, c) > 0.4, "the tip is not in the bottom-right corner");
        break;
    }
}

void TstReteDisegnata::legendaControRete_data()
{
    QTest::addColumn<int>("rapporto");
    QTest::newRow("1x") << 1;
    QTest::newRow("2x") << 2;
}

void TstReteDisegnata::legendaControRete()
{
    QFETCH(int, rapporto);
    const QImage finestra = rendi(*rete, rapporto);

    // Shorter arrows, shorter heads, in proportion to the boxes (855 and 975 against 1335 twips).
    const int puntaBlu = lunghezzaPunta(scatola(finestra, *rete, 1), Tipo::Blu);
    const int puntaBluLegenda = lunghezzaPunta(scatola(finestra, *rete, 17), Tipo::Blu);
    QVERIFY(rete->Picture(17)->width() < rete->Picture(1)->width());
    QVERIFY2(puntaBluLegenda < puntaBlu,
             qPrintable(QStringLiteral("%1 against %2").arg(puntaBluLegenda).arg(puntaBlu)));
    QVERIFY(std::abs(puntaBluLegenda - puntaBlu * 855.0 / 1335) <= 1.5 * rapporto);

    const int puntaRossa = lunghezzaPunta(scatola(finestra, *rete, 3), Tipo::Rossa);
    const int puntaRossaLegenda = lunghezzaPunta(scatola(finestra, *rete, 18), Tipo::Rossa);
    QVERIFY(rete->Picture(18)->height() < rete->Picture(3)->height());
    QVERIFY2(puntaRossaLegenda < puntaRossa,
             qPrintable(QStringLiteral("%1 against %2").arg(puntaRossaLegenda).arg(puntaRossa)));
    QVERIFY(std::abs(puntaRossaLegenda - puntaRossa * 975.0 / 1335) <= 1.5 * rapporto);

    // The legend's yellow shaft is thicker for its box: the share of a row
    // across the middle that it covers.
    auto quotaDellaRiga = [](const QImage& s) {
        double somma = 0;
        for (int x = s.width() / 4; x < s.width() * 3 / 4; ++x)
            somma += std::clamp(quota(s, x, s.height() / 2, giallo), 0.0, 1.0);
        return somma / s.width();
    };
    const double rete_ = quotaDellaRiga(scatola(finestra, *rete, 2));
    const double legenda = quotaDellaRiga(scatola(finestra, *rete, 19));
    QVERIFY2(legenda > rete_ * 1.3, qPrintable(QStringLiteral("%1 against %2").arg(legenda).arg(rete_)));
}

void TstReteDisegnata::nitidezzaARapportoDue()
{
    // Across a blue shaft: at twice the pixel ratio the shaft is twice as many
    // device pixels thick, and each edge still goes from pink to blue within
    // two pixels (no blown-up image).
    auto taglio = [this](int rapporto) {
        const QImage s = scatola(rendi(*rete, rapporto), *rete, 1);
        const int x = s.width() * 45 / 100;
        double somma = 0;
        int sfumati = 0;
        for (int y = 0; y < s.height(); ++y) {
            const double q = quota(s, x, y, blu);
            somma += q;
            if (q > 0.05 && q < 0.95)
                ++sfumati;
        }
        return std::pair{somma, sfumati};
    };
    const auto [uno, sfumatiUno] = taglio(1);
    const auto [due, sfumatiDue] = taglio(2);
    const double atteso = (1397.0 - 948.0) / 2345 * rete->Picture(1)->height();
    QVERIFY2(std::abs(uno - atteso) < 0.2, qPrintable(QString::number(uno)));
    QVERIFY2(std::abs(due - 2 * atteso) < 0.3, qPrintable(QString::number(due)));
    QVERIFY(sfumatiUno <= 2);
    QVERIFY(sfumatiDue <= 4);
}

void TstReteDisegnata::frecceUgualiInOgniEsercizio()
{
    QList<QImage> prima;
    const QImage finestra = rendi(*rete, 1);
    for (int n = 1; n <= 19; ++n)
        prima << scatola(finestra, *rete, n);

    // A puzzle with both steps subtracted.
    auto altra = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(2, 2, 9, 3, 5)));
    altra->show();
    QVERIFY(QTest::qWaitForWindowExposed(altra.get()));
    altra->nuovoesercizio();
    const QImage dopo = rendi(*altra, 1);
    for (int n = 1; n <= 19; ++n)
        QVERIFY2(scatola(dopo, *altra, n) == prima[n - 1], qPrintable(QStringLiteral("Picture%1").arg(n)));
}

void TstReteDisegnata::palloncini()
{
    // The balloon boy: the four balloons in the upper third, pink where the drawing leaves gaps.
    const QImage s = scatola(rendi(*rete, 1), *rete, 20);
    QSet<QRgb> colori;
    for (int y = 0; y < s.height() / 3; ++y)
        for (int x = 0; x < s.width(); ++x)
            colori.insert(s.pixel(x, y) & 0xFFFFFF);
    for (QRgb palloncino : {qRgb(242, 235, 50), qRgb(218, 42, 36), qRgb(57, 46, 125), qRgb(0, 156, 60)})
        QVERIFY2(colori.contains(palloncino & 0xFFFFFF), qPrintable(QColor(palloncino).name()));
    QVERIFY(colori.contains(sfondoFrmrete.rgb() & 0xFFFFFF));
}

QTEST_MAIN(TstReteDisegnata)
#include "tst_retedisegnata.moc"
