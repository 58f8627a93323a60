// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/grigliaicona.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QList>
#include <QPainter>
#include <QSvgRenderer>

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

QImage immagineDisegnata(const QByteArray& svg, int lato)
{
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QSvgRenderer disegno(svg);
    if (!disegno.isValid())
        return {};
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore, QRectF(0, 0, lato, lato));
    pittore.end();
    return immagine.convertToFormat(QImage::Format_ARGB32);
}

QImage leggiDisegnoAMano(const QByteArray& testo, QString* errore)
{
    auto sbaglio = [errore](int numeroLinea, const QString& perche) {
        if (errore)
            *errore = QStringLiteral("line %1: %2").arg(numeroLinea).arg(perche);
        return QImage();
    };
    QHash<char, QRgb> colori{{trasparente, qRgba(0, 0, 0, 0)}};
    std::vector<QByteArray> righe;
    int numeroLinea = 0;
    for (QByteArray linea : testo.split('\n')) {
        ++numeroLinea;
        if (linea.endsWith('\r'))
            linea.chop(1);
        if (linea.startsWith('#') || linea.isEmpty())
            continue;
        if (linea.startsWith("colour ")) {
            const QList<QByteArray> parti = linea.split(' ');
            bool ok = parti.size() == 3 && parti[1].size() == 1 && parti[1] != QByteArray(1, trasparente)
                && righe.empty() && (parti[2].size() == 6 || parti[2].size() == 8);
            const uint valore = ok ? parti[2].toUInt(&ok, 16) : 0;
            if (!ok)
                return sbaglio(numeroLinea, QStringLiteral("a colour is \"colour C RRGGBB\" before the rows"));
            colori.insert(parti[1].at(0), parti[2].size() == 6 ? (valore | 0xFF000000u) : valore);
            continue;
        }
        for (qsizetype x = 0; x < linea.size(); ++x)
            if (!colori.contains(linea.at(x)))
                return sbaglio(
                    numeroLinea,
                    QStringLiteral("column %1: unknown colour '%2'").arg(x + 1).arg(QChar::fromLatin1(linea.at(x))));
        if (!righe.empty() && linea.size() != righe.front().size())
            return sbaglio(numeroLinea,
                           QStringLiteral("%1 characters instead of %2").arg(linea.size()).arg(righe.front().size()));
        righe.push_back(linea);
    }
    if (righe.empty() || righe.size() != static_cast<std::size_t>(righe.front().size()))
        return sbaglio(numeroLinea,
                       QStringLiteral("%1 rows of %2 pixels: not a square")
                           .arg(righe.size())
                           .arg(righe.empty() ? 0 : righe.front().size()));
    const int lato = static_cast<int>(righe.size());
    QImage immagine(lato, lato, QImage::Format_ARGB32);
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato; ++x)
            immagine.setPixel(x, y, colori.value(righe[static_cast<std::size_t>(y)].at(x)));
    return immagine;
}

QImage immagineAlLato(const QString& base, const QByteArray& svg, int lato, QString* errore)
{
    if (std::find(latiAMano.begin(), latiAMano.end(), lato) == latiAMano.end()) {
        QImage immagine = immagineDisegnata(svg, lato);
        if (immagine.isNull() && errore)
            *errore = QStringLiteral("cannot read the smooth drawing");
        return immagine;
    }
    const QString percorso = QStringLiteral("%1-%2.txt").arg(base).arg(lato);
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        if (errore)
            *errore = QStringLiteral("cannot read %1").arg(percorso);
        return {};
    }
    QString perche;
    const QImage immagine = leggiDisegnoAMano(file.readAll(), &perche);
    if (immagine.isNull() || immagine.width() != lato) {
        if (errore)
            *errore = QStringLiteral("%1: %2").arg(
                percorso, immagine.isNull() ? perche : QStringLiteral("not %1 pixels wide").arg(lato));
        return {};
    }
    return immagine;
}

