// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zefiranda {

// Places the window, frame included, in the middle of its whole screen; meant
// for a window's load handler, before the window is first shown, so that it
// appears in place and never moves afterwards. The frame is the one
// corniceAttesa foresees. Where the compositor places windows (Wayland) the
// window is left to it.
void centraSulloSchermo(QWidget& finestra);

}  // namespace zefiranda
