// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/esercizio.h"

#include <algorithm>
#include <cmath>

namespace zefiranda {

namespace {

// A draw outside [0, 1) (or NaN) from a faulty source would give values
// outside the puzzle's ranges; it is pulled back to the nearest valid draw.
double inIntervallo(double r)
{
    if (!(r >= 0.0))
        return 0.0;
    return std::min(r, std::nextafter(1.0, 0.0));
}

// floor(scala * r + base), with base whole: taking the floor before adding
// base, and keeping it below scala, spares the draws just under a boundary
// (the largest double below 1, say) from being rounded up across it.
int estrai(const Estrazione& estrazione, int scala, int base)
{
    const double gradino = std::floor(scala * inIntervallo(estrazione()));
    return std::clamp(static_cast<int>(gradino), 0, scala - 1) + base;
}

}  // namespace

QString didascaliaPasso(int segno, int passo)
{
    return (segno == 1 ? QStringLiteral("= + ") : QStringLiteral("= - ")) + testoNumero(passo);
}

QString testoNumero(long long valore)
{
    return QString::number(valore);
}

int Esercizio::nodo(int indice) const
{
    return indice == 9 ? nodo9 : nodi.at(static_cast<std::size_t>(indice - 1));
}

TestiEsercizio Esercizio::nuovoesercizio(const Estrazione& estrazione)
{
    Estratti estratti{};
    estratti.segnoblu = estrai(estrazione, 2, 1);
    estratti.segnorosso = estrai(estrazione, 2, 1);
    estratti.partenza = estrai(estrazione, 10, 0);
    estratti.comblu = estrai(estrazione, 10, 1);
    estratti.comrossa = estrai(estrazione, 10, 1);
    return genera(estratti);
}

TestiEsercizio Esercizio::genera(const Estratti& estratti)
{
    TestiEsercizio testi;
    segnoblu = estratti.segnoblu;
    segnorosso = estratti.segnorosso;
    partenza = estratti.partenza;
    comblu = estratti.comblu;
    comrossa = estratti.comrossa;
    giallomeno = 0;

    const bool bluPiu = segnoblu == 1;
    const bool rossoPiu = segnorosso == 1;
    if (bluPiu && rossoPiu) {
        comgialla = comblu + comrossa;
    } else if (bluPiu) {
        comgialla = comblu - comrossa;
        partenza += 2 * comrossa;
    } else if (rossoPiu) {
        comgialla = comrossa - comblu;
        partenza += 2 * comblu;
    } else {
        // Both steps go down: the sign lives in the answer text alone.
        comgialla = comblu + comrossa;
        testi.txtcg = QLatin1Char('-') + testoNumero(comgialla);
        giallomeno = 1;
        partenza += 2 * comblu + 2 * comrossa;
    }

    const int blu = bluPiu ? comblu : -comblu;
    const int rosso = rossoPiu ? comrossa : -comrossa;
    auto& n = nodi;
    n[0] = partenza;
    n[1] = n[0] + blu;
    n[2] = n[1] + blu;
    n[3] = n[0] + rosso;
    n[4] = n[3] + blu;
    n[5] = n[4] + blu;
    n[6] = n[3] + rosso;
    n[7] = n[6] + blu;
    nodo9 = static_cast<std::int16_t>(n[7] + blu);

    testi.lblcomblu = didascaliaPasso(segnoblu, comblu);
    testi.lblcomrossa = didascaliaPasso(segnorosso, comrossa);
    testi.txt1 = testoNumero(partenza);

    if (comgialla > 0 && giallomeno != 1)
        testi.txtcg = QLatin1Char('+') + testoNumero(comgialla);
    if (comgialla <= 0)
        testi.txtcg = testoNumero(comgialla);
    return testi;
}

}  // namespace zefiranda
