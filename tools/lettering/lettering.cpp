// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-lettering [--out DIR]
// Draws the lettering pictures of the start window as SVG files made only of filled shapes:
//   titolo.svg  the title "Zefiranda" in three lines of tilted 3-D block capitals (red, green, blue);
//   vai.svg     the start button's red "VAI !";
//   firma.svg   the credit line in slanted handwriting.
// The drawings live in pictures/disegni/ and are committed; this tool is run by hand only after changing
// them, from the source folder, with the two fonts it traces installed (both SIL Open Font License):
//   apt-get install fonts-league-spartan fonts-kaushanscript
//   build/tools/lettering/zefiranda-lettering --out pictures/disegni
#include "tools/lettering/tavola.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainterPathStroker>
#include <QRawFont>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <numbers>
#include <optional>
#include <vector>

using zefiranda::scritte::Tavola;

namespace {

const QColor rosso(218, 37, 29);
const QColor verde(132, 195, 38);
const QColor blu(0, 147, 221);
const QColor inchiostro(31, 26, 23);

const QString fontBlocchi = QStringLiteral("/usr/share/fonts/opentype/league-spartan/LeagueSpartan-ExtraBold.otf");
const QString fontPieno = QStringLiteral("/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf");
const QString fontCorsivo = QStringLiteral("/usr/share/fonts/opentype/kaushanscript/KaushanScript-Regular.otf");

// The handwriting is set as a whole line, joined and kerned as the font wants it.
std::optional<QFont> caricaFont(const QString& file, double pixel)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(file));
        return std::nullopt;
    }
    QFont font(QFontDatabase::applicationFontFamilies(id).value(0));
    font.setPixelSize(int(pixel));
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

struct Glifo {
    QPainterPath forma;
    double avanzamento;
};

// The block capitals are taken glyph by glyph straight from the font file, so that no other face of the
// same family can stand in for it.
std::optional<QRawFont> caricaFontGrezzo(const QString& file, double pixel)
{
    QRawFont font(file, pixel, QFont::PreferNoHinting);
    if (!font.isValid()) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(file));
        return std::nullopt;
    }
    return font;
}

Glifo glifo(const QRawFont& font, QChar lettera)
{
    const QList<quint32> indici = font.glyphIndexesForString(QString(lettera));
    const QList<QPointF> avanzamenti = font.advancesForGlyphIndexes(indici);
    return {font.pathForGlyph(indici.value(0)), avanzamenti.value(0).x()};
}

QPainterPath scritta(const QFont& font, const QString& testo)
{
    QPainterPath tracciato;
    tracciato.addText(0, 0, font, testo);
    return tracciato;
}

// A slow, smooth displacement that makes straight edges waver a little, as drawn by hand.
QPointF tremolio(QPointF p, double fase)
{
    const double k = 2 * std::numbers::pi / 2600;
    return {std::sin(p.y() * k + fase) + 0.5 * std::sin((p.x() + p.y()) * 1.9 * k + 2.1 * fase),
            std::sin(p.x() * k * 1.1 + 1.7 * fase) + 0.5 * std::sin((p.x() - p.y()) * 1.7 * k + 0.6 * fase)};
}

QPainterPath aManoLibera(const QPainterPath& forma, double ampiezza, double fase)
{
    constexpr double passo = 120;
    QPainterPath risultato;
    for (const QPolygonF& anello : forma.toSubpathPolygons()) {
        QPolygonF fitto;
        for (qsizetype i = 0; i + 1 < anello.size(); ++i) {
            const QPointF a = anello[i];
            const QPointF b = anello[i + 1];
            const int pezzi = std::max(1, int(std::ceil(std::hypot(b.x() - a.x(), b.y() - a.y()) / passo)));
            for (int j = 0; j < pezzi; ++j)
                fitto << a + (b - a) * (double(j) / pezzi);
        }
        for (QPointF& p : fitto)
            p += ampiezza * tremolio(p, fase);
        if (fitto.size() >= 3) {
            risultato.addPolygon(fitto);
            risultato.closeSubpath();
        }
    }
    return risultato.simplified();
}

