// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>

namespace zefiranda {

// A monotonic clock in milliseconds.
using Orologio = std::function<std::int64_t()>;

// The steady clock of the system.
std::int64_t oraDiSistema();

// A short pause after a press that changed the whole window: for as long as
// the platform's double-click interval it lets the window tell a press that
// only repeats that one (the second click of a double click, a key pressed
// twice in a hurry) from a new one, and the keys that come in the meantime
// type nothing into the window.
class Pausa : public QObject {
    Q_OBJECT

public:
    // Watches the keys of the window and of every control it holds by now.
    explicit Pausa(QWidget& finestra, Orologio orologio = {});

    std::int64_t adesso() const;

    // The pause starts now.
    void inizia();

    // Whether the moment falls within the latest pause.
    bool comprende(std::int64_t istante) const;

    // Gives the focus back to the control of the window that last lost it: a
    // press that counts for nothing should not move it either.
    void restituisciFuoco();

protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    Orologio orologio_;
    std::optional<std::int64_t> inizio_;
    QPointer<QWidget> perso_;  // the control that last lost the focus
};

}  // namespace zefiranda
