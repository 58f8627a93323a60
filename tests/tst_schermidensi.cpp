// SPDX-License-Identifier: GPL-3.0-or-later
// Both windows on a dense screen, as the toolkit scales them: CTest runs this
// at QT_SCALE_FACTOR 1, 1.5 and 2. The window keeps its layout and grows as a
// whole, the drawings are painted at the screen's own resolution, the texts
// stay whole inside their controls and the background has no seams. Under a
// desktop's dark theme (CTest runs the legibility test with GTK's too) the
// texts stay readable.
#include "pictures/disegni.h"
#include "pictures/frecce.h"
#include "tests/comuni.h"
#include "tests/estrazioni.h"
#include "widgets/areaimmagine.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtTest>

#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace zefiranda;

namespace {

qreal rapportoAtteso()
{
    bool ok = false;
    const double fattore = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? fattore : 1.0;
}

QImage fotografa(QWidget& finestra)
{
    return finestra.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The device pixels that lie wholly inside a control's logical rectangle.
QRect pixelDentro(const QRect& logico, qreal r)
{
    const int sinistra = static_cast<int>(std::ceil(logico.left() * r));
    const int alto = static_cast<int>(std::ceil(logico.top() * r));
    const int destra = static_cast<int>(std::floor((logico.left() + logico.width()) * r));
    const int basso = static_cast<int>(std::floor((logico.top() + logico.height()) * r));
    return QRect(QPoint(sinistra, alto), QPoint(destra - 1, basso - 1));
}

// The device pixels a control's logical rectangle touches at all.
QRect pixelToccati(const QRect& logico, qreal r)
{
    const int sinistra = static_cast<int>(std::floor(logico.left() * r));
    const int alto = static_cast<int>(std::floor(logico.top() * r));
    const int destra = static_cast<int>(std::ceil((logico.left() + logico.width()) * r));
    const int basso = static_cast<int>(std::ceil((logico.top() + logico.height()) * r));
    return QRect(QPoint(sinistra, alto), QPoint(destra - 1, basso - 1));
}

int distanza(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The bounding box of the pixels of an area that differ from its background.
QRect inchiostro(const QImage& immagine, const QRect& area, QRgb sfondo)
{
    QRect scatola;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (distanza(immagine.pixel(x, y), sfondo) > 60)
                scatola |= QRect(x, y, 1, 1);
    return scatola;
}

// Contrast of two colours as the accessibility guidelines reckon it: from 1 to 21.
double contrasto(QRgb a, QRgb b)
{
    const auto luce = [](QRgb c) {
        const auto lineare = [](int v) {
            const double s = v / 255.0;
            return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lineare(qRed(c)) + 0.7152 * lineare(qGreen(c)) + 0.0722 * lineare(qBlue(c));
    };
    const auto [scura, chiara] = std::minmax({luce(a), luce(b)});
    return (chiara + 0.05) / (scura + 0.05);
}

// The commonest colour of an area, counting shades a step of 16 apart as one
// (a button's face is a gradient): one of its pixels.
QRgb prevalente(const QImage& immagine, const QRect& area)
{
    QHash<QRgb, std::pair<int, QRgb>> conta;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            auto& [quanti, campione] = conta[immagine.pixel(x, y) & 0xF0F0F0];
            ++quanti;
            campione = immagine.pixel(x, y);
        }
    return std::max_element(conta.cbegin(), conta.cend())->second;
}

// A desktop with a dark theme, as Qt's Fusion style paints it.
QPalette fusionScura()
{
    const QColor grigio(53, 53, 53);
    return QPalette(Qt::white, grigio, grigio.lighter(), grigio.darker(), grigio.darker(120), Qt::white, Qt::red,
                    QColor(35, 35, 35), grigio);
}

struct Disegnato {
    Disegno disegno;
    QPointF angolo;  // where the drawing starts inside the control
    QSizeF misura;
};

}  // namespace

class TstSchermiDensi : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void rapportoDelloSchermo();
    void finestreInScala();
    void disegniAllaRisoluzioneDelloSchermo_data();
    void disegniAllaRisoluzioneDelloSchermo();
    void bordiDelleFrecce_data();
    void bordiDelleFrecce();
    void testiInteri_data();
    void testiInteri();
    void ogniDidascaliaStaNellaLegenda();
    void sfondoSenzaCuciture();
    void testiLeggibili_data();
    void testiLeggibili();

private:
    QWidget* finestra(const QString& nome) const
    {
        return nome == QLatin1String("frminizio") ? static_cast<QWidget*>(inizio.get()) : rete.get();
    }

    std::unique_ptr<Frminizio> inizio;
    std::unique_ptr<Frmrete> rete;
};

void TstSchermiDensi::init()
{
    inizio = std::make_unique<Frminizio>();
    inizio->show();
    rete = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 2, 3, 4, 2)));
    rete->show();
    QVERIFY(QTest::qWaitForWindowExposed(inizio.get()));
    QVERIFY(QTest::qWaitForWindowExposed(rete.get()));
}