QPainterPath cresci(const QPainterPath& forma, double spessore)
{
    QPainterPathStroker tratto;
    tratto.setWidth(2 * spessore);
    tratto.setJoinStyle(Qt::RoundJoin);
    tratto.setCapStyle(Qt::RoundCap);
    return tratto.createStroke(forma).united(forma);
}

QPainterPath linee(const std::vector<QLineF>& segmenti, double spessore)
{
    QPainterPath tracciato;
    for (const QLineF& segmento : segmenti) {
        tracciato.moveTo(segmento.p1());
        tracciato.lineTo(segmento.p2());
    }
    QPainterPathStroker tratto;
    tratto.setWidth(spessore);
    tratto.setCapStyle(Qt::RoundCap);
    return tratto.createStroke(tracciato).simplified();
}

double areaConSegno(const QPolygonF& poligono)
{
    double area = 0;
    for (qsizetype i = 0; i + 1 < poligono.size(); ++i)
        area += poligono[i].x() * poligono[i + 1].y() - poligono[i + 1].x() * poligono[i].y();
    return area / 2;
}

// Is the ring inside another one of the letter, a counter?
bool controforma(const QList<QPolygonF>& anelli, qsizetype i)
{
    const QRectF ingombro = anelli[i].boundingRect();
    for (qsizetype j = 0; j < anelli.size(); ++j)
        if (j != i && anelli[j].boundingRect().contains(ingombro))
            return true;
    return false;
}

// A letter of the title as a solid block: its face, the solid swept by pushing the face back along
// profondita, and the edges where two visible side faces of the block meet.
struct Blocco {
    QPainterPath faccia;
    QPainterPath solido;
    std::vector<QLineF> spigoli;
};

// The face is the letter as the font draws it; the block is made of it as wavered by aManoLibera. Inside a
// counter only a shallow strip of the inner wall is shown (a fraction of the depth), so that the hole stays
// open: a full-depth wall would fill the small counters of the letters almost completely.
Blocco blocco(const QPainterPath& lettera, QPointF profondita, double ampiezza, double fase)
{
    constexpr double muroInterno = 0.3;
    const QPainterPath faccia = aManoLibera(lettera, ampiezza, fase);
    Blocco risultato{faccia, {}, {}};
    QPainterPath fianchi;
    fianchi.setFillRule(Qt::WindingFill);
    QPainterPath vuoti;
    const QList<QPolygonF> anelli = [&] {
        QList<QPolygonF> tutti;
        for (const QPolygonF& anello : faccia.toSubpathPolygons())
            if (anello.size() >= 4)
                tutti.push_back(anello);
        return tutti;
    }();
    for (qsizetype k = 0; k < anelli.size(); ++k) {
        const QPolygonF& anello = anelli[k];
        const bool interno = controforma(anelli, k);
        const QPointF spinta = interno ? muroInterno * profondita : profondita;
        if (interno) {
            QPainterPath foro;
            foro.addPolygon(anello);
            vuoti = vuoti.united(foro.intersected(foro.translated(spinta)));
        }
        for (qsizetype i = 0; i + 1 < anello.size(); ++i) {
            QPolygonF lato{anello[i], anello[i + 1], anello[i + 1] + spinta, anello[i] + spinta, anello[i]};
            if (std::abs(areaConSegno(lato)) < 1)
                continue;
            if (areaConSegno(lato) < 0)
                std::reverse(lato.begin(), lato.end());
            fianchi.addPolygon(lato);
            fianchi.closeSubpath();
        }
    }
    risultato.solido = faccia.united(faccia.translated(profondita)).united(fianchi.simplified()).subtracted(vuoti);

    // A side face is seen when its outward normal points the way the block is pushed.
    const auto visibile = [&](QPointF a, QPointF b) {
        const QPointF lato = b - a;
        const double lunghezza = std::hypot(lato.x(), lato.y());
        if (lunghezza == 0)
            return false;
        QPointF normale(lato.y() / lunghezza, -lato.x() / lunghezza);
        if (lettera.contains((a + b) / 2 + 4 * normale))
            normale = -normale;
        return QPointF::dotProduct(normale, profondita) > 0;
    };
    const QList<QPolygonF> anelliLettera = lettera.toSubpathPolygons();
    for (qsizetype k = 0; k < anelliLettera.size(); ++k) {
        const QPolygonF& anello = anelliLettera[k];
        const QPointF spinta = controforma(anelliLettera, k) ? muroInterno * profondita : profondita;
        // Corners are judged on a coarser outline, so that a curve counts as smooth.
        QPolygonF vertici;
        for (const QPoint& p : zefiranda::scritte::anelloSemplificato(anello, 30))
            vertici << QPointF(p);
        const qsizetype n = vertici.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF prima = vertici[(i + n - 1) % n];
            const QPointF qui = vertici[i];
            const QPointF dopo = vertici[(i + 1) % n];
            const bool vistoPrima = visibile(prima, qui);
            const bool vistoDopo = visibile(qui, dopo);
            const QLineF entrata(prima, qui);
            const QLineF uscita(qui, dopo);
            double svolta = entrata.angleTo(uscita);
            if (svolta > 180)
                svolta = 360 - svolta;
            if (svolta > 25 && (vistoPrima || vistoDopo)) {
                const QPointF spostato = qui + ampiezza * tremolio(qui, fase);
                risultato.spigoli.emplace_back(spostato, spostato + spinta);
            }
        }
    }
    return risultato;
}

