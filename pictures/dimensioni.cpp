// SPDX-License-Identifier: GPL-3.0-or-later
// The natural size written in a drawing's root element, read apart from the
// rest of the drawings so that zefiranda-prepara reads it the same way.
#include "pictures/disegni.h"

#include <QXmlStreamReader>

namespace zefiranda {

namespace {

constexpr double pixelPerPollice = 96.0;

// A length of the root element ("3.657in", "12mm", "80px", "80") in pixels:
// a number with an optional fraction, then an optional unit, white space
// allowed around both; 0 for anything else.
double inPixel(QStringView lunghezza)
{
    const QStringView testo = lunghezza.trimmed();
    qsizetype fine = 0;
    bool punto = false;
    for (; fine < testo.size(); ++fine) {
        const QChar c = testo[fine];
        if (c == u'.' && !punto)
            punto = true;
        else if (c < u'0' || c > u'9')
            break;
    }
    const QStringView numero = testo.first(fine);
    if (numero.isEmpty() || numero.back() == u'.')
        return 0;
    const double valore = numero.toDouble();
    const QStringView unita = testo.sliced(fine).trimmed();
    if (unita.isEmpty() || unita == u"px")
        return valore;
    if (unita == u"in")
        return valore * pixelPerPollice;
    if (unita == u"cm")
        return valore * pixelPerPollice / 2.54;
    if (unita == u"mm")
        return valore * pixelPerPollice / 25.4;
    if (unita == u"pt")
        return valore * pixelPerPollice / 72;
    if (unita == u"pc")
        return valore * pixelPerPollice / 6;
    return 0;
}

}  // namespace

QSizeF dimensioneSvg(const QByteArray& svg)
{
    QXmlStreamReader lettore(svg);
    while (lettore.readNextStartElement()) {
        if (lettore.name() != QLatin1String("svg"))
            return {};
        const QXmlStreamAttributes attributi = lettore.attributes();
        return {inPixel(attributi.value(QLatin1String("width"))), inPixel(attributi.value(QLatin1String("height")))};
    }
    return {};
}

}  // namespace zefiranda
