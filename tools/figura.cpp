// SPDX-License-Identifier: GPL-3.0-or-later
// zefiranda-figura: builds the program's cartoon figures from a readable description of their parts.
//
//   zefiranda-figura build DESCRIPTION OUT.svg
//   zefiranda-figura png DRAWING.svg OUT.png WIDTH HEIGHT [--bg RRGGBB] [--grid STEP]
//
// A description is a list of statements, one per line; a line that starts with blanks continues the one
// before it, and '#' starts a comment. Parts are painted in the order they are written, each over the ones
// before it; a part with an ink outline first paints the outline (the part grown by the ink width, in the
// ink colour), then the part itself.
//
//   size W H                      drawing space in units
//   inches W H                    natural size
//   pixels W H                    natural size in pixels instead, for a picture that has no size in inches
//   colour NAME RRGGBB            a named colour (RGB), or AARRGGBB for one that lets what lies
//                                 beneath show through (AA its opacity)
//   ink WIDTH [COLOUR]            default outline width and colour
//   shape COLOUR [opts] : PATH    a filled area; PATH is SVG path data (M L H V C S Q Z, also relative)
//                                 plus K (a smooth curve through the points that follow) and O (a smooth
//                                 closed loop through the points that follow) and E (an ellipse: centre,
//                                 radius, and a second radius when it is not a circle)
//   stroke COLOUR WIDTH [opts] : PATH    a line of even width with round ends, filled
//   brush COLOUR WIDTH [opts] : PATH     a line that swells in the middle and thins towards its ends;
//                                 unlike the others it has no ink outline unless ink= asks for one
//   region [opts] : PATH          an area that is only named (name=ID), for in= and out=; paints nothing
//   frame X Y [ANGLE [SCALE [SY]]]  the paths that follow are drawn turned by ANGLE degrees (clockwise) and
//                                 scaled about their own origin, which lands on X Y (SY < 0 mirrors them
//                                 top to bottom, SCALE < 0 left to right); frame alone ends this
//   silhouette WIDTH NAME...      the named parts together, grown by WIDTH, in ink (a heavier outer contour)
//
// Options: ink=W (outline width, 0 for none); name=ID (remember the area); in=ID (keep only what lies
// inside ID); out=ID (cut away what lies inside ID: a hole without an outline, where whatever lies beneath
// shows through); in= and out= take several names separated by commas; inany=A,B,... (keep only what lies
// inside at least one of them: a fill over several outlined parts makes them one mass, without the outlines
// between them); taper=S,E (brush widths at start and end, as fractions of the full width); widths=A,B,...
// (brush widths along the line, evenly spaced).
// Whatever reaches past the drawing space is cut at its edge.
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTextStream>
#include <QTransform>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

struct Errore : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// ---- path data ------------------------------------------------------------------------------------------

class LettorePercorso {
public:
    explicit LettorePercorso(const QString& testo)
        : testo_(testo)
    {
    }

