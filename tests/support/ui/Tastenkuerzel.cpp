#include "support/ui/Tastenkuerzel.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>

#include <vector>

namespace {

// A control that takes a mnemonic and the pages of stacked widgets it sits on: controls on
// different pages of one stack never show together, so they may share a letter.
struct Bedienelement {
    QString name;
    QString text;
    bool brauchtKuerzel;
    QList<std::pair<const QWidget*, const QWidget*>> seiten;
};

QString kuerzel(const QString& text)
{
    return QKeySequence::mnemonic(text).toString().toLower();
}

QList<std::pair<const QWidget*, const QWidget*>> seitenVon(const QWidget& w, const QWidget& fenster)
{
    QList<std::pair<const QWidget*, const QWidget*>> seiten;
    for (const QWidget* kind = &w; kind && kind != &fenster; kind = kind->parentWidget())
        if (const auto* stapel = qobject_cast<const QStackedWidget*>(kind->parentWidget()))
            seiten.append({stapel, kind});
    return seiten;
}

bool zugleichSichtbar(const Bedienelement& a, const Bedienelement& b)
{
    for (const auto& [stapel, seite] : a.seiten)
        for (const auto& [andererStapel, andereSeite] : b.seiten)
            if (stapel == andererStapel && seite != andereSeite)
                return false;
    return true;
}

QString bezeichnung(const QObject& o, const QString& text)
{
    const QString name = o.objectName().isEmpty() ? QString::fromLatin1(o.metaObject()->className()) : o.objectName();
    return QStringLiteral("%1 „%2“").arg(name, ohneKuerzel(text));
}

// The controls of the window itself, menu titles included; entries of its menus are checked per menu.
std::vector<Bedienelement> bedienelemente(const QWidget& fenster)
{
    std::vector<Bedienelement> elemente;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        if (w->window() != &fenster)
            continue;
        const auto seiten = seitenVon(*w, fenster);
        const auto aufnehmen = [&](const QString& text, bool brauchtKuerzel) {
            if (!text.isEmpty())
                elemente.push_back({bezeichnung(*w, text), text, brauchtKuerzel, seiten});
        };
        if (const auto* knopf = qobject_cast<const QAbstractButton*>(w); knopf && !qobject_cast<const QToolButton*>(w))
            aufnehmen(knopf->text(), qobject_cast<const QPushButton*>(w) != nullptr);
        else if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy())
            aufnehmen(label->text(), false);
        else if (const auto* gruppe = qobject_cast<const QGroupBox*>(w))
            aufnehmen(gruppe->title(), false);
        else if (const auto* reiter = qobject_cast<const QTabBar*>(w))
            for (int i = 0; i < reiter->count(); ++i)
                aufnehmen(reiter->tabText(i), false);
        else if (const auto* leiste = qobject_cast<const QMenuBar*>(w))
            for (const QAction* titel : leiste->actions())
                aufnehmen(titel->text(), true);
    }
    return elemente;
}

std::vector<Bedienelement> eintraege(const QMenu& menue)
{
    std::vector<Bedienelement> elemente;
    for (const QAction* eintrag : menue.actions())
        if (!eintrag->isSeparator() && !eintrag->text().isEmpty())
            elemente.push_back({QStringLiteral("Menü „%1“: „%2“").arg(ohneKuerzel(menue.title()), ohneKuerzel(eintrag->text())),
                                eintrag->text(), true, {}});
    return elemente;
}

void pruefen(const std::vector<Bedienelement>& elemente, QStringList& befunde)
{
    for (std::size_t i = 0; i < elemente.size(); ++i) {
        const QString eigenes = kuerzel(elemente[i].text);
        if (eigenes.isEmpty()) {
            if (elemente[i].brauchtKuerzel)
                befunde << elemente[i].name + QStringLiteral(" ohne Kürzel");
            continue;
        }
        for (std::size_t j = i + 1; j < elemente.size(); ++j)
            if (kuerzel(elemente[j].text) == eigenes && zugleichSichtbar(elemente[i], elemente[j]))
                befunde << QStringLiteral("%1 und %2 teilen %3").arg(elemente[i].name, elemente[j].name, eigenes);
    }
}

} // namespace

::testing::AssertionResult kuerzelEindeutig(const QWidget& fenster)
{
    QStringList befunde;
    pruefen(bedienelemente(fenster), befunde);
    for (const QMenuBar* leiste : fenster.findChildren<QMenuBar*>())
        for (const QAction* titel : leiste->actions())
            if (titel->menu())
                pruefen(eintraege(*titel->menu()), befunde);
    if (befunde.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << fenster.objectName().toStdString() << ": "
                                         << befunde.join(QStringLiteral("; ")).toStdString();
}

QString ohneKuerzel(const QString& text)
{
    QString gezeigt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        gezeigt += text[i];
    }
    return gezeigt;
}
