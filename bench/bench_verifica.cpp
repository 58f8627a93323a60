// zefiranda-bench-verifica
// Times the answer check with a megabyte of text in every box: the check alone,
// and Conferma pressed in the window (reading, emptying and the message).
// A screen frame lasts about 16 ms. In the window most of the time goes to Qt
// dropping the layout of each megabyte box that the check empties, about 3 ms
// a box; filling a box with a megabyte costs Qt some 100 ms, so the loop is slow.
#include "frmrete.h"
#include "verifica.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>

namespace {

double millisecondi(const QElapsedTimer& orologio)
{
    return static_cast<double>(orologio.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication applicazione(argc, argv);
    const qsizetype mega = qsizetype(1) << 20;
    const int giri = 20;

    zefiranda::Esercizio esercizio;
    esercizio.nuovoesercizio([] { return 0.25; });
    zefiranda::Risposte risposte;
    for (QString& voce : risposte.nodi)
        voce = QString(mega, u'7');
    risposte.nodi.back() = QString(mega, u'0') + QString::number(esercizio.nodo9);
    risposte.txtcomgialla = QString(mega, u'+');
    risposte.txtcg = QStringLiteral("+") + QString(mega - 1, u'+');

    double peggiore = 0;
    for (int giro = 0; giro < giri; ++giro) {
        QElapsedTimer orologio;
        orologio.start();
        zefiranda::verifica(esercizio, risposte);
        peggiore = std::max(peggiore, millisecondi(orologio));
    }
    std::printf("check alone, 10 MB:       worst %.2f ms of %d\n", peggiore, giri);

    zefiranda::Frmrete rete([] { return 0.25; }, [] {});
    rete.show();
    auto* conferma = rete.findChild<QPushButton*>(QStringLiteral("cmdconferma"));
    peggiore = 0;
    for (int giro = 0; giro < giri; ++giro) {
        for (QLineEdit* casella : rete.findChildren<QLineEdit*>())
            if (casella->objectName() != QLatin1String("txtcg") && casella->objectName() != QLatin1String("txt1"))
                casella->setText(casella->objectName() == QLatin1String("txt9") ? risposte.nodi.back()
                                                                                 : risposte.nodi.front());
        QElapsedTimer orologio;
        orologio.start();
        conferma->click();
        peggiore = std::max(peggiore, millisecondi(orologio));
    }
    std::printf("Conferma, 8 boxes emptied: worst %.2f ms of %d\n", peggiore, giri);
    return 0;
}