void TstSchermiDensi::cleanup()
{
    rete.reset();
    inizio.reset();
}

void TstSchermiDensi::rapportoDelloSchermo()
{
    // The run tests the ratio it says it does.
    QCOMPARE(inizio->devicePixelRatioF(), rapportoAtteso());
    QCOMPARE(rete->devicePixelRatioF(), rapportoAtteso());
}

void TstSchermiDensi::finestreInScala()
{
    const qreal r = rapportoAtteso();
    for (QWidget* f : {static_cast<QWidget*>(inizio.get()), static_cast<QWidget*>(rete.get())}) {
        QCOMPARE(f->size(), QSize(650, 494));
        const QImage immagine = fotografa(*f);
        QCOMPARE(immagine.size(), QSize(qRound(650 * r), qRound(494 * r)));
    }
    // The layout stays in logical pixels: a control keeps its place in the window.
    QCOMPARE(rete->findChild<QWidget*>(QStringLiteral("txt9"))->geometry(), QRect(336, 400, 33, 33));
    QCOMPARE(inizio->findChild<QWidget*>(QStringLiteral("cmdparti"))->geometry(), QRect(400, 328, 129, 65));
}

void TstSchermiDensi::disegniAllaRisoluzioneDelloSchermo_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<int>("disegno");    // row of the table below
    QTest::addColumn<QColor>("sfondo");  // none on a button: its face is the style's

    QTest::newRow("frmrete Picture1") << "frmrete"
                                      << "Picture1" << 0 << sfondoFrmrete;
    QTest::newRow("frmrete Picture3") << "frmrete"
                                      << "Picture3" << 1 << sfondoFrmrete;
    QTest::newRow("frmrete Picture16") << "frmrete"
                                       << "Picture16" << 2 << sfondoFrmrete;
    QTest::newRow("frmrete Picture19") << "frmrete"
                                       << "Picture19" << 3 << sfondoFrmrete;
    QTest::newRow("frmrete Picture20") << "frmrete"
                                       << "Picture20" << 4 << sfondoFrmrete;
    QTest::newRow("frminizio Picture1") << "frminizio"
                                        << "Picture1" << 5 << sfondoFrminizio;
    QTest::newRow("frminizio Picture2") << "frminizio"
                                        << "Picture2" << 6 << sfondoFrminizio;
    QTest::newRow("frminizio Image1") << "frminizio"
                                      << "Image1" << 7 << sfondoFrminizio;
    QTest::newRow("frminizio cmdparti") << "frminizio"
                                        << "cmdparti" << 8 << QColor();
}

