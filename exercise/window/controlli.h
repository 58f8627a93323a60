#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QWidget;

namespace zefiranda {

class AreaImmagine;

// A push button that the mouse, Space and either Enter key press while it has
// the focus, and that Alt with its access key presses at once from anywhere in
// its window. Enter typed elsewhere presses no button.
class Pulsante : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

// A top-level window that loads itself the first time it is shown: its
// Form_Load runs before it appears, so the user never sees it unloaded.
class Finestra : public QWidget {
public:
    void setVisible(bool visibile) override;

protected:
    virtual void Form_Load() = 0;

private:
    bool caricata_ = false;
};

// Window rectangles are laid out in twips, 15 to a logical pixel.
QRect daTwips(int left, int top, int width, int height);

// A font of the given faces (first found wins, then the platform's sans-serif)
// at a size in points, fixed at 96 dots per inch so that text keeps its place
// in the twip layout; Qt scales the whole window on denser screens.
QFont carattere(const QStringList& facce, double punti, bool corsivo = false);

// Top-level window with a fixed-size client area in twips and a background colour.
void preparaFinestra(QWidget& finestra, const char* nome, QColor sfondo);

QLineEdit* creaCasella(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                       Qt::Alignment allineamento);
QLabel* creaEtichetta(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                      Qt::Alignment allineamento = Qt::AlignLeft);
// Narrows the label's font, at the same height, just enough for the widest of
// the texts to fit the label, unless they fit already; a face wider than the
// one the layout was made for would otherwise have the label cut them off.
void adattaLarghezza(QLabel& etichetta, const QStringList& testi);

QPushButton* creaPulsante(QWidget& finestra, const char* nome, const QRect& twips,
                          const QString& didascalia);
AreaImmagine* creaArea(QWidget& finestra, const char* nome, const QRect& twips);

// Places the window, frame included, in the middle of its whole screen; meant
// for a window's load handler, before the window is first shown, so that it
// appears in place and never moves afterwards.
//
// The frame's size comes from the window itself once it is on screen, else
// from another window of the program on screen, else from the window system
// before the window is mapped. X11 tells a new window's frame only after
// mapping it: there the program's first window has its client area centred
// and the frame drawn around it.
void centraSulloSchermo(QWidget& finestra);

} // namespace zefiranda
