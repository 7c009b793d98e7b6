#include "audit/Kettenpruefer.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

void kopieren(QByteArray& ziel, const QByteArray& wert)
{
    ziel.fill('\0');
    std::memcpy(ziel.data(), wert.constData(),
                std::min<std::size_t>(pruefkette::wertLaenge, static_cast<std::size_t>(wert.size())));
}

quint64 kennung(const QByteArray& wert)
{
    quint64 k = 0;
    std::memcpy(&k, wert.constData(), std::min<std::size_t>(sizeof k, static_cast<std::size_t>(wert.size())));
    return k;
}

} // namespace

Kettenpruefer::Kettenpruefer(pruefkette::Kette kette) : kette_(kette) {}

void Kettenpruefer::befund(Pruefbefund::Art art, qlonglong id)
{
    befunde_.push_back({kette_, art, id, {}});
    if (id != 0)
        benannt_.insert(id);
}

void Kettenpruefer::pruefen(const Zeile& z)
{
    if (!z.mitWerten) {
        befund(Pruefbefund::Art::OhnePruefwert, z.id);
        return;
    }
    const bool veraendert = z.berechnet != z.pruefwert;
    if (veraendert)
        befund(Pruefbefund::Art::Veraendert, z.id);
    if (z.vorgaenger != letzterWert_)
        brueche_.push_back({ids_.size(), kennung(z.vorgaenger), veraendert, letzterVeraendert_});
    ids_.push_back(z.id);
    werte_.push_back(kennung(z.pruefwert));
    // The values belong to the current row of the reader; keep copies of our own.
    kopieren(letzterWert_, z.pruefwert);
    kopieren(letzterBerechnet_, z.berechnet);
    letzterVeraendert_ = veraendert;
    ++anzahl_;
}

Kettenpruefer::Stellen Kettenpruefer::stellenNachWert() const
{
    Stellen stellen;
    stellen.reserve(static_cast<qsizetype>(werte_.size()));
    for (std::size_t i = 0; i < werte_.size(); ++i)
        stellen.insert(werte_[i], i);
    return stellen;
}

void Kettenpruefer::eingefuegt(std::size_t von, std::size_t bis)
{
    for (std::size_t i = von; i <= bis && i < ids_.size(); ++i)
        if (!benannt_.contains(ids_[i]))
            befund(Pruefbefund::Art::Eingefuegt, ids_[i]);
}

void Kettenpruefer::bruchEinordnen(const Bruch& bruch, const Stellen& stellen)
{
    const qlonglong id = ids_[bruch.stelle];
    const auto gefunden = stellen.constFind(bruch.vorgaenger);
    if (gefunden == stellen.cend()) {
        // A changed row (this one or the one before) explains a link that leads nowhere.
        if (!bruch.selbstVeraendert && !bruch.vorherVeraendert)
            befund(Pruefbefund::Art::Fehlt, id);
        return;
    }
    const std::size_t vorgaenger = gefunden.value();
    if (vorgaenger >= bruch.stelle || bruch.selbstVeraendert) {
        befund(Pruefbefund::Art::Verschoben, id);
        return;
    }
    // An unchanged row links past the rows before it: those do not belong where they stand.
    eingefuegt(vorgaenger + 1, bruch.stelle - 1);
}

void Kettenpruefer::endeEinordnen(const pruefkette::Kopf& vermerkt, const Stellen& stellen)
{
    if (vermerkt.wert == kopf_.wert) {
        // Only the count differs: explained by a row found missing or added, else the notes were changed.
        if (befunde_.empty())
            befund(Pruefbefund::Art::VermerkFehlt, 0);
        return;
    }
    if (vermerkt.anzahl == 0) {
        eingefuegt(0, ids_.size() - 1);
        return;
    }
    const auto gefunden = stellen.constFind(kennung(vermerkt.wert));
    if (gefunden == stellen.cend()) {
        befund(Pruefbefund::Art::EndeFehlt, ids_.empty() ? 0 : ids_.back());
        return;
    }
    // Rows after the end the chain noted were added by something else.
    eingefuegt(gefunden.value() + 1, ids_.size() - 1);
}

std::vector<Pruefbefund> Kettenpruefer::abschliessen(const std::optional<pruefkette::Kopf>& vermerkt)
{
    kopf_ = {anzahl_, letzterWert_};
    const bool endeStimmt = vermerkt ? *vermerkt == kopf_ : anzahl_ == 0;
    if (!brueche_.empty() || !endeStimmt) {
        const Stellen stellen = stellenNachWert();
        for (const Bruch& bruch : brueche_)
            bruchEinordnen(bruch, stellen);
        if (!vermerkt)
            befund(Pruefbefund::Art::VermerkFehlt, 0);
        else if (!endeStimmt)
            endeEinordnen(*vermerkt, stellen);
    }
    std::stable_sort(befunde_.begin(), befunde_.end(), [](const Pruefbefund& a, const Pruefbefund& b) {
        return (a.id == 0 ? std::numeric_limits<qlonglong>::max() : a.id) <
               (b.id == 0 ? std::numeric_limits<qlonglong>::max() : b.id);
    });
    return std::move(befunde_);
}
