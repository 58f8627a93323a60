#include "disegni.h"

#include <QFile>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
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

QRectF centrato(const QSizeF& dimensione, const QRectF& spazio)
{
    return {spazio.center() - QPointF(dimensione.width() / 2, dimensione.height() / 2), dimensione};
}

// Paints the drawing at its natural size in the middle of the rectangle it is asked for.
class MotoreNaturale : public QIconEngine {
public:
    explicit MotoreNaturale(Caricato disegno)
        : disegno_(std::move(disegno))
    {
    }

    void paint(QPainter* pittore, const QRect& rettangolo, QIcon::Mode, QIcon::State) override
    {
        if (disegno_.valido())
            disegno_.svg->render(pittore, centrato(disegno_.naturale, rettangolo));
    }

    QPixmap pixmap(const QSize& dimensione, QIcon::Mode modo, QIcon::State stato) override
    {
        return scaledPixmap(dimensione, modo, stato, 1.0);
    }

    // dimensione is in device pixels, scala the device pixel ratio.
    QPixmap scaledPixmap(const QSize& dimensione, QIcon::Mode, QIcon::State, qreal scala) override
    {
        QImage immagine(dimensione, QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        if (disegno_.valido() && scala > 0) {
            QPainter pittore(&immagine);
            pittore.setRenderHint(QPainter::Antialiasing);
            pittore.scale(scala, scala);
            disegno_.svg->render(&pittore, centrato(disegno_.naturale, QRectF(QPointF(), QSizeF(dimensione) / scala)));
        }
        QPixmap risultato = QPixmap::fromImage(immagine);
        risultato.setDevicePixelRatio(scala);
        return risultato;
    }

    QSize actualSize(const QSize& dimensione, QIcon::Mode, QIcon::State) override { return dimensione; }

    QIconEngine* clone() const override { return new MotoreNaturale(disegno_); }

    QString key() const override { return QStringLiteral("zefiranda-naturale"); }

    bool isNull() override { return !disegno_.valido(); }

private:
    Caricato disegno_;
};

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

QIcon iconaNaturale(const QString& nome)
{
    return QIcon(new MotoreNaturale(carica(nome)));
}

void mettiSulPulsante(QPushButton& pulsante, const QString& nome)
{
    const QSizeF naturale = dimensioneNaturale(nome);
    pulsante.setText(QString());
    pulsante.setIcon(iconaNaturale(nome));
    pulsante.setIconSize(QSize(static_cast<int>(std::ceil(naturale.width())),
                               static_cast<int>(std::ceil(naturale.height()))));
}

} // namespace zefiranda
