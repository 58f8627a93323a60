// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-bench: measures the program's speed and memory, each figure beside
// a baseline taken in the same run, and prints the table as Markdown.
//
//   zefiranda-bench [--giri N]     (N start-ups of each program on each platform, default 30)
//
// Start-up and memory are measured in fresh processes, on Qt's offscreen
// platform and, when DISPLAY names an X server, on xcb: the launcher reads the
// clock just before it forks, zefiranda-bench-programma and
// zefiranda-bench-vuoto (the bare Qt program) write the same clock when their
// window's first frame has been painted. The check and the puzzle generation
// are timed here, in one process, with the windows on the offscreen platform.
#include "bench/misura.h"
#include "bench/rete.h"
#include "logic/verifica.h"
#include "print/scheda.h"
#include "windows/frmrete.h"

#include <QClipboard>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace zefiranda;
using namespace zefiranda::bench;

// ---- figures --------------------------------------------------------------

double mediana(std::vector<double> valori)
{
    if (valori.empty())
        return 0;
    std::sort(valori.begin(), valori.end());
    const std::size_t meta = valori.size() / 2;
    return valori.size() % 2 ? valori[meta] : (valori[meta - 1] + valori[meta]) / 2;
}

double massimo(const std::vector<double>& valori)
{
    return valori.empty() ? 0 : *std::max_element(valori.begin(), valori.end());
}

double ms(std::int64_t nanosecondi)
{
    return static_cast<double>(nanosecondi) / 1e6;
}

[[noreturn]] void fallisci(const std::string& perche)
{
    std::fprintf(stderr, "zefiranda-bench: %s\n", perche.c_str());
    std::exit(1);
}

// ---- fresh processes --------------------------------------------------------

std::string cartellaPropria()
{
    std::vector<char> percorso(4096);
    const ssize_t lunghezza = readlink("/proc/self/exe", percorso.data(), percorso.size() - 1);
    if (lunghezza <= 0)
        fallisci("cannot find my own folder");
    std::string cartella(percorso.data(), static_cast<std::size_t>(lunghezza));
    return cartella.substr(0, cartella.rfind('/'));
}

// What one run of a benchmark program wrote, and when it was launched.
struct Corsa {
    std::int64_t lancio = 0;
    std::map<std::string, long long> valori;

    long long valore(const std::string& nome) const
    {
        const auto trovato = valori.find(nome);
        if (trovato == valori.end())
            fallisci("a run did not report " + nome);
        return trovato->second;
    }
};