// How one letter leaves the regular shape of the font: turned about its middle, moved down (in font
// heights), made larger or smaller, and made wider than the font draws it.
struct Mano {
    double gradi;
    double giu;
    double scala;
    double largo = 1;
};

// The letter with its counters (the rings that lie inside another ring) grown by fattore about their own
// middles, so that they stay open once the block's depth and outline have eaten into them.
QPainterPath aperta(const QPainterPath& lettera, double fattore)
{
    const QList<QPolygonF> anelli = lettera.toSubpathPolygons();
    QPainterPath risultato;
    risultato.setFillRule(lettera.fillRule());
    for (qsizetype i = 0; i < anelli.size(); ++i) {
        QPolygonF anello = anelli[i];
        if (controforma(anelli, i)) {
            const QPointF centro = anello.boundingRect().center();
            anello = QTransform::fromTranslate(centro.x(), centro.y())
                         .scale(fattore, fattore)
                         .translate(-centro.x(), -centro.y())
                         .map(anello);
        }
        risultato.addPolygon(anello);
        risultato.closeSubpath();
    }
    return risultato;
}

// The letter's outline set with its origin at x on the baseline, drawn by that hand; larghezza and altezza
// stretch it on top of the hand's own scale.
QPainterPath aMano(const Glifo& g, const Mano& mano, double x, double corpo, double larghezza, double altezza)
{
    const QPointF centro = g.forma.boundingRect().center();
    QTransform t;
    t.translate(x + centro.x(), centro.y() + mano.giu * corpo);
    t.rotate(mano.gradi);
    t.scale(mano.scala * mano.largo * larghezza, mano.scala * altezza);
    t.translate(-centro.x(), -centro.y());
    return t.map(g.forma);
}

struct Riga {
    QString lettere;
    QColor colore;
    double altezza;     // height of the letters against the font's
    double spaziatura;  // room between letters, in font heights, besides what the blocks' depth needs
    std::vector<Mano> mani;
};

