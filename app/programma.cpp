#include "programma.h"

#include "finestre.h"
#include "frminizio.h"

namespace zefiranda {

void avviaProgramma()
{
    Frminizio& inizio = frminizio();
    inizio.show();
    inizio.activateWindow();
}

} // namespace zefiranda
