// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/rigadicomando.h"

#include "windows/identita.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string_view>

namespace zefiranda {

namespace {

// Exit code of a command line the program does not understand.
constexpr int esitoRigaSbagliata = 2;

const QString aiuto = QStringLiteral("Uso: zefiranda [opzioni]\n"
                                     "Addizioni e sottrazioni nella rete dei numeri, per la scuola primaria.\n"
                                     "\n"
                                     "Opzioni:\n"
                                     "  -h, --help     mostra questo aiuto ed esce\n"
                                     "  -v, --version  mostra la versione ed esce\n"
                                     "\n"
                                     "Valgono anche le opzioni di Qt, come -platform <nome> e -style <stile>.\n");

// Qt's own options, which the application object reads and removes later:
// those of QGuiApplication, of QApplication and of the X11 platform.
const char* const opzioniQtConValore[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "session",
                                          "display",
                                          "geometry",
                                          "title",
                                          "icon",
                                          "name",
                                          "style",
                                          "stylesheet",
                                          "qmljsdebugger",
                                          "visual"};
const char* const opzioniQtSenzaValore[] = {"reverse", "widgetcount", "testability", "sync", "nograb", "dograb"};
// The program's own, --help and --version.
const char* const opzioniProprie[] = {"h", "help", "?", "v", "version"};

template <std::size_t N> bool tra(const char* const (&nomi)[N], QStringView nome)
{
    return std::any_of(std::begin(nomi), std::end(nomi), [nome](const char* n) { return nome == QLatin1String(n); });
}

void aggiungiOpzioniQt(QCommandLineParser& lettore)
{
    for (const char* nome : opzioniQtConValore) {
        QCommandLineOption opzione(QString::fromLatin1(nome), QString(), QStringLiteral("valore"));
        opzione.setFlags(QCommandLineOption::HiddenFromHelp);
        lettore.addOption(opzione);
    }
    for (const char* nome : opzioniQtSenzaValore) {
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
    richiesta.errore = QStringLiteral("zefiranda: %1\nPer l'aiuto: zefiranda --help\n").arg(testo);
    return richiesta;
}

// Whether the text could be written.
bool stampa(const QString& testo, std::FILE* flusso)
{
    if (testo.isEmpty())
        return true;
    const QByteArray byte = testo.toLocal8Bit();
    const bool scritto = std::fwrite(byte.constData(), 1, static_cast<std::size_t>(byte.size()), flusso)
        == static_cast<std::size_t>(byte.size());
    return std::fflush(flusso) == 0 && scritto;
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

    // The first option at fault, named as it was written.
    for (qsizetype i = 1; i < argomenti.size(); ++i) {
        const QString& argomento = argomenti[i];
        if (argomento == u"--")
            break;
        if (argomento.size() < 2 || !argomento.startsWith(u'-'))
            continue;
        const qsizetype uguale = argomento.indexOf(u'=');
        const QString scritto = argomento.left(uguale);
        const QStringView nome = QStringView(scritto).mid(scritto.startsWith(u"--") ? 2 : 1);
        if (tra(opzioniProprie, nome) || tra(opzioniQtSenzaValore, nome)) {
            if (uguale >= 0)
                return errore(QStringLiteral("l'opzione «%1» non vuole un valore").arg(scritto));
        } else if (tra(opzioniQtConValore, nome)) {
            if (uguale < 0 && ++i == argomenti.size())
                return errore(QStringLiteral("l'opzione «%1» vuole un valore").arg(scritto));
        } else {
            return errore(QStringLiteral("opzione sconosciuta «%1»").arg(scritto));
        }
    }
    if (!lettore.parse(argomenti))
        return errore(lettore.errorText());
    if (!lettore.positionalArguments().isEmpty())
        return errore(QStringLiteral("argomento non previsto «%1»").arg(lettore.positionalArguments().constFirst()));

    RichiestaRigaDiComando richiesta;
    if (lettore.isSet(opzioneAiuto)) {
        richiesta.avvia = false;
        richiesta.testo = aiuto;
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
    // Help or version that cannot be written is a failure, as with the GNU tools.
    if (!stampa(richiesta.testo, stdout)) {
        stampa(QStringLiteral("zefiranda: impossibile scrivere sull'uscita standard\n"), stderr);
        return 1;
    }
    stampa(richiesta.errore, stderr);
    if (richiesta.avvia)
        return std::nullopt;
    return richiesta.esito;
}

std::vector<char*> argomentiPerQt(int argc, char* argv[])
{
    std::vector<char*> argomenti(argv, argv + argc);
    for (std::size_t i = 1; i < argomenti.size(); ++i) {
        if (std::strcmp(argomenti[i], "--") == 0)
            break;
        char* uguale = std::strchr(argomenti[i], '=');
        if (argomenti[i][0] != '-' || !uguale)
            continue;
        const std::string_view scritto(argomenti[i], static_cast<std::size_t>(uguale - argomenti[i]));
        const std::string_view nome = scritto.substr(scritto.starts_with("--") ? 2 : 1);
        if (!std::any_of(std::begin(opzioniQtConValore), std::end(opzioniQtConValore),
                         [nome](const char* n) { return nome == n; }))
            continue;
        *uguale = '\0';
        argomenti.insert(argomenti.begin() + static_cast<std::ptrdiff_t>(++i), uguale + 1);
    }
    argomenti.push_back(nullptr);
    return argomenti;
}

void impostaIdentita()
{
    QCoreApplication::setApplicationName(identita::nome);
    QCoreApplication::setApplicationVersion(identita::versione);
    QGuiApplication::setDesktopFileName(identita::id);
}

}  // namespace zefiranda
