#include "programma.h"

#include "frmrete.h"

namespace zefiranda {

void avviaProgramma()
{
    auto* finestra = new Frmrete;
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->show();
    finestra->activateWindow();
}

} // namespace zefiranda