bool titolo(const QDir& cartella)
{
    constexpr double corpo = 1000;
    const std::optional<QRawFont> font = caricaFontGrezzo(fontBlocchi, corpo);
    if (!font)
        return false;

    // The name is broken by its syllables, ze-fi-ran-da: ZE / FI / RANDA.
    const std::array<Riga, 3> righe{{
        {QStringLiteral("ZE"), rosso, 1.0, 0.0, {{-5, 0.00, 1.00}, {4, 0.02, 0.97}}},
        // The I is drawn wider than the font's, as heavy as the F beside it.
        {QStringLiteral("FI"), verde, 1.0, 0.0, {{3, 0.01, 0.98}, {-3, -0.02, 1.03, 1.45}}},
        {QStringLiteral("RANDA"),
         blu,
         0.84,
         -0.04,
         {{5, 0.02, 0.99}, {-4, 0.02, 1.00}, {3, -0.01, 1.02}, {-3, 0.02, 0.97}, {5, 0.00, 1.01}}},
    }};
    constexpr double bordo = 115;         // black outline around each block
    constexpr double filo = 70;           // black lines between the faces of a block
    const QPointF profondita(-420, 380);  // the blocks go back towards the lower left
    constexpr double occhi = 1.5;         // how much wider the counters of the A are than the font's
    constexpr double occhiR = 1.3;        // and that of the R
    constexpr double tremito = 22;
    // Cream between two blocks, outlines and extruded sides included, measured where they come closest: the
    // letters are spaced by their drawn blocks, not by the font's advances, so every gap looks the same. A line's
    // sides reach down towards the line below, so the gap between lines makes room for the depth as well.
    constexpr double respiro = 230;
    const double staccoRighe = profondita.y() + 2 * bordo + 110;

    Tavola tavola(QSizeF(3.657, 2.357));
    const QSizeF spazio = tavola.unita();

    std::array<std::vector<QPainterPath>, 3> lettere;
    std::array<QRectF, 3> ingombri;
    for (size_t r = 0; r < righe.size(); ++r) {
        double x = 0;
        for (qsizetype i = 0; i < righe[r].lettere.size(); ++i) {
            Glifo g = glifo(*font, righe[r].lettere[i]);
            if (righe[r].lettere[i] == u'A')
                g.forma = aperta(g.forma, occhi);
            else if (righe[r].lettere[i] == u'R')
                g.forma = aperta(g.forma, occhiR);
            const Mano& mano = righe[r].mani[size_t(i)];
            lettere[r].push_back(aMano(g, mano, x + (mano.largo - 1) * g.avanzamento / 2, corpo, 1, righe[r].altezza));
            ingombri[r] = ingombri[r].united(lettere[r].back().boundingRect());
            x += g.avanzamento * mano.largo + righe[r].spaziatura * corpo;
        }
    }

    struct Pezzo {
        Blocco blocco;
        QColor colore;
    };
    struct Fila {
        std::vector<Pezzo> pezzi;  // left to right
        double sinistra = 0;       // where the ink begins and ends
        double destra = 0;
    };
    // A line at scale `scala` with its top at y, its blocks set one after another at an even distance. Each block
    // is drawn where the letter starts at x = 0, so that its wavering does not depend on where it ends up.
    const auto fila = [&](size_t r, double scala, double y) {
        constexpr double passo = 8;
        const QTransform posto = QTransform::fromTranslate(-ingombri[r].left(), -ingombri[r].top())
            * QTransform::fromScale(scala, scala) * QTransform::fromTranslate(0, y);
        Fila risultato;
        std::map<long, double> bordoDestro;  // scanline -> right end of the ink so far
        for (size_t i = 0; i < lettere[r].size(); ++i) {
            const QPainterPath lettera = posto.map(lettere[r][i]);
            Blocco b =
                blocco(lettera.translated(-lettera.boundingRect().left(), 0), profondita, tremito, double(3 * r + i));
            std::map<long, std::pair<double, double>> estremi;
            for (const QPolygonF& anello : cresci(b.solido, bordo).toFillPolygons()) {
                for (qsizetype k = 0; k + 1 < anello.size(); ++k) {
                    const QPointF p = anello[k];
                    const QPointF q = anello[k + 1];
                    for (long riga = long(std::ceil(std::min(p.y(), q.y()) / passo));
                         riga * passo <= std::max(p.y(), q.y()) && p.y() != q.y(); ++riga) {
                        const double xx = p.x() + (q.x() - p.x()) * (riga * passo - p.y()) / (q.y() - p.y());
                        auto [pos, nuovo] = estremi.try_emplace(riga, xx, xx);
                        if (!nuovo)
                            pos->second = {std::min(pos->second.first, xx), std::max(pos->second.second, xx)};
                    }
                }
            }
            double spostamento = -estremi.begin()->second.first;
            if (i > 0) {
                spostamento = -1e9;
                for (const auto& [riga, lati] : estremi)
                    if (const auto dove = bordoDestro.find(riga); dove != bordoDestro.end())
                        spostamento = std::max(spostamento, dove->second + respiro - lati.first);
            } else {
                for (const auto& [riga, lati] : estremi)
                    spostamento = std::max(spostamento, -lati.first);
                risultato.sinistra = 0;
            }
            for (const auto& [riga, lati] : estremi) {
                double& destra = bordoDestro.try_emplace(riga, -1e9).first->second;
                destra = std::max(destra, lati.second + spostamento);
                risultato.destra = std::max(risultato.destra, destra);
            }
            b.faccia.translate(spostamento, 0);
            b.solido.translate(spostamento, 0);
            for (QLineF& spigolo : b.spigoli)
                spigolo.translate(spostamento, 0);
            risultato.pezzi.push_back({std::move(b), righe[r].colore});
        }
        return risultato;
    };

    // The bottom line takes the whole width; the two above share, at one size, the height that is left.
    // Outlines, the blocks' depth and the gaps keep their size whatever the size of the letters, so the
    // bottom line's size is found by a few trials.
    double scalaBassa = (spazio.width() + profondita.x() - 2 * bordo - 4 * respiro) / ingombri[2].width();
    const auto scalaAlta = [&] {
        return (spazio.height() - 2 * bordo - profondita.y() - 2 * staccoRighe - scalaBassa * ingombri[2].height())
            / (ingombri[0].height() + ingombri[1].height());
    };
    const auto yBassa = [&] {
        return bordo + scalaAlta() * (ingombri[0].height() + ingombri[1].height()) + 2 * staccoRighe;
    };
    for (int prova = 0; prova < 6; ++prova) {
        const double fisso = fila(2, scalaBassa, yBassa()).destra - scalaBassa * ingombri[2].width();
        scalaBassa = (spazio.width() - fisso) / ingombri[2].width();
    }
    const std::array<double, 3> scale{scalaAlta(), scalaAlta(), scalaBassa};

    // Top line first and right to left, so that every block stands before the sides of those behind it.
    std::vector<Pezzo> pezzi;
    double y = bordo;
    for (size_t r = 0; r < righe.size(); ++r) {
        Fila f = fila(r, scale[r], y);
        const double sinistra = (spazio.width() - f.destra) / 2;
        for (size_t i = f.pezzi.size(); i-- > 0;) {
            Pezzo& pezzo = f.pezzi[i];
            pezzo.blocco.faccia.translate(sinistra, 0);
            pezzo.blocco.solido.translate(sinistra, 0);
            for (QLineF& spigolo : pezzo.blocco.spigoli)
                spigolo.translate(sinistra, 0);
            pezzi.push_back(std::move(pezzo));
        }
        y += scale[r] * ingombri[r].height() + staccoRighe;
    }

    // The sides of every block first, then every face over them.
    for (const Pezzo& pezzo : pezzi) {
        tavola.aggiungi(cresci(pezzo.blocco.solido, bordo), inchiostro);
        tavola.aggiungi(pezzo.blocco.solido, pezzo.colore);
        tavola.aggiungi(linee(pezzo.blocco.spigoli, filo), inchiostro);
    }
    for (const Pezzo& pezzo : pezzi) {
        tavola.aggiungi(cresci(pezzo.blocco.faccia, filo), inchiostro);
        tavola.aggiungi(pezzo.blocco.faccia, pezzo.colore);
    }
    tavola.riempi();
    return tavola.scrivi(cartella.filePath(QStringLiteral("titolo.svg")), 5);
}

