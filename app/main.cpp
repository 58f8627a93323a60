#include "programma.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication applicazione(argc, argv);
    zefiranda::avviaProgramma();
    return applicazione.exec();
}
