// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/scheda.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSaveFile>

#include <algorithm>

namespace zefiranda {

namespace {

// The ink of the boxes, of the text and of the arrows' outline on paper.
constexpr QColor inchiostro(31, 26, 23);

// The page, in points: margins, header, footer.
constexpr double margine = 30;
constexpr double cimaCorpo = 96;
constexpr double piedeCorpo = 40;

// The grid on paper: the window's box centres, with boxes large enough for a
// child's handwriting, and the arrows between them, 105 twips clear of each box.
constexpr double passoGriglia = 2040;
constexpr double latoCasella = 855;
constexpr double staccoFreccia = 105;
constexpr double spessoreFreccia = 255;
constexpr QPointF centroTxt1(1207.5, 2167.5);
constexpr QRectF casellaGialla(5520, 640, 1150, 620);

QRectF casella(int indice)
{
    const int riga = indice / 3;
    const QPointF centro = centroTxt1 + QPointF(passoGriglia * (indice % 3), passoGriglia * riga);
    return {centro.x() - latoCasella / 2, centro.y() - latoCasella / 2, latoCasella, latoCasella};
}

std::array<FrecciaRete, 19> calcolaFrecce()
{
    std::array<FrecciaRete, 19> frecce{};
    std::size_t n = 0;
    const double lungo = passoGriglia - latoCasella - 2 * staccoFreccia;
    for (int riga = 0; riga < 3; ++riga)
        for (int colonna = 0; colonna < 2; ++colonna) {
            const QRectF da = casella(riga * 3 + colonna);
            frecce.at(n++) = {
                Freccia::Blu,
                {da.right() + staccoFreccia, da.center().y() - spessoreFreccia / 2, lungo, spessoreFreccia}};
        }
    for (int riga = 0; riga < 2; ++riga)
        for (int colonna = 0; colonna < 3; ++colonna) {
            const QRectF da = casella(riga * 3 + colonna);
            frecce.at(n++) = {
                Freccia::Rossa,
                {da.center().x() - spessoreFreccia / 2, da.bottom() + staccoFreccia, spessoreFreccia, lungo}};
        }
    for (int indice : {0, 1, 3, 4}) {
        const QRectF da = casella(indice);
        frecce.at(n++) = {Freccia::GiallaRete, {da.right() + staccoFreccia, da.bottom() + staccoFreccia, lungo, lungo}};
    }
    frecce.at(n++) = {Freccia::Blu, {240, 840, 855, 255}};
    frecce.at(n++) = {Freccia::Rossa, {2520, 480, 255, 975}};
    frecce.at(n) = {Freccia::GiallaLegenda, {4200, 480, 975, 975}};
    return frecce;
}

QFont carattere(const QStringList& facce, double altezza, bool grassetto = false)
{
    QFont font;
    font.setFamilies(facce);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(altezza)));
    font.setBold(grassetto);
    return font;
}

