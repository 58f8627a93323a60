// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controlli.h"

#include "widgets/areaimmagine.h"
#include "widgets/casella.h"
#include "widgets/pulsante.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

namespace zefiranda {

namespace {

template <typename Controllo> Controllo* piazza(Controllo* controllo, const char* nome, const QRect& twips)
{
    controllo->setObjectName(QString::fromLatin1(nome));
    controllo->setGeometry(twips);
    return controllo;
}

}  // namespace

QLineEdit* creaCasella(QWidget& finestra, const char* nome, const QRect& twips, const QFont& font,
                       Qt::Alignment allineamento)
{
    auto* casella = piazza(new Casella(&finestra), nome, twips);
    casella->setFont(font);
    casella->setAlignment(allineamento | Qt::AlignVCenter);
    casella->setMaxLength(lunghezzaCasella);
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

QPushButton* creaPulsante(QWidget& finestra, const char* nome, const QRect& twips, const QString& didascalia)
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

void ordineTab(std::initializer_list<QWidget*> controlli)
{
    QWidget* precedente = nullptr;
    for (QWidget* successivo : controlli) {
        if (precedente)
            QWidget::setTabOrder(precedente, successivo);
        precedente = successivo;
    }
}

}  // namespace zefiranda