bool vai(const QDir& cartella)
{
    constexpr double corpo = 1000;
    const std::optional<QRawFont> font = caricaFontGrezzo(fontPieno, corpo);
    if (!font)
        return false;
    Tavola tavola(QSizeF(1.162, 0.378));

    constexpr double stretto = 0.9;  // letters a little narrower than the font's, to leave room for the gap
    const std::array<Mano, 3> mani{{{-4, 0.01, 1.02}, {2, -0.02, 0.97}, {-3, 0.015, 1.0}}};
    const QString lettere = QStringLiteral("VAI");
    QPainterPath parola;
    parola.setFillRule(Qt::WindingFill);
    double x = 0;
    for (qsizetype i = 0; i < lettere.size(); ++i) {
        const Glifo g = glifo(*font, lettere[i]);
        parola.addPath(aMano(g, mani[size_t(i)], x, corpo, stretto, 1));
        // Tight after the V, whose arm reaches over the A; a little air after the A, whose
        // tilted foot would otherwise touch the I.
        const double dopo = lettere[i] == u'A' ? 0.03 : -0.02;
        x += (g.avanzamento + dopo * corpo) * stretto;
    }
    // The exclamation mark leans forward and closes the line, after a gap.
    QPainterPath esclamativo = QTransform(1, 0, -0.26, 1, 0, 0).map(glifo(*font, u'!').forma);
    const QRectF ingombro = parola.boundingRect();
    const double larghezza = ingombro.height() * tavola.unita().width() / tavola.unita().height();
    esclamativo.translate(ingombro.left() + larghezza - esclamativo.boundingRect().right(), 0);
    parola.addPath(esclamativo);

    tavola.aggiungi(aManoLibera(parola.simplified(), 6, 1.3), rosso);
    tavola.riempi();
    return tavola.scrivi(cartella.filePath(QStringLiteral("vai.svg")), 2);
}

