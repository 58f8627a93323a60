// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace zefiranda {

// The value of a Qt option given as "-nome valore" or "--nome valore", the last one given.
QByteArray opzioneQt(int argc, char* argv[], const char* nome);

// Says in one line on the standard error that no window can be shown on what
// is named (a display in quotes, or a list of platforms in brackets), byte for
// byte as it came, and ends the program with status 1.
[[noreturn]] void schermoNonAperto(const QByteArray& cosa);

// Opens the standard input, output and error on /dev/null where they are
// closed, so that no file the program or Qt opens later takes their place
// (and Qt's warnings on the standard error go nowhere instead of into it).
// The first thing the program does.
void apriDescrittoriStandard();

// A scale factor for Qt (QT_SCALE_FACTOR) that is not a positive finite
// number would leave the windows invisible or crash Qt: it is ignored, and one
// line on the standard error says so.
void controllaFattoreDiScala();

// While the application object is built: when Qt finds no platform it can
// show the windows on, one line on the standard error names what could not be
// opened and the program ends with status 1, where Qt would abort with a page
// of its own. Qt's warnings meanwhile are held back, and given once the
// application exists (avvioRiuscito).
void sorvegliaAvvio(int argc, char* argv[]);
void avvioRiuscito();

}  // namespace zefiranda
