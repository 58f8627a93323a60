// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/posizione.h"

#include "logic/centratura.h"
#include "widgets/cornice.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace zefiranda {

void centraSulloSchermo(QWidget& finestra)
{
    // A Wayland compositor places every window itself; a client has no say.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    // The window is created first, so that the client area's corner is what
    // the window system is given, on every platform and on every run; the
    // frame is added around it.
    finestra.winId();
    const QMargins cornice = corniceAttesa(finestra);
    finestra.setGeometry(QRect(posizioneCentrata(schermo->geometry(), finestra.size(), cornice), finestra.size()));
}

}  // namespace zefiranda
