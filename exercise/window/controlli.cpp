#include "controlli.h"

#include "areaimmagine.h"
#include "centratura.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcutEvent>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>

namespace zefiranda {

namespace {

int pixel(int twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

template <typename Controllo>
Controllo* piazza(Controllo* controllo, const char* nome, const QRect& twips)
{
    controllo->setObjectName(QString::fromLatin1(nome));
    controllo->setGeometry(twips);
    return controllo;
}

QMargins cornice(const QWidget& finestra)
{
    const QRect esterno = finestra.frameGeometry();
    const QRect interno = finestra.geometry();
    return {interno.left() - esterno.left(), interno.top() - esterno.top(), esterno.right() - interno.right(),
            esterno.bottom() - interno.bottom()};
}

QMargins corniceAttesa(QWidget& finestra)
{
    if (finestra.isVisible())
        return cornice(finestra);
    const auto finestre = QApplication::topLevelWidgets();
    for (const QWidget* altra : finestre) {
        const Qt::WindowStates cornicePropria = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
        if (altra != &finestra && altra->isVisible() && altra->windowType() == finestra.windowType()
            && !(altra->windowState() & cornicePropria))
            return cornice(*altra);
    }
    finestra.winId();
    return finestra.windowHandle()->frameMargins();
}

} // namespace

bool Pulsante::event(QEvent* evento)
{
    // Qt would show the button pressed for a moment and click it later; the
    // access key presses it at once, like every other way of pressing it.
    if (evento->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(evento)->isAmbiguous()) {
        click();
        return true;
    }
    return QPushButton::event(evento);
}

void Pulsante::keyPressEvent(QKeyEvent* evento)
{
    const bool invio = evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers altri = evento->modifiers() & ~Qt::KeypadModifier;
    if (invio && altri == Qt::NoModifier) {
        // Holding Enter down presses the button once.
        if (!evento->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void Finestra::setVisible(bool visibile)
{
    if (visibile && !caricata_) {
        caricata_ = true;
        Form_Load();
    }
    QWidget::setVisible(visibile);
}

QRect daTwips(int left, int top, int width, int height)
{
    return {pixel(left), pixel(top), pixel(width), pixel(height)};
}

QFont carattere(const QStringList& facce, double punti, bool corsivo)
{
    QFont font;
    font.setFamilies(facce);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(punti * 96.0 / 72.0)));
    font.setWeight(QFont::Normal);
    font.setItalic(corsivo);
    return font;
}

void preparaFinestra(QWidget& finestra, const char* nome, QColor sfondo)
{
    finestra.setObjectName(QString::fromLatin1(nome));
    finestra.setWindowTitle(QStringLiteral("Zefiranda"));
    QPalette colori = finestra.palette();
    colori.setColor(QPalette::Window, sfondo);
    finestra.setPalette(colori);
    finestra.setAutoFillBackground(true);
    finestra.resize(daTwips(0, 0, 9750, 7410).size());
}

QLineEdit* creaCasella(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                       Qt::Alignment allineamento)
{
    auto* casella = piazza(new QLineEdit(&finestra), nome, twips);
    casella->setFont(font);
    casella->setAlignment(allineamento | Qt::AlignVCenter);
    casella->setMaxLength(std::numeric_limits<int>::max());
    return casella;
}

QLabel* creaEtichetta(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                      Qt::Alignment allineamento)
{
    auto* etichetta = piazza(new QLabel(&finestra), nome, twips);
    etichetta->setFont(font);
    etichetta->setAlignment(allineamento | Qt::AlignTop);
    etichetta->setTextFormat(Qt::PlainText);
    etichetta->setAutoFillBackground(true);
    QPalette colori = etichetta->palette();
    colori.setColor(QPalette::WindowText, colori.color(QPalette::ButtonText));
    etichetta->setPalette(colori);
    return etichetta;
}

void adattaLarghezza(QLabel& etichetta, const QStringList& testi)
{
    auto inchiostro = [&testi](const QFont& font) {
        const QFontMetricsF misure(font);
        qreal destra = 0;
        for (const QString& testo : testi)
            destra = std::max(destra, misure.tightBoundingRect(testo).right());
        return destra;
    };
    // One pixel of the label's colour stays free on the right.
    const qreal disponibile = etichetta.contentsRect().width() - 1;
    QFont font = etichetta.font();
    if (inchiostro(font) <= disponibile)
        return;
    font.setStretch(QFont::Unstretched);
    // Glyph widths round to whole pixels: the first guess may fall short by a step or two.
    int stretto = static_cast<int>(int{QFont::Unstretched} * disponibile / inchiostro(font));
    font.setStretch(stretto);
    while (stretto > QFont::UltraCondensed && inchiostro(font) > disponibile)
        font.setStretch(--stretto);
    etichetta.setFont(font);
}

QPushButton* creaPulsante(QWidget& finestra, const char* nome, const QRect& twips,
                          const QString& didascalia)
{
    auto* pulsante = piazza(new Pulsante(didascalia, &finestra), nome, twips);
    pulsante->setAutoDefault(false);
    pulsante->setDefault(false);
    return pulsante;
}

AreaImmagine* creaArea(QWidget& finestra, const char* nome, const QRect& twips)
{
    return piazza(new AreaImmagine(&finestra), nome, twips);
}

void centraSulloSchermo(QWidget& finestra)
{
    const QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    const QRect area = schermo->geometry();
    const QSize esterno = finestra.size().grownBy(corniceAttesa(finestra));
    const PosizioneTwips posizione = centra(area.width() * twipsPerPixel, area.height() * twipsPerPixel,
                                            esterno.width() * twipsPerPixel,
                                            esterno.height() * twipsPerPixel);
    // QWidget::move places the frame's corner wherever the frame's size is known,
    // and on any window not yet created.
    finestra.move(area.left() + static_cast<int>(std::lround(posizione.left / twipsPerPixel)),
                  area.top() + static_cast<int>(std::lround(posizione.top / twipsPerPixel)));
}

} // namespace zefiranda