    QPainterPath leggi()
    {
        QPainterPath percorso;
        percorso.setFillRule(Qt::WindingFill);
        QChar comando;
        QPointF corrente, inizio, ultimoControllo;
        QChar comandoPrecedente;
        while (true) {
            salta();
            if (pos_ >= testo_.size())
                break;
            const QChar c = testo_.at(pos_);
            if (c.isLetter()) {
                comando = c;
                ++pos_;
            } else if (comando.isNull()) {
                throw Errore("a command is missing before a number");
            }
            const bool relativo = comando.isLower();
            const QChar tipo = comando.toUpper();
            const QPointF base = relativo ? corrente : QPointF();
            if (tipo == 'Z') {
                percorso.closeSubpath();
                corrente = inizio;
                comandoPrecedente = tipo;
                comando = QChar();
                continue;
            }
            if (tipo == 'M') {
                corrente = punto(base);
                inizio = corrente;
                percorso.moveTo(corrente);
                comando = relativo ? QChar('l') : QChar('L');
            } else if (tipo == 'L') {
                corrente = punto(base);
                percorso.lineTo(corrente);
            } else if (tipo == 'H') {
                corrente.setX(numero() + (relativo ? corrente.x() : 0));
                percorso.lineTo(corrente);
            } else if (tipo == 'V') {
                corrente.setY(numero() + (relativo ? corrente.y() : 0));
                percorso.lineTo(corrente);
            } else if (tipo == 'C') {
                const QPointF a = punto(base), b = punto(base), fine = punto(base);
                percorso.cubicTo(a, b, fine);
                ultimoControllo = b;
                corrente = fine;
            } else if (tipo == 'S') {
                const QPointF a =
                    (comandoPrecedente == 'C' || comandoPrecedente == 'S') ? 2 * corrente - ultimoControllo : corrente;
                const QPointF b = punto(base), fine = punto(base);
                percorso.cubicTo(a, b, fine);
                ultimoControllo = b;
                corrente = fine;
            } else if (tipo == 'Q') {
                const QPointF a = punto(base), fine = punto(base);
                percorso.quadTo(a, fine);
                corrente = fine;
            } else if (tipo == 'E') {
                // An ellipse of its own: centre, then the two radii (one radius for a circle).
                const QPointF centro = punto(relativo ? corrente : QPointF());
                const double rx = numero();
                const double ry = altroNumero() ? numero() : rx;
                percorso.addEllipse(centro, rx, ry);
                corrente = centro;
                comando = QChar();
            } else if (tipo == 'K' || tipo == 'O') {
                // A smooth curve through all the points that follow; O closes it smoothly into a loop
                // of its own.
                std::vector<QPointF> nodi;
                if (tipo == 'K')
                    nodi.push_back(corrente);
                do
                    nodi.push_back(punto(relativo ? corrente : QPointF()));
                while (altroNumero());
                if (tipo == 'O') {
                    percorso.moveTo(nodi.front());
                    inizio = nodi.front();
                }
                curvaLiscia(percorso, nodi, tipo == 'O');
                corrente = tipo == 'O' ? nodi.front() : nodi.back();
                comando = QChar();
            } else {
                throw Errore(QStringLiteral("unknown path command %1").arg(comando).toStdString());
            }
            comandoPrecedente = tipo;
        }
        return percorso;
    }

private:
    // Catmull-Rom spline through the knots, as cubic curves.
    static void curvaLiscia(QPainterPath& percorso, const std::vector<QPointF>& nodi, bool chiusa)
    {
        const size_t n = nodi.size();
        if (n < 2)
            return;
        auto nodo = [&](long i) {
            if (chiusa)
                return nodi[(i % long(n) + long(n)) % long(n)];
            return nodi[std::clamp<long>(i, 0, long(n) - 1)];
        };
        const size_t tratti = chiusa ? n : n - 1;
        for (size_t i = 0; i < tratti; ++i) {
            const QPointF p0 = nodo(long(i) - 1), p1 = nodo(long(i)), p2 = nodo(long(i) + 1), p3 = nodo(long(i) + 2);
            percorso.cubicTo(p1 + (p2 - p0) / 6, p2 - (p3 - p1) / 6, p2);
        }
        if (chiusa)
            percorso.closeSubpath();
    }

    bool altroNumero()
    {
        salta();
        if (pos_ >= testo_.size())
            return false;
        const QChar c = testo_.at(pos_);
        return c.isDigit() || c == '-' || c == '+' || c == '.';
    }

    void salta()
    {
        while (pos_ < testo_.size() && (testo_.at(pos_).isSpace() || testo_.at(pos_) == ','))
            ++pos_;
    }

    double numero()
    {
        salta();
        static const QRegularExpression formato(QStringLiteral("[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"));
        const auto trovato =
            formato.match(testo_, pos_, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!trovato.hasMatch())
            throw Errore(QStringLiteral("number expected at '%1'").arg(testo_.mid(pos_, 20)).toStdString());
        pos_ += trovato.capturedLength();
        return trovato.captured().toDouble();
    }

    QPointF punto(const QPointF& base)
    {
        const double x = numero();
        const double y = numero();
        return base + QPointF(x, y);
    }

    QString testo_;
    qsizetype pos_ = 0;
};

// ---- geometry -------------------------------------------------------------------------------------------

