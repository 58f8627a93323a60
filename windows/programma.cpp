// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/programma.h"

#include "windows/finestre.h"
#include "windows/frminizio.h"

namespace zefiranda {

void avviaProgramma()
{
    Frminizio& inizio = frminizio();
    inizio.show();
    inizio.activateWindow();
}

}  // namespace zefiranda
