// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/avvio.h"
#include "windows/finestre.h"
#include "windows/frmscheda.h"
#include "windows/lingua.h"
#include "windows/programma.h"
#include "windows/rigadicomando.h"
#include "windows/schermo.h"

#include <QApplication>

#include <vector>

int main(int argc, char* argv[])
{
    zefiranda::apriDescrittoriStandard();
    bool scheda = false;
    if (const auto esito = zefiranda::eseguiRigaDiComando(argc, argv, scheda))
        return *esito;
    std::vector<char*> argomenti = zefiranda::argomentiPerQt(argc, argv);
    argc = static_cast<int>(argomenti.size()) - 1;
    argv = argomenti.data();
    zefiranda::controllaFattoreDiScala();
    zefiranda::richiediSchermo(argc, argv);
    zefiranda::impostaIdentita();
    zefiranda::sorvegliaAvvio(argc, argv);
    QApplication applicazione(argc, argv);
    zefiranda::avvioRiuscito();
    zefiranda::caricaTraduzioniQt();
    if (scheda)
        (new zefiranda::Frmscheda)->show();
    else
        zefiranda::avviaProgramma();
    const int esito = applicazione.exec();
    zefiranda::distruggiFinestre();
    return esito;
}
