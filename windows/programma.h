// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zefiranda {

// Opens the start window, centred and active. The caller then runs the event
// loop; the program ends when its last window closes or its exit button is
// pressed.
void avviaProgramma();

}  // namespace zefiranda
