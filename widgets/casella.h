// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

namespace zefiranda {

// Whether keys pressed with these modifiers are commands rather than typing:
// Alt (and Meta) with a key types nothing. AltGr, which writes the characters
// that other keyboard layouts put on a third level ("@" on the Italian one),
// still types: Qt reports it as Ctrl+Alt on Windows and with the group switch
// modifier on X11 and Wayland. On macOS Option, which Qt calls Alt, types too.
bool tastoDiComando(Qt::KeyboardModifiers modificatori);

// A single-line text box that a key pressed with Alt types nothing into; the
// key still does whatever it does without its text. Read-only, it takes no
// text from an input method either. Control and format characters (Unicode's
// Cc and Cf: NUL, tab, the direction marks, zero-width spaces, the soft
// hyphen, the byte-order mark) never enter it, however the text comes: it
// keeps the rest, so what it shows is all it holds.
class Casella : public QLineEdit {
    Q_OBJECT

public:
    explicit Casella(QWidget* genitore = nullptr);

protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void inputMethodEvent(QInputMethodEvent* evento) override;
};

}  // namespace zefiranda
