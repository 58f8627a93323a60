#include "disegni.h"

#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <cmath>
#include <memory>

namespace zefiranda {

namespace {

constexpr double pixelPerPollice = 96.0;

// A length of the root element ("3.657in", "12mm", "80px", "80") in pixels.
double inPixel(const QString& lunghezza)
{
    static const QRegularExpression forma(QStringLiteral(R"(^\s*([0-9]*\.?[0-9]+)\s*(in|cm|mm|pt|pc|px)?\s*$)"));
    const QRegularExpressionMatch trovato = forma.match(lunghezza);
    if (!trovato.hasMatch())
        return 0;
    const double valore = trovato.captured(1).toDouble();
    const QString unita = trovato.captured(2);
    if (unita == QLatin1String("in"))
        return valore * pixelPerPollice;
    if (unita == QLatin1String("cm"))
        return valore * pixelPerPollice / 2.54;
    if (unita == QLatin1String("mm"))
        return valore * pixelPerPollice / 25.4;
    if (unita == QLatin1String("pt"))
        return valore * pixelPerPollice / 72;
    if (unita == QLatin1String("pc"))
        return valore * pixelPerPollice / 6;
    return valore;
}

QSizeF misuraRadice(const QByteArray& svg)
{
    QXmlStreamReader lettore(svg);
    while (lettore.readNextStartElement()) {
        if (lettore.name() != QLatin1String("svg"))
            return {};
        const QXmlStreamAttributes attributi = lettore.attributes();
        return {inPixel(attributi.value(QLatin1String("width")).toString()),
                inPixel(attributi.value(QLatin1String("height")).toString())};
    }
    return {};
}

// A drawing read from the resources, shared by every copy of its painting hook.
struct Caricato {
    std::shared_ptr<QSvgRenderer> svg;
    QSizeF naturale;

    bool valido() const { return svg && svg->isValid(); }
};

Caricato carica(const QString& nome)
{
    QFile file(risorsaDisegno(nome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray dati = file.readAll();
    Caricato caricato{std::make_shared<QSvgRenderer>(dati), misuraRadice(dati)};
    caricato.svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return caricato;
}

} // namespace

QString risorsaDisegno(const QString& nome)
{
    return QStringLiteral(":/disegni/%1.svg").arg(nome);
}

QSizeF dimensioneNaturale(const QString& nome)
{
    QFile file(risorsaDisegno(nome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return misuraRadice(file.readAll());
}

QSize dimensioneNaturaleInPixel(const QString& nome)
{
    const QSizeF naturale = dimensioneNaturale(nome);
    return {static_cast<int>(std::lround(naturale.width())), static_cast<int>(std::lround(naturale.height()))};
}

Disegno disegnoSvg(const QString& nome)
{
    return [disegno = carica(nome)](QPainter& pittore, const QSizeF& scatola) {
        if (disegno.valido())
            disegno.svg->render(&pittore, QRectF(QPointF(), scatola));
    };
}

Disegno disegnoNaturale(const QString& nome)
{
    return [disegno = carica(nome)](QPainter& pittore, const QSizeF&) {
        if (disegno.valido())
            disegno.svg->render(&pittore, QRectF(QPointF(), disegno.naturale));
    };
}

} // namespace zefiranda
