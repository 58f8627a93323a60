// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/controlli.h"

#include "widgets/areaimmagine.h"
#include "widgets/casella.h"
#include "widgets/pulsante.h"

#include <QFontMetricsF>
#include <QHash>
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

namespace {

// Where a text's ink ends on the right in a font, measured once: the legend's
// labels ask for the same captions in the same fonts, and so does every new
// network window.
qreal destraInchiostro(const QFont& font, const QString& testo)
{
    static QHash<std::pair<QFont, QString>, qreal> misurate;
    const std::pair<QFont, QString> chiave(font, testo);
    const auto trovata = misurate.constFind(chiave);
    if (trovata != misurate.cend())
        return *trovata;
    const qreal destra = QFontMetricsF(font).tightBoundingRect(testo).right();
    misurate.insert(chiave, destra);
    return destra;
}

}  // namespace

QFont adattaCarattere(const QFont& carattere, int larghezza, const QStringList& testi)
{
    // One pixel of the label's colour stays free on the right.
    const qreal disponibile = larghezza - 1;
    // The texts likeliest to overflow are tried first, so that a font too wide
    // is mostly found out by its first measurement.
    QStringList ordine = testi;
    std::stable_sort(ordine.begin(), ordine.end(),
                     [](const QString& a, const QString& b) { return a.size() > b.size(); });
    const auto entrano = [&ordine, disponibile](const QFont& font) {
        return std::all_of(ordine.cbegin(), ordine.cend(),
                           [&](const QString& testo) { return destraInchiostro(font, testo) <= disponibile; });
    };
    QFont font = carattere;
    if (entrano(font))
        return font;
    font.setStretch(QFont::Unstretched);
    qreal inchiostro = 0;
    for (const QString& testo : ordine)
        inchiostro = std::max(inchiostro, destraInchiostro(font, testo));
    std::stable_sort(ordine.begin(), ordine.end(), [&font](const QString& a, const QString& b) {
        return destraInchiostro(font, a) > destraInchiostro(font, b);
    });
    // Glyph widths round to whole pixels: the first guess may fall short by a step or two.
    int stretto = static_cast<int>(int{QFont::Unstretched} * disponibile / inchiostro);
    font.setStretch(stretto);
    while (stretto > QFont::UltraCondensed && !entrano(font))
        font.setStretch(--stretto);
    return font;
}

void adattaLarghezza(QLabel& etichetta, const QStringList& testi)
{
    const QFont font = etichetta.font();
    const QFont adattato = adattaCarattere(font, etichetta.contentsRect().width(), testi);
    if (!(adattato == font))
        etichetta.setFont(adattato);
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
