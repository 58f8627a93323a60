// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/scheda.h"

#include <algorithm>
#include <chrono>

namespace zefiranda {

Estrazione estrazioneDaSeme(std::uint64_t seme)
{
    return [stato = seme]() mutable {
        stato += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = stato;
        z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
        z ^= z >> 31U;
        return static_cast<double>(z >> 11U) * 0x1.0p-53;
    };
}

std::uint64_t semeDallOrologio()
{
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch());
    return static_cast<std::uint64_t>(ms.count()) % 100'000U;
}

std::vector<ReteScheda> retiDellaScheda(std::uint64_t seme, int quante)
{
    const Estrazione estrai = estrazioneDaSeme(seme);
    std::vector<ReteScheda> reti;
    reti.reserve(static_cast<std::size_t>(std::max(quante, 0)));
    while (std::ssize(reti) < quante) {
        ReteScheda rete;
        rete.testi = rete.esercizio.nuovoesercizio(estrai);
        const auto uguale = [&rete](const ReteScheda& altra) { return altra.esercizio == rete.esercizio; };
        if (std::none_of(reti.begin(), reti.end(), uguale))
            reti.push_back(rete);
    }
    return reti;
}

}  // namespace zefiranda
