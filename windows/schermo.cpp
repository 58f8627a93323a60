// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/schermo.h"

#include "windows/avvio.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>
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

// Whether xcb is the one platform Qt will try: asked for by name, or Qt's
// default where no Wayland session says otherwise. Given a list of platforms
// to try in turn, Qt moves on to the next when one fails.
bool piattaformaXcb(int argc, char* argv[])
{
    std::string piattaforma = opzioneQt(argc, argv, "platform").toStdString();
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
    std::string schermo = opzioneQt(argc, argv, "display").toStdString();
    if (schermo.empty())
        schermo = variabile("DISPLAY");
    if (schermo.empty())
        schermoNonAperto(QCoreApplication::translate("zefiranda::Schermo", "(DISPLAY non impostato)").toLocal8Bit());
    int numero = 0;
    xcb_connection_t* connessione = xcb_connect(schermo.c_str(), &numero);
    // The display may be there without the screen asked for (":0.7").
    const bool aperto =
        xcb_connection_has_error(connessione) == 0 && numero < xcb_setup_roots_length(xcb_get_setup(connessione));
    xcb_disconnect(connessione);
    // The display's name goes out as it came in, byte for byte.
    if (!aperto)
        schermoNonAperto('"' + QByteArray::fromStdString(schermo) + '"');
}

#else

void richiediSchermo(int, char*[])
{
}

#endif

}  // namespace zefiranda