void TstSchermiDensi::disegniAllaRisoluzioneDelloSchermo()
{
    // What the window shows, pixel for pixel, is the drawing painted as vectors
    // straight onto the screen's pixels: nothing drawn small and blown up.
    QFETCH(QString, finestra);
    QFETCH(QString, controllo);
    QFETCH(int, disegno);
    QFETCH(QColor, sfondo);

    QWidget* f = this->finestra(finestra);
    QWidget* c = f->findChild<QWidget*>(controllo);
    QVERIFY(c);
    const QRect g = c->geometry();
    const QSizeF vai = dimensioneNaturale(QStringLiteral("vai"));
    const Disegnato disegni[] = {
        {disegnoFreccia(Freccia::Blu), {}, g.size()},
        {disegnoFreccia(Freccia::Rossa), {}, g.size()},
        {disegnoFreccia(Freccia::GiallaRete), {}, g.size()},
        {disegnoFreccia(Freccia::GiallaLegenda), {}, g.size()},
        {disegnoSvg(QStringLiteral("palloncini")), {}, g.size()},
        {disegnoSvg(QStringLiteral("titolo")), {}, g.size()},
        {disegnoSvg(QStringLiteral("ragazzo")), {}, g.size()},
        {disegnoNaturale(QStringLiteral("firma")), {}, g.size()},
        {disegnoSvg(QStringLiteral("vai")), {(g.width() - vai.width()) / 2, (g.height() - vai.height()) / 2}, vai},
    };
    const Disegnato& atteso = disegni[disegno];

    if (finestra == QLatin1String("frminizio"))
        f->setFocus();  // no focus frame on the start button
    const qreal r = rapportoAtteso();
    const QImage schermo = fotografa(*f);
    QImage riferimento(schermo.size(), QImage::Format_ARGB32_Premultiplied);
    riferimento.setDevicePixelRatio(r);
    riferimento.fill(Qt::transparent);
    {
        QPainter pittore(&riferimento);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.translate(QPointF(g.topLeft()) + atteso.angolo);
        atteso.disegno(pittore, atteso.misura);
    }

    // Over the part of the control that nothing covers (a neighbour may
    // overlap it by a pixel), the screen shows the drawing on the control's
    // background; on a button, wherever the drawing covers a pixel wholly.
    QRegion scoperta;
    for (const QRect& pezzo : c->visibleRegion().translated(g.topLeft()))
        scoperta += pixelDentro(pezzo, r);
    int confrontati = 0;
    int diversi = 0;
    int disegnati = 0;
    for (const QRect& pezzo : scoperta) {
        for (int y = pezzo.top(); y <= pezzo.bottom(); ++y) {
            for (int x = pezzo.left(); x <= pezzo.right(); ++x) {
                const QRgb voluto = riferimento.pixel(x, y);
                const int a = qAlpha(voluto);
                if (a > 0)
                    ++disegnati;
                if (!sfondo.isValid() && a != 255)
                    continue;
                const QRgb b = sfondo.isValid() ? sfondo.rgb() : 0;
                const QRgb composto =
                    qRgb(qRed(voluto) + qRed(b) * (255 - a) / 255, qGreen(voluto) + qGreen(b) * (255 - a) / 255,
                         qBlue(voluto) + qBlue(b) * (255 - a) / 255);
                ++confrontati;
                if (distanza(schermo.pixel(x, y), composto) > 3)
                    ++diversi;
            }
        }
    }
    QVERIFY2(disegnati > 100 && confrontati > 100, qPrintable(QString::number(disegnati)));
    QVERIFY2(diversi == 0, qPrintable(QStringLiteral("%1 of %2 pixels differ").arg(diversi).arg(confrontati)));
}

void TstSchermiDensi::bordiDelleFrecce_data()
{
    QTest::addColumn<int>("numero");
    QTest::addColumn<QColor>("colore");
    QTest::addColumn<bool>("diritta");
    QTest::addColumn<double>("spessore");  // of the shaft across the scan line, in logical pixels

    // Shafts: blue 449 of 2345 units of 17 pixels; red the same across; the
    // grid's yellow band measured along a row, 0.0330 of the side times sqrt(2).
    QTest::newRow("blue") << 1 << coloreFreccia(Freccia::Blu) << true << 449.0 / 2345 * 17;
    QTest::newRow("red") << 3 << coloreFreccia(Freccia::Rossa) << true << 449.0 / 2345 * 17;
    QTest::newRow("yellow") << 2 << coloreFreccia(Freccia::GiallaRete) << false << 0.0;
}