namespace {

// The grid's own image: 4 bits a pixel in the sixteen colours, and the mask.
QByteArray bitmapGriglia(const GrigliaIcona& griglia)
{
    constexpr int lato = GrigliaIcona::lato;
    QByteArray dati;
    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask.
    aggiungi32(dati, 40);
    aggiungi32(dati, lato);
    aggiungi32(dati, lato * 2);
    aggiungi16(dati, 1);
    aggiungi16(dati, 4);
    aggiungi32(dati, 0);
    aggiungi32(dati, lato * lato / 2 + lato * lato / 8);
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

// A smooth image as 32-bit colour with its alpha, bottom row first, followed by the mask (rows padded to
// four bytes), as the older readers want it.
QByteArray bitmapPiena(const QImage& sorgente)
{
    const QImage immagine = sorgente.convertToFormat(QImage::Format_ARGB32);
    const int lato = immagine.width();
    const int rigaMaschera = (lato + 31) / 32 * 4;
    QByteArray dati;
    aggiungi32(dati, 40);
    aggiungi32(dati, static_cast<unsigned>(lato));
    aggiungi32(dati, static_cast<unsigned>(lato * 2));
    aggiungi16(dati, 1);
    aggiungi16(dati, 32);
    aggiungi32(dati, 0);
    aggiungi32(dati, static_cast<unsigned>(lato * lato * 4 + rigaMaschera * lato));
    for (int i = 0; i < 4; ++i)
        aggiungi32(dati, 0);
    for (int y = lato - 1; y >= 0; --y)
        for (int x = 0; x < lato; ++x)
            aggiungi32(dati, immagine.pixel(x, y));
    for (int y = lato - 1; y >= 0; --y) {
        QByteArray riga(rigaMaschera, '\0');
        for (int x = 0; x < lato; ++x)
            if (qAlpha(immagine.pixel(x, y)) == 0)
                riga[x / 8] = static_cast<char>(riga[x / 8] | (0x80 >> (x % 8)));
        dati += riga;
    }
    return dati;
}

QByteArray png(const QImage& immagine)
{
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return dati;
}

}  // namespace

QByteArray fileIco(const GrigliaIcona& griglia, const std::vector<QImage>& disegnate)
{
    struct Voce {
        int lato;
        int colori;
        int bit;
        QByteArray dati;
    };
    std::vector<Voce> voci{{GrigliaIcona::lato, 16, 4, bitmapGriglia(griglia)}};
    for (const QImage& immagine : disegnate) {
        // The largest is kept as PNG, as every reader that knows such sizes expects.
        const int lato = immagine.width();
        voci.push_back({lato, 0, 32, lato >= 256 ? png(immagine) : bitmapPiena(immagine)});
    }
    std::stable_sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) { return a.lato < b.lato; });

    QByteArray dati;
    // ICONDIR: reserved, type 1 (icon), how many images.
    aggiungi16(dati, 0);
    aggiungi16(dati, 1);
    aggiungi16(dati, static_cast<unsigned>(voci.size()));
    // ICONDIRENTRY: width, height (0 for 256), colours, reserved, planes, bits, size, offset.
    unsigned inizio = static_cast<unsigned>(6 + 16 * voci.size());
    for (const Voce& voce : voci) {
        dati.append(static_cast<char>(voce.lato >= 256 ? 0 : voce.lato));
        dati.append(static_cast<char>(voce.lato >= 256 ? 0 : voce.lato));
        dati.append(static_cast<char>(voce.colori));
        dati.append('\0');
        aggiungi16(dati, 1);
        aggiungi16(dati, static_cast<unsigned>(voce.bit));
        aggiungi32(dati, static_cast<unsigned>(voce.dati.size()));
        aggiungi32(dati, inizio);
        inizio += static_cast<unsigned>(voce.dati.size());
    }
    for (const Voce& voce : voci)
        dati += voce.dati;
    return dati;
}

}  // namespace zefiranda
