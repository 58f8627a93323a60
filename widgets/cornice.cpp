// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/cornice.h"

#include "logic/centratura.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <optional>

#if defined(ZEFIRANDA_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#endif

namespace zefiranda {

namespace {

std::optional<QMargins> credibile(const QMargins& cornice)
{
    if (corniceCredibile(cornice))
        return cornice;
    return std::nullopt;
}

// A window that gets the same frame as the given one: same kind, not minimised,
// maximised or full screen (those have frames of their own, or none).
bool cornicePari(const QWidget& altra, const QWidget& finestra)
{
    const Qt::WindowStates cornicePropria = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    return &altra != &finestra && altra.isVisible() && altra.windowType() == finestra.windowType()
        && !(altra.windowState() & cornicePropria);
}

#if defined(ZEFIRANDA_XCB) && QT_CONFIG(xcb)

template <typename T> using Risposta = std::unique_ptr<T, decltype(&std::free)>;

template <typename T> Risposta<T> risposta(T* dati)
{
    return Risposta<T>(dati, &std::free);
}

class X11 {
public:
    explicit X11(xcb_connection_t* connessione)
        : connessione_(connessione)
    {
        const auto richiesta = cookie("_NET_REQUEST_FRAME_EXTENTS");
        const auto estensioni = cookie("_NET_FRAME_EXTENTS");
        const auto supportati = cookie("_NET_SUPPORTED");
        richiesta_ = atomo(richiesta);
        estensioni_ = atomo(estensioni);
        supportati_ = atomo(supportati);
    }

    // The frame the window manager has set on the window, in the window system's pixels.
    std::optional<QMargins> estensioni(xcb_window_t finestra) const
    {
        const auto letta = risposta(xcb_get_property_reply(
            connessione_, xcb_get_property(connessione_, 0, finestra, estensioni_, XCB_ATOM_CARDINAL, 0, 4), nullptr));
        if (!letta || letta->type != XCB_ATOM_CARDINAL || letta->format != 32
            || xcb_get_property_value_length(letta.get()) != 16)
            return std::nullopt;
        // left, right, top, bottom; read as signed, so that a nonsense value fails corniceCredibile
        const auto* lati = static_cast<const std::int32_t*>(xcb_get_property_value(letta.get()));
        return QMargins(lati[0], lati[2], lati[1], lati[3]);
    }

    // Asks the window manager for the frame it will give the unmapped window;
    // false when no window manager offers the request.
    bool chiedi(xcb_window_t finestra) const
    {
        const auto geometria =
            risposta(xcb_get_geometry_reply(connessione_, xcb_get_geometry(connessione_, finestra), nullptr));
        if (!geometria || !offerta(geometria->root))
            return false;
        xcb_client_message_event_t messaggio{};
        messaggio.response_type = XCB_CLIENT_MESSAGE;
        messaggio.format = 32;
        messaggio.window = finestra;
        messaggio.type = richiesta_;
        xcb_send_event(connessione_, 0, geometria->root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&messaggio));
        xcb_flush(connessione_);
        return true;
    }

