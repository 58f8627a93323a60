// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/icona.h"

#include <QImageReader>
#include <QPixmap>

namespace zefiranda {

QIcon iconaFinestra()
{
    // Read as PNG outright: left to guess the format, Qt would first load
    // every image format plugin it has, a millisecond and a few hundred
    // kilobytes at start-up.
    QImageReader lettore(QStringLiteral(":/icona/farfalla.png"), "png");
    lettore.setAutoDetectImageFormat(false);
    return QIcon(QPixmap::fromImage(lettore.read()));
}

}  // namespace zefiranda