// The area grown by `larghezza` all round.
QPainterPath ingrossa(const QPainterPath& area, double larghezza)
{
    if (larghezza <= 0)
        return area;
    QPainterPathStroker bordo;
    bordo.setWidth(2 * larghezza);
    bordo.setJoinStyle(Qt::RoundJoin);
    bordo.setCapStyle(Qt::RoundCap);
    return bordo.createStroke(area).united(area);
}

// A line `larghezza` wide, with round ends and joins, as an area.
QPainterPath tratto(const QPainterPath& linea, double larghezza)
{
    QPainterPathStroker stroker;
    stroker.setWidth(larghezza);
    stroker.setJoinStyle(Qt::RoundJoin);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(linea).simplified();
}

// The runs of a line between its corners (where its direction turns by more than 15 degrees).
std::vector<QPainterPath> corse(const QPainterPath& linea)
{
    auto unitario = [](QPointF d) {
        const double m = std::hypot(d.x(), d.y());
        return m > 0 ? d / m : QPointF();
    };
    std::vector<QPainterPath> risultato;
    QPointF corrente, ultimaUscita;
    bool aperta = false;
    for (int i = 0; i < linea.elementCount(); ++i) {
        const QPainterPath::Element e = linea.elementAt(i);
        if (e.isMoveTo()) {
            corrente = e;
            aperta = false;
            continue;
        }
        QPointF entrata, uscita, a, b, fine;
        const bool curva = e.isCurveTo();
        if (curva) {
            a = e;
            b = linea.elementAt(i + 1);
            fine = linea.elementAt(i + 2);
            i += 2;
            entrata = unitario((a == corrente ? b : a) - corrente);
            uscita = unitario(fine - (b == fine ? a : b));
        } else {
            fine = e;
            entrata = uscita = unitario(fine - corrente);
        }
        if (entrata.isNull())
            continue;
        if (!aperta || QPointF::dotProduct(entrata, ultimaUscita) < std::cos(M_PI / 12)) {
            risultato.emplace_back(corrente);
            aperta = true;
        }
        if (curva)
            risultato.back().cubicTo(a, b, fine);
        else
            risultato.back().lineTo(fine);
        ultimaUscita = uscita;
        corrente = fine;
    }
    return risultato;
}

// A line whose width, as a fraction of `larghezza`, is `profilo` of the fraction of its length; round ends,
// and round joins at its corners.
QPainterPath pennellata(const QPainterPath& linea, double larghezza, const std::function<double(double)>& profilo)
{
    const double totale = linea.length();
    QPainterPath risultato;
    double percorsa = 0;
    for (const QPainterPath& corsa : corse(linea)) {
        const double lunghezza = corsa.length();
        const int passi = std::max(8, int(lunghezza / 25));
        std::vector<QPointF> sinistra, destra;
        QPointF primaDirezione, ultimaDirezione;
        double primoRaggio = 0, ultimoRaggio = 0;
        for (int i = 0; i <= passi; ++i) {
            const double s = lunghezza * i / passi;
            const QPointF p = corsa.pointAtPercent(corsa.percentAtLength(s));
            QPointF direzione = corsa.pointAtPercent(corsa.percentAtLength(std::min(lunghezza, s + 5)))
                - corsa.pointAtPercent(corsa.percentAtLength(std::max(0.0, s - 5)));
            const double modulo = std::hypot(direzione.x(), direzione.y());
            direzione = modulo > 0 ? direzione / modulo : QPointF(1, 0);
            const double w = larghezza * profilo(totale > 0 ? std::clamp((percorsa + s) / totale, 0.0, 1.0) : 0) / 2;
            if (i == 0) {
                primaDirezione = direzione;
                primoRaggio = w;
            }
            ultimaDirezione = direzione;
            ultimoRaggio = w;
            const QPointF normale(-direzione.y(), direzione.x());
            sinistra.push_back(p + normale * w);
            destra.push_back(p - normale * w);
        }
        QPolygonF contorno;
        auto cappuccio = [&](const QPointF& centro, const QPointF& direzione, double raggio) {
            if (raggio < 1)
                return;
            const QPointF normale(-direzione.y(), direzione.x());
            for (int k = 1; k < 12; ++k) {
                const double a = M_PI * k / 12;
                contorno << centro + normale * (raggio * std::cos(a)) + direzione * (raggio * std::sin(a));
            }
        };
        for (const QPointF& p : sinistra)
            contorno << p;
        cappuccio(corsa.pointAtPercent(1), ultimaDirezione, ultimoRaggio);
        for (auto it = destra.rbegin(); it != destra.rend(); ++it)
            contorno << *it;
        cappuccio(corsa.pointAtPercent(0), -primaDirezione, primoRaggio);
        QPainterPath pezzo;
        pezzo.setFillRule(Qt::WindingFill);
        pezzo.addPolygon(contorno);
        pezzo.closeSubpath();
        risultato = risultato.united(pezzo.simplified());
        percorsa += lunghezza;
    }
    return risultato;
}

