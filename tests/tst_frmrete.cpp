// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/estrazioni.h"
#include "widgets/areaimmagine.h"
#include "windows/aspetto.h"
#include "windows/frmrete.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace zefiranda;

namespace {

QString tipo(const QWidget* controllo)
{
    if (qobject_cast<const QLineEdit*>(controllo))
        return QStringLiteral("text box");
    if (qobject_cast<const QLabel*>(controllo))
        return QStringLiteral("label");
    if (qobject_cast<const QPushButton*>(controllo))
        return QStringLiteral("button");
    if (qobject_cast<const AreaImmagine*>(controllo))
        return QStringLiteral("picture");
    return QStringLiteral("other");
}

// The network window's controls: twips from the layout table; fonts at 96 dpi
// (13.5 pt = 18 px, 18 pt = 24 px, 14.25 pt = 19 px), 0 for the window's own.
struct Controllo {
    const char* nome;
    const char* kind;
    int left, top, width, height;
    int fontPixels = 0;
    bool italic = false;
};
const Controllo controlliAttesi[] = {
    // The legend.
    {"Picture17", "picture", 240, 840, 855, 255},
    {"lblcomblu", "label", 1200, 720, 1095, 375, 24},
    {"Picture18", "picture", 2520, 480, 255, 975},
    {"lblcomrossa", "label", 2880, 720, 1215, 375, 24},
    {"Picture19", "picture", 4200, 480, 975, 975},
    {"Label1", "label", 5160, 720, 255, 375, 24},
    {"txtcomgialla", "text box", 5520, 720, 975, 495, 18},
    {"txtcg", "text box", 5520, 1320, 495, 285},
    // The grid: boxes, then arrows.
    {"txt1", "text box", 960, 1920, 495, 495, 18},
    {"txt2", "text box", 3000, 1920, 495, 495, 18},
    {"txt3", "text box", 5040, 1920, 495, 495, 18},
    {"txt4", "text box", 960, 3960, 495, 495, 18},
    {"txt5", "text box", 3000, 3960, 495, 495, 18},
    {"txt6", "text box", 5040, 3960, 495, 495, 18},
    {"txt7", "text box", 960, 6000, 495, 495, 18},
    {"txt8", "text box", 3000, 6000, 495, 495, 18},
    {"txt9", "text box", 5040, 6000, 495, 495, 18},
    {"Picture1", "picture", 1560, 2040, 1335, 255},
    {"Picture4", "picture", 3600, 2040, 1335, 255},
    {"Picture5", "picture", 1560, 4080, 1335, 255},
    {"Picture6", "picture", 3600, 4080, 1335, 255},
    {"Picture8", "picture", 1560, 6120, 1335, 255},
    {"Picture7", "picture", 3600, 6120, 1335, 255},
    {"Picture3", "picture", 1080, 2520, 255, 1335},
    {"Picture13", "picture", 3120, 2520, 255, 1335},
    {"Picture12", "picture", 5160, 2520, 255, 1335},
    {"Picture9", "picture", 1080, 4560, 255, 1335},
    {"Picture10", "picture", 3120, 4560, 255, 1335},
    {"Picture11", "picture", 5160, 4560, 255, 1335},
    {"Picture2", "picture", 1560, 2520, 1335, 1335},
    {"Picture14", "picture", 3600, 2520, 1335, 1335},
    {"Picture15", "picture", 1560, 4560, 1335, 1335},
    {"Picture16", "picture", 3600, 4560, 1335, 1335},
    // The decoration, the message and the buttons.
    {"Picture20", "picture", 6600, 480, 2895, 5175},
    {"lblmess", "label", 6480, 5880, 2895, 495, 19, true},
    {"cmdconferma", "button", 7440, 6840, 975, 375},
    {"cmdfine", "button", 8640, 6840, 975, 375},
};

}  // namespace

class TstFrmrete : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void colori_data();
    void colori();
    void messaggi_data();
    void messaggi();
    void controlli_data();
    void controlli();
    void finestra();
    void primaApparizione();
    void ordineDiTabulazione();
    void caselleAlLimite();
    void ridimensionamento();
    void sovrapposizioneLegenda();
    void nuovoesercizioScriveSoloIlSuo();

private:
    std::unique_ptr<Frmrete> rete;
};

void TstFrmrete::init()
{
    rete = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    rete->show();
    QVERIFY(QTest::qWaitForWindowExposed(rete.get()));
}

void TstFrmrete::cleanup()
{
    rete.reset();
}

