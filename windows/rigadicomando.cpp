// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/rigadicomando.h"

#include "windows/identita.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace zefiranda {

namespace {

// Exit code of a command line the program does not understand.
constexpr int esitoRigaSbagliata = 2;

QString aiuto()
{
    return QCoreApplication::translate("zefiranda::RigaDiComando",
                                       "Uso: zefiranda [opzioni]\n"
                                       "Addizioni e sottrazioni nella rete dei numeri, per la scuola primaria.\n"
                                       "\n"
                                       "Opzioni:\n"
                                       "  -h, --help     mostra questo aiuto ed esce\n"
                                       "  -v, --version  mostra la versione ed esce\n"
                                       "\n"
                                       "Valgono anche le opzioni di Qt, come -platform <nome> e -style <stile>.\n");
}

// Qt's own options, which the application object reads and removes later:
// those of QGuiApplication, of QApplication and of the X11 platform.
void aggiungiOpzioniQt(QCommandLineParser& lettore)
{
    for (const char* nome : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
                             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "title", "icon", "name",
                             "style", "stylesheet", "qmljsdebugger", "visual"}) {
        QCommandLineOption opzione(QString::fromLatin1(nome), QString(), QStringLiteral("valore"));
        opzione.setFlags(QCommandLineOption::HiddenFromHelp);
        lettore.addOption(opzione);
    }
    for (const char* nome : {"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"}) {
        QCommandLineOption opzione(QString::fromLatin1(nome));
        opzione.setFlags(QCommandLineOption::HiddenFromHelp);
        lettore.addOption(opzione);
    }
}

RichiestaRigaDiComando errore(const QString& testo)
{
    RichiestaRigaDiComando richiesta;
    richiesta.avvia = false;
    richiesta.esito = esitoRigaSbagliata;
    richiesta.errore =
        QCoreApplication::translate("zefiranda::RigaDiComando", "zefiranda: %1\nPer l'aiuto: zefiranda --help\n")
            .arg(testo);
    return richiesta;
}

void stampa(const QString& testo, std::FILE* flusso)
{
    if (testo.isEmpty())
        return;
    const QByteArray byte = testo.toLocal8Bit();
    (void)std::fprintf(flusso, "%.*s", static_cast<int>(byte.size()), byte.constData());
    (void)std::fflush(flusso);
}

}  // namespace

RichiestaRigaDiComando leggiRigaDiComando(const QStringList& argomenti)
{
    QCommandLineParser lettore;
    // Qt's options are written with one dash: -platform, -style.
    lettore.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption opzioneAiuto({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                          QString());
    const QCommandLineOption opzioneVersione({QStringLiteral("v"), QStringLiteral("version")}, QString());
    lettore.addOption(opzioneAiuto);
    lettore.addOption(opzioneVersione);
    aggiungiOpzioniQt(lettore);

    if (!lettore.parse(argomenti)) {
        const QStringList sconosciute = lettore.unknownOptionNames();
        if (!sconosciute.isEmpty()) {
            const QString& nome = sconosciute.constFirst();
            const QString trattini = nome.size() == 1 ? QStringLiteral("-") : QStringLiteral("--");
            return errore(QCoreApplication::translate("zefiranda::RigaDiComando", "opzione sconosciuta «%1%2»")
                              .arg(trattini, nome));
        }
        // The only other failure: the last option wants a value that is not there.
        return errore(QCoreApplication::translate("zefiranda::RigaDiComando", "l'opzione «%1» vuole un valore")
                          .arg(argomenti.constLast()));
    }
    if (!lettore.positionalArguments().isEmpty())
        return errore(QCoreApplication::translate("zefiranda::RigaDiComando", "argomento non previsto «%1»")
                          .arg(lettore.positionalArguments().constFirst()));

    RichiestaRigaDiComando richiesta;
    if (lettore.isSet(opzioneAiuto)) {
        richiesta.avvia = false;
        richiesta.testo = aiuto();
    } else if (lettore.isSet(opzioneVersione)) {
        richiesta.avvia = false;
        richiesta.testo = QStringLiteral("%1 %2\n").arg(identita::nome, identita::versione);
    }
    return richiesta;
}

std::optional<int> eseguiRigaDiComando(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const RichiestaRigaDiComando richiesta = leggiRigaDiComando(argomenti);
    stampa(richiesta.testo, stdout);
    stampa(richiesta.errore, stderr);
    if (richiesta.avvia)
        return std::nullopt;
    return richiesta.esito;
}

void impostaIdentita()
{
    QCoreApplication::setApplicationName(identita::nome);
    QCoreApplication::setApplicationVersion(identita::versione);
    QGuiApplication::setDesktopFileName(identita::id);
}

}  // namespace zefiranda
