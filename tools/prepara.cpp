// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-prepara: paints a drawing from its SVG file as a window paints it
// and writes the pixels for the program's resources (see preparati.h). Run by
// the build for every drawing a window shows at a size known in advance.
//
//   zefiranda-prepara <drawing.svg> <output> [--rapporti 1,2]
//
// Where and how the windows show the drawing is read from their own table
// (disegniFissi in windows/aspetto.h), one painting for every control that
// shows it, each at every pixel ratio listed (1 and 2 unless told). The
// shapes fall on the device pixels a little differently at every place, so a
// painting is prepared where its control shows it.
//
// A painting with a background is one opaque image. One without is kept in
// layers, each of shapes that share no pixel, so that the program lays it
// over whatever lies beneath exactly as painting the shapes would; every
// painting is checked against the SVG painted directly before it is written.
#include "pictures/disegni.h"
#include "pictures/preparati.h"
#include "windows/aspetto.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <cstdio>
#include <optional>

using namespace zefiranda;
using namespace zefiranda::preparati;

namespace {

struct Pittura {
    QSizeF scatola;  // empty: the natural size
    QSizeF centro;   // empty: the box's corner is the control's
    QPointF posto;   // the control's corner in its window
    std::optional<QRgb> sfondo;
};

[[noreturn]] void fallisci(const QString& perche)
{
    (void)std::fprintf(stderr, "zefiranda-prepara: %s\n", qPrintable(perche));
    std::exit(1);
}

// How a control shows the drawing, in logical pixels.
Pittura pitturaDi(const DisegnoFisso& fisso)
{
    const QRect controllo = rettangolo(fisso.posto);
    Pittura pittura;
    pittura.posto = controllo.topLeft();
    switch (fisso.modo) {
    case DisegnoFisso::Modo::Stirato:
        pittura.scatola = controllo.size();
        pittura.sfondo = fisso.sfondo.rgb();
        break;
    case DisegnoFisso::Modo::Centrato:
        pittura.centro = controllo.size();
        break;
    case DisegnoFisso::Modo::Naturale:
        break;
    }
    return pittura;
}

// The document once for each shape at its top level, each keeping the root
// element as it is; a document holding anything else is one shape.
QList<QByteArray> forme(const QByteArray& svg)
{
    QXmlStreamReader lettore(svg);
    if (!lettore.readNextStartElement())
        return {svg};
    const QXmlStreamAttributes radice = lettore.attributes();
    const QXmlStreamNamespaceDeclarations spazi = lettore.namespaceDeclarations();
    const QString nomeRadice = lettore.qualifiedName().toString();
    QList<QByteArray> risultato;
    while (lettore.readNextStartElement()) {
        static const QStringList semplici{QStringLiteral("path"), QStringLiteral("polygon")};
        if (!semplici.contains(lettore.name().toString()))
            return {svg};
        QByteArray forma;
        QXmlStreamWriter scrittore(&forma);
        scrittore.writeStartDocument();
        scrittore.writeStartElement(nomeRadice);
        for (const QXmlStreamNamespaceDeclaration& spazio : spazi) {
            if (spazio.prefix().isEmpty())
                scrittore.writeDefaultNamespace(spazio.namespaceUri().toString());
            else
                scrittore.writeNamespace(spazio.namespaceUri().toString(), spazio.prefix().toString());
        }
        scrittore.writeAttributes(radice);
        int profondita = 0;
        do {
            if (lettore.isStartElement())
                ++profondita;
            else if (lettore.isEndElement())
                --profondita;
            scrittore.writeCurrentToken(lettore);
            if (profondita > 0)
                lettore.readNext();
        } while (profondita > 0 && !lettore.atEnd());
        scrittore.writeEndDocument();
        risultato.append(forma);
    }
    if (lettore.hasError())
        fallisci(QStringLiteral("cannot read the drawing: %1").arg(lettore.errorString()));
    return risultato;
}

// Moves the painter to the drawing's box as its control does: to the
// control's corner, then, on a button, to where the drawing is centred.
void spostaAllaScatola(QPainter& pittore, const Pittura& pittura, const QSizeF& naturale)
{
    pittore.translate(pittura.posto);
    if (!pittura.centro.isEmpty())
        pittore.translate(QPointF((pittura.centro.width() - naturale.width()) / 2.0,
                                  (pittura.centro.height() - naturale.height()) / 2.0));
}

// Paints SVG documents onto an image of `misura` device pixels, a corner of
// the window, filled with `fondo`, as the control paints them at the ratio.
QImage dipingi(const QList<QByteArray>& documenti, const Pittura& pittura, const QSizeF& naturale,
               const QSizeF& scatola, double rapporto, QSize misura, QRgb fondo)
{
    QImage immagine(misura, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(fondo);
    immagine.setDevicePixelRatio(rapporto);
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    spostaAllaScatola(pittore, pittura, naturale);
    for (const QByteArray& documento : documenti) {
        QSvgRenderer svg(documento);
        if (!svg.isValid())
            fallisci(QStringLiteral("Qt SVG cannot read the drawing"));
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg.render(&pittore, QRectF(QPointF(), scatola));
    }
    return immagine;
}

QRect inchiostro(const QImage& immagine)
{
    QRect scatola;
    for (int y = 0; y < immagine.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(immagine.constScanLine(y));
        int sinistra = -1, destra = -1;
        for (int x = 0; x < immagine.width(); ++x)
            if (qAlpha(riga[x]) != 0) {
                if (sinistra < 0)
                    sinistra = x;
                destra = x;
            }
        if (sinistra >= 0)
            scatola |= QRect(sinistra, y, destra - sinistra + 1, 1);
    }
    return scatola;
}

bool siToccano(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            if (qAlpha(ra[x]) != 0 && qAlpha(rb[x]) != 0)
                return true;
    }
    return false;
}

void unisci(QImage& impronta, const QImage& forma)
{
    QPainter pittore(&impronta);
    pittore.drawImage(0, 0, forma);
}

// The variant's images laid over a background, as the program lays them.
QImage posa(const Variante& variante, QPoint angolo, const QImage& sotto)
{
    QImage risultato = sotto;
    QPainter pittore(&risultato);
    for (const Strato& strato : variante.strati) {
        QImage immagine(strato.misura, QImage::Format_ARGB32_Premultiplied);
        if (!decomprimi(strato.dati, immagine))
            fallisci(QStringLiteral("a layer does not read back"));
        pittore.drawImage(angolo + strato.angolo, immagine);
    }
    pittore.end();
    return risultato;
}

Variante prepara(const QByteArray& svg, const QSizeF& naturale, const Pittura& pittura, double rapporto)
{
    Variante variante;
    variante.rapporto = rapporto;
    variante.scatola = pittura.scatola.isEmpty() ? naturale : pittura.scatola;
    {
        QImage prova(1, 1, QImage::Format_ARGB32_Premultiplied);
        prova.setDevicePixelRatio(rapporto);
        QPainter pittore(&prova);
        spostaAllaScatola(pittore, pittura, naturale);
        variante.origine = QPointF(pittore.deviceTransform().dx(), pittore.deviceTransform().dy());
    }
    const QPoint pixel(static_cast<int>(std::floor(variante.origine.x())),
                       static_cast<int>(std::floor(variante.origine.y())));
    // The control and a margin round it: the window's corner as far as whatever it may show.
    const QSizeF controllo = pittura.centro.isEmpty() ? variante.scatola : pittura.centro;
    const QSize tela(static_cast<int>(std::ceil((pittura.posto.x() + controllo.width()) * rapporto)) + 2,
                     static_cast<int>(std::ceil((pittura.posto.y() + controllo.height()) * rapporto)) + 2);

    if (pittura.sfondo) {
        // The box exactly: the picture area paints nothing outside itself.
        const QSizeF inPixel = variante.scatola * rapporto;
        if (inPixel.width() != std::round(inPixel.width()) || inPixel.height() != std::round(inPixel.height())
            || QPointF(pixel) != variante.origine)
            fallisci(QStringLiteral("a box with a background must cover whole device pixels"));
        variante.sfondo = *pittura.sfondo;
        const QImage immagine = dipingi({svg}, pittura, naturale, variante.scatola, rapporto, tela, variante.sfondo)
                                    .copy(QRect(pixel, inPixel.toSize()));
        variante.strati.append({QPoint(), immagine.size(), comprimi(immagine)});
        return variante;
    }

    QList<QList<QByteArray>> strati;
    QList<QImage> impronte;
    for (const QByteArray& forma : forme(svg)) {
        const QImage sola = dipingi({forma}, pittura, naturale, variante.scatola, rapporto, tela, 0);
        if (strati.isEmpty() || siToccano(impronte.last(), sola)) {
            strati.append(QList<QByteArray>());
            impronte.append(QImage(tela, QImage::Format_ARGB32_Premultiplied));
            impronte.last().fill(0);
        }
        strati.last().append(forma);
        unisci(impronte.last(), sola);
    }
    for (const QList<QByteArray>& strato : strati) {
        const QImage immagine = dipingi(strato, pittura, naturale, variante.scatola, rapporto, tela, 0);
        const QRect usata = inchiostro(immagine);
        if (usata.isEmpty())
            continue;
        variante.strati.append({usata.topLeft() - pixel, usata.size(), comprimi(immagine.copy(usata))});
    }

    // Laid over backgrounds of every kind, the layers must give what painting the drawing does.
    QImage sfumato(tela, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < tela.height(); ++y)
        for (int x = 0; x < tela.width(); ++x)
            sfumato.setPixel(x, y, qRgb(x * 255 / tela.width(), y * 255 / tela.height(), (x + y) % 256));
    QList<QImage> basi{sfumato};
    for (QRgb fondo : {0xff000000u, 0xffffffffu, 0xff808080u, 0x80402010u}) {
        basi.append(QImage(tela, QImage::Format_ARGB32_Premultiplied));
        basi.last().fill(fondo);
    }
    for (const QImage& base : basi) {
        QImage diretta = base;
        diretta.setDevicePixelRatio(rapporto);
        {
            QPainter pittore(&diretta);
            pittore.setRenderHint(QPainter::Antialiasing);
            spostaAllaScatola(pittore, pittura, naturale);
            QSvgRenderer disegno(svg);
            disegno.setAspectRatioMode(Qt::IgnoreAspectRatio);
            disegno.render(&pittore, QRectF(QPointF(), variante.scatola));
        }
        diretta.setDevicePixelRatio(1);
        if (posa(variante, pixel, base) != diretta)
            fallisci(QStringLiteral("the layers do not give the drawing back at ratio %1").arg(rapporto));
    }
    return variante;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Painting shapes onto images needs no window system.
    QCoreApplication applicazione(argc, argv);
    QStringList argomenti = applicazione.arguments().mid(1);
    QList<double> rapporti{1, 2};
    const qsizetype opzione = argomenti.indexOf(QStringLiteral("--rapporti"));
    if (opzione >= 0) {
        if (opzione + 1 >= argomenti.size())
            fallisci(QStringLiteral("--rapporti wants a list"));
        rapporti.clear();
        for (const QString& r : argomenti[opzione + 1].split(u',')) {
            bool ok = false;
            rapporti.append(r.toDouble(&ok));
            if (!ok || rapporti.last() <= 0)
                fallisci(QStringLiteral("not a pixel ratio: %1").arg(r));
        }
        argomenti.remove(opzione, 2);
    }
    if (argomenti.size() != 2)
        fallisci(QStringLiteral("usage: zefiranda-prepara <drawing.svg> <output> [--rapporti 1,2]"));

    QFile entrata(argomenti[0]);
    if (!entrata.open(QIODevice::ReadOnly))
        fallisci(QStringLiteral("cannot read %1").arg(argomenti[0]));
    const QByteArray svg = entrata.readAll();
    const QSizeF naturale = dimensioneSvg(svg);

    const QString nome = QFileInfo(argomenti[0]).completeBaseName();
    QList<Variante> varianti;
    for (const DisegnoFisso& fisso : disegniFissi) {
        if (nome != QLatin1String(fisso.disegno))
            continue;
        const Pittura pittura = pitturaDi(fisso);
        if (pittura.scatola.isEmpty() && naturale.isEmpty())
            fallisci(QStringLiteral("%1 has no natural size").arg(argomenti[0]));
        for (double rapporto : rapporti)
            varianti.append(prepara(svg, naturale, pittura, rapporto));
    }
    if (varianti.isEmpty())
        fallisci(QStringLiteral("no window shows %1 at a place of its own").arg(nome));

    QFile uscita(argomenti[1]);
    if (!uscita.open(QIODevice::WriteOnly) || uscita.write(scriviVarianti(varianti)) < 0)
        fallisci(QStringLiteral("cannot write %1").arg(argomenti[1]));
    return 0;
}