// Douglas-Peucker on one closed ring.
void semplifica(const std::vector<QPointF>& punti, size_t da, size_t a, double tolleranza, std::vector<bool>& tieni)
{
    if (a <= da + 1)
        return;
    const QPointF p = punti[da], q = punti[a];
    const QPointF d = q - p;
    const double l = std::hypot(d.x(), d.y());
    double massimo = -1;
    size_t indice = da;
    for (size_t i = da + 1; i < a; ++i) {
        const QPointF v = punti[i] - p;
        const double distanza = l > 0 ? std::abs(d.x() * v.y() - d.y() * v.x()) / l : std::hypot(v.x(), v.y());
        if (distanza > massimo) {
            massimo = distanza;
            indice = i;
        }
    }
    if (massimo > tolleranza) {
        tieni[indice] = true;
        semplifica(punti, da, indice, tolleranza, tieni);
        semplifica(punti, indice, a, tolleranza, tieni);
    }
}

// ---- SVG writing ----------------------------------------------------------------------------------------

QString intero(double v)
{
    return QString::number(qRound(v));
}

QString coppia(const QPointF& p)
{
    return intero(p.x()) + ' ' + intero(p.y());
}

// Path data of a path whose curves were flattened: straight segments only, thinned out.
QString datiPoligoni(const QPainterPath& percorso)
{
    QString dati;
    for (const QPolygonF& anello : percorso.toSubpathPolygons()) {
        std::vector<QPointF> punti(anello.begin(), anello.end());
        if (punti.size() > 1 && punti.front() == punti.back())
            punti.pop_back();
        if (punti.size() < 3)
            continue;
        // Split the ring at its point farthest from the first one, then thin out both halves.
        size_t lontano = 0;
        double massimo = -1;
        for (size_t i = 0; i < punti.size(); ++i) {
            const QPointF d = punti[i] - punti[0];
            if (d.x() * d.x() + d.y() * d.y() > massimo) {
                massimo = d.x() * d.x() + d.y() * d.y();
                lontano = i;
            }
        }
        punti.push_back(punti.front());
        std::vector<bool> tieni(punti.size(), false);
        tieni[0] = tieni[lontano] = tieni.back() = true;
        semplifica(punti, 0, lontano, 2.5, tieni);
        semplifica(punti, lontano, punti.size() - 1, 2.5, tieni);
        QString anelloDati;
        int quanti = 0;
        QPoint ultimo(INT_MIN, INT_MIN);
        for (size_t i = 0; i + 1 < punti.size(); ++i) {
            if (!tieni[i])
                continue;
            const QPoint p = punti[i].toPoint();
            if (p == ultimo)
                continue;
            anelloDati += (quanti == 0 ? QStringLiteral("M") : QStringLiteral("L")) + coppia(p);
            ultimo = p;
            ++quanti;
        }
        if (quanti >= 3)
            dati += anelloDati + 'Z';
    }
    return dati;
}

