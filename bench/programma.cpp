// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-bench-programma: the program as the benchmark runs it. It starts
// exactly as zefiranda does (same libraries, same start-up); with
// ZEFIRANDA_BENCH_MISURA set it also writes
//   disegno     the clock when the start window's first frame was painted,
//   rete_ns     from pressing the start button to the network window's first frame,
//   picco_kib   its peak resident memory once one puzzle has been solved,
// and ends.
#include "windows/programma.h"
#include "bench/misura.h"
#include "bench/rete.h"
#include "windows/finestre.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

namespace {

using namespace zefiranda;
using namespace zefiranda::bench;

std::function<bool(const QWidget&)> finestraDiNome(const char* nome)
{
    return [nome](const QWidget& finestra) { return finestra.objectName() == QLatin1String(nome); };
}

void risolviUnEsercizio()
{
    Frmrete& rete = *frmreteSeEsiste();
    scriviRisposteGiuste(rete);
    applicazione().attendiDisegno(rete, [&rete](std::int64_t) {
        if (rete.findChild<QLabel*>(QStringLiteral("lblmess"))->text() != QLatin1String("Bravo!"))
            std::_Exit(2);
        riferisci("picco_kib", piccoResidenteKiB());
        std::_Exit(0);
    });
    premi(*pulsante(rete, QStringLiteral("cmdconferma")));
}

void premiPartenza()
{
    const std::int64_t inizio = oraMonotona();
    applicazione().attendiDisegno(finestraDiNome("frmrete"), [inizio](std::int64_t fine) {
        riferisci("rete_ns", fine - inizio);
        QTimer::singleShot(20, risolviUnEsercizio);
    });
    premi(*frminizioSeEsiste()->findChild<QPushButton*>(QStringLiteral("cmdparti")));
}

}  // namespace

int main(int argc, char* argv[])
{
    ApplicazioneMisurata programma(argc, argv);
    if (misuraRichiesta()) {
        programma.attendiDisegno(finestraDiNome("frminizio"), [](std::int64_t fine) {
            riferisci("disegno", fine);
            QTimer::singleShot(20, premiPartenza);
        });
    }
    avviaProgramma();
    const int esito = programma.exec();
    distruggiFinestre();
    return esito;
}
