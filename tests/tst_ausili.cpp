// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technologies are told about the two windows: the same
// interfaces Qt hands to a screen reader (AT-SPI, UI Automation).
#include "tests/estrazioni.h"
#include "widgets/areaimmagine.h"
#include "windows/aspetto.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace zefiranda;

namespace {

QAccessibleInterface* presentazione(QObject* oggetto)
{
    return QAccessible::queryAccessibleInterface(oggetto);
}

// Everything a screen reader reaches by walking down from the window.
void raccogli(QAccessibleInterface* nodo, QList<QAccessibleInterface*>& trovati)
{
    for (int i = 0; i < nodo->childCount(); ++i) {
        QAccessibleInterface* figlio = nodo->child(i);
        trovati.append(figlio);
        raccogli(figlio, trovati);
    }
}

QList<QAccessibleInterface*> raggiungibili(QWidget& finestra)
{
    QList<QAccessibleInterface*> trovati;
    raccogli(presentazione(&finestra), trovati);
    return trovati;
}

QStringList nomiDegliOggetti(const QList<QAccessibleInterface*>& presentazioni)
{
    QStringList nomi;
    for (QAccessibleInterface* p : presentazioni)
        nomi.append(p->object()->objectName());
    nomi.sort();
    return nomi;
}

}  // namespace

class TstAusili : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void controlliDellaRete_data();
    void controlliDellaRete();
    void soloControlliVisibili();
    void rispostaNascostaIrraggiungibile();
    void didascalieSeguonoIlGioco();
    void messaggioAnnunciato();
    void pulsantiPremutiDalleAzioni();
    void finestraDiInizio();

private:
    QWidget* controllo(const char* nome) const { return rete->findChild<QWidget*>(QString::fromLatin1(nome)); }

    std::unique_ptr<Frmrete> rete;
};

void TstAusili::init()
{
    // Blue + 4, red + 2, start 3: nodes 3 7 11 / 5 9 13 / 7 11 15, yellow «+6».
    rete = std::make_unique<Frmrete>(sorgenteScriptata(estrazioniPer(1, 1, 3, 4, 2)));
    rete->show();
    QVERIFY(QTest::qWaitForWindowExposed(rete.get()));
}

void TstAusili::cleanup()
{
    rete.reset();
}

void TstAusili::controlliDellaRete_data()
{
    QTest::addColumn<int>("ruolo");
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("descrizione");

    auto riga = [](const char* controllo, QAccessible::Role ruolo, const char* nome, const char* descrizione = "") {
        QTest::newRow(controllo) << int(ruolo) << QString::fromUtf8(nome) << QString::fromUtf8(descrizione);
    };
    const auto testo = QAccessible::EditableText;
    riga("txt1", testo, "Casella in alto a sinistra, numero di partenza", "Riga 1, colonna 1");
    riga("txt2", testo, "Casella in alto al centro", "Riga 1, colonna 2");
    riga("txt3", testo, "Casella in alto a destra", "Riga 1, colonna 3");
    riga("txt4", testo, "Casella al centro a sinistra", "Riga 2, colonna 1");
    riga("txt5", testo, "Casella al centro", "Riga 2, colonna 2");
    riga("txt6", testo, "Casella al centro a destra", "Riga 2, colonna 3");
    riga("txt7", testo, "Casella in basso a sinistra", "Riga 3, colonna 1");
    riga("txt8", testo, "Casella in basso al centro", "Riga 3, colonna 2");
    riga("txt9", testo, "Casella in basso a destra", "Riga 3, colonna 3");
    riga("txtcomgialla", testo, "Operatore della freccia gialla",
         "Scrivi che cosa fa ogni freccia gialla: il segno e il numero");
    riga("lblcomblu", QAccessible::StaticText, "Freccia blu = + 4",
         "Che cosa fa ogni freccia blu, da sinistra a destra");
    riga("lblcomrossa", QAccessible::StaticText, "Freccia rossa = + 2",
         "Che cosa fa ogni freccia rossa, dall'alto in basso");
    riga("Label1", QAccessible::StaticText, "Freccia gialla =");
    riga("lblmess", QAccessible::Notification, "", "Messaggio");
    riga("cmdconferma", QAccessible::Button, "Conferma", "Controlla le caselle");
    riga("cmdfine", QAccessible::Button, "Fine", "Chiude il programma");
}

