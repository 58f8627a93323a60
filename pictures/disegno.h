// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRgb>
#include <QtGlobal>

#include <functional>
#include <optional>

class QPainter;
class QSizeF;

namespace zefiranda {

// Paints a drawing into a rectangle of the given size, in logical pixels.
using Disegno = std::function<void(QPainter&, const QSizeF&)>;

// For as long as it lives, says that the box a drawing is painted into on the
// painter has been filled with one opaque colour: a drawing may then copy an
// image prepared on that colour instead of painting itself.
class SfondoPieno {
public:
    SfondoPieno(const QPainter& pittore, QRgb colore);
    ~SfondoPieno();
    Q_DISABLE_COPY_MOVE(SfondoPieno)

    // The colour said for the painter, if any.
    static std::optional<QRgb> di(const QPainter& pittore);

private:
    const QPainter* pittore_;
    QRgb colore_;
    const SfondoPieno* precedente_;
};

}  // namespace zefiranda
