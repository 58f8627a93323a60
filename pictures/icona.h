// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace zefiranda {

// The butterfly of both windows: for the title bar 32 x 32 pixels in the
// sixteen colours of the standard Windows palette, on a transparent ground,
// the smallest size it has; task switchers and docks take the smooth
// drawing's larger sizes.
QIcon iconaFinestra();

}  // namespace zefiranda
