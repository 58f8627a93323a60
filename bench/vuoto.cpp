// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-bench-vuoto: the bare Qt program the benchmark measures the program
// against. It shows one empty window of the program's size (650 x 494) and
// nothing else; with --pulsante the window holds one push button with a
// caption, as the start window's «Esci», which is what it costs Qt to show
// any text at all.
//
// With ZEFIRANDA_BENCH_MISURA set it writes, once the window's first frame has
// been painted, the clock at that moment ("disegno") and its peak resident
// memory ("picco_kib"); a moment later it opens a second such window in place
// of the first, writes how long that took up to the new window's first frame
// ("seconda_ns"), and ends.
#include "bench/misura.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

using namespace zefiranda::bench;

std::unique_ptr<QWidget> finestraVuota(bool pulsante)
{
    auto finestra = std::make_unique<QWidget>();
    finestra->resize(650, 494);
    if (pulsante)
        (new QPushButton(QStringLiteral("&Esci"), finestra.get()))->setGeometry(568, 456, 65, 25);
    return finestra;
}

}  // namespace

int main(int argc, char* argv[])
{
    ApplicazioneMisurata programma(argc, argv);
    const bool pulsante = argc > 1 && std::strcmp(argv[1], "--pulsante") == 0;
    std::unique_ptr<QWidget> prima = finestraVuota(pulsante);
    std::unique_ptr<QWidget> seconda;

    if (misuraRichiesta()) {
        programma.attendiDisegno(*prima, [&](std::int64_t fine) {
            riferisci("disegno", fine);
            riferisci("picco_kib", piccoResidenteKiB());
            QTimer::singleShot(20, [&] {
                const std::int64_t inizio = oraMonotona();
                seconda = finestraVuota(pulsante);
                programma.attendiDisegno(*seconda, [inizio](std::int64_t fine) {
                    riferisci("seconda_ns", fine - inizio);
                    std::_Exit(0);
                });
                seconda->show();
                prima->close();
            });
        });
    }

    prima->show();
    return programma.exec();
}
