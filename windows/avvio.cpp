// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/avvio.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace zefiranda {

namespace {

// One line on the standard error, written at once.
void scriviErrore(const QByteArray& riga)
{
    (void)std::fprintf(stderr, "%.*s", static_cast<int>(riga.size()), riga.constData());
    (void)std::fflush(stderr);
}

}  // namespace

void apriDescrittoriStandard()
{
#ifdef Q_OS_UNIX
    for (int descrittore : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(descrittore, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free descriptor, so this very one: those below are open.
        if (open("/dev/null", descrittore == STDIN_FILENO ? O_RDONLY : O_WRONLY) != descrittore)
            std::_Exit(1);
    }
#endif
}

void controllaFattoreDiScala()
{
    const char* nome = "QT_SCALE_FACTOR";
    const QByteArray valore = qgetenv(nome);
    if (valore.isEmpty())
        return;
    bool numero = false;
    const double fattore = valore.toDouble(&numero);
    if (numero && std::isfinite(fattore) && fattore > 0)
        return;
    qunsetenv(nome);
    QByteArray testo =
        QCoreApplication::translate("zefiranda::Schermo", "zefiranda: %1 \"%2\" non è un numero positivo: lo ignoro\n")
            .toLocal8Bit();
    testo.replace("%1", nome).replace("%2", valore);
    scriviErrore(testo);
}

namespace {

struct Avviso {
    QtMsgType tipo;
    QByteArray categoria;
    QString testo;
};

QList<Avviso> trattenuti;
QtMessageHandler precedente = nullptr;
QByteArray cosa;      // what the windows were to be shown on
int erroreVero = -1;  // the standard error, while its descriptor points to /dev/null

// Libraries below Qt (Wayland's, for one) write to the standard error
// directly: while the application is built, what they write goes nowhere.
void zittisciErrore()
{
#ifdef Q_OS_UNIX
    (void)std::fflush(stderr);
    erroreVero = dup(STDERR_FILENO);
    const int nulla = open("/dev/null", O_WRONLY);
    if (erroreVero != -1 && nulla != -1)
        dup2(nulla, STDERR_FILENO);
    if (nulla != -1)
        close(nulla);
#endif
}

void ridaiErrore()
{
#ifdef Q_OS_UNIX
    if (erroreVero == -1)
        return;
    dup2(erroreVero, STDERR_FILENO);
    close(erroreVero);
    erroreVero = -1;
#endif
}

// The platforms Qt is asked for: the last -platform, else QT_QPA_PLATFORM.
QByteArray piattaformaRichiesta(int argc, char* argv[])
{
    QByteArray piattaforma = opzioneQt(argc, argv, "platform");
    if (piattaforma.isEmpty())
        piattaforma = qgetenv("QT_QPA_PLATFORM");
    return piattaforma;
}

void gestore(QtMsgType tipo, const QMessageLogContext& contesto, const QString& testo)
{
    if (tipo == QtFatalMsg) {
        ridaiErrore();
        schermoNonAperto(cosa);
    }
    trattenuti.append({tipo, QByteArray(contesto.category), testo});
}

}  // namespace

QByteArray opzioneQt(int argc, char* argv[], const char* nome)
{
    QByteArray valore;
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray argomento(argv[i]);
        if (argomento.startsWith("--"))
            argomento.remove(0, 1);
        if (argomento.startsWith('-') && argomento.mid(1) == nome)
            valore = argv[++i];
    }
    return valore;
}

void schermoNonAperto(const QByteArray& cosa)
{
    QByteArray testo =
        QCoreApplication::translate("zefiranda::Schermo", "zefiranda: impossibile aprire lo schermo %1\n")
            .toLocal8Bit();
    testo.replace("%1", cosa);
    scriviErrore(testo);
    std::_Exit(1);
}

void sorvegliaAvvio(int argc, char* argv[])
{
    QByteArray piattaforme = piattaformaRichiesta(argc, argv);
    // Qt's own choice: X11, or Wayland first in a Wayland session.
    if (piattaforme.isEmpty())
        piattaforme = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"
            ? "wayland;xcb"
            : "xcb";
    // Each platform tried, with the display it was to open.
    QByteArrayList voci;
    for (const QByteArray& voce : piattaforme.split(';')) {
        const QByteArray nome = voce.split(':').constFirst();
        if (nome.isEmpty())
            continue;
        QByteArray schermo;
        if (nome.startsWith("wayland")) {
            schermo = qgetenv("WAYLAND_DISPLAY");
            if (schermo.isEmpty())
                schermo = "wayland-0";
        } else if (nome == "xcb") {
            schermo = opzioneQt(argc, argv, "display");
            if (schermo.isEmpty())
                schermo = qgetenv("DISPLAY");
        }
        if (nome == "xcb" && schermo.isEmpty())
            voci.append(nome + ' '
                        + QCoreApplication::translate("zefiranda::Schermo", "(DISPLAY non impostato)").toLocal8Bit());
        else
            voci.append(schermo.isEmpty() ? nome : nome + " \"" + schermo + '"');
    }
    cosa = '(' + voci.join(", ") + ')';
    precedente = qInstallMessageHandler(gestore);
    zittisciErrore();
}

void avvioRiuscito()
{
    ridaiErrore();
    qInstallMessageHandler(precedente);
    for (const Avviso& avviso : std::as_const(trattenuti)) {
        const QMessageLogContext contesto(nullptr, 0, nullptr, avviso.categoria.constData());
        qt_message_output(avviso.tipo, contesto, avviso.testo);
    }
    trattenuti.clear();
}

}  // namespace zefiranda
