// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zefiranda {

class AreaImmagine;

// Every box takes at most this many characters, Qt's usual limit: a longer
// text, typed, pasted or written by the program, is cut there.
inline constexpr int lunghezzaCasella = 32767;

// Factories for the controls of the program's windows: each places a new child
// of the window at a rectangle in logical pixels (see daTwips) under its object name.
QLineEdit* creaCasella(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                       Qt::Alignment allineamento);
QLabel* creaEtichetta(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                      Qt::Alignment allineamento = Qt::AlignLeft);
// Narrows the label's font, at the same height, just enough for the widest of
// the texts to fit the label, unless they fit already; a face wider than the
// one the layout was made for would otherwise have the label cut them off.
void adattaLarghezza(QLabel& etichetta, const QStringList& testi);
// The font adattaLarghezza gives a label of that inner width. Fonts and texts
// measured once are remembered, with their font engines, for the program's life.
QFont adattaCarattere(const QFont& carattere, int larghezza, const QStringList& testi);

QPushButton* creaPulsante(QWidget& finestra, const char* nome, const QRect& twips, const QString& didascalia);
AreaImmagine* creaArea(QWidget& finestra, const char* nome, const QRect& twips);

// Tab moves the focus through the controls in this order.
void ordineTab(std::initializer_list<QWidget*> controlli);

}  // namespace zefiranda
