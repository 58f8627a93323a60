// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/areaimmagine.h"
#include "widgets/pulsanteimmagine.h"
#include "windows/aspetto.h"
#include "windows/frminizio.h"

#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace zefiranda;

namespace {

QString tipo(const QWidget* controllo)
{
    if (qobject_cast<const PulsanteImmagine*>(controllo))
        return QStringLiteral("picture button");
    if (qobject_cast<const QPushButton*>(controllo))
        return QStringLiteral("button");
    if (qobject_cast<const AreaImmagine*>(controllo))
        return controllo->autoFillBackground() ? QStringLiteral("picture") : QStringLiteral("image");
    return QStringLiteral("other");
}

// The start window's controls: twips from the layout table, in tab order;
// Image1 has no place in it.
struct Controllo {
    const char* nome;
    const char* kind;
    int left, top, width, height;
    bool fuoco;
};
const Controllo controlliAttesi[] = {
    {"Picture1", "picture", 4080, 120, 5175, 3615, false}, {"cmdesci", "button", 8520, 6840, 975, 375, true},
    {"Picture2", "picture", 120, 1440, 3975, 5175, false}, {"cmdparti", "picture button", 6000, 4920, 1935, 975, true},
    {"Image1", "image", 120, 7080, 1230, 165, false},
};

}  // namespace

class TstFrminizio : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlli_data();
    void controlli();
    void finestra();
    void pulsanti();
    void ordineDiTabulazione();
    void ridimensionamento_data();
    void ridimensionamento();
    void disegnoDelPulsante();

private:
    QWidget* controllo(const char* nome) const { return inizio->findChild<QWidget*>(QString::fromLatin1(nome)); }

    std::unique_ptr<Frminizio> inizio;
};

void TstFrminizio::init()
{
    inizio = std::make_unique<Frminizio>();
    inizio->show();
    QVERIFY(QTest::qWaitForWindowExposed(inizio.get()));
}

void TstFrminizio::cleanup()
{
    inizio.reset();
}

void TstFrminizio::controlli_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("takesFocus");

    for (const Controllo& c : controlliAttesi)
        QTest::newRow(c.nome) << QString::fromLatin1(c.kind) << c.left << c.top << c.width << c.height << c.fuoco;
}

void TstFrminizio::controlli()
{
    QFETCH(QString, kind);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, takesFocus);

    const QWidget* c = inizio->findChild<QWidget*>(QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(c);
    QCOMPARE(tipo(c), kind);
    QCOMPARE(c->geometry(), QRect(left / 15, top / 15, width / 15, height / 15));
    QVERIFY(c->isVisible());
    QCOMPARE(c->focusPolicy() != Qt::NoFocus, takesFocus);
    if (kind == QLatin1String("picture"))
        QCOMPARE(c->palette().color(QPalette::Window), sfondoFrminizio);
}

void TstFrminizio::finestra()
{
    QCOMPARE(inizio->objectName(), QStringLiteral("frminizio"));
    QCOMPARE(inizio->windowTitle(), QStringLiteral("Zefiranda"));
    QCOMPARE(inizio->size(), QSize(650, 494));
    QCOMPARE(inizio->palette().color(QPalette::Window), sfondoFrminizio);
    QVERIFY(inizio->autoFillBackground());
    QCOMPARE(inizio->findChildren<QWidget*>().size(), qsizetype(std::size(controlliAttesi)));
    QVERIFY(inizio->minimumSize() != inizio->maximumSize());

    // The credit line has no background of its own: the window's yellow shows through.
    const QImage immagine = inizio->grab().toImage();
    QCOMPARE(immagine.pixelColor(controllo("Image1")->geometry().center()), sfondoFrminizio);
}

