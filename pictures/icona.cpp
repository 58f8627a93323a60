// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/icona.h"

#include <QDir>
#include <QImageReader>
#include <QPixmap>

#include <algorithm>
#include <vector>

namespace zefiranda {

QIcon iconaFinestra()
{
    std::vector<QImage> immagini;
    const QStringList nomi = QDir(QStringLiteral(":/icona")).entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& nome : nomi) {
        // Read as PNG outright: left to guess the format, Qt would first load
        // every image format plugin it has, a millisecond and a few hundred
        // kilobytes at start-up.
        QImageReader lettore(QStringLiteral(":/icona/") + nome, "png");
        lettore.setAutoDetectImageFormat(false);
        immagini.push_back(lettore.read());
    }
    // Smallest first: a dock that takes the first size it is offered gets the picture.
    std::sort(immagini.begin(), immagini.end(), [](const QImage& a, const QImage& b) { return a.width() < b.width(); });
    QIcon icona;
    for (const QImage& immagine : immagini)
        icona.addPixmap(QPixmap::fromImage(immagine));
    return icona;
}

}  // namespace zefiranda
