// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/esercizio.h"
#include "widgets/pausa.h"

namespace zefiranda {

class Frminizio;
class Frmrete;

// The program's two windows. Each exists at most once, program-wide, and is
// built the first time it is asked for. Closing a window destroys it; nothing
// asks for the start window again once it has gone.
Frminizio& frminizio();
Frmrete& frmrete();

// The windows as they stand, without building them: null before the first
// request and after the window has been destroyed.
Frminizio* frminizioSeEsiste();
Frmrete* frmreteSeEsiste();

// The draws the network window is built with. By default (an empty source) it
// seeds its own generator from the clock when it loads.
void impostaSorgenteFrmrete(Estrazione sorgente);
// The clock the network window is built with; by default the system's.
void impostaOrologioFrmrete(Orologio orologio);

// Destroys whichever windows exist, without running any of their handlers.
void distruggiFinestre();

}  // namespace zefiranda