// Path data that keeps the curves as they were written.
QString datiCurve(const QPainterPath& percorso)
{
    QString dati;
    QPointF inizio;
    for (int i = 0; i < percorso.elementCount(); ++i) {
        const QPainterPath::Element e = percorso.elementAt(i);
        if (e.isMoveTo()) {
            if (!dati.isEmpty() && !dati.endsWith('Z'))
                dati += 'Z';
            dati += 'M' + coppia(e);
            inizio = e;
        } else if (e.isLineTo()) {
            const bool chiude = (i + 1 == percorso.elementCount() || percorso.elementAt(i + 1).isMoveTo())
                && QPointF(e).toPoint() == inizio.toPoint();
            dati += chiude ? QStringLiteral("Z") : 'L' + coppia(e);
        } else if (e.isCurveTo()) {
            dati += 'C' + coppia(e) + ' ' + coppia(percorso.elementAt(i + 1)) + ' ' + coppia(percorso.elementAt(i + 2));
            i += 2;
        }
    }
    if (!dati.isEmpty() && !dati.endsWith('Z'))
        dati += 'Z';
    return dati;
}

struct Forma {
    QColor colore;
    QPainterPath percorso;
    bool appiattita;  // true when its curves were flattened by an operation on areas
};

// ---- description ----------------------------------------------------------------------------------------

struct Istruzione {
    QString verbo;
    QStringList argomenti;
    QHash<QString, QString> opzioni;
    QString percorso;
    int riga = 0;
};

std::vector<Istruzione> leggiDescrizione(const QString& file)
{
    QFile ingresso(file);
    if (!ingresso.open(QIODevice::ReadOnly | QIODevice::Text))
        throw Errore("cannot read " + file.toStdString());
    std::vector<std::pair<int, QString>> righe;
    int numero = 0;
    for (QString riga : QString::fromUtf8(ingresso.readAll()).split('\n')) {
        ++numero;
        const qsizetype commento = riga.indexOf('#');
        if (commento >= 0)
            riga.truncate(commento);
        if (riga.trimmed().isEmpty())
            continue;
        if (riga.at(0).isSpace() && !righe.empty())
            righe.back().second += ' ' + riga.trimmed();
        else
            righe.emplace_back(numero, riga.trimmed());
    }
    std::vector<Istruzione> istruzioni;
    for (const auto& [n, testo] : righe) {
        Istruzione istruzione;
        istruzione.riga = n;
        QString testa = testo;
        const qsizetype duePunti = testo.indexOf(':');
        if (duePunti >= 0) {
            testa = testo.left(duePunti);
            istruzione.percorso = testo.mid(duePunti + 1);
        }
        const QStringList parole = testa.split(' ', Qt::SkipEmptyParts);
        istruzione.verbo = parole.value(0);
        for (qsizetype i = 1; i < parole.size(); ++i) {
            const qsizetype uguale = parole[i].indexOf('=');
            if (uguale > 0)
                istruzione.opzioni.insert(parole[i].left(uguale), parole[i].mid(uguale + 1));
            else
                istruzione.argomenti << parole[i];
        }
        istruzioni.push_back(istruzione);
    }
    return istruzioni;
}

