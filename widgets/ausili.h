// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

class QLabel;
class QString;
class QWidget;

namespace zefiranda {

// What screen readers (and other assistive technologies) are told about a window.
//
// The window itself is presented as a window whose children are its controls,
// except the picture areas, which are decoration, and the controls the child
// never sees (a hidden box stays out of reach, its text included).
enum class Ausilio {
    Controllo,   // a box or a button: a fixed name and description
    Didascalia,  // a label read as its name followed by its text, "Freccia blu = + 4"
    Messaggio,   // a label whose text is a message that screen readers announce
    Nascosto,    // never presented, nor its text, nor its changes
};

// The name and description are Italian source texts, translated in the
// window's class (QT_TRANSLATE_NOOP with its class name marks them).
struct VoceAusili {
    const char* controllo;  // object name of a child of the window
    Ausilio tipo;
    const char* nome = nullptr;
    const char* descrizione = nullptr;
};

// Meant for the end of a window's constructor, once its controls exist; the
// window's description is a source text like the entries'.
void preparaAusili(QWidget& finestra, const char* descrizione, std::span<const VoceAusili> voci);

// Writes a message into a label prepared as Ausilio::Messaggio and has screen
// readers announce it; an empty text takes the message away.
void mostraMessaggio(QLabel& etichetta, const QString& testo);

}  // namespace zefiranda
