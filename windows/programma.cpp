// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/programma.h"

#include "windows/finestre.h"
#include "windows/frminizio.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>

#ifdef ZEFIRANDA_XCB
#include <xcb/xcb.h>
#endif

namespace zefiranda {

namespace {

#ifdef ZEFIRANDA_XCB
// Another X client may destroy a window of the program (xdotool windowclose):
// Qt takes no notice, and the program would run on with nothing on the
// screen. When that was its last window, the program ends as if it had closed.
class FinestreDistrutte : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& tipo, void* messaggio, qintptr* /*risultato*/) override
    {
        if (tipo != "xcb_generic_event_t")
            return false;
        const auto* evento = static_cast<const xcb_generic_event_t*>(messaggio);
        if ((evento->response_type & 0x7f) != XCB_DESTROY_NOTIFY)
            return false;
        const xcb_window_t distrutta = static_cast<const xcb_destroy_notify_event_t*>(messaggio)->window;
        bool nostra = false;
        bool altre = false;
        for (const QWidget* finestra : QApplication::topLevelWidgets()) {
            if (finestra->internalWinId() == distrutta)
                nostra = true;
            else if (finestra->isVisible())
                altre = true;
        }
        if (nostra && !altre)
            QCoreApplication::exit(0);
        return false;
    }
};
#endif

}  // namespace

void avviaProgramma()
{
#ifdef ZEFIRANDA_XCB
    static FinestreDistrutte distrutte;
    if (QGuiApplication::platformName() == u"xcb")
        QCoreApplication::instance()->installNativeEventFilter(&distrutte);
#endif
    Frminizio& inizio = frminizio();
    inizio.show();
    inizio.activateWindow();
}

}  // namespace zefiranda