void TstSchermiDensi::bordiDelleFrecce()
{
    // Across a shaft the colour goes from pink to the arrow's within one device
    // pixel at each edge (two along a row across the diagonal band).
    QFETCH(int, numero);
    QFETCH(QColor, colore);
    QFETCH(bool, diritta);
    QFETCH(double, spessore);

    const qreal r = rapportoAtteso();
    const QImage schermo = fotografa(*rete);
    const QRect area = pixelDentro(rete->Picture(numero)->geometry(), r);
    const bool orizzontale = numero == 1;  // the blue shaft is scanned down a column
    QList<double> quote;
    if (orizzontale) {
        const int x = area.left() + area.width() * 45 / 100;
        for (int y = area.top(); y <= area.bottom(); ++y)
            quote << quota(schermo.pixel(x, y), colore);
    } else {
        const int y = area.top() + area.height() * (diritta ? 45 : 30) / 100;
        for (int x = area.left(); x <= area.right(); ++x)
            quote << quota(schermo.pixel(x, y), colore);
    }
    int sfumati = 0;
    double somma = 0;
    for (double q : quote) {
        somma += q;
        if (q > 0.05 && q < 0.95)
            ++sfumati;
    }
    QVERIFY2(sfumati <= (diritta ? 2 : 4), qPrintable(QStringLiteral("%1 blended pixels").arg(sfumati)));
    if (diritta)
        QVERIFY2(std::abs(somma - spessore * r) < 0.5,
                 qPrintable(QStringLiteral("shaft %1 device pixels, expected %2").arg(somma).arg(spessore * r)));
    else
        QVERIFY(somma > r);
}

void TstSchermiDensi::testiInteri_data()
{
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("testo");

    // The longest texts each control is given.
    QTest::newRow("lblcomblu = + 10") << "lblcomblu"
                                      << "= + 10";
    QTest::newRow("lblcomblu = - 10") << "lblcomblu"
                                      << "= - 10";
    QTest::newRow("lblcomrossa = + 10") << "lblcomrossa"
                                        << "= + 10";
    QTest::newRow("lblcomrossa = - 10") << "lblcomrossa"
                                        << "= - 10";
    QTest::newRow("Label1") << "Label1"
                            << "=";
    QTest::newRow("lblmess Attento") << "lblmess" << messaggioAttento();
    QTest::newRow("lblmess Bravo") << "lblmess" << messaggioBravo();
    QTest::newRow("txt1 49") << "txt1"
                             << "49";
    QTest::newRow("txt5 48") << "txt5"
                             << "48";
    QTest::newRow("txt9 49") << "txt9"
                             << "49";
    QTest::newRow("txtcomgialla -20") << "txtcomgialla"
                                      << "-20";
    QTest::newRow("txtcomgialla +20") << "txtcomgialla"
                                      << "+20";
}

