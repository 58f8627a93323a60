// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-rendi [--dpr N] [--out DIR] [--svg]
// Builds each window as the program shows it and saves it as DIR/<window>.png;
// with --svg every drawing is painted from its SVG file, none copied from the
// images the build prepared (the pixels must be the same).
#include "pictures/disegni.h"
#include "windows/frminizio.h"
#include "windows/frmrete.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <memory>

namespace {

bool salva(QWidget& finestra, double rapporto, const QDir& cartella)
{
    finestra.show();
    QApplication::processEvents();
    QImage immagine(finestra.size() * rapporto, QImage::Format_ARGB32_Premultiplied);
    immagine.setDevicePixelRatio(rapporto);
    immagine.fill(Qt::transparent);
    finestra.render(&immagine);
    const QString percorso = cartella.filePath(finestra.objectName() + QStringLiteral(".png"));
    if (!immagine.save(percorso)) {
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
    // Render as a screen of that pixel ratio shows the windows: the toolkit
    // picks the resolution of button pictures by the screen's ratio.
    for (int i = 1; i < argc; ++i) {
        const QByteArray argomento(argv[i]);
        if (argomento == "--dpr" && i + 1 < argc)
            qputenv("QT_SCALE_FACTOR", argv[i + 1]);
        else if (argomento.startsWith("--dpr="))
            qputenv("QT_SCALE_FACTOR", argomento.mid(6));
    }
    QApplication applicazione(argc, argv);
    QCommandLineParser opzioni;
    opzioni.addHelpOption();
    opzioni.addOption(
        {QStringLiteral("dpr"), QStringLiteral("Device pixel ratio."), QStringLiteral("N"), QStringLiteral("1")});
    opzioni.addOption(
        {QStringLiteral("out"), QStringLiteral("Output folder."), QStringLiteral("DIR"), QStringLiteral(".")});
    opzioni.addOption({QStringLiteral("svg"), QStringLiteral("Paint every drawing from its SVG file.")});
    opzioni.process(applicazione);
    zefiranda::usaDisegniPreparati(!opzioni.isSet(QStringLiteral("svg")));

    bool ok = false;
    const double rapporto = opzioni.value(QStringLiteral("dpr")).toDouble(&ok);
    if (!ok || rapporto <= 0 || rapporto > 8) {
        std::fprintf(stderr, "--dpr wants a number between 0 and 8\n");
        return 2;
    }
    QDir cartella(opzioni.value(QStringLiteral("out")));
    if (!cartella.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(cartella.path()));
        return 2;
    }

    auto inizio = std::make_unique<zefiranda::Frminizio>();
    const bool inizioSalvato = salva(*inizio, rapporto, cartella);
    inizio.reset();
    // Fixed draws make the picture the same on every run.
    auto rete = std::make_unique<zefiranda::Frmrete>([] { return 0.25; });
    const bool reteSalvata = salva(*rete, rapporto, cartella);
    return inizioSalvato && reteSalvata ? 0 : 1;
}
