// SPDX-License-Identifier: GPL-3.0-or-later
// Launches the program again and again on the X display in DISPLAY (a desktop
// with a window manager, see scrivania) and checks where the window manager has
// put the frames of its two windows: the start window's as soon as it is on
// screen, then, after Return on the start button, the network window's. Each
// frame (title bar and borders) must stand centred on the whole screen within a
// pixel, must not move once on screen, and must be the same on every launch.
//   cornici PROGRAM LAUNCHES
// Prints the frames it saw; exits 1 when a frame is wrong, 2 when the desktop
// or the program does not behave as a desktop test needs.
#include <xcb/xcb.h>

#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using namespace std::chrono_literals;

template <typename T> using Risposta = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Risposta<T> risposta(T* dati)
{
    return Risposta<T>(dati, &std::free);
}

[[noreturn]] void guasto(const std::string& perche)
{
    std::fprintf(stderr, "cornici: %s\n", perche.c_str());
    std::exit(2);
}

struct Rettangolo {
    int x, y, larghezza, altezza;
    bool operator==(const Rettangolo&) const = default;
};

std::string testo(const Rettangolo& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ") " + std::to_string(r.larghezza) + "x"
        + std::to_string(r.altezza);
}

// A window of the program as the window manager has framed it.
struct Cornice {
    Rettangolo esterno;  // client area grown by _NET_FRAME_EXTENTS
    Rettangolo telaio;   // the window manager's own frame window, child of the root
    int lati[4];         // _NET_FRAME_EXTENTS: left, right, top, bottom
    bool operator==(const Cornice& altra) const { return esterno == altra.esterno && telaio == altra.telaio; }
};

class Schermo {
public:
    Schermo()
    {
        int numero = 0;
        connessione_ = xcb_connect(nullptr, &numero);
        if (xcb_connection_has_error(connessione_))
            guasto("cannot open the display");
        auto iteratore = xcb_setup_roots_iterator(xcb_get_setup(connessione_));
        for (int i = 0; i < numero; ++i)
            xcb_screen_next(&iteratore);
        radice_ = iteratore.data->root;
        larghezza_ = iteratore.data->width_in_pixels;
        altezza_ = iteratore.data->height_in_pixels;
        clienti_ = atomo("_NET_CLIENT_LIST");
        pid_ = atomo("_NET_WM_PID");
        estensioni_ = atomo("_NET_FRAME_EXTENTS");
    }

    ~Schermo() { xcb_disconnect(connessione_); }

    int larghezza() const { return larghezza_; }
    int altezza() const { return altezza_; }

    // The program's windows the window manager manages, mapped or not.
    std::vector<xcb_window_t> finestreDi(pid_t processo) const
    {
        std::vector<xcb_window_t> trovate;
        for (xcb_window_t finestra : cardinali(radice_, clienti_, XCB_ATOM_WINDOW))
            if (const auto suo = cardinali(finestra, pid_, XCB_ATOM_CARDINAL);
                suo.size() == 1 && static_cast<pid_t>(suo[0]) == processo)
                trovate.push_back(finestra);
        return trovate;
    }

    bool visibile(xcb_window_t finestra) const
    {
        const auto attributi = risposta(
            xcb_get_window_attributes_reply(connessione_, xcb_get_window_attributes(connessione_, finestra), nullptr));
        return attributi && attributi->map_state == XCB_MAP_STATE_VIEWABLE;
    }

    // The frame of a window on screen, once the window manager has declared it.
    std::optional<Cornice> cornice(xcb_window_t finestra) const
    {
        if (!visibile(finestra))
            return std::nullopt;
        const auto lati = cardinali(finestra, estensioni_, XCB_ATOM_CARDINAL);
        const auto geometria =
            risposta(xcb_get_geometry_reply(connessione_, xcb_get_geometry(connessione_, finestra), nullptr));
        const auto posto = risposta(xcb_translate_coordinates_reply(
            connessione_, xcb_translate_coordinates(connessione_, finestra, radice_, 0, 0), nullptr));
        if (lati.size() != 4 || !geometria || !posto)
            return std::nullopt;
        Cornice cornice{};
        for (int i = 0; i < 4; ++i)
            cornice.lati[i] = static_cast<int>(lati[static_cast<std::size_t>(i)]);
        cornice.esterno = {posto->dst_x - cornice.lati[0], posto->dst_y - cornice.lati[2],
                           geometria->width + cornice.lati[0] + cornice.lati[1],
                           geometria->height + cornice.lati[2] + cornice.lati[3]};
        const auto telaio = sottoRadice(finestra);
        const auto suaGeometria =
            risposta(xcb_get_geometry_reply(connessione_, xcb_get_geometry(connessione_, telaio), nullptr));
        if (!suaGeometria)
            return std::nullopt;
        const int bordo = suaGeometria->border_width;
        cornice.telaio = {suaGeometria->x, suaGeometria->y, suaGeometria->width + 2 * bordo,
                          suaGeometria->height + 2 * bordo};
        return cornice;
    }