class Figura {
public:
    void costruisci(const std::vector<Istruzione>& istruzioni)
    {
        // First the areas, so that a silhouette may name parts written after it.
        std::vector<std::optional<QPainterPath>> aree(istruzioni.size());
        std::vector<QPainterPath> senzaFori(istruzioni.size());
        for (size_t i = 0; i < istruzioni.size(); ++i) {
            const Istruzione& s = istruzioni[i];
            try {
                aree[i] = area(s, senzaFori[i]);
                if (aree[i] && s.opzioni.contains(QStringLiteral("name"))) {
                    const QString nome = s.opzioni.value(QStringLiteral("name"));
                    nomi_.insert(nome, *aree[i]);
                    interi_.insert(nome, senzaFori[i]);
                    if (s.opzioni.contains(QStringLiteral("out")))
                        fori_.insert(nome, s.opzioni.value(QStringLiteral("out")).split(','));
                }
            } catch (const Errore& e) {
                throw Errore("line " + std::to_string(s.riga) + ": " + e.what());
            }
        }
        for (size_t i = 0; i < istruzioni.size(); ++i) {
            const Istruzione& s = istruzioni[i];
            try {
                if (s.verbo == QLatin1String("silhouette")) {
                    // The parts whole, their holes cut again afterwards.
                    QPainterPath insieme;
                    insieme.setFillRule(Qt::WindingFill);
                    QStringList fori;
                    for (const QString& nome : s.argomenti.mid(1)) {
                        nominata(nome);
                        insieme = insieme.united(interi_.value(nome));
                        fori += fori_.value(nome);
                    }
                    QPainterPath contorno = ingrossa(insieme, numero(s.argomenti.value(0)));
                    for (const QString& foro : fori)
                        contorno = contorno.subtracted(nominata(foro));
                    aggiungi(coloreInchiostro_, contorno, true);
                    continue;
                }
                if (!aree[i] || s.verbo == QLatin1String("region"))
                    continue;
                const double contorno = s.opzioni.contains(QStringLiteral("ink"))
                    ? numero(s.opzioni.value(QStringLiteral("ink")))
                    : (s.verbo == QLatin1String("brush") ? 0 : inchiostro_);
                if (contorno > 0) {
                    QPainterPath bordo = ingrossa(senzaFori[i], contorno);
                    if (s.opzioni.contains(QStringLiteral("out")))
                        for (const QString& nome : s.opzioni.value(QStringLiteral("out")).split(','))
                            bordo = bordo.subtracted(nominata(nome));
                    aggiungi(coloreInchiostro_, bordo, true);
                }
                const bool operata = s.verbo != QLatin1String("shape") || s.opzioni.contains(QStringLiteral("in"))
                    || s.opzioni.contains(QStringLiteral("inany")) || s.opzioni.contains(QStringLiteral("out"));
                aggiungi(colore(s.argomenti.value(0)), *aree[i], operata);
            } catch (const Errore& e) {
                throw Errore("line " + std::to_string(s.riga) + ": " + e.what());
            }
        }
    }

    QString svg() const
    {
        QString testo;
        QTextStream uscita(&testo);
        uscita << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
               << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" width=\""
               << pollici_.width() << unita_ << "\" height=\"" << pollici_.height() << unita_ << "\" viewBox=\"0 0 "
               << spazio_.width() << ' ' << spazio_.height() << "\" preserveAspectRatio=\"none\">\n";
        for (const Forma& f : forme_) {
            const QString dati = f.appiattita ? datiPoligoni(f.percorso) : datiCurve(f.percorso);
            if (dati.isEmpty())
                continue;
            uscita << "<path fill=\"" << f.colore.name() << '"';
            if (f.colore.alpha() < 255)
                uscita << " fill-opacity=\"" << f.colore.alphaF() << '"';
            if (f.appiattita || f.percorso.fillRule() == Qt::OddEvenFill)
                uscita << " fill-rule=\"evenodd\"";
            uscita << " d=\"" << dati << "\"/>\n";
        }
        uscita << "</svg>\n";
        return testo;
    }

private:
    // The area of a statement; `senzaFori` receives it before out= cut its holes, for the ink outline.
    std::optional<QPainterPath> area(const Istruzione& s, QPainterPath& senzaFori)
    {
        if (s.verbo == QLatin1String("size")) {
            spazio_ = QSizeF(numero(s.argomenti.value(0)), numero(s.argomenti.value(1)));
            return std::nullopt;
        }
        if (s.verbo == QLatin1String("inches") || s.verbo == QLatin1String("pixels")) {
            pollici_ = QSizeF(numero(s.argomenti.value(0)), numero(s.argomenti.value(1)));
            unita_ = s.verbo == QLatin1String("inches") ? QStringLiteral("in") : QString();
            return std::nullopt;
        }
        if (s.verbo == QLatin1String("colour")) {
            const QColor c(QLatin1Char('#') + s.argomenti.value(1));
            if (!c.isValid())
                throw Errore("bad colour");
            colori_.insert(s.argomenti.value(0), c);
            return std::nullopt;
        }
        if (s.verbo == QLatin1String("ink")) {
            inchiostro_ = numero(s.argomenti.value(0));
            if (s.argomenti.size() > 1)
                coloreInchiostro_ = colore(s.argomenti.value(1));
            return std::nullopt;
        }
        if (s.verbo == QLatin1String("frame")) {
            cornice_ = QTransform();
            if (!s.argomenti.isEmpty()) {
                cornice_.translate(numero(s.argomenti.value(0)), numero(s.argomenti.value(1)));
                cornice_.rotate(s.argomenti.size() > 2 ? numero(s.argomenti.value(2)) : 0);
                const double scala = s.argomenti.size() > 3 ? numero(s.argomenti.value(3)) : 1;
                cornice_.scale(scala, s.argomenti.size() > 4 ? numero(s.argomenti.value(4)) : scala);
            }
            return std::nullopt;
        }
        if (s.verbo == QLatin1String("silhouette"))
            return std::nullopt;
        const QPainterPath linea = cornice_.map(LettorePercorso(s.percorso).leggi());
        QPainterPath risultato;
        if (s.verbo == QLatin1String("shape")) {
            risultato = linea;
        } else if (s.verbo == QLatin1String("region")) {
            risultato = linea;
            if (!s.opzioni.contains(QStringLiteral("name")))
                throw Errore("a region needs a name");
        } else if (s.verbo == QLatin1String("stroke")) {
            risultato = tratto(linea, numero(s.argomenti.value(1)));
        } else if (s.verbo == QLatin1String("brush")) {
            risultato = pennellata(linea, numero(s.argomenti.value(1)), profilo(s));
        } else {
            throw Errore("unknown statement " + s.verbo.toStdString());
        }
        if (s.verbo != QLatin1String("region"))
            colore(s.argomenti.value(0));
        if (s.opzioni.contains(QStringLiteral("in")))
            for (const QString& nome : s.opzioni.value(QStringLiteral("in")).split(','))
                risultato = risultato.intersected(nominata(nome));
        if (s.opzioni.contains(QStringLiteral("inany"))) {
            QPainterPath insieme;
            insieme.setFillRule(Qt::WindingFill);
            for (const QString& nome : s.opzioni.value(QStringLiteral("inany")).split(','))
                insieme = insieme.united(nominata(nome));
            risultato = risultato.intersected(insieme);
        }
        senzaFori = risultato;
        if (s.opzioni.contains(QStringLiteral("out")))
            for (const QString& nome : s.opzioni.value(QStringLiteral("out")).split(','))
                risultato = risultato.subtracted(nominata(nome));
        return risultato;
    }

