#include "audit/Standsuche.h"

#include "audit/PruefStore.h"

#include <QRegularExpression>

#include <limits>
#include <memory>

using pruefkette::Kette;

namespace standsuche {

namespace {

// A row a finding names ends the part of its chain that is known to be as it was stored. A row
// without values is not part of the chain and changes nothing stored before it.
qlonglong ersteBetroffeneZeile(Kette kette, const Pruefergebnis& ergebnis)
{
    qlonglong erste = PruefStore::Gliederleser::ganzeKette;
    for (const Pruefbefund& befund : ergebnis.befunde)
        if (befund.kette == kette && befund.id != 0 && befund.art != Pruefbefund::Art::OhnePruefwert)
            erste = std::min(erste, befund.id);
    return erste;
}

} // namespace

std::optional<QString> pruefwertLesen(const QString& eingabe)
{
    QString wert = eingabe;
    wert.remove(QRegularExpression(QStringLiteral("[\\s-]")));
    wert = wert.toUpper();
    static const QRegularExpression form(QStringLiteral("^(?:[0-9A-F]{16}|[0-9A-F]{32}|[0-9A-F]{64})$"));
    if (!form.match(wert).hasMatch())
        return std::nullopt;
    return wert;
}

std::optional<qint64> finden(const QString& pruefwert, const Pruefergebnis& ergebnis)
{
    const auto gelesen = pruefwertLesen(pruefwert);
    if (!gelesen)
        return std::nullopt;
    // Every printed form is the beginning of the same hash.
    const QByteArray gesucht = gelesen->toLatin1().toLower();
    std::array<std::unique_ptr<PruefStore::Gliederleser>, pruefkette::alleKetten.size()> leser;
    std::array<bool, pruefkette::alleKetten.size()> offen{};
    for (Kette kette : pruefkette::alleKetten) {
        const std::size_t i = pruefkette::index(kette);
        leser[i] = std::make_unique<PruefStore::Gliederleser>(kette, ersteBetroffeneZeile(kette, ergebnis));
        offen[i] = leser[i]->weiter();
    }
    pruefkette::Koepfe koepfe;
    qint64 eintraege = 0;
    for (;;) {
        if (pruefkette::gesamtwert(koepfe).toHex().startsWith(gesucht))
            return eintraege;
        std::optional<std::size_t> naechste;
        for (std::size_t i = 0; i < leser.size(); ++i)
            if (offen[i] && (!naechste || leser[i]->laufnr() < leser[*naechste]->laufnr()))
                naechste = i;
        if (!naechste)
            return std::nullopt;
        koepfe[*naechste] = {koepfe[*naechste].anzahl + 1, leser[*naechste]->pruefwert()};
        ++eintraege;
        offen[*naechste] = leser[*naechste]->weiter();
    }
}

} // namespace standsuche
