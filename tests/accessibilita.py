#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays one round of Zefiranda the way a screen reader sees it.

    accessibilita.py PROGRAM

Runs the program on the X display and D-Bus session it is given (CTest starts
it under xvfb-run and dbus-run-session), or natively on the Wayland desktop it
is given with QT_QPA_PLATFORM=wayland, with Qt's AT-SPI bridge switched on,
and drives it only through AT-SPI, the interface Orca uses: it finds the
controls by their role and name, reads the captions, types through the
EditableText interface, presses buttons through their actions and listens to
the events a screen reader hears. The program seeds its puzzle from the
clock, so the test reads the puzzle from what the program tells it.

Exit status 0 when every check holds, 1 with a message otherwise: a missing
accessibility bus or library fails the test, it never skips it.
"""

import os
import re
import subprocess
import sys
import time

ATTESA = 30.0  # seconds for anything to happen; far more than it needs

NOMI_CASELLE = [
    "Casella in alto a sinistra, numero di partenza",
    "Casella in alto al centro",
    "Casella in alto a destra",
    "Casella al centro a sinistra",
    "Casella al centro",
    "Casella al centro a destra",
    "Casella in basso a sinistra",
    "Casella in basso al centro",
    "Casella in basso a destra",
]
GIALLA = "Operatore della freccia gialla"


class Fallito(Exception):
    pass


def verifica(condizione, messaggio):
    if not condizione:
        raise Fallito(messaggio)


try:
    import pyatspi
    from gi.repository import GLib
except ImportError as errore:
    print(f"accessibilita: cannot load AT-SPI for Python ({errore}); "
          "install python3-pyatspi (tools/setup test does)", file=sys.stderr)
    sys.exit(1)


class Ascoltatore:
    """The AT-SPI events of the program, as they arrive."""

    TIPI = ["object:property-change:accessible-name", "object:state-changed:showing",
            "object:text-changed", "focus:"]

    def __init__(self):
        self.eventi = []  # since the last svuota()
        self.tutti = []
        for tipo in self.TIPI:
            pyatspi.Registry.registerEventListener(self._ricevi, tipo)

    def _ricevi(self, evento):
        try:
            ruolo, nome = evento.source.getRoleName(), evento.source.name
        except Exception:  # the object may be gone already
            ruolo, nome = "", ""
        dati = evento.any_data if isinstance(evento.any_data, str) else None
        self.eventi.append((evento.type, ruolo, nome, evento.detail1, dati))
        self.tutti.append(self.eventi[-1])

    def svuota(self):
        self.eventi.clear()


def gira(secondi):
    """Lets D-Bus deliver events for a while."""
    contesto = GLib.MainContext.default()
    fine = time.monotonic() + secondi
    while time.monotonic() < fine:
        while contesto.iteration(False):
            pass
        time.sleep(0.02)


def aspetta(condizione, descrizione, secondi=ATTESA):
    fine = time.monotonic() + secondi
    ultimo_errore = None
    while time.monotonic() < fine:
        try:
            risultato = condizione()
            if risultato:
                return risultato
        except Exception as errore:  # AT-SPI objects come and go while windows change
            ultimo_errore = errore
        gira(0.1)
    dettaglio = f" (last error: {ultimo_errore})" if ultimo_errore else ""
    raise Fallito(f"timed out waiting for {descrizione}{dettaglio}")


def figli(oggetto):
    return [oggetto.getChildAtIndex(i) for i in range(oggetto.childCount)]


def discendenti(oggetto):
    for figlio in figli(oggetto):
        yield figlio
        yield from discendenti(figlio)


def applicazione(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in figli(desktop):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def finestra(pid, descrizione):
    app = applicazione(pid)
    if app is None:
        return None
    for f in figli(app):
        if f.getRoleName() == "frame" and f.description == descrizione \
                and f.getState().contains(pyatspi.STATE_SHOWING):
            return f
    return None


def per_nome(finestra_, nome, ruolo):
    trovati = [c for c in figli(finestra_) if c.name == nome]
    verifica(len(trovati) == 1, f"{len(trovati)} controls named {nome!r}, expected one")
    verifica(trovati[0].getRoleName() == ruolo,
             f"{nome!r} is a {trovati[0].getRoleName()}, expected a {ruolo}")
    return trovati[0]


def premi(pulsante):
    azioni = pulsante.queryAction()
    nomi = [azioni.getName(i) for i in range(azioni.nActions)]
    verifica("Press" in nomi, f"{pulsante.name!r} offers no Press action: {nomi}")
    verifica(azioni.doAction(nomi.index("Press")), f"pressing {pulsante.name!r} failed")


def testo(casella):
    t = casella.queryText()
    return t.getText(0, t.characterCount)


def scrivi(casella, valore):
    verifica(casella.queryEditableText().setTextContents(valore),
             f"cannot type into {casella.name!r}")


def didascalia(etichetta, colore):
    trovato = re.fullmatch(rf"Freccia {colore} = ([+-]) (\d+)", etichetta.name)
    verifica(trovato, f"caption of the {colore} arrow reads {etichetta.name!r}")
    passo = int(trovato.group(2))
    return passo if trovato.group(1) == "+" else -passo


def soluzione(rete):
    """The right entries of the puzzle shown, as the captions and the start value tell."""
    def passo(colore):
        etichette = [c for c in figli(rete) if c.name.startswith(f"Freccia {colore} ")]
        verifica(len(etichette) == 1, f"{len(etichette)} captions of the {colore} arrow")
        return didascalia(etichette[0], colore)

    blu, rossa = passo("blu"), passo("rossa")
    partenza = int(testo(per_nome(rete, NOMI_CASELLE[0], "text")))
    nodi = [str(partenza + colonna * blu + riga * rossa) for riga in range(3) for colonna in range(3)]
    somma = blu + rossa
    gialla = f"+{somma}" if somma > 0 else str(somma)
    return nodi, gialla


def controlla_inizio(pid):
    inizio = aspetta(lambda: finestra(pid, "Inizio"), "the start window")
    verifica(inizio.name == "Zefiranda", f"start window named {inizio.name!r}")
    pulsanti = sorted((c.name, c.getRoleName()) for c in discendenti(inizio))
    verifica(pulsanti == [("Esci", "push button"), ("Vai", "push button")],
             f"the start window shows {pulsanti}; the pictures are decoration")
    vai = per_nome(inizio, "Vai", "push button")
    verifica(vai.description == "Inizia l'esercizio", f"start button described as {vai.description!r}")
    return vai


def controlla_rete(rete):
    attesi = NOMI_CASELLE + [GIALLA, "Freccia gialla =", "Conferma", "Fine"]
    for nome in attesi:
        ruolo = "label" if nome.startswith("Freccia") else \
            "push button" if nome in ("Conferma", "Fine") else "text"
        per_nome(rete, nome, ruolo)
    controlli = figli(rete)
    for c in controlli:
        verifica(c.getRoleName() in ("text", "label", "push button", "notification"),
                 f"unexpected {c.getRoleName()} {c.name!r} in the network window")
        verifica(c.name or c.getRoleName() == "notification",
                 f"a {c.getRoleName()} without a name in the network window")
        verifica("&" not in c.name, f"{c.name!r} shows its access key marker")
    caselle = [c for c in controlli if c.getRoleName() == "text"]
    verifica(len(caselle) == 10, f"{len(caselle)} text boxes reachable, expected 9 nodes and the "
                                 "yellow box (the hidden answer box must stay out of reach)")
    messaggi = [c for c in controlli if c.getRoleName() == "notification"]
    verifica(len(messaggi) == 1, f"{len(messaggi)} message labels")
    return messaggi[0]


def annunciato(ascoltatore, messaggio):
    """The message changed its name and came to show: Orca speaks a notification then."""
    def trovato():
        nomi = any(e[0] == "object:property-change:accessible-name" and e[1] == "notification"
                   and e[2] == messaggio for e in ascoltatore.eventi)
        mostrato = any(e[0] == "object:state-changed:showing" and e[1] == "notification"
                       and e[2] == messaggio and e[3] == 1 for e in ascoltatore.eventi)
        return nomi and mostrato
    aspetta(trovato, f"the message {messaggio!r} to be announced")


def gioca(processo, ascoltatore, fuoco):
    """fuoco: whether the desktop gives a window the keyboard focus; weston's
    headless one has no keyboard."""
    vai = controlla_inizio(processo.pid)
    premi(vai)
    rete = aspetta(lambda: finestra(processo.pid, "Rete dei numeri"), "the network window")
    verifica(rete.name == "Zefiranda", f"network window named {rete.name!r}")
    aspetta(lambda: finestra(processo.pid, "Inizio") is None, "the start window to close")
    messaggio = controlla_rete(rete)
    verifica(not messaggio.getState().contains(pyatspi.STATE_SHOWING),
             "the message label shows before any check")

    nodi, gialla = soluzione(rete)
    didascalie = [c for c in figli(rete) if c.getRoleName() == "label" and c.name != "Freccia gialla ="]
    prima = [c.name for c in didascalie]
    caselle = [per_nome(rete, nome, "text") for nome in NOMI_CASELLE]
    casella_gialla = per_nome(rete, GIALLA, "text")
    conferma = per_nome(rete, "Conferma", "push button")
    if fuoco:
        aspetta(lambda: caselle[1].getState().contains(pyatspi.STATE_FOCUSED), "the focus in the second box")

    # A wrong entry: the box is emptied and the child is told.
    ascoltatore.svuota()
    scrivi(caselle[1], "sbagliato")
    aspetta(lambda: testo(caselle[1]) == "sbagliato", "the typed text")
    premi(conferma)
    annunciato(ascoltatore, "Attento... correggiti!")
    verifica(messaggio.name == "Attento... correggiti!", f"message reads {messaggio.name!r}")
    verifica(testo(caselle[1]) == "", "the wrong box keeps its text")

    # The timer takes the message away again.
    aspetta(lambda: not messaggio.getState().contains(pyatspi.STATE_SHOWING) and messaggio.name == "",
            "the message to be wiped", secondi=10)

    # Every box right: praise and the next puzzle.
    ascoltatore.svuota()
    for casella, valore in zip(caselle[1:], nodi[1:]):
        scrivi(casella, valore)
    scrivi(casella_gialla, gialla)
    verifica([testo(c) for c in caselle[1:]] == nodi[1:], "the boxes do not hold what was typed")
    premi(conferma)
    annunciato(ascoltatore, "Bravo!")
    aspetta(lambda: all(testo(c) == "" for c in caselle[1:]) and testo(casella_gialla) == "",
            "the boxes to be emptied for the next puzzle")
    verifica(testo(caselle[0]) != "", "the next puzzle has no start value")
    if fuoco:
        aspetta(lambda: caselle[1].getState().contains(pyatspi.STATE_FOCUSED),
                "the focus back in the second box")
    soluzione(rete)  # the new captions read as captions
    # A caption that changed told its new name (the draw may repeat a caption).
    for etichetta, vecchio in zip(didascalie, prima):
        if etichetta.name != vecchio:
            aspetta(lambda: any(e[0] == "object:property-change:accessible-name" and e[2] == etichetta.name
                                for e in ascoltatore.eventi), f"the caption {etichetta.name!r} to be told")

    # Nothing that reaches a screen reader comes from a control it cannot see:
    # the hidden answer box never speaks.
    nascosti = [e for e in ascoltatore.tutti if e[0].startswith("object:text-changed")
                and (e[1], e[2]) not in [("text", nome) for nome in NOMI_CASELLE + [GIALLA]]]
    verifica(not nascosti, f"text events from controls out of reach: {nascosti}")

    premi(per_nome(rete, "Fine", "push button"))
    try:
        esito = processo.wait(timeout=ATTESA)
    except subprocess.TimeoutExpired:
        raise Fallito("the program did not end after Fine")
    verifica(esito == 0, f"the program ended with status {esito}")


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    programma = sys.argv[1]
    piattaforma = os.environ.get("QT_QPA_PLATFORM", "xcb")
    schermo = "WAYLAND_DISPLAY" if piattaforma == "wayland" else "DISPLAY"
    for variabile in (schermo, "DBUS_SESSION_BUS_ADDRESS"):
        if not os.environ.get(variabile):
            print(f"accessibilita: {variabile} is not set; run it under xvfb-run or tests/desktop/wayland, "
                  "and dbus-run-session (ctest does)", file=sys.stderr)
            return 1

    # The first call starts the accessibility bus and its registry; libatspi
    # aborts the process when it cannot, so a child process tries first.
    prova = "import pyatspi; pyatspi.Registry.getDesktop(0).childCount"
    for tentativo in range(3):
        try:
            risposta = subprocess.run([sys.executable, "-c", prova], capture_output=True, text=True,
                                      timeout=ATTESA)
            if risposta.returncode == 0:
                break
            motivo = risposta.stderr.strip()
        except subprocess.TimeoutExpired:
            motivo = "no answer"
        time.sleep(1)
    else:
        print(f"accessibilita: the AT-SPI bus does not start: {motivo}", file=sys.stderr)
        return 1
    ascoltatore = Ascoltatore()

    ambiente = dict(os.environ, QT_QPA_PLATFORM=piattaforma, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                    QT_ACCESSIBILITY="1")

    processo = subprocess.Popen([programma], env=ambiente)
    try:
        gioca(processo, ascoltatore, fuoco=piattaforma != "wayland")
    except Fallito as errore:
        print(f"accessibilita: FAIL: {errore}", file=sys.stderr)
        return 1
    finally:
        if processo.poll() is None:
            processo.kill()
            processo.wait()
    print("accessibilita: every check passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
