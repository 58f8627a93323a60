// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/grigliaicona.h"

#include <QList>

#include <algorithm>

namespace zefiranda {

namespace {

// Characters of the text form, in palette order.
constexpr char lettere[] = "KmvontpsdrgYbfaw";
constexpr char trasparente = '.';

int indiceDi(char lettera)
{
    for (int i = 0; i < 16; ++i)
        if (lettere[i] == lettera)
            return i;
    return lettera == trasparente ? -1 : -2;
}

void aggiungi16(QByteArray& dati, unsigned valore)
{
    dati.append(static_cast<char>(valore & 0xFF));
    dati.append(static_cast<char>((valore >> 8) & 0xFF));
}

void aggiungi32(QByteArray& dati, unsigned valore)
{
    aggiungi16(dati, valore & 0xFFFF);
    aggiungi16(dati, valore >> 16);
}

}  // namespace

const std::array<QRgb, 16>& tavolozzaVga()
{
    static const std::array<QRgb, 16> colori{
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    return colori;
}

std::optional<GrigliaIcona> leggiGriglia(const QByteArray& testo, QString* errore)
{
    auto sbaglio = [errore](const QString& perche) {
        if (errore)
            *errore = perche;
        return std::nullopt;
    };
    GrigliaIcona griglia;
    int riga = 0;
    int numeroLinea = 0;
    for (QByteArray linea : testo.split('\n')) {
        ++numeroLinea;
        if (linea.endsWith('\r'))
            linea.chop(1);
        if (linea.startsWith('#') || (linea.isEmpty() && riga == GrigliaIcona::lato))
            continue;
        if (riga == GrigliaIcona::lato)
            return sbaglio(QStringLiteral("line %1: more than %2 rows").arg(numeroLinea).arg(GrigliaIcona::lato));
        if (linea.size() != GrigliaIcona::lato)
            return sbaglio(QStringLiteral("line %1: %2 characters instead of %3")
                               .arg(numeroLinea)
                               .arg(linea.size())
                               .arg(GrigliaIcona::lato));
        for (int x = 0; x < GrigliaIcona::lato; ++x) {
            const int indice = indiceDi(linea.at(x));
            if (indice < -1)
                return sbaglio(QStringLiteral("line %1, column %2: unknown colour '%3'")
                                   .arg(numeroLinea)
                                   .arg(x + 1)
                                   .arg(QChar::fromLatin1(linea.at(x))));
            griglia.indici[static_cast<std::size_t>(riga * GrigliaIcona::lato + x)] = static_cast<std::int8_t>(indice);
        }
        ++riga;
    }
    if (riga != GrigliaIcona::lato)
        return sbaglio(QStringLiteral("%1 rows instead of %2").arg(riga).arg(GrigliaIcona::lato));
    return griglia;
}

QImage immagineIcona(const GrigliaIcona& griglia)
{
    QImage immagine(GrigliaIcona::lato, GrigliaIcona::lato, QImage::Format_Indexed8);
    QList<QRgb> colori(tavolozzaVga().begin(), tavolozzaVga().end());
    colori.append(qRgba(0, 0, 0, 0));
    immagine.setColorTable(colori);
    for (int y = 0; y < GrigliaIcona::lato; ++y)
        for (int x = 0; x < GrigliaIcona::lato; ++x) {
            const int indice = griglia.indice(x, y);
            immagine.setPixel(x, y, static_cast<uint>(indice < 0 ? 16 : indice));
        }
    return immagine;
}

QByteArray fileIco(const GrigliaIcona& griglia)
{
    constexpr int lato = GrigliaIcona::lato;
    constexpr unsigned intestazioneBmp = 40;
    constexpr unsigned tavolozza = 16 * 4;
    constexpr unsigned colore = lato * lato / 2;    // four bits a pixel
    constexpr unsigned maschera = lato * lato / 8;  // one bit a pixel, rows of 4 bytes
    constexpr unsigned immagine = intestazioneBmp + tavolozza + colore + maschera;
    constexpr unsigned inizio = 6 + 16;

    QByteArray dati;
    dati.reserve(static_cast<qsizetype>(inizio + immagine));
    // ICONDIR: reserved, type 1 (icon), one image.
    aggiungi16(dati, 0);
    aggiungi16(dati, 1);
    aggiungi16(dati, 1);
    // ICONDIRENTRY: width, height, colours, reserved, planes, bits, size, offset.
    dati.append(static_cast<char>(lato));
    dati.append(static_cast<char>(lato));
    dati.append(static_cast<char>(16));
    dati.append('\0');
    aggiungi16(dati, 1);
    aggiungi16(dati, 4);
    aggiungi32(dati, immagine);
    aggiungi32(dati, inizio);
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask.
    aggiungi32(dati, intestazioneBmp);
    aggiungi32(dati, lato);
    aggiungi32(dati, lato * 2);
    aggiungi16(dati, 1);
    aggiungi16(dati, 4);
    aggiungi32(dati, 0);
    aggiungi32(dati, colore + maschera);
    aggiungi32(dati, 0);
    aggiungi32(dati, 0);
    aggiungi32(dati, 16);
    aggiungi32(dati, 0);
    for (QRgb c : tavolozzaVga()) {
        dati.append(static_cast<char>(qBlue(c)));
        dati.append(static_cast<char>(qGreen(c)));
        dati.append(static_cast<char>(qRed(c)));
        dati.append('\0');
    }
    // Both bitmaps run from the bottom row up; transparent pixels are black
    // in the colour bitmap and set in the mask.
    for (int y = lato - 1; y >= 0; --y)
        for (int x = 0; x < lato; x += 2) {
            const int sinistra = std::max<int>(griglia.indice(x, y), 0);
            const int destra = std::max<int>(griglia.indice(x + 1, y), 0);
            dati.append(static_cast<char>((sinistra << 4) | destra));
        }
    for (int y = lato - 1; y >= 0; --y)
        for (int x = 0; x < lato; x += 8) {
            int bits = 0;
            for (int b = 0; b < 8; ++b)
                if (griglia.indice(x + b, y) < 0)
                    bits |= 0x80 >> b;
            dati.append(static_cast<char>(bits));
        }
    return dati;
}

}  // namespace zefiranda