// The one place where the windows' colours and the messages are written out:
// every other test takes them from windows/aspetto.h.
void TstFrmrete::colori_data()
{
    QTest::addColumn<QColor>("colore");
    QTest::addColumn<QColor>("atteso");
    QTest::newRow("frminizio background") << sfondoFrminizio << QColor(255, 255, 192);
    QTest::newRow("frmrete background") << sfondoFrmrete << QColor(255, 192, 192);
    QTest::newRow("txt1 box") << sfondoTxt1 << QColor(Qt::white);
    QTest::newRow("lblmess ink") << inchiostroLblmess << QColor(0, 0, 255);
}

void TstFrmrete::colori()
{
    QFETCH(QColor, colore);
    QFETCH(QColor, atteso);
    QCOMPARE(colore, atteso);
}

void TstFrmrete::messaggi_data()
{
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("atteso");
    QTest::newRow("wrong boxes") << messaggioAttento() << QStringLiteral("Attento... correggiti!");
    QTest::newRow("all right") << messaggioBravo() << QStringLiteral("Bravo!");
}

void TstFrmrete::messaggi()
{
    QFETCH(QString, messaggio);
    QFETCH(QString, atteso);
    QCOMPARE(messaggio, atteso);
}

void TstFrmrete::controlli_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("fontPixels");  // 0: the window's own font
    QTest::addColumn<bool>("italic");

    for (const Controllo& c : controlliAttesi)
        QTest::newRow(c.nome) << QString::fromLatin1(c.kind) << c.left << c.top << c.width << c.height << c.fontPixels
                              << c.italic;
}

void TstFrmrete::controlli()
{
    QFETCH(QString, kind);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, fontPixels);
    QFETCH(bool, italic);

    const auto* controllo = rete->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(controllo);
    QCOMPARE(tipo(controllo), kind);
    QCOMPARE(controllo->geometry(), QRect(left / 15, top / 15, width / 15, height / 15));
    QCOMPARE(controllo->isVisible(), controllo->objectName() != QLatin1String("txtcg"));
    if (fontPixels) {
        QCOMPARE(controllo->font().pixelSize(), fontPixels);
        QCOMPARE(controllo->font().italic(), italic);
        QCOMPARE(controllo->font().weight(), QFont::Normal);
    } else {
        QCOMPARE(controllo->font(), rete->font());
    }
    if (kind == QLatin1String("picture") || kind == QLatin1String("label")) {
        QCOMPARE(controllo->focusPolicy(), Qt::NoFocus);
        QVERIFY(controllo->autoFillBackground());
        QCOMPARE(controllo->palette().color(QPalette::Window), sfondoFrmrete);
    }
}

