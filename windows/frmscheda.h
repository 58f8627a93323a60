// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "print/scheda.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QPrinter;
class QPushButton;
class QSpinBox;

namespace zefiranda {

// The worksheet window: how many networks, with or without their solutions,
// on which paper; then the system's print dialog sends the sheet to a printer
// or into a PDF file, and the window closes.
class Frmscheda : public QWidget {
    Q_OBJECT

public:
    // Without a printer the window makes its own for the print dialog; a test
    // hands in one that writes a PDF file.
    explicit Frmscheda(QPrinter* stampante = nullptr);
    ~Frmscheda() override;

    // The worksheet the controls ask for, with the seed taken when the window opened.
    Scheda scheda() const;

private:
    void cmdstampa_Click();

    std::uint64_t seme_;
    QPrinter* stampante_;
    bool stampantePropria_;
    QSpinBox* spnreti = nullptr;
    QCheckBox* chksoluzioni = nullptr;
    QComboBox* cmbformato = nullptr;
    QPushButton* cmdstampa = nullptr;
    QPushButton* cmdannulla = nullptr;
};

}  // namespace zefiranda
