// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/esercizio.h"

#include <memory>
#include <vector>

// Draws that a generator would need to produce the given puzzle values.
inline std::vector<double> estrazioniPer(int segnoblu, int segnorosso, int partenza, int comblu, int comrossa)
{
    return {(segnoblu - 1 + 0.5) / 2, (segnorosso - 1 + 0.5) / 2, (partenza + 0.5) / 10, (comblu - 1 + 0.5) / 10,
            (comrossa - 1 + 0.5) / 10};
}

// A source that hands out the given draws in order, over and over.
inline zefiranda::Estrazione sorgenteScriptata(std::vector<double> valori)
{
    auto prossima = std::make_shared<std::size_t>(0);
    return [valori = std::move(valori), prossima] { return valori.at((*prossima)++ % valori.size()); };
}
