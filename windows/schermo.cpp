// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/schermo.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#ifdef ZEFIRANDA_XCB
#include <xcb/xcb.h>
#endif

namespace zefiranda {

#ifdef ZEFIRANDA_XCB

namespace {

std::string variabile(const char* nome)
{
    const char* valore = std::getenv(nome);
    return valore ? valore : "";
}

// The value of a Qt option given as "-nome valore" or "--nome valore", the last one given.
std::string opzione(int argc, char* argv[], std::string_view nome)
{
    std::string valore;
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argomento = argv[i];
        if (argomento.starts_with("--"))
            argomento.remove_prefix(1);
        if (argomento.starts_with('-') && argomento.substr(1) == nome)
            valore = argv[++i];
    }
    return valore;
}

// Whether xcb is the one platform Qt will try: asked for by name, or Qt's
// default where no Wayland session says otherwise. Given a list of platforms
// to try in turn, Qt moves on to the next when one fails.
bool piattaformaXcb(int argc, char* argv[])
{
    std::string piattaforma = opzione(argc, argv, "platform");
    if (piattaforma.empty())
        piattaforma = variabile("QT_QPA_PLATFORM");
    if (piattaforma.empty())
        return variabile("XDG_SESSION_TYPE") != "wayland" && variabile("WAYLAND_DISPLAY").empty();
    // Each platform of the list may carry options after a colon.
    std::string_view elenco = piattaforma;
    while (!elenco.empty()) {
        const std::string_view voce = elenco.substr(0, elenco.find(';'));
        if (!voce.empty() && voce.substr(0, voce.find(':')) != "xcb")
            return false;
        elenco.remove_prefix(std::min(elenco.size(), voce.size() + 1));
    }
    return true;
}

}  // namespace

void richiediSchermo(int argc, char* argv[])
{
    if (!piattaformaXcb(argc, argv))
        return;
    std::string schermo = opzione(argc, argv, "display");
    if (schermo.empty())
        schermo = variabile("DISPLAY");
    if (schermo.empty()) {
        const QByteArray testo =
            QCoreApplication::translate("zefiranda::Schermo",
                                        "zefiranda: impossibile aprire lo schermo (DISPLAY non impostato)\n")
                .toLocal8Bit();
        (void)std::fputs(testo.constData(), stderr);
        std::exit(1);
    }
    int numero = 0;
    xcb_connection_t* connessione = xcb_connect(schermo.c_str(), &numero);
    // The display may be there without the screen asked for (":0.7").
    const bool aperto =
        xcb_connection_has_error(connessione) == 0 && numero < xcb_setup_roots_length(xcb_get_setup(connessione));
    xcb_disconnect(connessione);
    if (!aperto) {
        // The display's name goes out as it came in, byte for byte.
        QByteArray testo =
            QCoreApplication::translate("zefiranda::Schermo", "zefiranda: impossibile aprire lo schermo \"%1\"\n")
                .toLocal8Bit();
        testo.replace("%1", QByteArray::fromStdString(schermo));
        (void)std::fputs(testo.constData(), stderr);
        std::exit(1);
    }
}

#else

void richiediSchermo(int, char*[])
{
}

#endif

}  // namespace zefiranda
