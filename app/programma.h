#pragma once

namespace zefiranda {

// Opens the program's first window. The caller then runs the event loop.
void avviaProgramma();

} // namespace zefiranda
