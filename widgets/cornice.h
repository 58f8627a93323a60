// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>

#include <chrono>

class QWidget;

namespace zefiranda {

// The longest a window waits for the window manager to tell it its frame: a
// window manager answers within a few milliseconds, a busy one takes longer.
inline constexpr std::chrono::milliseconds attesaCornice{90};

// The frame (title bar and borders, in pixels) the window will have on screen,
// known before the window is first shown wherever the window system can tell it.
//
// On X11 the window manager is asked for the frame it will give the window
// (_NET_REQUEST_FRAME_EXTENTS); its answer, waited for at most attesaCornice,
// is the frame the window gets. When none comes, the frame it has given another
// window of the program (_NET_FRAME_EXTENTS) stands in. Elsewhere the window's
// own frame once it is on screen, another window's, then what the window system
// says of the new window. An estimate that corniceCredibile rejects is never
// used; with nothing believable the frame counts as none.
QMargins corniceAttesa(QWidget& finestra);

// On X11, creates the window and asks the window manager now for its frame, so
// that the answer is in by the time corniceAttesa looks for it; meant for the
// window's constructor, once its kind and title are set. Elsewhere nothing.
void chiediCornice(QWidget& finestra);

}  // namespace zefiranda