Corsa lancia(const char* piattaforma, const std::string& programma, const char* argomento = nullptr)
{
    int tubo[2];
    if (pipe(tubo) != 0)
        fallisci("pipe failed");
    Corsa corsa;
    corsa.lancio = oraMonotona();
    const pid_t figlio = fork();
    if (figlio < 0)
        fallisci("fork failed");
    if (figlio == 0) {
        dup2(tubo[1], STDOUT_FILENO);
        close(tubo[0]);
        close(tubo[1]);
        setenv(variabileMisura, "1", 1);
        setenv("QT_QPA_PLATFORM", piattaforma, 1);
        alarm(60);  // a run that hangs is ended; the launcher then stops
        execl(programma.c_str(), programma.c_str(), argomento, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(tubo[1]);
    std::string uscita;
    char blocco[512];
    ssize_t letti;
    while ((letti = read(tubo[0], blocco, sizeof blocco)) > 0)
        uscita.append(blocco, static_cast<std::size_t>(letti));
    close(tubo[0]);
    int stato = 0;
    waitpid(figlio, &stato, 0);
    if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0)
        fallisci(programma + " failed (status " + std::to_string(stato) + ")");

    std::size_t inizio = 0;
    while (inizio < uscita.size()) {
        std::size_t fine = uscita.find('\n', inizio);
        if (fine == std::string::npos)
            fine = uscita.size();
        const std::string riga = uscita.substr(inizio, fine - inizio);
        const std::size_t spazio = riga.find(' ');
        if (spazio != std::string::npos)
            corsa.valori[riga.substr(0, spazio)] = std::atoll(riga.c_str() + spazio + 1);
        inizio = fine + 1;
    }
    return corsa;
}

struct Avvii {
    std::vector<double> avvio, rete, memoria;  // ms, ms, MiB

    void aggiungi(const Corsa& corsa, const char* nomeRete)
    {
        avvio.push_back(ms(corsa.valore("disegno") - corsa.lancio));
        rete.push_back(ms(corsa.valore(nomeRete)));
        memoria.push_back(static_cast<double>(corsa.valore("picco_kib")) / 1024);
    }
};

// The three programs' start-ups on one platform.
struct Piattaforma {
    const char* nome;  // QT_QPA_PLATFORM
    const char* descrizione;
    Avvii programma, vuoto, conTesto;
};

// Runs the programs in turn, on one platform and then the other, so that a
// busy moment of the machine falls on all of them.
void misuraAvvii(const std::string& cartella, int giri, std::vector<Piattaforma>& piattaforme)
{
    const std::string percorsoProgramma = cartella + "/zefiranda-bench-programma";
    const std::string percorsoVuoto = cartella + "/zefiranda-bench-vuoto";
    for (int giro = -2; giro < giri; ++giro) {  // two runs each to warm the caches first
        for (Piattaforma& piattaforma : piattaforme) {
            const Corsa nostra = lancia(piattaforma.nome, percorsoProgramma);
            const Corsa nuda = lancia(piattaforma.nome, percorsoVuoto);
            const Corsa nudaConTesto = lancia(piattaforma.nome, percorsoVuoto, "--pulsante");
            if (giro < 0)
                continue;
            piattaforma.programma.aggiungi(nostra, "rete_ns");
            piattaforma.vuoto.aggiungi(nuda, "seconda_ns");
            piattaforma.conTesto.aggiungi(nudaConTesto, "seconda_ns");
        }
    }
}

// ---- in this process ----------------------------------------------------------

// Time from the start of the action to the end of the frame it causes.
std::int64_t finoAlDisegno(QWidget& finestra, const std::function<void()>& azione)
{
    ApplicazioneMisurata& app = applicazione();
    const std::int64_t inizio = oraMonotona();
    azione();
    app.attendiDisegno(finestra);
    if (!app.aspettaDisegno())
        fallisci("a window was not painted again");
    return app.fineDisegno() - inizio;
}

// Lets the window paint whatever is pending, unmeasured, until a while passes
// with nothing painted.
void lasciaDipingere(QWidget& finestra)
{
    do
        applicazione().attendiDisegno(finestra);
    while (applicazione().aspettaDisegno(50));
}

struct Verifiche {
    std::vector<double> finestra;  // every control of the window repainted, nothing else
    std::vector<double> dueSbagliate;
    std::vector<double> tutteGiuste;
    std::vector<double> mega;
    std::vector<double> megaSoloVerifica;
    std::vector<double> casellaMega;  // one box holding a megabyte painted again
    qsizetype caratteriMega = 0;      // what each box holds: a megabyte, or as much as the box takes
    double testoMega = 0;             // MiB of text in the ten boxes
    double piccoMega = 0;             // MiB, peak resident memory from filling the boxes to the end
    double residenteMega = 0;         // MiB, resident memory before the boxes were filled
    std::vector<double> incolla50;    // 50 MB pasted into a box, to the repaint
    std::vector<double> tenutoMiB;    // resident memory the paste leaves, the clipboard emptied
};

// A memory figure of this process from /proc/self/status, in KiB.
long statoKiB(const char* campo)
{
    std::ifstream stato("/proc/self/status");
    const std::string prefisso = std::string(campo) + ':';
    std::string riga;
    while (std::getline(stato, riga))
        if (riga.rfind(prefisso, 0) == 0)
            return std::atol(riga.c_str() + prefisso.size());
    return 0;
}

// Resident memory now, in KiB.
long residenteKiB()
{
    return statoKiB("VmRSS");
}

// Peak resident memory since the last azzeraPicco(), in KiB.
long piccoVmHWM()
{
    return statoKiB("VmHWM");
}

// Starts the peak resident memory (VmHWM) again from what is resident now.
void azzeraPicco()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

QString testoDi(Frmrete& rete, const char* nome)
{
    return casella(rete, QString::fromLatin1(nome))->text();
}

// The focus goes to Conferma first, and the window is painted, unmeasured:
// the box that loses it is painted again, and with a megabyte in it that takes
// Qt as long as painting it ever does (see the README).
void preparaConferma(Frmrete& rete)
{
    pulsante(rete, QStringLiteral("cmdconferma"))->setFocus();
    lasciaDipingere(rete);
}

void premiConferma(Frmrete& rete, const char* messaggioAtteso)
{
    premi(*pulsante(rete, QStringLiteral("cmdconferma")));
    if (rete.findChild<QLabel*>(QStringLiteral("lblmess"))->text() != QLatin1String(messaggioAtteso))
        fallisci(std::string("the check did not say ") + messaggioAtteso);
}

void misuraVerifiche(Verifiche& tempi)
{
    const int giri = 41;
    const int giriMega = 9;

    std::mt19937_64 generatore(20240601);
    // A clock a second further on at every reading: the presses come far
    // apart, and none falls in the moment after a right answer that counts for nothing.
    Frmrete rete([&generatore] { return std::uniform_real_distribution<double>(0.0, 1.0)(generatore); },
                 [ora = std::int64_t{0}]() mutable { return ora += 1000; });
    rete.show();
    lasciaDipingere(rete);
    scriviRisposteGiuste(rete);
    preparaConferma(rete);
    for (int giro = 0; giro < giri; ++giro)
        tempi.finestra.push_back(ms(finoAlDisegno(rete, [&] {
            for (QWidget* controllo : rete.findChildren<QWidget*>())
                controllo->update();
            rete.update();
        })));

    for (int giro = 0; giro < giri; ++giro) {
        scriviRisposteGiuste(rete);
        casella(rete, QStringLiteral("txt5"))->setText(QStringLiteral("99"));
        casella(rete, QStringLiteral("txtcomgialla"))->setText(QStringLiteral("+"));
        preparaConferma(rete);
        tempi.dueSbagliate.push_back(ms(finoAlDisegno(rete, [&] { premiConferma(rete, "Attento... correggiti!"); })));

        scriviRisposteGiuste(rete);
        preparaConferma(rete);
        tempi.tutteGiuste.push_back(ms(finoAlDisegno(rete, [&] { premiConferma(rete, "Bravo!"); })));
    }

    // A megabyte in every box, or as much as a box takes: wrong in all but
    // txt9, which reads as the right number.
    const qsizetype mega = std::min<qsizetype>(qsizetype(1) << 20, casella(rete, QStringLiteral("txt9"))->maxLength());
    tempi.caratteriMega = mega;
    tempi.testoMega = 10.0 * double(mega) * sizeof(QChar) / (1 << 20);
    const QString sette(mega, u'7');
    tempi.residenteMega = double(residenteKiB()) / 1024;
    azzeraPicco();
    for (int giro = 0; giro < giriMega; ++giro) {
        const QString numero = testoNumero(rete.esercizio().nodo9);
        const QString nove = QString(mega - numero.size(), u'0') + numero;
        for (int nodo = 1; nodo <= 9; ++nodo)
            casella(rete, QStringLiteral("txt%1").arg(nodo))->setText(nodo == 9 ? nove : sette);
        casella(rete, QStringLiteral("txtcomgialla"))->setText(QString(mega, u'+'));
        preparaConferma(rete);
        QLineEdit& nona = *casella(rete, QStringLiteral("txt9"));
        tempi.casellaMega.push_back(ms(finoAlDisegno(rete, [&] { nona.update(); })));

        Risposte risposte;
        for (std::size_t i = 0; i < risposte.nodi.size(); ++i)
            risposte.nodi[i] = testoDi(rete, ("txt" + std::to_string(i + 2)).c_str());
        risposte.txtcomgialla = testoDi(rete, "txtcomgialla");
        risposte.txtcg = testoDi(rete, "txtcg");
        Esercizio copia = rete.esercizio();
        const std::int64_t inizio = oraMonotona();
        verifica(copia, risposte);
        tempi.megaSoloVerifica.push_back(ms(oraMonotona() - inizio));

        tempi.mega.push_back(ms(finoAlDisegno(rete, [&] { premiConferma(rete, "Attento... correggiti!"); })));
        if (testoDi(rete, "txt9").isEmpty() || !testoDi(rete, "txt2").isEmpty())
            fallisci("the check of the full boxes emptied the wrong boxes");
    }
    tempi.piccoMega = double(piccoVmHWM()) / 1024;

    // 50 MB on the clipboard, pasted into a box that has the focus.
    QLineEdit& quinta = *casella(rete, QStringLiteral("txt5"));
    for (int giro = 0; giro < 5; ++giro) {
        quinta.clear();
        quinta.setFocus();
        lasciaDipingere(rete);
        const long prima = residenteKiB();
        QGuiApplication::clipboard()->setText(QString(qsizetype(50) << 20, u'7'));
        tempi.incolla50.push_back(ms(finoAlDisegno(rete, [&] { quinta.paste(); })));
        if (quinta.text().size() != quinta.maxLength())
            fallisci("a 50 MB paste was not cut at the limit");
        QGuiApplication::clipboard()->clear();
        lasciaDipingere(rete);
        tempi.tenutoMiB.push_back(static_cast<double>(residenteKiB() - prima) / 1024);
    }
}

struct Generazioni {
    std::vector<double> esercizi, estrazioni;
};

void misuraGenerazioni(Generazioni& tempi)
{
    const int esercizi = 1'000'000;
    const int estrazioniPerEsercizio = 5;
    for (int giro = 0; giro < 5; ++giro) {
        std::mt19937_64 generatore(giro);
        const Estrazione sorgente = [&generatore] {
            return std::uniform_real_distribution<double>(0.0, 1.0)(generatore);
        };

        Esercizio esercizio;
        long long controllo = 0;
        std::int64_t inizio = oraMonotona();
        for (int i = 0; i < esercizi; ++i)
            controllo += esercizio.nuovoesercizio(sorgente).txtcg.size() + esercizio.nodo9;
        tempi.esercizi.push_back(ms(oraMonotona() - inizio));

        double somma = 0;
        inizio = oraMonotona();
        for (int i = 0; i < esercizi * estrazioniPerEsercizio; ++i)
            somma += sorgente();
        tempi.estrazioni.push_back(ms(oraMonotona() - inizio));
        if (controllo == 0 || somma == 0)
            fallisci("nothing was generated");
    }
}

struct Schede {
    std::vector<double> tempi;  // ms; the first run finds and loads the fonts
    double kib = 0;
};

// A worksheet of 60 networks with their solutions, written as --scheda writes it.
void misuraSchede(Schede& schede)
{
    const QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("scheda.pdf"));
    for (int giro = 0; giro < 11; ++giro) {
        const std::int64_t inizio = oraMonotona();
        if (!scriviScheda(percorso, Scheda{static_cast<std::uint64_t>(48213 + giro), 60, true, Formato::A4}).isEmpty())
            fallisci("a worksheet was not written");
        schede.tempi.push_back(ms(oraMonotona() - inizio));
        schede.kib = std::max(schede.kib, static_cast<double>(QFileInfo(percorso).size()) / 1024);
    }
}

