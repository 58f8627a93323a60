// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/finestre.h"
#include "windows/frmscheda.h"
#include "windows/lingua.h"
#include "windows/programma.h"
#include "windows/rigadicomando.h"
#include "windows/schermo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    bool scheda = false;
    if (const auto esito = zefiranda::eseguiRigaDiComando(argc, argv, scheda))
        return *esito;
    zefiranda::richiediSchermo(argc, argv);
    zefiranda::impostaIdentita();
    QApplication applicazione(argc, argv);
    zefiranda::caricaTraduzioniQt();
    if (scheda)
        (new zefiranda::Frmscheda)->show();
    else
        zefiranda::avviaProgramma();
    const int esito = applicazione.exec();
    zefiranda::distruggiFinestre();
    return esito;
}
