// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QLineEdit;
class QPushButton;

namespace zefiranda {

class Frmrete;

namespace bench {

// A control of the network window by name.
QLineEdit* casella(Frmrete& rete, const QString& nome);
QPushButton* pulsante(Frmrete& rete, const QString& nome);

// Writes the right answer into txt2 ... txt9 and txtcomgialla.
void scriviRisposteGiuste(Frmrete& rete);

}  // namespace bench
}  // namespace zefiranda
