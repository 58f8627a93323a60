// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/lettering/tavola.h"

#include <QFile>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <vector>

namespace zefiranda::scritte {

namespace {

constexpr double latoLungo = 16000;

double distanzaDalSegmento(QPointF p, QPointF a, QPointF b)
{
    const QPointF ab = b - a;
    const double lunghezza2 = QPointF::dotProduct(ab, ab);
    if (lunghezza2 == 0)
        return std::hypot(p.x() - a.x(), p.y() - a.y());
    const double t = std::clamp(QPointF::dotProduct(p - a, ab) / lunghezza2, 0.0, 1.0);
    const QPointF vicino = a + t * ab;
    return std::hypot(p.x() - vicino.x(), p.y() - vicino.y());
}

// Douglas-Peucker on the open run punti[da..a], keeping the ends.
void semplifica(const std::vector<QPointF>& punti, size_t da, size_t a, double tolleranza, std::vector<bool>& tieni)
{
    if (a <= da + 1)
        return;
    double peggiore = -1;
    size_t indice = da;
    for (size_t i = da + 1; i < a; ++i) {
        const double d = distanzaDalSegmento(punti[i], punti[da], punti[a]);
        if (d > peggiore) {
            peggiore = d;
            indice = i;
        }
    }
    if (peggiore <= tolleranza)
        return;
    tieni[indice] = true;
    semplifica(punti, da, indice, tolleranza, tieni);
    semplifica(punti, indice, a, tolleranza, tieni);
}

}  // namespace

std::vector<QPoint> anelloSemplificato(const QPolygonF& poligono, double tolleranza)
{
    std::vector<QPointF> punti(poligono.begin(), poligono.end());
    while (punti.size() > 1 && punti.front() == punti.back())
        punti.pop_back();
    if (punti.size() < 3)
        return {};
    // A closed ring is split at its first point and at the point farthest from it.
    size_t lontano = 0;
    double distanza = -1;
    for (size_t i = 1; i < punti.size(); ++i) {
        const double d = std::hypot(punti[i].x() - punti[0].x(), punti[i].y() - punti[0].y());
        if (d > distanza) {
            distanza = d;
            lontano = i;
        }
    }
    punti.push_back(punti.front());
    std::vector<bool> tieni(punti.size(), false);
    tieni[0] = tieni[lontano] = true;
    semplifica(punti, 0, lontano, tolleranza, tieni);
    semplifica(punti, lontano, punti.size() - 1, tolleranza, tieni);
    punti.pop_back();

    std::vector<QPoint> interi;
    for (size_t i = 0; i < punti.size(); ++i) {
        if (!tieni[i])
            continue;
        const QPoint p(qRound(punti[i].x()), qRound(punti[i].y()));
        if (interi.empty() || interi.back() != p)
            interi.push_back(p);
    }
    while (interi.size() > 1 && interi.front() == interi.back())
        interi.pop_back();
    if (interi.size() < 3)
        return {};
    double area = 0;
    for (size_t i = 0; i < interi.size(); ++i) {
        const QPoint& p = interi[i];
        const QPoint& q = interi[(i + 1) % interi.size()];
        area += double(p.x()) * q.y() - double(q.x()) * p.y();
    }
    if (std::abs(area) / 2 < 4 * tolleranza * tolleranza)
        return {};
    return interi;
}

Tavola::Tavola(QSizeF pollici)
    : pollici_(pollici)
{
    if (pollici.width() >= pollici.height())
        unita_ = QSize(int(latoLungo), qRound(latoLungo * pollici.height() / pollici.width()));
    else
        unita_ = QSize(qRound(latoLungo * pollici.width() / pollici.height()), int(latoLungo));
}

void Tavola::aggiungi(const QPainterPath& forma, const QColor& colore)
{
    forme_.push_back({forma, colore});
}

void Tavola::riempi(double margineX, double margineY)
{
    QRectF limiti;
    for (const Forma& forma : forme_)
        limiti = limiti.united(forma.tracciato.boundingRect());
    if (limiti.isEmpty())
        return;
    const QSizeF dentro(unita_.width() * (1 - 2 * margineX), unita_.height() * (1 - 2 * margineY));
    const QTransform adattamento = QTransform::fromTranslate(-limiti.left(), -limiti.top())
        * QTransform::fromScale(dentro.width() / limiti.width(), dentro.height() / limiti.height())
        * QTransform::fromTranslate(unita_.width() * margineX, unita_.height() * margineY);
    for (Forma& forma : forme_)
        forma.tracciato = adattamento.map(forma.tracciato);
}

QString datiTracciato(const QPainterPath& forma, double tolleranza)
{
    QString dati;
    QTextStream testo(&dati);
    for (const QPolygonF& poligono : forma.toSubpathPolygons()) {
        const std::vector<QPoint> punti = anelloSemplificato(poligono, tolleranza);
        if (punti.empty())
            continue;
        testo << 'M' << punti[0].x() << ' ' << punti[0].y() << 'l';
        for (size_t i = 1; i < punti.size(); ++i) {
            const QPoint passo = punti[i] - punti[i - 1];
            if (i > 1 && passo.x() >= 0)
                testo << ' ';
            testo << passo.x();
            if (passo.y() >= 0)
                testo << ' ';
            testo << passo.y();
        }
        testo << 'z';
    }
    return dati;
}

bool Tavola::scrivi(const QString& percorso, double tolleranza) const
{
    QFile file(percorso);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    QTextStream svg(&file);
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << pollici_.width() << "in\" height=\""
        << pollici_.height() << "in\" viewBox=\"0 0 " << unita_.width() << ' ' << unita_.height() << "\">\n";
    for (const Forma& forma : forme_) {
        const QString dati = datiTracciato(forma.tracciato.simplified(), tolleranza);
        if (dati.isEmpty())
            continue;
        svg << "<path fill=\"" << forma.colore.name() << "\" fill-rule=\"evenodd\" d=\"" << dati << "\"/>\n";
    }
    svg << "</svg>\n";
    return svg.status() == QTextStream::Ok && file.flush();
}

}  // namespace zefiranda::scritte