void TstFrmrete::finestra()
{
    QCOMPARE(rete->objectName(), QStringLiteral("frmrete"));
    QCOMPARE(rete->windowTitle(), QStringLiteral("Zefiranda"));
    QCOMPARE(rete->size(), QSize(650, 494));
    QCOMPARE(rete->palette().color(QPalette::Window), sfondoFrmrete);
    QCOMPARE(rete->findChildren<QWidget*>().size(), qsizetype(std::size(controlliAttesi)));
    auto* timer = rete->findChild<QTimer*>(QStringLiteral("timer"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(!timer->isActive());

    auto* txt1 = rete->findChild<QLineEdit*>(QStringLiteral("txt1"));
    QCOMPARE(txt1->palette().color(QPalette::Base), sfondoTxt1);
    QVERIFY(txt1->isReadOnly());
    QVERIFY(txt1->isEnabled());
    QCOMPARE(txt1->focusPolicy(), Qt::StrongFocus);
    // Read-only, it looks just as it would editable.
    const QImage soloLettura = txt1->grab().toImage();
    txt1->setReadOnly(false);
    const QImage modificabile = txt1->grab().toImage();
    txt1->setReadOnly(true);
    QCOMPARE(soloLettura, modificabile);
    QCOMPARE(txt1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    auto* gialla = rete->findChild<QLineEdit*>(QStringLiteral("txtcomgialla"));
    QCOMPARE(gialla->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    auto* lblmess = rete->findChild<QLabel*>(QStringLiteral("lblmess"));
    QCOMPARE(lblmess->palette().color(QPalette::WindowText), inchiostroLblmess);
    QCOMPARE(lblmess->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(rete->findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("="));
    QCOMPARE(rete->findChild<QPushButton*>(QStringLiteral("cmdconferma"))->text(), QStringLiteral("&Conferma"));
    QCOMPARE(rete->findChild<QPushButton*>(QStringLiteral("cmdfine"))->text(), QStringLiteral("&Fine"));
}

void TstFrmrete::primaApparizione()
{
    QVERIFY(QTest::qWaitForWindowActive(rete.get()));
    auto testo = [this](const char* nome) {
        const QString chiave = QString::fromLatin1(nome);
        if (auto* casella = rete->findChild<QLineEdit*>(chiave))
            return casella->text();
        return rete->findChild<QLabel*>(chiave)->text();
    };
    QCOMPARE(testo("txt1"), QStringLiteral("3"));
    QCOMPARE(testo("lblcomblu"), QStringLiteral("= + 4"));
    QCOMPARE(testo("lblcomrossa"), QStringLiteral("= + 2"));
    QCOMPARE(testo("txtcg"), QStringLiteral("+6"));
    for (const char* vuota :
         {"txt2", "txt3", "txt4", "txt5", "txt6", "txt7", "txt8", "txt9", "txtcomgialla", "lblmess"})
        QVERIFY2(testo(vuota).isEmpty(), vuota);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txt2"));
}

void TstFrmrete::ordineDiTabulazione()
{
    QVERIFY(QTest::qWaitForWindowActive(rete.get()));
    const QStringList giro{QStringLiteral("txt3"),    QStringLiteral("txt4"),         QStringLiteral("txt5"),
                           QStringLiteral("txt6"),    QStringLiteral("txt7"),         QStringLiteral("txt8"),
                           QStringLiteral("txt9"),    QStringLiteral("txtcomgialla"), QStringLiteral("cmdconferma"),
                           QStringLiteral("cmdfine"), QStringLiteral("txt1"),         QStringLiteral("txt2")};
    for (const QString& prossimo : giro) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), prossimo);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("txt1"));
}

// Every box stops at Qt's usual 32,767 characters.
void TstFrmrete::caselleAlLimite()
{
    auto* casella = rete->findChild<QLineEdit*>(QStringLiteral("txt5"));
    const QString lungo(100000, QLatin1Char('7'));
    casella->setFocus();
    QTest::keyClicks(casella, QStringLiteral("12"));
    casella->insert(lungo);
    QCOMPARE(casella->text(), QStringLiteral("12") + lungo.left(32765));
    QTest::keyClicks(casella, QStringLiteral("3"));
    QCOMPARE(casella->text().size(), 32767);
    QVERIFY(!casella->text().contains(u'3'));
    for (QLineEdit* c : rete->findChildren<QLineEdit*>())
        QVERIFY2(c->maxLength() == 32767, qPrintable(c->objectName()));
}

void TstFrmrete::ridimensionamento()
{
    auto* txt9 = rete->findChild<QWidget*>(QStringLiteral("txt9"));
    const QRect prima = txt9->geometry();
    rete->resize(900, 700);
    QApplication::processEvents();
    QCOMPARE(txt9->geometry(), prima);
    const QImage immagine = rete->grab().toImage();
    QCOMPARE(immagine.pixelColor(immagine.width() - 2, immagine.height() - 2), sfondoFrmrete);
    rete->resize(300, 200);
    QApplication::processEvents();
    QCOMPARE(txt9->geometry(), prima);
}

void TstFrmrete::sovrapposizioneLegenda()
{
    // In the strip where Label1 and Picture19 overlap, the picture lies on top.
    const QPoint punto = QRect(5160 / 15, 720 / 15, 1, 375 / 15).center();
    QCOMPARE(rete->childAt(punto)->objectName(), QStringLiteral("Picture19"));
}

void TstFrmrete::nuovoesercizioScriveSoloIlSuo()
{
    auto* txt5 = rete->findChild<QLineEdit*>(QStringLiteral("txt5"));
    auto* gialla = rete->findChild<QLineEdit*>(QStringLiteral("txtcomgialla"));
    auto* lblmess = rete->findChild<QLabel*>(QStringLiteral("lblmess"));
    txt5->setText(QStringLiteral("9"));
    gialla->setText(QStringLiteral("+6"));
    lblmess->setText(QStringLiteral("x"));
    rete->nuovoesercizio();
    QCOMPARE(txt5->text(), QStringLiteral("9"));
    QCOMPARE(gialla->text(), QStringLiteral("+6"));
    QCOMPARE(lblmess->text(), QStringLiteral("x"));
    QVERIFY(!rete->findChild<QTimer*>(QStringLiteral("timer"))->isActive());
    QCOMPARE(rete->findChild<QLineEdit*>(QStringLiteral("txt1"))->text(), QStringLiteral("3"));
}

QTEST_MAIN(TstFrmrete)
#include "tst_frmrete.moc"
