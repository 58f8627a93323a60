// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/posizione.h"

#include "logic/centratura.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <cmath>

namespace zefiranda {

namespace {

QMargins cornice(const QWidget& finestra)
{
    const QRect esterno = finestra.frameGeometry();
    const QRect interno = finestra.geometry();
    return {interno.left() - esterno.left(), interno.top() - esterno.top(), esterno.right() - interno.right(),
            esterno.bottom() - interno.bottom()};
}

QMargins corniceAttesa(QWidget& finestra)
{
    if (finestra.isVisible())
        return cornice(finestra);
    const auto finestre = QApplication::topLevelWidgets();
    for (const QWidget* altra : finestre) {
        const Qt::WindowStates cornicePropria = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
        if (altra != &finestra && altra->isVisible() && altra->windowType() == finestra.windowType()
            && !(altra->windowState() & cornicePropria))
            return cornice(*altra);
    }
    finestra.winId();
    return finestra.windowHandle()->frameMargins();
}

}  // namespace

void centraSulloSchermo(QWidget& finestra)
{
    const QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    const QRect area = schermo->geometry();
    const QSize esterno = finestra.size().grownBy(corniceAttesa(finestra));
    const PosizioneTwips posizione = centra(area.width() * twipsPerPixel, area.height() * twipsPerPixel,
                                            esterno.width() * twipsPerPixel, esterno.height() * twipsPerPixel);
    // QWidget::move places the frame's corner wherever the frame's size is known,
    // and on any window not yet created.
    finestra.move(area.left() + static_cast<int>(std::lround(posizione.left / twipsPerPixel)),
                  area.top() + static_cast<int>(std::lround(posizione.top / twipsPerPixel)));
}

}  // namespace zefiranda
