// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/finestra.h"

#include "widgets/cornice.h"
#include "widgets/misure.h"

#include <QPalette>

namespace zefiranda {

namespace {

// A colour of the light look in the active and inactive windows, and in a disabled control.
struct Colore {
    QPalette::ColorRole ruolo;
    QRgb attivo;
    QRgb disabilitato;
};

// The light look the windows were drawn for: black text on white boxes, black
// captions, light-grey buttons, a blue focus frame and selection. The window's
// own colour comes on top.
constexpr Colore chiari[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xff000000, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::NoRole, 0xff000000, 0xff000000},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};

// Every colour of the light look, on the window's background: the windows'
// colours are fixed, and text in a dark desktop theme's light colours would
// vanish on them.
QPalette tavolozzaChiara(QColor sfondo)
{
    QPalette tavolozza;
    for (const Colore& colore : chiari) {
        for (QPalette::ColorGroup gruppo : {QPalette::Active, QPalette::Inactive})
            tavolozza.setColor(gruppo, colore.ruolo, QColor::fromRgba(colore.attivo));
        tavolozza.setColor(QPalette::Disabled, colore.ruolo, QColor::fromRgba(colore.disabilitato));
    }
    tavolozza.setColor(QPalette::Window, sfondo);
    return tavolozza;
}

}  // namespace

void Finestra::setVisible(bool visibile)
{
    if (visibile && !caricata_) {
        caricata_ = true;
        Form_Load();
    }
    QWidget::setVisible(visibile);
}

void preparaFinestra(QWidget& finestra, const char* nome, QColor sfondo)
{
    finestra.setObjectName(QString::fromLatin1(nome));
    finestra.setWindowTitle(QStringLiteral("Zefiranda"));
    finestra.setPalette(tavolozzaChiara(sfondo));
    finestra.setAutoFillBackground(true);
    finestra.resize(daTwips(0, 0, 9750, 7410).size());
    chiediCornice(finestra);
}

}  // namespace zefiranda
