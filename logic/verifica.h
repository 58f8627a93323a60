// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "logic/esercizio.h"

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace zefiranda {

// What the network window holds when the child presses Conferma.
struct Risposte {
    std::array<QString, 8> nodi;  // txt2 ... txt9
    QString txtcomgialla;
    QString txtcg;  // the expected yellow text, hidden from the child
};

// The boxes that the check found wrong and empties, and how many they are.
struct Sbagliate {
    std::array<bool, 8> nodi{};  // txt2 ... txt9
    bool txtcomgialla = false;
    std::int16_t errori = 0;
};

// A number as txt9 reads it: white space around it is ignored, then an
// optional "+" or "-", one or more ASCII digits and an optional fraction of one
// or more ASCII digits after "." or ",". Anything else is not a number.
// The parts are views into the text, so a text of any length is read in one
// pass and never converted to a machine number.
struct Numero {
    bool negativo = false;
    QStringView interi;  // without leading zeros; "0" for a zero whole part
    bool frazioneNulla = true;
};

std::optional<Numero> leggiNumero(QStringView testo);

// Text rule of txt2 ... txt8: the very characters of the value's plain decimal form.
bool testoGiusto(QStringView testo, int valore);

// Number rule of txt9: the text reads as a number equal to the value.
bool numeroGiusto(QStringView testo, int valore);

// The check: clears errori and giallomeno, then examines txt2 ... txt8 by the
// text rule, txt9 by the number rule unless it is empty, and the yellow answer
// against txtcg character by character, adding one to errori for every wrong box.
Sbagliate verifica(Esercizio& esercizio, const Risposte& risposte);

}  // namespace zefiranda
