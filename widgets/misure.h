// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/centratura.h"  // daTwips, which the build's preparing of the drawings shares

#include <QFont>
#include <QStringList>

namespace zefiranda {

// A font of the given faces (first found wins, then the platform's sans-serif)
// at a size in points, fixed at 96 dots per inch so that text keeps its place
// in the twip layout; Qt scales the whole window on denser screens.
QFont carattere(const QStringList& facce, double punti, bool corsivo = false);

}  // namespace zefiranda