QFont caratteriNumeri(double altezza, bool grassetto = false)
{
    return carattere({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")},
                     altezza, grassetto);
}

QFont caratteriTitoli(double altezza, bool grassetto = false)
{
    return carattere({QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans MS")}, altezza, grassetto);
}

struct Griglia {
    int colonne, righe;
};

Griglia griglia(bool soluzione)
{
    return soluzione ? Griglia{3, 4} : Griglia{2, 3};
}

int pagineDi(int reti, bool soluzione)
{
    const Griglia g = griglia(soluzione);
    return (reti + g.colonne * g.righe - 1) / (g.colonne * g.righe);
}

// An arrow on paper: the program's glyph over a dark outline as wide as `bordo`
// on every side, so that even the yellow one stands out from white paper in grey.
void disegnaFreccia(QPainter& pittore, const FrecciaRete& freccia, double bordo)
{
    const FormaFreccia forma = formaFreccia(freccia.freccia, freccia.scatola.size());
    QPainterPath sagoma;
    sagoma.addPolygon(forma.asta);
    sagoma.closeSubpath();
    QPainterPath punta;
    punta.addPolygon(forma.punta);
    punta.closeSubpath();
    sagoma = sagoma.united(punta).translated(freccia.scatola.topLeft());
    pittore.setPen(QPen(inchiostro, 2 * bordo, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawPath(sagoma);
    pittore.setPen(Qt::NoPen);
    pittore.setBrush(coloreFreccia(freccia.freccia));
    pittore.drawPath(sagoma);
}

void disegnaCasella(QPainter& pittore, const QRectF& scatola, const QString& testo, double tratto)
{
    pittore.setPen(QPen(inchiostro, tratto, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    pittore.setBrush(Qt::white);
    pittore.drawRect(scatola);
    if (!testo.isEmpty())
        pittore.drawText(scatola, Qt::AlignCenter, testo);
}

// One network in the window's twips; `twipPerPunto` keeps lines the same width at any size.
void disegnaRete(QPainter& pittore, const ReteScheda& rete, int numero, bool soluzione, double twipPerPunto)
{
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(inchiostro);
    pittore.setFont(caratteriTitoli(460, true));
    pittore.drawText(QRectF(0, 0, 1500, 440), Qt::AlignLeft | Qt::AlignTop, QString::number(numero));

    for (const FrecciaRete& freccia : frecceRete())
        disegnaFreccia(pittore, freccia, 0.5 * twipPerPunto);

    pittore.setPen(inchiostro);
    pittore.setFont(caratteriNumeri(330));
    const int allineamento = Qt::AlignLeft | Qt::AlignVCenter;
    pittore.drawText(QRectF(1200, 700, 1300, 500), allineamento, rete.testi.lblcomblu);
    pittore.drawText(QRectF(2880, 700, 1300, 500), allineamento, rete.testi.lblcomrossa);
    pittore.drawText(QRectF(5200, 700, 300, 500), allineamento, QStringLiteral("="));

    const double tratto = 1.0 * twipPerPunto;
    pittore.setFont(caratteriNumeri(400));
    disegnaCasella(pittore, casellaGialla, soluzione ? rete.testi.txtcg : QString(), tratto);
    for (int indice = 0; indice < 9; ++indice) {
        const bool mostra = soluzione || indice == 0;
        disegnaCasella(pittore, casella(indice), mostra ? testoNumero(rete.esercizio.nodo(indice + 1)) : QString(),
                       tratto);
    }
}

void disegnaIntestazione(QPainter& pittore, const QSizeF& foglio, bool soluzione, const QString& piede)
{
    pittore.setPen(inchiostro);
    pittore.setFont(caratteriTitoli(18, true));
    const double larghezza = foglio.width() - 2 * margine;
    pittore.drawText(QRectF(margine, 24, larghezza, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QCoreApplication::translate("zefiranda::Scheda", "Zefiranda — La rete dei numeri"));
    if (soluzione)
        pittore.drawText(QRectF(margine, 24, larghezza, 26), Qt::AlignRight | Qt::AlignVCenter,
                         QCoreApplication::translate("zefiranda::Scheda", "Soluzioni"));
    pittore.setFont(caratteriTitoli(12));
    pittore.drawText(
        QRectF(margine, 58, larghezza, 22), Qt::AlignLeft | Qt::AlignVCenter,
        QCoreApplication::translate("zefiranda::Scheda",
                                    "Nome ______________________________  Classe __________  Data ______________"));
    pittore.setPen(QPen(inchiostro, 0.75));
    pittore.drawLine(QPointF(margine, 86), QPointF(foglio.width() - margine, 86));
    pittore.setFont(caratteriTitoli(10));
    pittore.drawText(QRectF(margine, foglio.height() - 30, larghezza, 16), Qt::AlignHCenter | Qt::AlignVCenter, piede);
}

}  // namespace

QPageSize pagina(Formato formato)
{
    return QPageSize(formato == Formato::Letter ? QPageSize::Letter : QPageSize::A4);
}

int pagineScheda(const Scheda& scheda)
{
    return pagineDi(scheda.reti, false) + (scheda.soluzioni ? pagineDi(scheda.reti, true) : 0);
}

QRectF areaRete()
{
    return {0, 0, casellaGialla.right() + 30, casella(8).bottom() + 30};
}

PostoRete postoRete(const Scheda& scheda, int indice, bool soluzione)
{
    const Griglia g = griglia(soluzione);
    const int perPagina = g.colonne * g.righe;
    const int pagina = indice / perPagina + (soluzione ? pagineDi(scheda.reti, false) : 0);
    const int posto = indice % perPagina;
    const QSizeF foglio = zefiranda::pagina(scheda.formato).sizePoints();
    const double larghezza = (foglio.width() - 2 * margine) / g.colonne;
    const double altezza = (foglio.height() - cimaCorpo - piedeCorpo) / g.righe;
    const QRectF area = areaRete();
    const double spazio = 14;
    const double scala =
        std::min((larghezza - spazio) / area.width(), (altezza - spazio) / area.height());  // points per twip
    const double x = margine + larghezza * (posto % g.colonne) + (larghezza - scala * area.width()) / 2;
    const int riga = posto / g.colonne;
    const double y = cimaCorpo + altezza * riga + (altezza - scala * area.height()) / 2;
    return {pagina, QTransform::fromTranslate(x, y).scale(scala, scala)};
}

const std::array<FrecciaRete, 19>& frecceRete()
{
    static const std::array<FrecciaRete, 19> frecce = calcolaFrecce();
    return frecce;
}

void disegnaScheda(QPagedPaintDevice& foglio, const Scheda& scheda)
{
    foglio.setPageSize(pagina(scheda.formato));
    foglio.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    const QPageLayout impaginazione = foglio.pageLayout();
    const QSizeF carta = impaginazione.fullRect(QPageLayout::Point).size();

    const std::vector<ReteScheda> reti = retiDellaScheda(scheda.seme, scheda.reti);
    const int pagine = pagineScheda(scheda);
    QPainter pittore(&foglio);
    const QTransform punti = QTransform::fromScale(foglio.logicalDpiX() / 72.0, foglio.logicalDpiY() / 72.0);
    const QPointF origine = impaginazione.paintRect(QPageLayout::Point).topLeft();

    int paginaCorrente = -1;
    for (const bool soluzione : {false, true}) {
        if (soluzione && !scheda.soluzioni)
            break;
        for (std::size_t i = 0; i < reti.size(); ++i) {
            const PostoRete posto = postoRete(scheda, static_cast<int>(i), soluzione);
            if (posto.pagina != paginaCorrente) {
                if (paginaCorrente >= 0)
                    foglio.newPage();
                paginaCorrente = posto.pagina;
                pittore.setTransform(QTransform::fromTranslate(-origine.x(), -origine.y()) * punti);
                disegnaIntestazione(pittore, carta, soluzione,
                                    QCoreApplication::translate("zefiranda::Scheda", "Scheda %1 · pagina %2 di %3")
                                        .arg(scheda.seme)
                                        .arg(paginaCorrente + 1)
                                        .arg(pagine));
            }
            pittore.setTransform(posto.mappa * QTransform::fromTranslate(-origine.x(), -origine.y()) * punti);
            disegnaRete(pittore, reti[i], static_cast<int>(i) + 1, soluzione, 1.0 / posto.mappa.m11());
        }
    }
}

QString scriviScheda(const QString& percorso, const Scheda& scheda)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        return QCoreApplication::translate("zefiranda::Scheda", "«%1» è una cartella, non un file").arg(percorso);
    if (!info.absoluteDir().exists())
        return QCoreApplication::translate("zefiranda::Scheda", "la cartella di «%1» non esiste").arg(percorso);
    QSaveFile file(percorso);
    if (!file.open(QIODevice::WriteOnly))
        return QCoreApplication::translate("zefiranda::Scheda", "non posso scrivere nella cartella di «%1»")
            .arg(percorso);
    {
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Zefiranda"));
        pdf.setTitle(QCoreApplication::translate("zefiranda::Scheda", "Zefiranda — La rete dei numeri, scheda %1")
                         .arg(scheda.seme));
        disegnaScheda(pdf, scheda);
    }
    if (!file.commit())
        return QCoreApplication::translate("zefiranda::Scheda",
                                           "non sono riuscito a scrivere «%1» per intero (il disco è pieno?)")
            .arg(percorso);
    return {};
}

}  // namespace zefiranda
