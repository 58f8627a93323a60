// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/scheda.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zefiranda {

// What the command line asks for. The program takes options of its own
// (--help, --version, the worksheet's) besides Qt's (-platform, -style, ...),
// which it leaves to the application object.
struct RichiestaRigaDiComando {
    bool avvia = true;   // open the windows; otherwise print the text and end
    int esito = 0;       // the exit code when the program does not start
    QString testo;       // for standard output
    QString errore;      // for standard error
    QString fileScheda;  // --scheda: write this worksheet into the file and end
    Scheda scheda;
    bool stampa = false;  // --stampa: open the worksheet window instead of the start window
};

// Reads the arguments (the program's name first) without needing a display or
// an application object.
RichiestaRigaDiComando leggiRigaDiComando(const QStringList& argomenti);

// Reads main's arguments, before the application exists, and prints or writes
// what they ask for (a worksheet without any display). Returns the exit code
// when the program ends here, nothing when windows are to open: the worksheet
// window when `stampa` comes back true, otherwise the start window.
std::optional<int> eseguiRigaDiComando(int argc, char* argv[], bool& stampa);

// main's arguments for Qt, which reads "-display :1" but not "--display=:1":
// Qt's options given with "=" are split in two, in place. Ends with a null
// pointer, not counted in argc.
std::vector<char*> argomentiPerQt(int argc, char* argv[]);

// The program's name, version and desktop entry, for the window system and
// the desktop's launchers.
void impostaIdentita();

}  // namespace zefiranda