bool firma(const QDir& cartella, const QString& testo)
{
    constexpr double corpo = 1000;
    const std::optional<QFont> font = caricaFont(fontCorsivo, corpo);
    if (!font)
        return false;
    Tavola tavola(QSizeF(0.857, 0.112));
    QFont largo = *font;
    largo.setLetterSpacing(QFont::AbsoluteSpacing, 0.05 * corpo);
    QPainterPath riga = QTransform(1, 0, -0.12, 1, 0, 0).map(scritta(largo, testo));
    riga.setFillRule(Qt::WindingFill);
    tavola.aggiungi(riga.simplified(), inchiostro);
    // About a pixel clear of every edge at 96 dots per inch, so that no stroke
    // ends cut off at the edge of the picture.
    tavola.riempi(0.012, 0.055);
    return tavola.scrivi(cartella.filePath(QStringLiteral("firma.svg")), 4);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication applicazione(argc, argv);
    QCommandLineParser opzioni;
    opzioni.addHelpOption();
    opzioni.addOption(
        {QStringLiteral("out"), QStringLiteral("Output folder."), QStringLiteral("DIR"), QStringLiteral(".")});
    opzioni.addOption({QStringLiteral("firma"), QStringLiteral("Words of the credit line."), QStringLiteral("TESTO"),
                       QStringLiteral("Studio Zefiranda")});
    opzioni.process(applicazione);
    QDir cartella(opzioni.value(QStringLiteral("out")));
    if (!cartella.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(cartella.path()));
        return 2;
    }
    const bool fatto = titolo(cartella) && vai(cartella) && firma(cartella, opzioni.value(QStringLiteral("firma")));
    return fatto ? 0 : 1;
}