void TstSchermiDensi::testiInteri()
{
    QFETCH(QString, controllo);
    QFETCH(QString, testo);

    QWidget* c = rete->findChild<QWidget*>(controllo);
    QVERIFY(c);
    auto* etichetta = qobject_cast<QLabel*>(c);
    auto* casella = qobject_cast<QLineEdit*>(c);
    QVERIFY(etichetta || casella);
    rete->findChild<QWidget*>(QStringLiteral("cmdfine"))->setFocus();  // no cursor in the boxes

    // By the font's measure: the text fits the room the control gives it.
    const QFontMetricsF misure(c->font());
    QRect stanza = c->contentsRect();
    QRgb sfondo = sfondoFrmrete.rgb();
    if (casella) {
        casella->setText(testo);
        QStyleOptionFrame opzione;
        opzione.initFrom(casella);
        opzione.lineWidth = casella->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opzione, casella);
        stanza = casella->style()->subElementRect(QStyle::SE_LineEditContents, &opzione, casella);
        stanza = stanza.marginsRemoved(casella->textMargins()).adjusted(2, 0, -2, 0);  // QLineEdit's own margin
        sfondo = casella->palette().color(QPalette::Base).rgb();
    } else {
        etichetta->setText(testo);
    }
    // A box scrolls a text wider than its room; a label cuts off what goes past its edge.
    const QRectF stretto = misure.tightBoundingRect(testo);
    const qreal larghezza = casella ? misure.horizontalAdvance(testo) : stretto.right();
    QVERIFY2(larghezza < stanza.width(),
             qPrintable(QStringLiteral("%1 wide in %2").arg(larghezza).arg(stanza.width())));
    QVERIFY2(stretto.height() < stanza.height(), qPrintable(QString::number(stretto.height())));

    // On the screen: the whole text is drawn, and none of it reaches the edge
    // of its room, where the control would cut it off.
    const qreal r = rapportoAtteso();
    const QImage schermo = c->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QRect dentro = pixelDentro(stanza, r);
    const QRect segno = inchiostro(schermo, dentro, sfondo);
    QVERIFY(!segno.isEmpty());
    QVERIFY2(segno.left() > dentro.left() && segno.right() < dentro.right(),
             qPrintable(QStringLiteral("ink %1..%2 in %3..%4")
                            .arg(segno.left())
                            .arg(segno.right())
                            .arg(dentro.left())
                            .arg(dentro.right())));
    QVERIFY2(segno.bottom() < dentro.bottom(), qPrintable(QString::number(segno.bottom())));
    QVERIFY2(segno.width() >= (stretto.width() - 1) * r - 2,
             qPrintable(QStringLiteral("ink %1 wide, the text %2").arg(segno.width()).arg(stretto.width() * r)));
}

void TstSchermiDensi::ogniDidascaliaStaNellaLegenda()
{
    // Every caption a puzzle can write fits both legend labels.
    Esercizio prova;
    for (int segno : {1, 2}) {
        for (int passo = 1; passo <= 10; ++passo) {
            const QString testo = prova.genera({segno, segno, 0, passo, passo}).lblcomblu;
            for (const char* nome : {"lblcomblu", "lblcomrossa"}) {
                const auto* etichetta = rete->findChild<QLabel*>(QString::fromLatin1(nome));
                const QFontMetricsF misure(etichetta->font());
                QVERIFY2(misure.tightBoundingRect(testo).right() < etichetta->width(),
                         qPrintable(QStringLiteral("%1 in %2").arg(testo, QLatin1String(nome))));
            }
        }
    }
}

void TstSchermiDensi::sfondoSenzaCuciture()
{
    // With the pictures and captions taken away, everything but the boxes and
    // buttons is the window's colour, however the controls' edges fall on
    // the screen's pixels.
    for (int n = 1; n <= 20; ++n)
        rete->Picture(n)->setDisegno({});
    for (QLabel* etichetta : rete->findChildren<QLabel*>())
        etichetta->setText(QString());
    for (QObject* figlio : inizio->children())
        if (auto* area = qobject_cast<AreaImmagine*>(figlio))
            area->setDisegno({});

    const qreal r = rapportoAtteso();
    for (auto [f, colore] : {std::pair<QWidget*, QColor>{rete.get(), sfondoFrmrete}, {inizio.get(), sfondoFrminizio}}) {
        f->setFocus();
        const QImage schermo = fotografa(*f);
        QRegion controlli;
        for (QWidget* c : f->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(c) || qobject_cast<QAbstractButton*>(c))
                controlli += pixelToccati(c->geometry(), r).adjusted(-1, -1, 1, 1);
        int diversi = 0;
        for (int y = 0; y < schermo.height(); ++y)
            for (int x = 0; x < schermo.width(); ++x)
                if (!controlli.contains(QPoint(x, y)) && (schermo.pixel(x, y) & 0xFFFFFF) != (colore.rgb() & 0xFFFFFF))
                    ++diversi;
        QVERIFY2(
            diversi == 0,
            qPrintable(QStringLiteral("%1: %2 pixels off the background colour").arg(f->objectName()).arg(diversi)));
    }
}

