// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in Italian: the context menu of a box of the network window.
#include "tests/estrazioni.h"
#include "windows/frmrete.h"
#include "windows/lingua.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QWindow>
#include <QtTest>

using namespace zefiranda;

class TstLingua : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void primaDelleTraduzioni();
    void menuContestuale_data();
    void menuContestuale();

private:
    // The entries of the context menu a right click on txt2 opens, without
    // access key markers and shortcuts; the menu is closed again.
    QStringList vociDelMenu();

    std::unique_ptr<Frmrete> rete;
};

void TstLingua::init()
{
    rete = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    rete->show();
    QVERIFY(QTest::qWaitForWindowExposed(rete.get()));
}

void TstLingua::cleanup()
{
    rete.reset();
}

QStringList TstLingua::vociDelMenu()
{
    auto* casella = rete->findChild<QLineEdit*>(QStringLiteral("txt2"));
    if (!casella)
        return {};
    QTest::keyClicks(casella, QStringLiteral("12"));
    // Through the window, where Qt turns a right click into a context menu request.
    const QPoint punto = casella->mapTo(rete.get(), QPoint(10, casella->height() / 2));
    QTest::mouseClick(rete->windowHandle(), Qt::RightButton, {}, punto);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return {};
    QStringList voci;
    for (const QAction* azione : menu->actions())
        if (!azione->isSeparator())
            voci.append(azione->text().section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')));
    menu->close();
    return voci;
}

// Until they are loaded, the menu speaks Qt's English: the test reads the menu it means to read.
void TstLingua::primaDelleTraduzioni()
{
    const QStringList voci = vociDelMenu();
    QVERIFY2(voci.contains(QStringLiteral("Paste")), qPrintable(voci.join(QStringLiteral(", "))));
    QVERIFY(caricaTraduzioniQt());
}

void TstLingua::menuContestuale_data()
{
    QTest::addColumn<QString>("inglese");
    QTest::addColumn<QString>("italiano");
    QTest::newRow("undo") << QStringLiteral("Undo") << QStringLiteral("Annulla");
    QTest::newRow("cut") << QStringLiteral("Cut") << QStringLiteral("Taglia");
    QTest::newRow("copy") << QStringLiteral("Copy") << QStringLiteral("Copia");
    QTest::newRow("paste") << QStringLiteral("Paste") << QStringLiteral("Incolla");
    QTest::newRow("delete") << QStringLiteral("Delete") << QStringLiteral("Elimina");
    QTest::newRow("select all") << QStringLiteral("Select All") << QStringLiteral("Seleziona tutto");
}

// The test runs with an English locale (tests/CMakeLists.txt): the program speaks Italian whatever the system's.
void TstLingua::menuContestuale()
{
    QFETCH(QString, inglese);
    QFETCH(QString, italiano);
    const QStringList voci = vociDelMenu();
    const QString elenco = voci.join(QStringLiteral(", "));
    QVERIFY2(voci.contains(italiano), qPrintable(elenco));
    QVERIFY2(!voci.contains(inglese), qPrintable(elenco));
}

QTEST_MAIN(TstLingua)
#include "tst_lingua.moc"