void TstAusili::controlliDellaRete()
{
    QFETCH(int, ruolo);
    QFETCH(QString, nome);
    QFETCH(QString, descrizione);

    QWidget* c = controllo(QTest::currentDataTag());
    QVERIFY(c);
    QAccessibleInterface* p = presentazione(c);
    QVERIFY(p);
    QCOMPARE(int(p->role()), ruolo);
    QCOMPARE(p->text(QAccessible::Name), nome);
    QCOMPARE(p->text(QAccessible::Description), descrizione);
    QVERIFY(raggiungibili(*rete).contains(p));
}

void TstAusili::soloControlliVisibili()
{
    QAccessibleInterface* finestra = presentazione(rete.get());
    QCOMPARE(finestra->role(), QAccessible::Window);
    QCOMPARE(finestra->text(QAccessible::Name), QStringLiteral("Zefiranda"));
    QCOMPARE(finestra->text(QAccessible::Description), QStringLiteral("Rete dei numeri"));

    // The picture areas are decoration; the hidden answer box is not there at all.
    const QStringList attesi{QStringLiteral("Label1"),      QStringLiteral("cmdconferma"), QStringLiteral("cmdfine"),
                             QStringLiteral("lblcomblu"),   QStringLiteral("lblcomrossa"), QStringLiteral("lblmess"),
                             QStringLiteral("txt1"),        QStringLiteral("txt2"),        QStringLiteral("txt3"),
                             QStringLiteral("txt4"),        QStringLiteral("txt5"),        QStringLiteral("txt6"),
                             QStringLiteral("txt7"),        QStringLiteral("txt8"),        QStringLiteral("txt9"),
                             QStringLiteral("txtcomgialla")};
    const QList<QAccessibleInterface*> tutti = raggiungibili(*rete);
    QCOMPARE(nomiDegliOggetti(tutti), attesi);
    for (QAccessibleInterface* p : tutti) {
        QCOMPARE(p->parent(), finestra);
        QCOMPARE(finestra->child(finestra->indexOfChild(p)), p);
    }

    // Pointing at a picture finds no control, pointing at a box finds the box.
    auto sotto = [&](QWidget* c) {
        const QPoint punto = c->mapToGlobal(c->rect().center());
        return finestra->childAt(punto.x(), punto.y());
    };
    QCOMPARE(sotto(rete->Picture(20)), nullptr);
    QCOMPARE(sotto(rete->Picture(2)), nullptr);
    QCOMPARE(sotto(controllo("txt5")), presentazione(controllo("txt5")));
}

void TstAusili::rispostaNascostaIrraggiungibile()
{
    QWidget* txtcg = controllo("txtcg");
    QAccessibleInterface* p = presentazione(txtcg);
    QVERIFY(p->state().invisible);
    QVERIFY(p->text(QAccessible::Name).isEmpty());
    QVERIFY(!p->textInterface());
    QVERIFY(!p->editableTextInterface());
    QVERIFY(!p->actionInterface());
    QCOMPARE(presentazione(rete.get())->indexOfChild(p), -1);

    // A new puzzle rewrites the answer; nothing a screen reader can read tells it.
    QTest::keyClicks(controllo("txtcomgialla"), QStringLiteral("+6"));
    const char* giuste[] = {"7", "11", "5", "9", "13", "7", "11", "15"};
    for (int i = 0; i < 8; ++i)
        QTest::keyClicks(controllo(QByteArray("txt") + QByteArray::number(i + 2)), QString::fromLatin1(giuste[i]));
    QTest::mouseClick(controllo("cmdconferma"), Qt::LeftButton);
    const QString risposta = static_cast<QLineEdit*>(txtcg)->text();
    QCOMPARE(risposta, QStringLiteral("+6"));
    for (QAccessibleInterface* q : raggiungibili(*rete)) {
        for (auto quale : {QAccessible::Name, QAccessible::Description, QAccessible::Value})
            QVERIFY2(!q->text(quale).contains(risposta), qPrintable(q->object()->objectName()));
        if (QAccessibleTextInterface* t = q->textInterface())
            QVERIFY2(!t->text(0, t->characterCount()).contains(risposta), qPrintable(q->object()->objectName()));
    }
}

