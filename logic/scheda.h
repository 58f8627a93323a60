// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/esercizio.h"

#include <cstdint>
#include <vector>

namespace zefiranda {

// A worksheet's seed: a whole number the teacher can type again.
inline constexpr std::uint64_t semeMassimo = 999'999'999;
// How many networks a worksheet holds.
inline constexpr int retiMinime = 1;
inline constexpr int retiMassime = 60;
inline constexpr int retiPredefinite = 6;

// Uniform draws in [0, 1) from a seed (splitmix64, the top 53 bits of each
// output): the same seed gives the same draws with any compiler and library.
Estrazione estrazioneDaSeme(std::uint64_t seme);

// A seed from the clock, small enough to read off a footer and type again.
std::uint64_t semeDallOrologio();

// A network of a worksheet: the puzzle and what the window would show of it.
struct ReteScheda {
    Esercizio esercizio;
    TestiEsercizio testi;
};

// The worksheet's networks: the first `quante` different puzzles that the
// program's own generation draws from the seed, in the order drawn.
std::vector<ReteScheda> retiDellaScheda(std::uint64_t seme, int quante);

}  // namespace zefiranda
