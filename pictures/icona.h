// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace zefiranda {

// The butterfly shown in the title bar of both windows: 32 x 32 pixels in the
// sixteen colours of the standard Windows palette, on a transparent ground.
QIcon iconaFinestra();

}  // namespace zefiranda
