// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/disegni.h"

#include "pictures/preparati.h"

#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QResource>
#include <QSvgRenderer>

#include <cmath>
#include <memory>
#include <vector>

namespace zefiranda {

namespace {

bool preparatiInUso = true;
int svgLetti = 0;
const SfondoPieno* sfondoAttuale = nullptr;

// A drawing, shared by every copy of its painting hook: its prepared images,
// and its SVG file, read only when it must be painted in a way none of them is.
class Caricato {
public:
    explicit Caricato(QString nome)
        : nome_(std::move(nome))
    {
    }

    void dipingi(QPainter& pittore, const QSizeF& scatola)
    {
        if (dipingiPreparato(pittore, scatola))
            return;
        if (QSvgRenderer* svg = this->svg())
            svg->render(&pittore, QRectF(QPointF(), scatola));
    }

private:
    QSvgRenderer* svg()
    {
        if (!svgLetto_) {
            svgLetto_ = true;
            QFile file(risorsaDisegno(nome_));
            if (file.open(QIODevice::ReadOnly)) {
                ++svgLetti;
                svg_ = std::make_unique<QSvgRenderer>(file.readAll());
                svg_->setAspectRatioMode(Qt::IgnoreAspectRatio);
            }
        }
        return svg_ && svg_->isValid() ? svg_.get() : nullptr;
    }

    const QList<preparati::Variante>& varianti()
    {
        if (!variantiLette_) {
            variantiLette_ = true;
            const QResource risorsa(QStringLiteral(":/preparati/") + nome_);
            if (risorsa.isValid()) {
                // The resource's own bytes, stored uncompressed: nothing is copied.
                file_ = risorsa.uncompressedData();
                varianti_ = preparati::leggiVarianti(file_);
            }
            immagini_.resize(varianti_.size());
            verificate_.assign(std::size_t(varianti_.size()), -1);
        }
        return varianti_;
    }

    // Copies the prepared images of the painting the painter asks for, if
    // there are some: the same ratio, box and place on the device, and for an
    // opaque one, the same background. False if there are none.
    bool dipingiPreparato(QPainter& pittore, const QSizeF& scatola)
    {
        if (!preparatiInUso)
            return false;
        // The pixels were painted onto 32-bit premultiplied images and are laid
        // down as they are: nothing scaled, turned, faded or blended otherwise.
        const QPaintEngine* motore = pittore.paintEngine();
        if (!motore || motore->type() != QPaintEngine::Raster || !motore->paintDevice()
            || motore->paintDevice()->devType() != QInternal::Image)
            return false;
        const QImage::Format formato = static_cast<const QImage*>(motore->paintDevice())->format();
        if (formato != QImage::Format_RGB32 && formato != QImage::Format_ARGB32_Premultiplied)
            return false;
        if (pittore.compositionMode() != QPainter::CompositionMode_SourceOver || pittore.opacity() != 1.0
            || !pittore.testRenderHint(QPainter::Antialiasing))
            return false;
        const QTransform dispositivo = pittore.deviceTransform();
        const double rapporto = dispositivo.m11();
        if (dispositivo.type() > QTransform::TxScale || dispositivo.m22() != rapporto || rapporto <= 0)
            return false;
        const QPointF origine(dispositivo.dx(), dispositivo.dy());
        const std::optional<QRgb> fondo = SfondoPieno::di(pittore);

        const QList<preparati::Variante>& tutte = varianti();
        for (qsizetype i = 0; i < tutte.size(); ++i) {
            const preparati::Variante& variante = tutte[i];
            constexpr double scarto = 1e-9;
            if (variante.rapporto != rapporto || variante.scatola != scatola
                || std::abs(variante.origine.x() - origine.x()) > scarto
                || std::abs(variante.origine.y() - origine.y()) > scarto)
                continue;
            if (variante.sfondo != 0 && fondo != variante.sfondo)
                continue;
            // An opaque image is written straight into the device's pixels, on
            // the part of it to be painted: no image of its own, no copy.
            if (variante.sfondo != 0 && variante.strati.size() == 1 && !pittore.hasClipping() && verificata(i)) {
                scriviPreparato(*motore, variante);
                return true;
            }
            const QList<QImage>& strati = immagini(i);
            if (strati.size() != variante.strati.size())
                return false;
            // Device pixels one for one, from the pixel that holds the box's corner.
            pittore.save();
            pittore.resetTransform();
            const QTransform base = pittore.deviceTransform();
            pittore.setWorldTransform(QTransform::fromScale(1 / rapporto, 1 / rapporto));
            const QPoint spostamento(qRound(base.dx()), qRound(base.dy()));
            const QPoint pixel =
                QPoint(static_cast<int>(std::floor(origine.x())), static_cast<int>(std::floor(origine.y())));
            QRegion coperta;
            for (qsizetype s = 0; s < strati.size(); ++s)
                coperta += QRect(pixel + variante.strati[s].angolo, strati[s].size());
            // One piece of the area to paint at a time: clipped to a rectangle,
            // Qt copies the pixels straight, where a clip of any other shape
            // would have it hand the work to threads of its own.
            const QRegion sistema = motore->systemClip();
            for (const QRect& pezzo : sistema.isEmpty() ? coperta : coperta.intersected(sistema)) {
                pittore.save();
                pittore.setClipRect(pezzo.translated(-spostamento), Qt::IntersectClip);
                for (qsizetype s = 0; s < strati.size(); ++s)
                    pittore.drawImage(pixel - spostamento + variante.strati[s].angolo, strati[s]);
                pittore.restore();
            }
            pittore.restore();
            return true;
        }
        return false;
    }

