// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-icona GRID BASE
// Reads the icon's text grid and writes BASE.png from it; writes BASE-<side>.png at each of the other
// sizes, from the grid drawn by hand at that size (BASE-<side>.txt) or else from the smooth drawing
// BASE.svg painted; and writes BASE.ico holding the grid's image and some of those.
#include "tools/grigliaicona.h"

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace {

bool scrivi(const QString& percorso, const QByteArray& dati)
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly) || file.write(dati) != dati.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(percorso));
        return false;
    }
    std::printf("%s\n", qPrintable(percorso));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication applicazione(argc, argv);
    const QStringList argomenti = applicazione.arguments();
    if (argomenti.size() != 3) {
        std::fprintf(stderr, "usage: zefiranda-icona GRID BASE\n");
        return 2;
    }
    QFile file(argomenti.at(1));
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(argomenti.at(1)));
        return 1;
    }
    QString errore;
    const auto griglia = zefiranda::leggiGriglia(file.readAll(), &errore);
    if (!griglia) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(argomenti.at(1)), qPrintable(errore));
        return 1;
    }
    const QString png = argomenti.at(2) + QStringLiteral(".png");
    if (!zefiranda::immagineIcona(*griglia).save(png, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(png));
        return 1;
    }
    std::printf("%s\n", qPrintable(png));

    const QString percorsoSvg = argomenti.at(2) + QStringLiteral(".svg");
    QFile fileSvg(percorsoSvg);
    if (!fileSvg.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(percorsoSvg));
        return 1;
    }
    const QByteArray svg = fileSvg.readAll();
    std::vector<QImage> perIco;
    for (const int lato : zefiranda::latiDisegnati) {
        const QImage immagine = zefiranda::immagineAlLato(argomenti.at(2), svg, lato, &errore);
        if (immagine.isNull()) {
            std::fprintf(stderr, "%s\n", qPrintable(errore));
            return 1;
        }
        const QString uscita = QStringLiteral("%1-%2.png").arg(argomenti.at(2)).arg(lato);
        if (!immagine.save(uscita, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(uscita));
            return 1;
        }
        std::printf("%s\n", qPrintable(uscita));
        if (std::find(zefiranda::latiNellIco.begin(), zefiranda::latiNellIco.end(), lato)
            != zefiranda::latiNellIco.end())
            perIco.push_back(immagine);
    }
    return scrivi(argomenti.at(2) + QStringLiteral(".ico"), zefiranda::fileIco(*griglia, perIco)) ? 0 : 1;
}
