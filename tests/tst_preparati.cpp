// SPDX-License-Identifier: GPL-3.0-or-later
// The drawings prepared at build time stand for their SVG files pixel for
// pixel: both windows painted through them are the same, byte for byte, as
// painted straight from the SVG files. CTest runs this at QT_SCALE_FACTOR 1,
// 1.5 and 2; at 1 and 2 the windows read no SVG file at all.
#include "pictures/disegni.h"
#include "pictures/preparati.h"
#include "tests/estrazioni.h"
#include "windows/aspetto.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace zefiranda;
using namespace zefiranda::preparati;

namespace {

qreal rapporto()
{
    bool ok = false;
    const double fattore = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? fattore : 1.0;
}

std::unique_ptr<QWidget> creaFinestra(const QString& nome)
{
    std::unique_ptr<QWidget> finestra;
    if (nome == QLatin1String("frminizio"))
        finestra = std::make_unique<Frminizio>();
    else
        finestra = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 2, 3, 4, 2)));
    finestra->show();
    return finestra;
}

// The window as the screen shows it (grab) or as zefiranda-rendi saves it (render).
QImage fotografa(QWidget& finestra, bool comeRendi)
{
    if (!comeRendi)
        return finestra.grab().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const qreal r = finestra.devicePixelRatioF();
    QImage immagine(finestra.size() * r, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(r);
    immagine.fill(Qt::transparent);
    finestra.render(&immagine);
    return immagine;
}

// A pattern of the kinds of pixels the drawings hold: long runs, short runs and lone values.
QImage campione(QSize misura, int seme, QImage::Format formato)
{
    QImage immagine(misura, formato);
    quint32 stato = quint32(seme) * 2654435761u + 1;
    for (int y = 0; y < misura.height(); ++y)
        for (int x = 0; x < misura.width(); ++x) {
            stato = stato * 1664525u + 1013904223u;
            const bool sciolto = (stato >> 28) < 5;
            const QRgb valore = sciolto ? qPremultiply(stato | 0xff000000u) : ((x / 7 + y / 3) % 2 ? 0xffffffc0u : 0);
            immagine.setPixel(x, y, formato == QImage::Format_RGB32 ? (valore | 0xff000000u) : valore);
        }
    return immagine;
}

}  // namespace

class TstPreparati : public QObject {
    Q_OBJECT

private slots:
    void cleanup();
    void finestreComeDalleSvg_data();
    void finestreComeDalleSvg();
    void nessunaSvgLetta();
    void pulsantePremuto();
    void senzaSfondoDichiaratoLaSvg();
    void comprimiEDecomprimi_data();
    void comprimiEDecomprimi();
    void datiGuasti_data();
    void datiGuasti();
    void scrittiSulPosto_data();
    void scrittiSulPosto();
    void fileDelleVarianti();
};

void TstPreparati::cleanup()
{
    usaDisegniPreparati(true);
}

void TstPreparati::finestreComeDalleSvg_data()
{
    QTest::addColumn<QString>("finestra");
    QTest::addColumn<bool>("comeRendi");
    for (const char* nome : {"frminizio", "frmrete"}) {
        QTest::addRow("%s on screen", nome) << QString::fromLatin1(nome) << false;
        QTest::addRow("%s as zefiranda-rendi saves it", nome) << QString::fromLatin1(nome) << true;
    }
}

void TstPreparati::finestreComeDalleSvg()
{
    QFETCH(QString, finestra);
    QFETCH(bool, comeRendi);

    usaDisegniPreparati(false);
    auto dalleSvg = creaFinestra(finestra);
    QVERIFY(QTest::qWaitForWindowExposed(dalleSvg.get()));
    const QImage attesa = fotografa(*dalleSvg, comeRendi);
    dalleSvg.reset();

    usaDisegniPreparati(true);
    auto preparata = creaFinestra(finestra);
    QVERIFY(QTest::qWaitForWindowExposed(preparata.get()));
    const QImage vista = fotografa(*preparata, comeRendi);

    QCOMPARE(vista.size(), attesa.size());
    int diversi = 0;
    for (int y = 0; y < vista.height(); ++y)
        for (int x = 0; x < vista.width(); ++x)
            diversi += vista.pixel(x, y) != attesa.pixel(x, y);
    QVERIFY2(diversi == 0, qPrintable(QStringLiteral("%1 pixels differ").arg(diversi)));
}

