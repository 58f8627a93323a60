// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/centratura.h"

namespace zefiranda {

PosizioneTwips centra(double larghezzaSchermo, double altezzaSchermo, double larghezzaFinestra, double altezzaFinestra)
{
    return {(larghezzaSchermo - larghezzaFinestra) / 2.0, (altezzaSchermo - altezzaFinestra) / 2.0};
}

}  // namespace zefiranda
