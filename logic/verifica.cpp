// SPDX-License-Identifier: GPL-3.0-or-later
#include "logic/verifica.h"

#include <algorithm>

namespace zefiranda {

namespace {

bool cifra(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the run of ASCII digits at the start of the text.
qsizetype cifreIniziali(QStringView testo)
{
    qsizetype n = 0;
    while (n < testo.size() && cifra(testo[n]))
        ++n;
    return n;
}

}  // namespace

std::optional<Numero> leggiNumero(QStringView testo)
{
    testo = testo.trimmed();
    Numero numero;
    if (!testo.isEmpty() && (testo.front() == u'+' || testo.front() == u'-')) {
        numero.negativo = testo.front() == u'-';
        testo = testo.sliced(1);
    }

    const qsizetype interi = cifreIniziali(testo);
    if (interi == 0)
        return std::nullopt;
    QStringView parteIntera = testo.first(interi);
    testo = testo.sliced(interi);

    if (!testo.isEmpty() && (testo.front() == u'.' || testo.front() == u',')) {
        testo = testo.sliced(1);
        const qsizetype decimali = cifreIniziali(testo);
        if (decimali == 0)
            return std::nullopt;
        const QStringView frazione = testo.first(decimali);
        numero.frazioneNulla = std::all_of(frazione.begin(), frazione.end(), [](QChar c) { return c == u'0'; });
        testo = testo.sliced(decimali);
    }
    if (!testo.isEmpty())
        return std::nullopt;

    qsizetype zeri = 0;
    while (zeri + 1 < parteIntera.size() && parteIntera[zeri] == u'0')
        ++zeri;
    numero.interi = parteIntera.sliced(zeri);
    return numero;
}

bool testoGiusto(QStringView testo, int valore)
{
    return testo == testoNumero(valore);
}

bool numeroGiusto(QStringView testo, int valore)
{
    const std::optional<Numero> numero = leggiNumero(testo);
    if (!numero || !numero->frazioneNulla)
        return false;
    if (valore == 0)
        return numero->interi == u"0";
    const long long modulo = valore < 0 ? -static_cast<long long>(valore) : valore;
    return numero->negativo == (valore < 0) && numero->interi == testoNumero(modulo);
}

Sbagliate verifica(Esercizio& esercizio, const Risposte& risposte)
{
    esercizio.errori = 0;
    esercizio.giallomeno = 0;
    Sbagliate sbagliate;
    for (int i = 2; i <= 8; ++i) {
        const auto indice = static_cast<std::size_t>(i - 2);
        sbagliate.nodi[indice] = !testoGiusto(risposte.nodi[indice], esercizio.nodo(i));
    }
    const QString& txt9 = risposte.nodi.back();
    sbagliate.nodi.back() = !txt9.isEmpty() && !numeroGiusto(txt9, esercizio.nodo9);
    sbagliate.txtcomgialla = risposte.txtcomgialla != risposte.txtcg;

    for (bool sbagliata : sbagliate.nodi)
        if (sbagliata)
            ++esercizio.errori;
    if (sbagliate.txtcomgialla)
        ++esercizio.errori;
    sbagliate.errori = esercizio.errori;
    return sbagliate;
}

}  // namespace zefiranda
