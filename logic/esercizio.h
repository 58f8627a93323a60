// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>

namespace zefiranda {

// A source of uniform draws in [0, 1). The program hands in a clock-seeded
// generator; tests hand in a scripted list.
using Estrazione = std::function<double()>;

// Plain decimal form: digits, a leading "-" when negative, nothing else.
QString testoNumero(long long valore);

// Caption of a step in the legend: "= + 4" for sign 1 (plus), "= - 10" for sign 2 (minus).
QString didascaliaPasso(int segno, int passo);

// What a new puzzle writes into the network window.
struct TestiEsercizio {
    QString txt1;
    QString lblcomblu;
    QString lblcomrossa;
    QString txtcg;
};

// The five drawn values of a puzzle, before the start value is raised.
struct Estratti {
    int segnoblu;    // 1 plus, 2 minus
    int segnorosso;  // 1 plus, 2 minus
    int partenza;    // 0 ... 9
    int comblu;      // 1 ... 10
    int comrossa;    // 1 ... 10
};

// The puzzle state of the network window: nine nodes in a 3 x 3 grid, a blue
// step along the rows, a red step down the columns and the yellow step along
// the diagonal.
class Esercizio {
public:
    int comblu = 0;
    int comrossa = 0;
    int comgialla = 0;
    int segnoblu = 0;
    int segnorosso = 0;
    int partenza = 0;
    std::int16_t errori = 0;
    std::int16_t giallomeno = 0;
    std::array<int, 8> nodi{};  // nodo1 ... nodo8
    std::int16_t nodo9 = 0;

    // Node value by its place in the grid, 1 ... 9 in reading order.
    int nodo(int indice) const;

    bool operator==(const Esercizio&) const = default;

    // Draws five values in a fixed order and builds the puzzle from them.
    TestiEsercizio nuovoesercizio(const Estrazione& estrai);

    // Builds the puzzle from values already drawn.
    TestiEsercizio genera(const Estratti& estratti);
};

}  // namespace zefiranda