void TstPreparati::nessunaSvgLetta()
{
    // At the ratios the build prepares, showing both windows reads no SVG
    // file: a control moved or resized without its line in
    // pictures/CMakeLists.txt shows up here.
    const int prima = disegniSvgLetti();
    for (const char* nome : {"frminizio", "frmrete"}) {
        auto finestra = creaFinestra(QString::fromLatin1(nome));
        QVERIFY(QTest::qWaitForWindowExposed(finestra.get()));
        fotografa(*finestra, false);
        fotografa(*finestra, true);
    }
    const bool preparata = rapporto() == 1 || rapporto() == 2;
    QCOMPARE(disegniSvgLetti() == prima, preparata);
}

void TstPreparati::pulsantePremuto()
{
    // The start button's lettering sinks with its face, still from its prepared layers.
    auto inizio = creaFinestra(QStringLiteral("frminizio"));
    QVERIFY(QTest::qWaitForWindowExposed(inizio.get()));
    auto* parti = inizio->findChild<QPushButton*>(QStringLiteral("cmdparti"));
    parti->setDown(true);
    const QImage premuto = fotografa(*inizio, false);
    usaDisegniPreparati(false);
    inizio->update();
    const QImage dallaSvg = fotografa(*inizio, false);
    parti->setDown(false);
    QVERIFY(premuto == dallaSvg);
}

void TstPreparati::senzaSfondoDichiaratoLaSvg()
{
    // Painted where its picture area shows it, but on a painter that says
    // nothing of what lies beneath, the title comes from its SVG file: its
    // prepared image would bring its background along.
    const qreal r = 2;
    const QRect area = rettangolo(titoloFrminizio.posto);
    const auto dipingi = [r, area] {
        QImage immagine(QSize(700, 300) * r, QImage::Format_ARGB32_Premultiplied);
        immagine.setDevicePixelRatio(r);
        immagine.fill(Qt::transparent);
        QPainter pittore(&immagine);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.translate(area.topLeft());
        disegnoSvg(QString::fromLatin1(titoloFrminizio.disegno))(pittore, area.size());
        return immagine;
    };
    const int prima = disegniSvgLetti();
    const QImage vista = dipingi();
    QCOMPARE(disegniSvgLetti(), prima + 1);
    QCOMPARE(vista.pixel(area.left() * r + 1, area.top() * r + 1), 0u);
    usaDisegniPreparati(false);
    QVERIFY(vista == dipingi());
}

