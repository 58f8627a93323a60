// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QWidget>

namespace zefiranda {

// A top-level window that loads itself the first time it is shown: its
// Form_Load runs before it appears, so the user never sees it unloaded.
class Finestra : public QWidget {
    Q_OBJECT

public:
    void setVisible(bool visibile) override;

signals:
    // The window's end button was pressed: the program should end at once.
    void fineRichiesta();

protected:
    virtual void Form_Load() = 0;

private:
    bool caricata_ = false;
};

// Top-level window with a fixed-size client area in twips and the light look on
// the given background, which its controls take over; on X11 its frame is asked
// for at once (chiediCornice).
void preparaFinestra(QWidget& finestra, const char* nome, QColor sfondo);

}  // namespace zefiranda