// ---- the table ---------------------------------------------------------------

std::string macchina()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string riga, modello = "unknown CPU";
    while (std::getline(cpuinfo, riga))
        if (riga.rfind("model name", 0) == 0) {
            modello = riga.substr(riga.find(':') + 2);
            break;
        }
    char testo[256];
    std::snprintf(testo, sizeof testo, "%ld × %s, Qt %s", sysconf(_SC_NPROCESSORS_ONLN), modello.c_str(), qVersion());
    return testo;
}

std::string carico()
{
    std::ifstream loadavg("/proc/loadavg");
    std::string uno, cinque;
    loadavg >> uno >> cinque;
    return uno + " (1 min), " + cinque + " (5 min)";
}

// One row: the measure, the platform, the program's figure, its baselines
// and their ratios, the target and whether it is met (empty: no target).
void riga(const std::string& misura, const std::string& piattaforma, const std::string& nostro, const std::string& basi,
          const std::string& rapporti, const std::string& obiettivo, int raggiunto = -1)
{
    std::printf("| %s | %s | %s | %s | %s | %s | %s |\n", misura.c_str(), piattaforma.c_str(), nostro.c_str(),
                basi.c_str(), rapporti.c_str(), obiettivo.c_str(),
                raggiunto < 0 ? "" : (raggiunto ? "met" : "**missed**"));
}