    // Waits until the window manager answers a request for the frame of a new
    // window: it has then finished starting, as a user's window manager has.
    // One that never answers is waited for the time allowed.
    void attendiGestore() const
    {
        const xcb_window_t prova = xcb_generate_id(connessione_);
        xcb_create_window(connessione_, XCB_COPY_FROM_PARENT, prova, radice_, 0, 0, 100, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_client_message_event_t messaggio{};
        messaggio.response_type = XCB_CLIENT_MESSAGE;
        messaggio.format = 32;
        messaggio.window = prova;
        messaggio.type = atomo("_NET_REQUEST_FRAME_EXTENTS");
        xcb_send_event(connessione_, 0, radice_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&messaggio));
        xcb_flush(connessione_);
        const auto fine = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (cardinali(prova, estensioni_, XCB_ATOM_CARDINAL).size() != 4 && std::chrono::steady_clock::now() < fine)
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        xcb_destroy_window(connessione_, prova);
        xcb_flush(connessione_);
    }

    // Whether the keyboard focus is on the window.
    bool haIlFuoco(xcb_window_t finestra) const
    {
        const auto fuoco =
            risposta(xcb_get_input_focus_reply(connessione_, xcb_get_input_focus(connessione_), nullptr));
        return fuoco && fuoco->focus == finestra;
    }

private:
    xcb_atom_t atomo(const char* nome) const
    {
        const auto atomo = risposta(xcb_intern_atom_reply(
            connessione_, xcb_intern_atom(connessione_, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome),
            nullptr));
        if (!atomo)
            guasto(std::string("cannot intern ") + nome);
        return atomo->atom;
    }

    std::vector<std::uint32_t> cardinali(xcb_window_t finestra, xcb_atom_t proprieta, xcb_atom_t tipo) const
    {
        const auto letta = risposta(xcb_get_property_reply(
            connessione_, xcb_get_property(connessione_, 0, finestra, proprieta, tipo, 0, 1024), nullptr));
        if (!letta || letta->type != tipo || letta->format != 32)
            return {};
        const auto* valori = static_cast<const std::uint32_t*>(xcb_get_property_value(letta.get()));
        return {valori, valori + xcb_get_property_value_length(letta.get()) / 4};
    }

    // The window's ancestor that is a child of the root: the window manager's frame.
    xcb_window_t sottoRadice(xcb_window_t finestra) const
    {
        for (;;) {
            const auto albero =
                risposta(xcb_query_tree_reply(connessione_, xcb_query_tree(connessione_, finestra), nullptr));
            if (!albero || albero->parent == radice_ || albero->parent == XCB_WINDOW_NONE)
                return finestra;
            finestra = albero->parent;
        }
    }

    xcb_connection_t* connessione_;
    xcb_window_t radice_;
    int larghezza_, altezza_;
    xcb_atom_t clienti_, pid_, estensioni_;
};

// Waits, polling every 2 ms, until the condition gives a value; gives up after the time allowed.
template <typename F> auto attendi(F&& condizione, std::chrono::milliseconds concesso = 5000ms)
{
    const auto fine = std::chrono::steady_clock::now() + concesso;
    for (;;) {
        if (auto valore = condizione())
            return valore;
        if (std::chrono::steady_clock::now() >= fine)
            return decltype(condizione())();
        std::this_thread::sleep_for(2ms);
    }
}

pid_t lancia(const std::vector<std::string>& comando)
{
    std::vector<char*> argomenti;
    for (const std::string& parola : comando)
        argomenti.push_back(const_cast<char*>(parola.c_str()));
    argomenti.push_back(nullptr);
    pid_t processo = 0;
    if (posix_spawnp(&processo, argomenti[0], nullptr, nullptr, argomenti.data(), environ) != 0)
        guasto("cannot start " + comando[0]);
    return processo;
}

void termina(pid_t processo)
{
    kill(processo, SIGKILL);
    waitpid(processo, nullptr, 0);
}

