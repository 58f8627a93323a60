// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/misura.h"

#include <QAbstractButton>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <utility>

// Qt's own entry for a mouse event from the window system, as QtTest uses it.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace zefiranda::bench {

bool misuraRichiesta()
{
    return qEnvironmentVariableIsSet(variabileMisura);
}

std::int64_t oraMonotona()
{
    timespec ora{};
    clock_gettime(CLOCK_MONOTONIC, &ora);
    return static_cast<std::int64_t>(ora.tv_sec) * 1'000'000'000 + ora.tv_nsec;
}

long piccoResidenteKiB()
{
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_maxrss;
}

void premi(QAbstractButton& pulsante)
{
    // Through the window, as the window system delivers a click: the button
    // takes the focus on the press and is clicked on the release.
    QWidget& finestra = *pulsante.window();
    QWindow* nativa = finestra.windowHandle();
    const QPointF punto = pulsante.mapTo(&finestra, QRectF(pulsante.rect()).center());
    const QPointF schermo = finestra.mapToGlobal(punto);
    // Presses far apart in time, so that two of them never make a double click.
    static int orologio = 0;
    orologio += 10'000;
    qt_handleMouseEvent(nativa, punto, schermo, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                        Qt::NoModifier, orologio);
    qt_handleMouseEvent(nativa, punto, schermo, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                        Qt::NoModifier, orologio + 1);
}

void riferisci(const char* nome, long long valore)
{
    std::printf("%s %lld\n", nome, valore);
    std::fflush(stdout);
    if (std::strcmp(nome, "disegno") == 0 && std::getenv(variabileSoloAvvio))
        std::_Exit(0);
}

ApplicazioneMisurata::ApplicazioneMisurata(int& argc, char** argv)
    : QApplication(argc, argv)
{
}

void ApplicazioneMisurata::attendiDisegno(Scelta scelta, std::function<void(std::int64_t)> poi)
{
    scelta_ = std::move(scelta);
    poi_ = std::move(poi);
    dentro_ = false;
    fine_ = 0;
}

void ApplicazioneMisurata::attendiDisegno(const QWidget& finestra, std::function<void(std::int64_t)> poi)
{
    attendiDisegno([&finestra](const QWidget& altra) { return &altra == &finestra; }, std::move(poi));
}

bool ApplicazioneMisurata::aspettaDisegno(int millisecondiMassimi)
{
    const std::int64_t limite = oraMonotona() + std::int64_t(millisecondiMassimi) * 1'000'000;
    while (!dipinto() && oraMonotona() < limite)
        processEvents(QEventLoop::AllEvents, 10);
    return dipinto();
}

bool ApplicazioneMisurata::notify(QObject* destinatario, QEvent* evento)
{
    if (evento->type() == QEvent::Paint && scelta_ && fine_ == 0 && destinatario->isWidgetType()
        && scelta_(*static_cast<QWidget*>(destinatario)->window()))
        dentro_ = true;
    ++profondita_;
    const bool esito = QApplication::notify(destinatario, evento);
    if (--profondita_ == 0 && dentro_) {
        fine_ = oraMonotona();
        dentro_ = false;
        scelta_ = {};
        if (auto poi = std::exchange(poi_, {}))
            poi(fine_);
    }
    return esito;
}

ApplicazioneMisurata& applicazione()
{
    return *static_cast<ApplicazioneMisurata*>(QCoreApplication::instance());
}

}  // namespace zefiranda::bench
