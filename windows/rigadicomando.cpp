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

// Exit code of a worksheet that could not be written.
constexpr int esitoFileSbagliato = 1;

QString aiuto()
{
    return QCoreApplication::translate(
        "zefiranda::RigaDiComando",
        "Uso: zefiranda [opzioni]\n"
        "Addizioni e sottrazioni nella rete dei numeri, per la scuola primaria.\n"
        "\n"
        "Opzioni:\n"
        "  -h, --help           mostra questo aiuto ed esce\n"
        "  -v, --version        mostra la versione ed esce\n"
        "  --stampa             apre la finestra che prepara una scheda da stampare\n"
        "  --scheda FILE.pdf    scrive in FILE.pdf una scheda di reti da stampare, con le\n"
        "                       soluzioni, ed esce senza aprire finestre né chiedere uno schermo\n"
        "  --reti N             quante reti nella scheda, da 1 a 60 (se manca: 6)\n"
        "  --seme S             il seme della scheda, da 0 a 999999999: lo stesso seme dà\n"
        "                       la stessa scheda (se manca: preso dall'orologio)\n"
        "  --senza-soluzioni    la scheda senza le pagine delle soluzioni\n"
        "  --formato A4|Letter  il formato della carta (se manca: A4)\n"
        "\n"
        "Valgono anche le opzioni di Qt, come -platform <nome> e -style <stile>.\n");
}

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
// The program's own, --help and --version, and the worksheet's.
const char* const opzioniProprie[] = {"h", "help", "?", "v", "version"};
const char* const opzioniSchedaConValore[] = {"scheda", "reti", "seme", "formato"};
const char* const opzioniSchedaSenzaValore[] = {"senza-soluzioni", "stampa"};

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
    richiesta.errore =
        QCoreApplication::translate("zefiranda::RigaDiComando", "zefiranda: %1\nPer l'aiuto: zefiranda --help\n")
            .arg(testo);
    return richiesta;
}

// A mistake in the worksheet's options: one line, naming the option's value.
RichiestaRigaDiComando erroreScheda(const QString& testo)
{
    RichiestaRigaDiComando richiesta = errore(testo);
    richiesta.errore = QStringLiteral("zefiranda: %1\n").arg(testo);
    return richiesta;
}