// How far the frame's corner stands from the centred place, in half pixels.
std::pair<int, int> scarto(const Rettangolo& cornice, int larghezza, int altezza)
{
    return {2 * cornice.x + cornice.larghezza - larghezza, 2 * cornice.y + cornice.altezza - altezza};
}

struct Esito {
    std::map<std::string, std::map<std::string, int>> viste;  // window -> frame seen -> launches
    int errori = 0;
};

void controlla(Esito& esito, const Schermo& schermo, const char* quale, int lancio, const Cornice& prima,
               const Cornice& dopo)
{
    const std::string visto = "frame " + testo(prima.esterno) + ", extents " + std::to_string(prima.lati[0]) + "/"
        + std::to_string(prima.lati[1]) + "/" + std::to_string(prima.lati[2]) + "/" + std::to_string(prima.lati[3])
        + ", frame window " + testo(prima.telaio);
    ++esito.viste[quale][visto];
    const auto [dx, dy] = scarto(prima.esterno, schermo.larghezza(), schermo.altezza());
    std::string errore;
    if (std::abs(dx) > 2 || std::abs(dy) > 2)
        errore = "not centred: off by " + std::to_string(dx / 2.0) + ", " + std::to_string(dy / 2.0) + " px";
    else if (!(prima.telaio == prima.esterno))
        errore = "the frame window is not where _NET_FRAME_EXTENTS says";
    else if (!(prima == dopo))
        errore = "moved on screen to " + testo(dopo.esterno);
    if (!errore.empty()) {
        ++esito.errori;
        std::printf("launch %d, %s window: %s; %s\n", lancio, quale, visto.c_str(), errore.c_str());
    }
}

// Ends the program and the test with what went wrong in this launch.
[[noreturn]] void manca(pid_t processo, int lancio, const std::string& cosa)
{
    termina(processo);
    guasto("launch " + std::to_string(lancio) + ": " + cosa);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        guasto("usage: cornici PROGRAM LAUNCHES");
    const std::string programma = argv[1];
    const int lanci = std::atoi(argv[2]);
    const Schermo schermo;
    schermo.attendiGestore();
    Esito esito;

    for (int lancio = 1; lancio <= lanci; ++lancio) {
        const pid_t processo = lancia({programma});
        // The first of the program's windows on screen, with its frame, other than the one given.
        const auto finestraSulloSchermo = [&](xcb_window_t tranne) {
            return attendi([&]() -> std::optional<std::pair<xcb_window_t, Cornice>> {
                for (xcb_window_t finestra : schermo.finestreDi(processo))
                    if (finestra != tranne)
                        if (auto cornice = schermo.cornice(finestra))
                            return std::pair{finestra, *cornice};
                return std::nullopt;
            });
        };
        const auto inizio = finestraSulloSchermo(XCB_WINDOW_NONE);
        if (!inizio)
            manca(processo, lancio, "the start window did not come on screen");
        // Return goes to the window with the focus, which the window manager gives the new window.
        if (!attendi([&] { return schermo.haIlFuoco(inizio->first); }))
            manca(processo, lancio, "the start window did not get the focus");
        const auto inizioDopo = schermo.cornice(inizio->first);
        if (!inizioDopo)
            manca(processo, lancio, "the start window left the screen by itself");
        controlla(esito, schermo, "start", lancio, inizio->second, *inizioDopo);

        const pid_t tasto = lancia({"xdotool", "key", "Return"});
        waitpid(tasto, nullptr, 0);
        const auto rete = finestraSulloSchermo(inizio->first);
        if (!rete)
            manca(processo, lancio, "the network window did not come on screen");
        // Once the start window has gone, the network window has been on screen for a while.
        attendi([&] { return !schermo.visibile(inizio->first); });
        std::this_thread::sleep_for(20ms);
        const auto reteDopo = schermo.cornice(rete->first);
        if (!reteDopo)
            manca(processo, lancio, "the network window left the screen by itself");
        termina(processo);
        controlla(esito, schermo, "network", lancio, rete->second, *reteDopo);
    }

    std::printf("screen %dx%d, %d launches\n", schermo.larghezza(), schermo.altezza(), lanci);
    for (const auto& [quale, viste] : esito.viste)
        for (const auto& [visto, volte] : viste)
            std::printf("  %s window, %d times: %s\n", quale.c_str(), volte, visto.c_str());
    for (const auto& [quale, viste] : esito.viste)
        if (viste.size() > 1) {
            std::printf("the %s window did not come up in the same place on every launch\n", quale.c_str());
            ++esito.errori;
        }
    return esito.errori == 0 ? 0 : 1;
}
