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

namespace {

// Walks the stretches of comprimi()'s form, handing each one over in order:
// corsa(inizio, quanti, valore) for a run of one value, sciolti(inizio,
// quanti, p) for values written out from p on (unaligned). False, having
// handed over only stretches that fit, if the data do not describe exactly
// `totale` pixels.
template <typename Corsa, typename Sciolti>
bool percorri(const QByteArray& dati, qsizetype totale, Corsa corsa, Sciolti sciolti)
{
    const auto* p = reinterpret_cast<const uchar*>(dati.constData());
    const uchar* const fine = p + dati.size();
    qsizetype scritti = 0;
    while (p < fine) {
        quint64 numero = 0;
        if (!leggiNumero(p, fine, numero))
            return false;
        const auto quanti = static_cast<qsizetype>(numero / 2);
        if (numero / 2 > quint64(totale - scritti))
            return false;
        if (numero & 1) {
            const qsizetype byte = quanti * qsizetype(sizeof(quint32));
            if (fine - p < byte)
                return false;
            sciolti(scritti, quanti, p);
            p += byte;
        } else {
            if (fine - p < qsizetype(sizeof(quint32)))
                return false;
            quint32 valore;
            std::memcpy(&valore, p, sizeof valore);
            p += sizeof valore;
            corsa(scritti, quanti, valore);
        }
        scritti += quanti;
    }
    return scritti == totale;
}

}  // namespace

bool decomprimi(const QByteArray& dati, QImage& immagine)
{
    if (immagine.depth() != 32 || immagine.isNull())
        return false;
    const qsizetype larghezza = immagine.width();
    // A fresh 32-bit image's rows lie end to end; fill them as one stretch.
    if (immagine.bytesPerLine() != larghezza * qsizetype(sizeof(quint32)))
        return false;
    auto* uscita = reinterpret_cast<quint32*>(immagine.bits());
    return percorri(
        dati, larghezza * immagine.height(),
        [uscita](qsizetype inizio, qsizetype quanti, quint32 valore) { std::fill_n(uscita + inizio, quanti, valore); },
        [uscita](qsizetype inizio, qsizetype quanti, const uchar* p) {
            std::memcpy(uscita + inizio, p, std::size_t(quanti) * sizeof(quint32));
        });
}

bool verifica(const QByteArray& dati, QSize misura)
{
    if (misura.isEmpty())
        return false;
    const auto nulla = [](qsizetype, qsizetype, auto) {};
    return percorri(dati, qsizetype(misura.width()) * misura.height(), nulla, nulla);
}

void scriviIn(const QByteArray& dati, QSize misura, QImage& destinazione, QPoint angolo, const QRect& ritaglio)
{
    // The part to write, in the image's own pixels.
    const QRect area = (QRect(angolo, misura) & ritaglio & destinazione.rect()).translated(-angolo);
    if (area.isEmpty() || destinazione.depth() != 32)
        return;
    const qsizetype larghezza = misura.width();
    const qsizetype riga = destinazione.bytesPerLine();
    uchar* const bits = destinazione.bits() + qsizetype(angolo.y()) * riga + qsizetype(angolo.x()) * 4;
    // Where the next value goes: row and column in the image.
    qsizetype y = 0, x = 0;
    // Each stretch split at the ends of the image's rows; of each piece, only
    // what lies inside the area is written. copia(uscita, salto, n) writes n
    // values from the stretch's value number salto on.
    const auto scrivi = [&](qsizetype quanti, const auto& copia) {
        for (qsizetype fatti = 0; fatti < quanti;) {
            const qsizetype pezzo = std::min(quanti - fatti, larghezza - x);
            if (y >= area.top() && y <= area.bottom()) {
                const qsizetype da = std::max<qsizetype>(x, area.left());
                const qsizetype a = std::min<qsizetype>(x + pezzo, area.right() + 1);
                if (da < a)
                    copia(reinterpret_cast<quint32*>(bits + y * riga) + da, fatti + da - x, a - da);
            }
            fatti += pezzo;
            x += pezzo;
            if (x == larghezza) {
                x = 0;
                ++y;
            }
        }
    };
    percorri(
        dati, larghezza * misura.height(),
        [&](qsizetype, qsizetype quanti, quint32 valore) {
            scrivi(quanti, [valore](quint32* uscita, qsizetype, qsizetype n) { std::fill_n(uscita, n, valore); });
        },
        [&](qsizetype, qsizetype quanti, const uchar* p) {
            scrivi(quanti, [p](quint32* uscita, qsizetype salto, qsizetype n) {
                std::memcpy(uscita, p + salto * qsizetype(sizeof(quint32)), std::size_t(n) * sizeof(quint32));
            });
        });
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
            quint32 byte = 0;
            flusso >> x >> y >> l >> a >> byte;
            if (byte == 0xffffffff)  // how QDataStream writes an empty array
                byte = 0;
            const qint64 posizione = flusso.device()->pos();
            if (flusso.status() != QDataStream::Ok || byte > file.size() - posizione
                || flusso.skipRawData(int(byte)) != int(byte)) {
                flusso.setStatus(QDataStream::ReadPastEnd);
                break;
            }
            strato.dati = QByteArray::fromRawData(file.constData() + posizione, byte);
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