void TstSchermiDensi::testiLeggibili_data()
{
    QTest::addColumn<bool>("scuro");  // a dark Fusion palette; else the desktop's own
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<QString>("controllo");
    QTest::addColumn<QString>("testo");  // none: the button's caption
    QTest::addColumn<bool>("selezionato");

    for (const bool scuro : {false, true}) {
        const auto riga = [scuro](const char* finestra, const char* controllo, const QString& testo,
                                  bool selezionato = false) {
            QTest::addRow("%s %s %s%s", scuro ? "dark" : "desktop", controllo, qPrintable(testo),
                          selezionato ? " selected" : "")
                << scuro << QString::fromLatin1(finestra) << QString::fromLatin1(controllo) << testo << selezionato;
        };
        riga("frmrete", "txt1", QStringLiteral("49"));
        riga("frmrete", "txt5", QStringLiteral("48"));
        riga("frmrete", "txtcomgialla", QStringLiteral("+20"));
        riga("frmrete", "txtcomgialla", QStringLiteral("-20"), true);
        riga("frmrete", "lblcomblu", QStringLiteral("= + 10"));
        riga("frmrete", "lblcomrossa", QStringLiteral("= - 10"));
        riga("frmrete", "Label1", QStringLiteral("="));
        riga("frmrete", "lblmess", messaggioAttento());
        riga("frmrete", "cmdconferma", QString());
        riga("frmrete", "cmdfine", QString());
        riga("frminizio", "cmdesci", QString());
    }
}

void TstSchermiDensi::testiLeggibili()
{
    // Whatever the desktop's colours, every text stands out from what lies
    // right under it by at least 4.5 : 1, on the light look the windows keep.
    QFETCH(bool, scuro);
    QFETCH(QString, finestra);
    QFETCH(QString, controllo);
    QFETCH(QString, testo);
    QFETCH(bool, selezionato);

    const QPalette delDesktop = QApplication::palette();
    if (scuro) {
        QApplication::setPalette(fusionScura());
        cleanup();
        init();
    } else if (qEnvironmentVariable("GTK_THEME").endsWith(QLatin1String(":dark"))) {
        // The desktop's dark theme is really there.
        QVERIFY(delDesktop.color(QPalette::Window).lightness() < 128);
    }
    const auto ripristina = qScopeGuard([&delDesktop] { QApplication::setPalette(delDesktop); });
    QWidget* f = this->finestra(finestra);
    QWidget* c = f->findChild<QWidget*>(controllo);
    QVERIFY(c);
    if (auto* casella = qobject_cast<QLineEdit*>(c)) {
        casella->setText(testo);
        casella->setFocus();
        if (selezionato)
            casella->selectAll();
    } else if (auto* etichetta = qobject_cast<QLabel*>(c)) {
        etichetta->setText(testo);
    }

    const qreal r = rapportoAtteso();
    const QImage schermo = fotografa(*f);
    const QRect stanza = pixelDentro(c->geometry().adjusted(3, 3, -3, -3), r);
    const QRect segno = inchiostro(schermo, stanza, prevalente(schermo, stanza));
    QVERIFY(!segno.isEmpty());
    // Right under the text: the box, the label's ground, the button's face or the selection.
    const QRgb sotto = prevalente(schermo, segno.adjusted(-2, -2, 2, 2) & stanza);
    double massimo = 0;
    for (int y = segno.top(); y <= segno.bottom(); ++y)
        for (int x = segno.left(); x <= segno.right(); ++x)
            massimo = std::max(massimo, contrasto(schermo.pixel(x, y), sotto));
    QVERIFY2(massimo >= 4.5, qPrintable(QStringLiteral("%1 : 1 on %2").arg(massimo).arg(QColor(sotto).name())));
    QVERIFY2(selezionato || qGray(sotto) > 180, qPrintable(QColor(sotto).name()));
}

QTEST_MAIN(TstSchermiDensi)
#include "tst_schermidensi.moc"
