// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/ausili.h"

#include "widgets/areaimmagine.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QVariant>

#include <optional>

namespace zefiranda {

namespace {

// How a widget is presented: an Ausilio, or the window itself.
constexpr char proprietaTipo[] = "zefiranda_ausilio";
constexpr char proprietaNome[] = "zefiranda_ausilio_nome";
constexpr int finestraPreparata = -1;

std::optional<int> tipoDi(const QObject& oggetto)
{
    const QVariant tipo = oggetto.property(proprietaTipo);
    if (!tipo.isValid())
        return std::nullopt;
    return tipo.toInt();
}

// Every presentation of this file, told apart from Qt's own ones.
class Presentazione : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;
};

class FinestraPresentata : public Presentazione {
public:
    explicit FinestraPresentata(QWidget* finestra)
        : Presentazione(finestra, QAccessible::Window)
    {
    }

    int childCount() const override { return static_cast<int>(figli().size()); }

    QAccessibleInterface* child(int indice) const override
    {
        const QList<QWidget*> elenco = figli();
        if (indice < 0 || indice >= elenco.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(elenco.at(indice));
    }

    int indexOfChild(const QAccessibleInterface* figlio) const override
    {
        if (!figlio)
            return -1;
        return static_cast<int>(figli().indexOf(qobject_cast<QWidget*>(figlio->object())));
    }

private:
    QList<QWidget*> figli() const
    {
        QList<QWidget*> elenco;
        for (QObject* oggetto : widget()->children()) {
            auto* controllo = qobject_cast<QWidget*>(oggetto);
            if (controllo && !controllo->isWindow() && !controllo->isHidden()
                && tipoDi(*controllo) != static_cast<int>(Ausilio::Nascosto))
                elenco.append(controllo);
        }
        return elenco;
    }
};

QString nomeProprio(const QObject& oggetto)
{
    return oggetto.property(proprietaNome).toString();
}

class DidascaliaPresentata : public Presentazione {
public:
    explicit DidascaliaPresentata(QLabel* etichetta)
        : Presentazione(etichetta, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text quale) const override
    {
        if (quale != QAccessible::Name)
            return Presentazione::text(quale);
        const QString testo = static_cast<QLabel*>(widget())->text();
        return testo.isEmpty() ? nomeProprio(*widget()) : nomeProprio(*widget()) + u' ' + testo;
    }
};

// Screen readers announce a notification when it comes to show; the label is
// shown to them only while it holds a message.
class MessaggioPresentato : public Presentazione {
public:
    explicit MessaggioPresentato(QLabel* etichetta)
        : Presentazione(etichetta, QAccessible::Notification)
    {
    }

    QString text(QAccessible::Text quale) const override
    {
        if (quale != QAccessible::Name)
            return Presentazione::text(quale);
        return testo();
    }

    QAccessible::State state() const override
    {
        QAccessible::State stato = Presentazione::state();
        if (testo().isEmpty())
            stato.invisible = true;
        return stato;
    }

private:
    QString testo() const { return static_cast<QLabel*>(widget())->text(); }
};

// Offers nothing: no name, no text, no action, and so no text in any event.
class Assente : public Presentazione {
public:
    explicit Assente(QWidget* controllo)
        : Presentazione(controllo, QAccessible::NoRole)
    {
    }

    QString text(QAccessible::Text) const override { return {}; }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }

    QAccessible::State state() const override
    {
        QAccessible::State stato;
        stato.invisible = true;
        return stato;
    }
};

QAccessibleInterface* fabbrica(const QString&, QObject* oggetto)
{
    if (!oggetto || !oggetto->isWidgetType())
        return nullptr;
    const std::optional<int> tipo = tipoDi(*oggetto);
    if (!tipo)
        return nullptr;
    auto* controllo = static_cast<QWidget*>(oggetto);
    auto* etichetta = qobject_cast<QLabel*>(controllo);
    switch (*tipo) {
    case finestraPreparata:
        return new FinestraPresentata(controllo);
    case static_cast<int>(Ausilio::Didascalia):
        return etichetta ? new DidascaliaPresentata(etichetta) : nullptr;
    case static_cast<int>(Ausilio::Messaggio):
        return etichetta ? new MessaggioPresentato(etichetta) : nullptr;
    case static_cast<int>(Ausilio::Nascosto):
        return new Assente(controllo);
    default:
        return nullptr;
    }
}

// Qt keeps the first presentation it made of a widget, and makes one for the
// events of a widget under construction even with no screen reader about; one
// made before the widget was marked makes way.
void ripresenta(QWidget& controllo)
{
    QAccessibleInterface* presentazione = QAccessible::queryAccessibleInterface(&controllo);
    // A QAccessibleInterface is no QObject: qobject_cast cannot tell one kind from another.
    if (presentazione && !dynamic_cast<Presentazione*>(presentazione))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(presentazione));
}

void segna(QWidget& controllo, int tipo, const QString& nome = QString())
{
    controllo.setProperty(proprietaTipo, tipo);
    if (!nome.isNull())
        controllo.setProperty(proprietaNome, nome);
    ripresenta(controllo);
}

}  // namespace

void preparaAusili(QWidget& finestra, const char* descrizione, std::span<const VoceAusili> voci)
{
    [[maybe_unused]] static const bool fabbricaInstallata = [] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();

    const char* contesto = finestra.metaObject()->className();
    const auto tradotto = [contesto](const char* testo) {
        return testo ? QCoreApplication::translate(contesto, testo) : QString();
    };
    segna(finestra, finestraPreparata);
    finestra.setAccessibleDescription(tradotto(descrizione));
    for (QObject* figlio : finestra.children())
        if (auto* area = qobject_cast<AreaImmagine*>(figlio))
            segna(*area, static_cast<int>(Ausilio::Nascosto));

    for (const VoceAusili& voce : voci) {
        auto* controllo = finestra.findChild<QWidget*>(QString::fromLatin1(voce.controllo), Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(controllo, "preparaAusili", voce.controllo);
        if (!controllo)
            continue;
        if (voce.tipo == Ausilio::Controllo) {
            if (voce.nome)
                controllo->setAccessibleName(tradotto(voce.nome));
        } else {
            segna(*controllo, static_cast<int>(voce.tipo), tradotto(voce.nome));
        }
        if (voce.descrizione)
            controllo->setAccessibleDescription(tradotto(voce.descrizione));
    }
}

void mostraMessaggio(QLabel& etichetta, const QString& testo)
{
    // The label tells its change of name itself; showing it is what makes
    // screen readers speak it, again for a message repeated.
    etichetta.setText(testo);
    QAccessibleEvent evento(&etichetta, testo.isEmpty() ? QAccessible::ObjectHide : QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&evento);
}

}  // namespace zefiranda