void TstFrminizio::pulsanti()
{
    auto* cmdesci = qobject_cast<QPushButton*>(controllo("cmdesci"));
    auto* cmdparti = qobject_cast<QPushButton*>(controllo("cmdparti"));
    QCOMPARE(cmdesci->text(), QStringLiteral("&Esci"));
    QCOMPARE(cmdesci->font(), inizio->font());
    QVERIFY(cmdparti->text().isEmpty());
    QVERIFY(cmdparti->icon().isNull());
    QVERIFY(cmdparti->font().families().contains(QStringLiteral("Boink LET")));
    QCOMPARE(cmdparti->font().pixelSize(), 48);  // 36 pt at 96 dpi
    QCOMPARE(cmdparti->font().weight(), QFont::Normal);
    QVERIFY(!cmdparti->font().italic());
    // Neither button answers Enter or Esc for the whole window.
    for (const QPushButton* pulsante : {cmdesci, cmdparti}) {
        QVERIFY(!pulsante->isDefault());
        QVERIFY(!pulsante->autoDefault());
    }
}

void TstFrminizio::ordineDiTabulazione()
{
    QVERIFY(QTest::qWaitForWindowActive(inizio.get()));
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdparti"));
    for (const char* prossimo : {"cmdesci", "cmdparti", "cmdesci"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(prossimo));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdparti"));
}

void TstFrminizio::ridimensionamento_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QSize>("size");

    QTest::newRow("maximised") << true << QSize();
    QTest::newRow("larger") << false << QSize(900, 700);
    QTest::newRow("smaller") << false << QSize(300, 200);
}

void TstFrminizio::ridimensionamento()
{
    QFETCH(bool, maximised);
    QFETCH(QSize, size);

    QList<QRect> prima;
    const auto figli = inizio->findChildren<QWidget*>();
    for (const QWidget* figlio : figli)
        prima << figlio->geometry();
    if (maximised)
        inizio->showMaximized();
    else
        inizio->resize(size);
    QTRY_VERIFY(inizio->size() != QSize(650, 494));
    for (qsizetype i = 0; i < figli.size(); ++i)
        QCOMPARE(figli[i]->geometry(), prima[i]);
    const QImage immagine = inizio->grab().toImage();
    // A larger window shows yellow in the added area; a smaller one still
    // shows it in the corner that no control covers.
    const bool cresciuta = immagine.width() > 650;
    const QPoint vuoto = cresciuta ? QPoint(immagine.width() - 2, immagine.height() - 2) : QPoint(2, 2);
    QCOMPARE(immagine.pixelColor(vuoto), sfondoFrminizio);
}

void TstFrminizio::disegnoDelPulsante()
{
    auto* cmdparti = qobject_cast<PulsanteImmagine*>(controllo("cmdparti"));
    QVERIFY(cmdparti);
    const QColor rosso(218, 37, 29);
    const QSizeF naturale(1673 / 15.0, 544 / 15.0);
    cmdparti->setDisegno([rosso](QPainter& pittore,
                                 const QSizeF& dimensione) { pittore.fillRect(QRectF(QPointF(), dimensione), rosso); },
                         naturale);

    const QImage faccia = cmdparti->grab().toImage();
    QRect dipinto;
    for (int y = 0; y < faccia.height(); ++y)
        for (int x = 0; x < faccia.width(); ++x)
            if (faccia.pixelColor(x, y) == rosso)
                dipinto |= QRect(x, y, 1, 1);
    // At its natural size, centred, with the face's colour all round it.
    QVERIFY2(qAbs(dipinto.width() - naturale.width()) <= 2, qPrintable(QString::number(dipinto.width())));
    QVERIFY2(qAbs(dipinto.height() - naturale.height()) <= 2, qPrintable(QString::number(dipinto.height())));
    QVERIFY(qAbs(dipinto.left() - (faccia.width() - 1 - dipinto.right())) <= 1);
    QVERIFY(qAbs(dipinto.top() - (faccia.height() - 1 - dipinto.bottom())) <= 1);
    QVERIFY(dipinto.left() > 2 && dipinto.top() > 2);
}

QTEST_MAIN(TstFrminizio)
#include "tst_frminizio.moc"
