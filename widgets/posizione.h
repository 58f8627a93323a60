// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace zefiranda {

// Places the window, frame included, in the middle of its whole screen; meant
// for a window's load handler, before the window is first shown, so that it
// appears in place and never moves afterwards.
//
// The frame's size comes from the window itself once it is on screen, else
// from another window of the program on screen, else from the window system
// before the window is mapped. X11 tells a new window's frame only after
// mapping it: there the program's first window has its client area centred
// and the frame drawn around it.
void centraSulloSchermo(QWidget& finestra);

}  // namespace zefiranda
