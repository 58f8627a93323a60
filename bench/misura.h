// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the benchmark programs share: a clock that agrees across processes, the
// peak resident memory, pressing a button as the mouse does, and an
// application that notes when a window's frame has been painted.

#include <QApplication>

#include <cstdint>
#include <functional>

class QAbstractButton;
class QWidget;

namespace zefiranda::bench {

// Set in a benchmark program's environment, it makes the program report its
// figures on standard output ("name value" lines) and end; unset, the program
// just runs.
inline constexpr char variabileMisura[] = "ZEFIRANDA_BENCH_MISURA";
// Set as well, it makes the program end as soon as it has reported its first
// frame: start-up alone, for profilers that measure a whole process (perf stat).
inline constexpr char variabileSoloAvvio[] = "ZEFIRANDA_BENCH_SOLO_AVVIO";
bool misuraRichiesta();

// CLOCK_MONOTONIC in nanoseconds: one clock for the launcher and its children.
std::int64_t oraMonotona();

// Peak resident memory of this process so far, in KiB (VmHWM).
long piccoResidenteKiB();

// A mouse press and release in the middle of the button, delivered to its
// window as the window system would.
void premi(QAbstractButton& pulsante);

// Writes "nome valore" on standard output at once.
void riferisci(const char* nome, long long valore);

// An application that tells when a frame of a chosen window has been painted
// completely: the first event, counted from the outermost one the event loop
// or the caller hands over, during which a widget of that window was painted,
// has been handled to its end.
class ApplicazioneMisurata : public QApplication {
public:
    using Scelta = std::function<bool(const QWidget& finestra)>;

    ApplicazioneMisurata(int& argc, char** argv);

    // Watches for the next frame of the windows the choice accepts; once it
    // is painted, calls `poi` (if given) with the moment it was finished.
    void attendiDisegno(Scelta scelta, std::function<void(std::int64_t)> poi = {});
    // The same for one window.
    void attendiDisegno(const QWidget& finestra, std::function<void(std::int64_t)> poi = {});

    // Whether the frame watched for has been painted, and when it was finished.
    bool dipinto() const { return fine_ != 0; }
    std::int64_t fineDisegno() const { return fine_; }

    // Handles events until the frame watched for has been painted; false if it
    // is not painted within the time.
    bool aspettaDisegno(int millisecondiMassimi = 10000);

    bool notify(QObject* destinatario, QEvent* evento) override;

private:
    Scelta scelta_;
    std::function<void(std::int64_t)> poi_;
    int profondita_ = 0;
    bool dentro_ = false;
    std::int64_t fine_ = 0;
};

ApplicazioneMisurata& applicazione();

}  // namespace zefiranda::bench