// The worksheet's options, read into the request; an empty text when all are right.
QString leggiScheda(const QCommandLineParser& lettore, RichiestaRigaDiComando& richiesta)
{
    Scheda& scheda = richiesta.scheda;
    richiesta.fileScheda = lettore.value(QStringLiteral("scheda"));
    if (richiesta.fileScheda.isEmpty())
        return QCoreApplication::translate("zefiranda::RigaDiComando", "manca il nome del file della scheda");
    if (lettore.isSet(QStringLiteral("reti"))) {
        const QString testo = lettore.value(QStringLiteral("reti"));
        bool numero = false;
        scheda.reti = testo.toInt(&numero);
        if (!numero || scheda.reti < retiMinime || scheda.reti > retiMassime)
            return QCoreApplication::translate("zefiranda::RigaDiComando",
                                               "numero di reti non valido «%1»: serve un numero intero da %2 a %3")
                .arg(testo)
                .arg(retiMinime)
                .arg(retiMassime);
    }
    if (lettore.isSet(QStringLiteral("seme"))) {
        const QString testo = lettore.value(QStringLiteral("seme"));
        bool numero = false;
        scheda.seme = testo.toULongLong(&numero);
        if (!numero || testo.startsWith(u'+') || scheda.seme > semeMassimo)
            return QCoreApplication::translate("zefiranda::RigaDiComando",
                                               "seme non valido «%1»: serve un numero intero da 0 a %2")
                .arg(testo)
                .arg(semeMassimo);
    } else {
        scheda.seme = semeDallOrologio();
    }
    scheda.soluzioni = !lettore.isSet(QStringLiteral("senza-soluzioni"));
    if (lettore.isSet(QStringLiteral("formato"))) {
        const QString testo = lettore.value(QStringLiteral("formato"));
        if (testo.compare(QStringLiteral("A4"), Qt::CaseInsensitive) == 0)
            scheda.formato = Formato::A4;
        else if (testo.compare(QStringLiteral("Letter"), Qt::CaseInsensitive) == 0)
            scheda.formato = Formato::Letter;
        else
            return QCoreApplication::translate("zefiranda::RigaDiComando",
                                               "formato della carta sconosciuto «%1»: si può scegliere A4 o Letter")
                .arg(testo);
    }
    return {};
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
    for (const char* nome : opzioniSchedaConValore)
        lettore.addOption(QCommandLineOption(QString::fromLatin1(nome), QString(), QStringLiteral("valore")));
    for (const char* nome : opzioniSchedaSenzaValore)
        lettore.addOption(QCommandLineOption(QString::fromLatin1(nome)));
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
        if (tra(opzioniProprie, nome) || tra(opzioniSchedaSenzaValore, nome) || tra(opzioniQtSenzaValore, nome)) {
            if (uguale >= 0)
                return errore(
                    QCoreApplication::translate("zefiranda::RigaDiComando", "l'opzione «%1» non vuole un valore")
                        .arg(scritto));
        } else if (tra(opzioniSchedaConValore, nome) || tra(opzioniQtConValore, nome)) {
            if (uguale < 0 && ++i == argomenti.size()) {
                const QString testo =
                    QCoreApplication::translate("zefiranda::RigaDiComando", "l'opzione «%1» vuole un valore")
                        .arg(scritto);
                return tra(opzioniSchedaConValore, nome) ? erroreScheda(testo) : errore(testo);
            }
        } else {
            return errore(
                QCoreApplication::translate("zefiranda::RigaDiComando", "opzione sconosciuta «%1»").arg(scritto));
        }
    }
    if (!lettore.parse(argomenti))
        return errore(lettore.errorText());
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
    } else if (lettore.isSet(QStringLiteral("scheda"))) {
        const QString sbaglio = leggiScheda(lettore, richiesta);
        if (!sbaglio.isEmpty())
            return erroreScheda(sbaglio);
        richiesta.avvia = false;
    } else {
        for (const char* nome : {"reti", "seme", "formato", "senza-soluzioni"})
            if (lettore.isSet(QString::fromLatin1(nome)))
                return erroreScheda(QCoreApplication::translate("zefiranda::RigaDiComando",
                                                                "l'opzione «--%1» vale solo insieme a --scheda")
                                        .arg(nome));
        richiesta.stampa = lettore.isSet(QStringLiteral("stampa"));
    }
    return richiesta;
}

std::optional<int> eseguiRigaDiComando(int argc, char* argv[], bool& finestraScheda)
{
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti.append(QString::fromLocal8Bit(argv[i]));
    const RichiestaRigaDiComando richiesta = leggiRigaDiComando(argomenti);
    // Help or version that cannot be written is a failure, as with the GNU tools.
    if (!stampa(richiesta.testo, stdout)) {
        stampa(QCoreApplication::translate("zefiranda::RigaDiComando",
                                           "zefiranda: impossibile scrivere sull'uscita standard\n"),
               stderr);
        return 1;
    }
    stampa(richiesta.errore, stderr);
    finestraScheda = richiesta.stampa;
    if (richiesta.avvia)
        return std::nullopt;
    if (richiesta.fileScheda.isEmpty() || richiesta.esito != 0)
        return richiesta.esito;

    // Fonts need an application object, but no display: the offscreen platform
    // has none. Qt's own remarks (a missing runtime folder) would crowd the one
    // line the program says.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType tipo, const QMessageLogContext&, const QString& testo) {
        if (tipo == QtFatalMsg || tipo == QtCriticalMsg)
            stampa(testo + u'\n', stderr);
    });
    const QGuiApplication applicazione(argc, argv);
    const QString sbaglio = scriviScheda(richiesta.fileScheda, richiesta.scheda);
    if (sbaglio.isEmpty())
        return 0;
    stampa(QStringLiteral("zefiranda: %1\n").arg(sbaglio), stderr);
    return esitoFileSbagliato;
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