std::string formato(const char* modello, double valore)
{
    char testo[64];
    std::snprintf(testo, sizeof testo, modello, valore);
    return testo;
}

}  // namespace

int main(int argc, char* argv[])
{
    int giri = 30;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--giri") == 0)
            giri = std::max(1, std::atoi(argv[i + 1]));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Qt wants a runtime folder and complains on every start without one.
    char cartellaRuntime[] = "/tmp/zefiranda-bench-XXXXXX";
    const bool runtimePropria = !std::getenv("XDG_RUNTIME_DIR") && mkdtemp(cartellaRuntime);
    if (runtimePropria)
        setenv("XDG_RUNTIME_DIR", cartellaRuntime, 1);

    std::vector<Piattaforma> piattaforme{{"offscreen", "offscreen", {}, {}, {}}};
    if (std::getenv("DISPLAY"))
        piattaforme.push_back({"xcb", "X11", {}, {}, {}});

    const std::string caricoPrima = carico();
    std::fprintf(stderr, "Starting each program %d times on each platform...\n", giri);
    misuraAvvii(cartellaPropria(), giri, piattaforme);

    // The launcher forks no more: from here on it is a Qt program itself.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ApplicazioneMisurata applicazione(argc, argv);
    std::fprintf(stderr, "Timing the check...\n");
    Verifiche verifiche;
    misuraVerifiche(verifiche);
    std::fprintf(stderr, "Generating puzzles...\n");
    Generazioni generazioni;
    misuraGenerazioni(generazioni);
    std::fprintf(stderr, "Writing worksheets...\n");
    Schede schede;
    misuraSchede(schede);
    const std::string caricoDopo = carico();
    if (runtimePropria)
        rmdir(cartellaRuntime);

    std::printf("Release build; %s.\n", macchina().c_str());
    if (piattaforme.size() > 1)
        std::printf("X11: the X server at DISPLAY=%s, %s.\n", std::getenv("DISPLAY"),
                    std::getenv("ZEFIRANDA_BENCH_X11") ? std::getenv("ZEFIRANDA_BENCH_X11") : "as found");
    std::printf("Load average before %s, after %s.\n", caricoPrima.c_str(), caricoDopo.c_str());
    std::printf("Medians: start-ups of %d processes of each program on each platform, alternating; "
                "checks of %zu and %zu presses; generation of 5 runs.\n\n",
                giri, verifiche.tutteGiuste.size(), verifiche.mega.size());
    std::printf("| measure | platform | Zefiranda | baselines | ratios | target | |\n");
    std::printf("|---|---|---|---|---|---|---|\n");

    for (const Piattaforma& p : piattaforme) {
        const double avvio = mediana(p.programma.avvio), nudo = mediana(p.vuoto.avvio);
        const double conPulsante = mediana(p.conTesto.avvio);
        riga("process start to the start window's first frame", p.descrizione, formato("%.1f ms", avvio),
             formato("%.1f ms bare Qt window; ", nudo) + formato("%.1f ms with one captioned button", conPulsante),
             formato("%.2f × bare; ", avvio / nudo) + formato("%.2f × button", avvio / conPulsante),
             "≤ 1.25 × bare, ≤ 1.10 × button", avvio <= 1.25 * nudo && avvio <= 1.10 * conPulsante);
    }
    for (const Piattaforma& p : piattaforme) {
        const double rete = mediana(p.programma.rete), seconda = mediana(p.vuoto.rete);
        riga("start button pressed to the network window's first frame", p.descrizione, formato("%.1f ms", rete),
             formato("%.1f ms bare second window", seconda), formato("%.2f ×", rete / seconda), "< 12 ms", rete < 12);
    }
    for (const Piattaforma& p : piattaforme) {
        const double memoria = mediana(p.programma.memoria), nuda = mediana(p.vuoto.memoria);
        const double conPulsante = mediana(p.conTesto.memoria);
        riga("peak resident memory after one solved puzzle", p.descrizione, formato("%.1f MiB", memoria),
             formato("%.1f MiB bare Qt window; ", nuda) + formato("%.1f MiB with one captioned button", conPulsante),
             formato("%.2f × bare; ", memoria / nuda) + formato("%.2f × button", memoria / conPulsante),
             "≤ 1.15 × button", memoria <= 1.15 * conPulsante);
    }

    const double ridisegno = mediana(verifiche.finestra);
    const double due = mediana(verifiche.dueSbagliate), giuste = mediana(verifiche.tutteGiuste);
    const std::string base = formato("%.2f ms every control repainted", ridisegno);
    riga("check and repaint, two wrong boxes", "offscreen", formato("%.2f ms", due), base,
         formato("%.2f ×", due / ridisegno), "< 2 ms", due < 2);
    riga("check and repaint, all right (next puzzle)", "offscreen", formato("%.2f ms", giuste), base,
         formato("%.2f ×", giuste / ridisegno), "< 2 ms", giuste < 2);
    const double mega = mediana(verifiche.mega);
    const std::string pieno = verifiche.caratteriMega == (qsizetype(1) << 20)
        ? std::string("a megabyte in every box")
        : formato("every box full (%.0f characters, all a box takes)", double(verifiche.caratteriMega));
    riga("check and repaint, " + pieno, "offscreen", formato("%.1f ms", mega), base,
         formato("%.0f ×", mega / ridisegno), "< 16 ms", mega < 16);
    riga("… of which the check itself", "offscreen", formato("%.2f ms", mediana(verifiche.megaSoloVerifica)), "", "",
         "");
    riga("… painting one full box", "offscreen", formato("%.1f ms", mediana(verifiche.casellaMega)), "", "", "");
    const double incolla = mediana(verifiche.incolla50);
    riga("50 MB pasted into a box, to the repaint", "offscreen", formato("%.0f ms", incolla), "", "", "< 500 ms",
         incolla < 500);
    const double tenuto = mediana(verifiche.tenutoMiB);
    riga("… resident memory it leaves, the clipboard emptied", "offscreen", formato("%.1f MiB", tenuto), "", "",
         "< 5 MiB", tenuto < 5);
    riga("… peak resident memory over those checks", "offscreen", formato("%.1f MiB", verifiche.piccoMega),
         formato("%.1f MiB of text in the ten boxes; ", verifiche.testoMega)
             + formato("%.1f MiB resident before", verifiche.residenteMega),
         formato("%.1f × the text added", (verifiche.piccoMega - verifiche.residenteMega) / verifiche.testoMega), "");

    const double esercizi = mediana(generazioni.esercizi), estrazioni = mediana(generazioni.estrazioni);
    riga("1,000,000 puzzles generated", "", formato("%.0f ms", esercizi),
         formato("%.0f ms for their 5,000,000 draws alone", estrazioni), formato("%.2f ×", esercizi / estrazioni), "");

    const double primaScheda = schede.tempi.front();
    const double scheda = mediana(schede.tempi);
    riga("worksheet of 60 networks with solutions written (PDF, A4, 15 pages)", "offscreen", formato("%.0f ms", scheda),
         formato("%.0f ms the first, fonts loaded", primaScheda), "", "< 1000 ms",
         std::max(scheda, primaScheda) < 1000);
    riga("… its file", "", formato("%.0f KiB", schede.kib), "", "", "≤ 500 KB", schede.kib * 1024 <= 500'000);

    std::printf("\nWorst of the runs:");
    for (const Piattaforma& p : piattaforme)
        std::printf(" %s start %.1f ms (bare %.1f), network window %.1f ms;", p.descrizione, massimo(p.programma.avvio),
                    massimo(p.vuoto.avvio), massimo(p.programma.rete));
    std::printf(" ordinary check %.2f ms, full-box check %.1f ms.\n",
                std::max(massimo(verifiche.dueSbagliate), massimo(verifiche.tutteGiuste)), massimo(verifiche.mega));
    return 0;
}
