// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QPainter;
class QSizeF;

namespace zefiranda {

// Paints a drawing into a rectangle of the given size, in logical pixels.
using Disegno = std::function<void(QPainter&, const QSizeF&)>;

}  // namespace zefiranda
