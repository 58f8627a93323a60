// SPDX-License-Identifier: GPL-3.0-or-later
#include "pictures/preparati.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cstring>

namespace zefiranda::preparati {

namespace {

constexpr quint32 marca = 0x5a465031;  // "ZFP1"
constexpr int versioneFlusso = QDataStream::Qt_6_0;

void scriviNumero(QByteArray& dati, quint64 numero)
{
    while (numero >= 0x80) {
        dati.append(static_cast<char>((numero & 0x7f) | 0x80));
        numero >>= 7;
    }
    dati.append(static_cast<char>(numero));
}

bool leggiNumero(const uchar*& p, const uchar* fine, quint64& numero)
{
    numero = 0;
    for (int spostamento = 0; p < fine && spostamento < 64; spostamento += 7) {
        const uchar byte = *p++;
        numero |= quint64(byte & 0x7f) << spostamento;
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

void scriviPixel(QByteArray& dati, const quint32* pixel, qsizetype quanti)
{
    dati.append(reinterpret_cast<const char*>(pixel), quanti * qsizetype(sizeof(quint32)));
}

}  // namespace

// Each stretch is a number n: even, a run of n / 2 copies of the value that
// follows; odd, the (n - 1) / 2 values that follow, written out. Values are
// 32-bit pixels in the machine's order; rows follow one another unbroken.
QByteArray comprimi(const QImage& immagine)
{
    QByteArray dati;
    if (immagine.depth() != 32)
        return dati;
    const qsizetype totale = qsizetype(immagine.width()) * immagine.height();
    // A copy whose rows lie end to end.
    std::vector<quint32> pixel(static_cast<std::size_t>(totale));
    for (int y = 0; y < immagine.height(); ++y)
        std::memcpy(pixel.data() + qsizetype(y) * immagine.width(), immagine.constScanLine(y),
                    std::size_t(immagine.width()) * sizeof(quint32));
    // A run shorter than this costs more than writing its values out.
    constexpr qsizetype corsaMinima = 3;
    qsizetype i = 0, sciolti = 0;  // values not yet written, from i - sciolti
    const auto scriviSciolti = [&] {
        if (sciolti > 0) {
            scriviNumero(dati, quint64(sciolti) * 2 + 1);
            scriviPixel(dati, pixel.data() + i - sciolti, sciolti);
            sciolti = 0;
        }
    };
    while (i < totale) {
        qsizetype corsa = 1;
        while (i + corsa < totale && pixel[std::size_t(i + corsa)] == pixel[std::size_t(i)])
            ++corsa;
        if (corsa < corsaMinima) {
            i += corsa;
            sciolti += corsa;
            continue;
        }
        scriviSciolti();
        scriviNumero(dati, quint64(corsa) * 2);
        scriviPixel(dati, pixel.data() + i, 1);
        i += corsa;
    }
    scriviSciolti();
    return dati;
}

bool decomprimi(const QByteArray& dati, QImage& immagine)
{
    if (immagine.depth() != 32 || immagine.isNull())
        return false;
    const qsizetype larghezza = immagine.width();
    const qsizetype totale = larghezza * immagine.height();
    // A fresh 32-bit image's rows lie end to end; fill them as one stretch.
    if (immagine.bytesPerLine() != larghezza * qsizetype(sizeof(quint32)))
        return false;
    auto* uscita = reinterpret_cast<quint32*>(immagine.bits());
    const auto* p = reinterpret_cast<const uchar*>(dati.constData());
    const uchar* const fine = p + dati.size();
    qsizetype scritti = 0;
    while (p < fine) {
        quint64 numero = 0;
        if (!leggiNumero(p, fine, numero))
            return false;
        const auto quanti = static_cast<qsizetype>(numero / 2);
        if (quanti > totale - scritti)
            return false;
        if (numero & 1) {
            const qsizetype byte = quanti * qsizetype(sizeof(quint32));
            if (fine - p < byte)
                return false;
            std::memcpy(uscita + scritti, p, std::size_t(byte));
            p += byte;
        } else {
            if (fine - p < qsizetype(sizeof(quint32)))
                return false;
            quint32 valore;
            std::memcpy(&valore, p, sizeof valore);
            p += sizeof valore;
            std::fill_n(uscita + scritti, quanti, valore);
        }
        scritti += quanti;
    }
    return scritti == totale;
}

QByteArray scriviVarianti(const QList<Variante>& varianti)
{
    QByteArray file;
    QDataStream flusso(&file, QIODevice::WriteOnly);
    flusso.setVersion(versioneFlusso);
    flusso << marca << quint32(varianti.size());
    for (const Variante& variante : varianti) {
        flusso << variante.scatola.width() << variante.scatola.height() << variante.rapporto << variante.origine.x()
               << variante.origine.y() << quint32(variante.sfondo) << quint32(variante.strati.size());
        for (const Strato& strato : variante.strati)
            flusso << qint32(strato.angolo.x()) << qint32(strato.angolo.y()) << qint32(strato.misura.width())
                   << qint32(strato.misura.height()) << strato.dati;
    }
    return file;
}

QList<Variante> leggiVarianti(const QByteArray& file)
{
    QDataStream flusso(file);
    flusso.setVersion(versioneFlusso);
    quint32 letta = 0, quante = 0;
    flusso >> letta >> quante;
    if (letta != marca || flusso.status() != QDataStream::Ok)
        return {};
    QList<Variante> varianti;
    for (quint32 v = 0; v < quante && flusso.status() == QDataStream::Ok; ++v) {
        Variante variante;
        double larghezza = 0, altezza = 0, fx = 0, fy = 0;
        quint32 sfondo = 0, strati = 0;
        flusso >> larghezza >> altezza >> variante.rapporto >> fx >> fy >> sfondo >> strati;
        variante.scatola = QSizeF(larghezza, altezza);
        variante.origine = QPointF(fx, fy);
        variante.sfondo = sfondo;
        for (quint32 s = 0; s < strati && flusso.status() == QDataStream::Ok; ++s) {
            Strato strato;
            qint32 x = 0, y = 0, l = 0, a = 0;
            flusso >> x >> y >> l >> a >> strato.dati;
            strato.angolo = QPoint(x, y);
            strato.misura = QSize(std::max(l, 0), std::max(a, 0));
            variante.strati.append(strato);
        }
        varianti.append(variante);
    }
    if (flusso.status() != QDataStream::Ok)
        return {};
    return varianti;
}

}  // namespace zefiranda::preparati