    // Waits for the answer to chiedi.
    std::optional<QMargins> attendi(xcb_window_t finestra, std::chrono::milliseconds attesa) const
    {
        // Each look is a round trip of its own: Qt's events stay in Qt's queue.
        const auto fine = std::chrono::steady_clock::now() + attesa;
        for (;;) {
            if (auto cornice = estensioni(finestra))
                return cornice;
            if (std::chrono::steady_clock::now() >= fine)
                return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }

private:
    xcb_intern_atom_cookie_t cookie(const char* nome) const
    {
        return xcb_intern_atom(connessione_, 0, static_cast<std::uint16_t>(std::strlen(nome)), nome);
    }

    xcb_atom_t atomo(xcb_intern_atom_cookie_t cookie) const
    {
        const auto atomo = risposta(xcb_intern_atom_reply(connessione_, cookie, nullptr));
        return atomo ? atomo->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // Whether a window manager runs that answers the request.
    bool offerta(xcb_window_t radice) const
    {
        const auto elenco = risposta(xcb_get_property_reply(
            connessione_, xcb_get_property(connessione_, 0, radice, supportati_, XCB_ATOM_ATOM, 0, 4096), nullptr));
        if (!elenco || elenco->type != XCB_ATOM_ATOM || elenco->format != 32)
            return false;
        const auto* atomi = static_cast<const xcb_atom_t*>(xcb_get_property_value(elenco.get()));
        const auto quanti = static_cast<std::size_t>(xcb_get_property_value_length(elenco.get())) / sizeof(xcb_atom_t);
        return std::find(atomi, atomi + quanti, richiesta_) != atomi + quanti;
    }

    xcb_connection_t* connessione_;
    xcb_atom_t richiesta_ = XCB_ATOM_NONE;
    xcb_atom_t estensioni_ = XCB_ATOM_NONE;
    xcb_atom_t supportati_ = XCB_ATOM_NONE;
};

// From the window system's pixels to the program's.
QMargins inPixelLogici(const QMargins& cornice, const QWidget& finestra)
{
    const double rapporto = finestra.windowHandle() ? finestra.windowHandle()->devicePixelRatio() : 1.0;
    const auto logico = [rapporto](int lato) { return static_cast<int>(std::lround(lato / rapporto)); };
    return {logico(cornice.left()), logico(cornice.top()), logico(cornice.right()), logico(cornice.bottom())};
}

std::optional<QMargins> corniceX11(QWidget& finestra, xcb_connection_t* connessione)
{
    const X11 x11(connessione);
    const auto id = static_cast<xcb_window_t>(finestra.winId());
    auto propria = x11.estensioni(id);
    // A second request, should the first have gone astray, costs nothing.
    if (!propria && !finestra.isVisible() && x11.chiedi(id))
        propria = x11.attendi(id, attesaCornice);
    if (propria)
        if (auto cornice = credibile(inPixelLogici(*propria, finestra)))
            return cornice;

    const auto finestre = QApplication::topLevelWidgets();
    for (const QWidget* altra : finestre) {
        if (!cornicePari(*altra, finestra) || !altra->testAttribute(Qt::WA_WState_Created))
            continue;
        if (const auto sua = x11.estensioni(static_cast<xcb_window_t>(altra->winId())))
            if (auto cornice = credibile(inPixelLogici(*sua, *altra)))
                return cornice;
    }
    return std::nullopt;
}

#endif

QMargins cornice(const QWidget& finestra)
{
    const QRect esterno = finestra.frameGeometry();
    const QRect interno = finestra.geometry();
    return {interno.left() - esterno.left(), interno.top() - esterno.top(), esterno.right() - interno.right(),
            esterno.bottom() - interno.bottom()};
}

// What the window system itself tells of frames, where it knows them before
// mapping or reads them reliably from windows on screen.
std::optional<QMargins> corniceNota(QWidget& finestra)
{
    if (finestra.isVisible())
        if (auto propria = credibile(cornice(finestra)))
            return propria;
    const auto finestre = QApplication::topLevelWidgets();
    for (const QWidget* altra : finestre)
        if (cornicePari(*altra, finestra))
            if (auto sua = credibile(cornice(*altra)))
                return sua;
    finestra.winId();
    return credibile(finestra.windowHandle()->frameMargins());
}

#if defined(ZEFIRANDA_XCB) && QT_CONFIG(xcb)
xcb_connection_t* connessioneX11()
{
    // The offscreen platform offers the same interface, without a connection.
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}
#endif

}  // namespace

void chiediCornice(QWidget& finestra)
{
#if defined(ZEFIRANDA_XCB) && QT_CONFIG(xcb)
    if (xcb_connection_t* connessione = connessioneX11())
        X11(connessione).chiedi(static_cast<xcb_window_t>(finestra.winId()));
#else
    Q_UNUSED(finestra);
#endif
}

QMargins corniceAttesa(QWidget& finestra)
{
#if defined(ZEFIRANDA_XCB) && QT_CONFIG(xcb)
    if (xcb_connection_t* connessione = connessioneX11())
        return corniceX11(finestra, connessione).value_or(QMargins());
#endif
    return corniceNota(finestra).value_or(QMargins());
}

}  // namespace zefiranda