void TstAusili::didascalieSeguonoIlGioco()
{
    QAccessibleInterface* blu = presentazione(controllo("lblcomblu"));
    QAccessibleInterface* rossa = presentazione(controllo("lblcomrossa"));
    rete->nuovoesercizio();
    QCOMPARE(blu->text(QAccessible::Name),
             QStringLiteral("Freccia blu ") + static_cast<QLabel*>(blu->object())->text());
    QCOMPARE(rossa->text(QAccessible::Name),
             QStringLiteral("Freccia rossa ") + static_cast<QLabel*>(rossa->object())->text());
}

void TstAusili::messaggioAnnunciato()
{
    // Whether screen readers hear it is for tests/accessibilita.py: Qt tells
    // its events only to a screen reader that is there.
    QLabel* lblmess = rete->findChild<QLabel*>(QStringLiteral("lblmess"));
    QAccessibleInterface* p = presentazione(lblmess);
    QVERIFY(p->state().invisible);

    QTest::mouseClick(controllo("cmdconferma"), Qt::LeftButton);
    QCOMPARE(p->text(QAccessible::Name), messaggioAttento());
    QVERIFY(!p->state().invisible);

    QTRY_VERIFY_WITH_TIMEOUT(lblmess->text().isEmpty(), 5000);
    QVERIFY(p->text(QAccessible::Name).isEmpty());
    QVERIFY(p->state().invisible);
}

void TstAusili::pulsantiPremutiDalleAzioni()
{
    QAccessibleInterface* conferma = presentazione(controllo("cmdconferma"));
    QAccessibleActionInterface* azioni = conferma->actionInterface();
    QVERIFY(azioni);
    QVERIFY(azioni->actionNames().contains(QAccessibleActionInterface::pressAction()));
    azioni->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(rete->findChild<QLabel*>(QStringLiteral("lblmess"))->text(), messaggioAttento());

    // A box filled through the interface a screen reader types with.
    QAccessibleInterface* txt2 = presentazione(controllo("txt2"));
    QVERIFY(txt2->editableTextInterface());
    txt2->editableTextInterface()->insertText(0, QStringLiteral("7"));
    QCOMPARE(static_cast<QLineEdit*>(controllo("txt2"))->text(), QStringLiteral("7"));
}

void TstAusili::finestraDiInizio()
{
    Frminizio inizio;
    inizio.show();
    QVERIFY(QTest::qWaitForWindowExposed(&inizio));
    QAccessibleInterface* finestra = presentazione(&inizio);
    QCOMPARE(finestra->role(), QAccessible::Window);
    QCOMPARE(finestra->text(QAccessible::Description), QStringLiteral("Inizio"));

    const QList<QAccessibleInterface*> tutti = raggiungibili(inizio);
    QCOMPARE(nomiDegliOggetti(tutti), (QStringList{QStringLiteral("cmdesci"), QStringLiteral("cmdparti")}));
    for (QAccessibleInterface* p : tutti) {
        QCOMPARE(p->role(), QAccessible::Button);
        QVERIFY(!p->text(QAccessible::Name).contains(u'&'));
    }
    QAccessibleInterface* parti = presentazione(inizio.findChild<QWidget*>(QStringLiteral("cmdparti")));
    QCOMPARE(parti->text(QAccessible::Name), QStringLiteral("Vai"));
    QCOMPARE(parti->text(QAccessible::Description), QStringLiteral("Inizia l'esercizio"));
    QCOMPARE(presentazione(inizio.findChild<QWidget*>(QStringLiteral("cmdesci")))->text(QAccessible::Name),
             QStringLiteral("Esci"));
}

QTEST_MAIN(TstAusili)
#include "tst_ausili.moc"
