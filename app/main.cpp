// SPDX-License-Identifier: GPL-3.0-or-later
#include "windows/finestre.h"
#include "windows/programma.h"
#include "windows/schermo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    zefiranda::richiediSchermo(argc, argv);
    QApplication applicazione(argc, argv);
    zefiranda::avviaProgramma();
    const int esito = applicazione.exec();
    zefiranda::distruggiFinestre();
    return esito;
}