    // Widths along a brush line: widths=A,B,C... spaced evenly from start to end, or taper=S,E for a
    // line that swells from S to full width in the middle and back to E.
    static std::function<double(double)> profilo(const Istruzione& s)
    {
        if (s.opzioni.contains(QStringLiteral("widths"))) {
            std::vector<double> valori;
            for (const QString& v : s.opzioni.value(QStringLiteral("widths")).split(','))
                valori.push_back(numero(v));
            if (valori.size() < 2)
                throw Errore("widths wants two values or more");
            return [valori](double t) {
                const double x = t * (valori.size() - 1);
                const size_t i = std::min(size_t(x), valori.size() - 2);
                return valori[i] + (valori[i + 1] - valori[i]) * (x - i);
            };
        }
        const QStringList estremi = s.opzioni.value(QStringLiteral("taper"), QStringLiteral("0.15,0.15")).split(',');
        const double inizio = numero(estremi.value(0)), fine = numero(estremi.value(1));
        return [inizio, fine](double t) {
            const double g = std::pow(std::max(0.0, std::sin(M_PI * t)), 0.6);
            return 1 - (1 - g) * (1 - (t < 0.5 ? inizio : fine));
        };
    }

    void aggiungi(const QColor& c, QPainterPath percorso, bool appiattita)
    {
        const QRectF tela(QPointF(0, 0), spazio_);
        if (!tela.contains(percorso.boundingRect())) {
            QPainterPath taglio;
            taglio.addRect(tela);
            percorso = percorso.intersected(taglio);
            appiattita = true;
        }
        if (!percorso.isEmpty())
            forme_.push_back({c, percorso, appiattita});
    }

    QPainterPath nominata(const QString& nome) const
    {
        if (!nomi_.contains(nome))
            throw Errore("no part named " + nome.toStdString());
        return nomi_.value(nome);
    }

    QColor colore(const QString& nome) const
    {
        if (!colori_.contains(nome))
            throw Errore("unknown colour " + nome.toStdString());
        return colori_.value(nome);
    }

