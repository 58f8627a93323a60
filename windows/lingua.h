// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace zefiranda {

// Installs Qt's own Italian texts (context menus, standard buttons) in the
// running application, whatever the system's language. Returns false when the
// translations cannot be found; Qt's texts then stay in English.
bool caricaTraduzioniQt();

}  // namespace zefiranda