    static void scriviPreparato(const QPaintEngine& motore, const preparati::Variante& variante)
    {
        auto& destinazione = *static_cast<QImage*>(motore.paintDevice());
        const preparati::Strato& strato = variante.strati.front();
        const QPoint angolo = QPoint(static_cast<int>(std::floor(variante.origine.x())),
                                     static_cast<int>(std::floor(variante.origine.y())))
            + strato.angolo;
        const QRect coperta(angolo, strato.misura);
        const QRegion sistema = motore.systemClip();
        for (const QRect& pezzo : sistema.isEmpty() ? QRegion(coperta) : sistema.intersected(coperta))
            preparati::scriviIn(strato.dati, strato.misura, destinazione, angolo, pezzo);
    }

    // Whether the variant's one image reads whole, found out the first time it is asked.
    bool verificata(qsizetype indice)
    {
        signed char& esito = verificate_[std::size_t(indice)];
        if (esito < 0) {
            const preparati::Strato& strato = varianti_[indice].strati.front();
            esito = preparati::verifica(strato.dati, strato.misura) ? 1 : 0;
        }
        return esito == 1;
    }

    const QList<QImage>& immagini(qsizetype indice)
    {
        QList<QImage>& strati = immagini_[indice];
        if (strati.isEmpty()) {
            const preparati::Variante& variante = varianti_[indice];
            for (const preparati::Strato& strato : variante.strati) {
                QImage immagine(strato.misura,
                                variante.sfondo ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
                if (!preparati::decomprimi(strato.dati, immagine)) {
                    strati.clear();
                    break;
                }
                strati.append(immagine);
            }
        }
        return strati;
    }

    QString nome_;
    bool svgLetto_ = false;
    std::unique_ptr<QSvgRenderer> svg_;
    bool variantiLette_ = false;
    QByteArray file_;
    QList<preparati::Variante> varianti_;
    QList<QList<QImage>> immagini_;
    std::vector<signed char> verificate_;
};

}  // namespace

SfondoPieno::SfondoPieno(const QPainter& pittore, QRgb colore)
    : pittore_(&pittore)
    , colore_(colore)
    , precedente_(sfondoAttuale)
{
    sfondoAttuale = this;
}

SfondoPieno::~SfondoPieno()
{
    sfondoAttuale = precedente_;
}

std::optional<QRgb> SfondoPieno::di(const QPainter& pittore)
{
    for (const SfondoPieno* sfondo = sfondoAttuale; sfondo; sfondo = sfondo->precedente_)
        if (sfondo->pittore_ == &pittore)
            return sfondo->colore_;
    return std::nullopt;
}

void usaDisegniPreparati(bool usa)
{
    preparatiInUso = usa;
}

int disegniSvgLetti()
{
    return svgLetti;
}

QString risorsaDisegno(const QString& nome)
{
    return QStringLiteral(":/disegni/%1.svg").arg(nome);
}

QSizeF dimensioneNaturale(const QString& nome)
{
    QFile file(risorsaDisegno(nome));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return dimensioneSvg(file.readAll());
}

Disegno disegnoSvg(const QString& nome)
{
    return [disegno = std::make_shared<Caricato>(nome)](QPainter& pittore, const QSizeF& scatola) {
        disegno->dipingi(pittore, scatola);
    };
}

Disegno disegnoNaturale(const QString& nome)
{
    return [disegno = std::make_shared<Caricato>(nome), naturale = dimensioneNaturale(nome)](
               QPainter& pittore, const QSizeF&) { disegno->dipingi(pittore, naturale); };
}

}  // namespace zefiranda
