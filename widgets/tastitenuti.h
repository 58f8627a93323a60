// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>

class QKeyEvent;

namespace zefiranda {

// Which keys of the keyboard are held down, told from the keys' own presses
// and releases rather than from Qt's repeat flag, which on X11 comes from a
// look ahead in the event queue that a busy machine can beat. A key stays
// down until a real release: a release followed by a press of the same key
// with the same time stamp is the keyboard repeating it, and so is a press of
// a key already down (XKB's detectable autorepeat, Wayland). Watches every
// key event of the application.
class TastiTenuti : public QObject {
    Q_OBJECT

public:
    // The one instance, watching from its first use on.
    static TastiTenuti& istanza();

    // Whether the key press being delivered now only repeats a key held down.
    bool ultimaRipetuta() const { return ultimaRipetuta_; }

    // A button was pressed: the keys held down now belong to that press, and
    // their repeats go nowhere until the keys are released.
    void consuma();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    explicit TastiTenuti(QObject* genitore);

    struct Tenuta {
        bool giu = false;
        bool consumata = false;
        bool ripetuta = false;  // the verdict on the latest press
        quint64 pressione = 0;  // time stamp of the latest press
        quint64 rilascio = 0;   // time stamp of the latest release
    };

    // Returns the key's record after this press.
    const Tenuta& premuto(const QKeyEvent& evento);
    void rilasciato(const QKeyEvent& evento);

    QHash<quint64, Tenuta> tenute_;
    bool ultimaRipetuta_ = false;
};

}  // namespace zefiranda
