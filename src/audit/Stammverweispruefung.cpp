#include "audit/Stammverweispruefung.h"

Stammverweispruefung::Stammverweispruefung(Ids vorhanden) : vorhanden_(std::move(vorhanden)) {}

void Stammverweispruefung::pruefen(const Kettenpruefer::Zeile& zeile)
{
    for (std::size_t i = 0; i < zeile.verweise.size(); ++i) {
        const qint64 id = zeile.verweise[i];
        // 0: the row names no master row there (a start record has no places).
        if (id == 0 || id == letzterGefunden_[i])
            continue;
        if (vorhanden_[i].contains(id)) {
            letzterGefunden_[i] = id;
            continue;
        }
        auto& [feld, fehlend] = fehlend_[{fahrtnamen::tabelle(fahrtnamen::verweisfelder[i]), id}];
        if (fehlend.zeilen++ == 0) {
            feld = i;
            fehlend.ersteZeile = zeile.id;
        }
    }
}

std::vector<Pruefbefund> Stammverweispruefung::befunde() const
{
    std::vector<Pruefbefund> befunde;
    for (const auto& [wo, eintrag] : fehlend_) {
        const auto& [index, fehlend] = eintrag;
        const fahrtnamen::Feld feld = fahrtnamen::verweisfelder[index];
        Pruefbefund befund{pruefkette::Kette::Fahrtenbuch, Pruefbefund::Art::StammFehlt, fehlend.ersteZeile, {}};
        befund.stammeintrag = QStringLiteral("%1 (%2), dort nicht mehr vorhanden (gelöscht); Verweise darauf: %3")
                                  .arg(fahrtnamen::stammeintrag(feld, wo.second), fahrtnamen::tabelle(feld))
                                  .arg(fehlend.zeilen);
        befunde.push_back(std::move(befund));
    }
    return befunde;
}
