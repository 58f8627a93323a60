// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zefiranda {

// Called before the application is built, with the program's arguments: when
// Qt would show the windows on an X display (its xcb platform) that cannot be
// opened, or a screen of it that is not there, says so in one line on the standard error and ends the program with
// status 1, where Qt would abort with a page of its own. With any other
// platform (Wayland, offscreen, Windows) it does nothing.
void richiediSchermo(int argc, char* argv[]);

}  // namespace zefiranda