    static double numero(const QString& testo)
    {
        bool ok = false;
        const double v = testo.toDouble(&ok);
        if (!ok)
            throw Errore("number expected, found '" + testo.toStdString() + "'");
        return v;
    }

    QTransform cornice_;
    QSizeF spazio_{16000, 16000};
    QSizeF pollici_{1, 1};
    QString unita_{QStringLiteral("in")};
    double inchiostro_ = 100;
    QColor coloreInchiostro_{Qt::black};
    QHash<QString, QColor> colori_;
    QHash<QString, QPainterPath> nomi_;
    QHash<QString, QPainterPath> interi_;  // the named parts before their holes were cut
    QHash<QString, QStringList> fori_;     // the regions cut out of each named part
    std::vector<Forma> forme_;
};

int costruisci(const QString& descrizione, const QString& uscita)
{
    Figura figura;
    figura.costruisci(leggiDescrizione(descrizione));
    QFile file(uscita);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate))
        throw Errore("cannot write " + uscita.toStdString());
    file.write(figura.svg().toUtf8());
    return 0;
}

int anteprima(const QStringList& argomenti)
{
    if (argomenti.size() < 6)
        throw Errore("png DRAWING.svg OUT.png WIDTH HEIGHT [--bg RRGGBB] [--grid STEP]");
    QSvgRenderer disegno(argomenti[2]);
    if (!disegno.isValid())
        throw Errore("cannot read " + argomenti[2].toStdString());
    QImage immagine(argomenti[4].toInt(), argomenti[5].toInt(), QImage::Format_ARGB32);
    immagine.fill(Qt::transparent);
    const qsizetype sfondo = argomenti.indexOf(QStringLiteral("--bg"));
    if (sfondo > 0)
        immagine.fill(QColor(QLatin1Char('#') + argomenti.value(sfondo + 1)));
    QPainter pittore(&immagine);
    pittore.setRenderHint(QPainter::Antialiasing);
    disegno.render(&pittore, QRectF(immagine.rect()));
    const qsizetype griglia = argomenti.indexOf(QStringLiteral("--grid"));
    if (griglia > 0) {
        const double passo = argomenti.value(griglia + 1).toDouble();
        const QRectF vista = disegno.viewBoxF();
        const double sx = immagine.width() / vista.width(), sy = immagine.height() / vista.height();
        pittore.setFont(QFont(QStringLiteral("DejaVu Sans"), 7));
        for (double x = 0; x <= vista.width(); x += passo) {
            pittore.setPen(QColor(0, 0, 255, 90));
            pittore.drawLine(QPointF(x * sx, 0), QPointF(x * sx, immagine.height()));
            pittore.setPen(Qt::blue);
            pittore.drawText(QPointF(x * sx + 2, 10), QString::number(x));
        }
        for (double y = 0; y <= vista.height(); y += passo) {
            pittore.setPen(QColor(0, 0, 255, 90));
            pittore.drawLine(QPointF(0, y * sy), QPointF(immagine.width(), y * sy));
            pittore.setPen(Qt::blue);
            pittore.drawText(QPointF(2, y * sy - 2), QString::number(y));
        }
    }
    pittore.end();
    if (!immagine.save(argomenti[3]))
        throw Errore("cannot write " + argomenti[3].toStdString());
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList argomenti;
    for (int i = 0; i < argc; ++i)
        argomenti << QString::fromLocal8Bit(argv[i]);
    try {
        if (argomenti.value(1) == QLatin1String("build") && argomenti.size() == 4)
            return costruisci(argomenti[2], argomenti[3]);
        if (argomenti.value(1) == QLatin1String("png")) {
            // Only the preview paints, and painting wants a GUI application.
            qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
            QGuiApplication applicazione(argc, argv);
            return anteprima(argomenti);
        }
    } catch (const Errore& e) {
        std::fprintf(stderr, "zefiranda-figura: %s\n", e.what());
        return 1;
    }
    std::fprintf(stderr,
                 "usage: zefiranda-figura build DESCRIPTION OUT.svg\n"
                 "       zefiranda-figura png DRAWING.svg OUT.png WIDTH HEIGHT [--bg RRGGBB] [--grid STEP]\n");
    return 2;
}