void TstPreparati::comprimiEDecomprimi_data()
{
    QTest::addColumn<QImage>("immagine");
    QTest::newRow("one pixel") << campione(QSize(1, 1), 1, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("one value throughout") << [] {
        QImage i(40, 30, QImage::Format_RGB32);
        i.fill(0xffffffc0u);
        return i;
    }();
    QTest::newRow("runs and lone values") << campione(QSize(97, 31), 2, QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("opaque") << campione(QSize(64, 64), 3, QImage::Format_RGB32);
    QTest::newRow("a run across rows") << [] {
        QImage i(5, 4, QImage::Format_ARGB32_Premultiplied);
        i.fill(0);
        i.setPixel(4, 0, 0xff102030u);
        i.setPixel(0, 1, 0xff102030u);
        i.setPixel(1, 1, 0xff102030u);
        return i;
    }();
}

void TstPreparati::comprimiEDecomprimi()
{
    QFETCH(QImage, immagine);
    const QByteArray dati = comprimi(immagine);
    QVERIFY(!dati.isEmpty());
    QImage letta(immagine.size(), immagine.format());
    QVERIFY(decomprimi(dati, letta));
    QCOMPARE(letta, immagine);
    // Runs make the flat parts small.
    if (immagine.width() * immagine.height() > 100)
        QVERIFY(dati.size() < immagine.sizeInBytes());
}

void TstPreparati::datiGuasti_data()
{
    QTest::addColumn<QByteArray>("dati");
    QTest::addColumn<QSize>("misura");
    const QImage buona = campione(QSize(20, 10), 4, QImage::Format_ARGB32_Premultiplied);
    const QByteArray dati = comprimi(buona);
    QTest::newRow("cut short") << dati.left(dati.size() - 3) << buona.size();
    QTest::newRow("one pixel too few") << comprimi(
        buona.copy(0, 0, 20, 10).convertToFormat(QImage::Format_ARGB32_Premultiplied))
                                       << QSize(21, 10);
    QTest::newRow("too many pixels") << dati << QSize(19, 10);
    QTest::newRow("a number that never ends") << QByteArray(12, '\xff') << QSize(4, 4);
    QTest::newRow("a run past the end") << QByteArray("\x42\x01\x02\x03\x04", 5) << QSize(2, 2);
    QTest::newRow("nothing") << QByteArray() << QSize(1, 1);
}

void TstPreparati::datiGuasti()
{
    QFETCH(QByteArray, dati);
    QFETCH(QSize, misura);
    QImage immagine(misura, QImage::Format_ARGB32_Premultiplied);
    QVERIFY(!decomprimi(dati, immagine));
    QVERIFY(!verifica(dati, misura));
}

void TstPreparati::scrittiSulPosto_data()
{
    QTest::addColumn<QPoint>("angolo");
    QTest::addColumn<QRect>("ritaglio");
    // A 23 x 9 image laid on a 40 x 20 one.
    QTest::newRow("all of it") << QPoint(5, 4) << QRect(0, 0, 40, 20);
    QTest::newRow("at the corner") << QPoint(0, 0) << QRect(0, 0, 40, 20);
    QTest::newRow("a strip across rows") << QPoint(5, 4) << QRect(9, 6, 7, 3);
    QTest::newRow("one pixel") << QPoint(5, 4) << QRect(27, 12, 1, 1);
    QTest::newRow("its last row and column") << QPoint(5, 4) << QRect(27, 12, 10, 10);
    QTest::newRow("hanging over the left and top") << QPoint(-6, -3) << QRect(0, 0, 40, 20);
    QTest::newRow("hanging over the right and bottom") << QPoint(30, 15) << QRect(0, 0, 40, 20);
    QTest::newRow("a clip outside the image") << QPoint(5, 4) << QRect(30, 0, 10, 20);
    QTest::newRow("a clip outside the destination") << QPoint(5, 4) << QRect(-10, -10, 5, 5);
}

void TstPreparati::scrittiSulPosto()
{
    QFETCH(QPoint, angolo);
    QFETCH(QRect, ritaglio);
    // Flat runs that wrap from one row to the next, and stretches written out.
    const QImage immagine = campione(QSize(23, 9), 7, QImage::Format_RGB32);
    const QByteArray dati = comprimi(immagine);
    for (const QImage::Format formato : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        QImage atteso(40, 20, formato);
        atteso.fill(qRgb(1, 2, 3));
        QImage scritto = atteso.copy();
        {
            QPainter pittore(&atteso);
            pittore.setClipRect(ritaglio);
            pittore.drawImage(angolo, immagine);
        }
        QVERIFY(verifica(dati, immagine.size()));
        scriviIn(dati, immagine.size(), scritto, angolo, ritaglio);
        QCOMPARE(scritto, atteso);
    }
}

void TstPreparati::fileDelleVarianti()
{
    Variante opaca;
    opaca.scatola = QSizeF(345, 241);
    opaca.rapporto = 2;
    opaca.origine = QPointF(544, 16);
    opaca.sfondo = 0xffffffc0u;
    opaca.strati.append({QPoint(), QSize(3, 2), QByteArrayLiteral("\x0c\xc0\xff\xff\xff")});
    Variante aStrati;
    aStrati.scatola = QSizeF(111.552, 36.288);
    aStrati.origine = QPointF(408.724, 342.356);
    aStrati.strati.append({QPoint(-1, 2), QSize(1, 1), QByteArrayLiteral("\x03\x01\x02\x03\x04")});
    aStrati.strati.append({QPoint(5, 0), QSize(1, 1), QByteArrayLiteral("\x02\x05\x06\x07\x08")});

    const QByteArray file = scriviVarianti({opaca, aStrati});
    const QList<Variante> lette = leggiVarianti(file);
    QCOMPARE(lette.size(), 2);
    QCOMPARE(lette[0].scatola, opaca.scatola);
    QCOMPARE(lette[0].rapporto, 2.0);
    QCOMPARE(lette[0].origine, opaca.origine);
    QCOMPARE(lette[0].sfondo, opaca.sfondo);
    QCOMPARE(lette[1].origine, aStrati.origine);
    QCOMPARE(lette[1].sfondo, 0u);
    QCOMPARE(lette[1].strati.size(), 2);
    QCOMPARE(lette[1].strati[0].angolo, QPoint(-1, 2));
    QCOMPARE(lette[1].strati[1].dati, aStrati.strati[1].dati);
    // The layers' data are the file's own bytes, not copies.
    for (const Variante& variante : lette)
        for (const Strato& strato : variante.strati)
            QVERIFY(strato.dati.constData() >= file.constData()
                    && strato.dati.constData() + strato.dati.size() <= file.constData() + file.size());

    // Anything else reads as no variants at all, so the SVG file is painted.
    QVERIFY(leggiVarianti(file.left(file.size() - 1)).isEmpty());
    QVERIFY(leggiVarianti(QByteArrayLiteral("<svg/>")).isEmpty());
    QVERIFY(leggiVarianti(QByteArray()).isEmpty());
}

QTEST_MAIN(TstPreparati)
#include "tst_preparati.moc"
