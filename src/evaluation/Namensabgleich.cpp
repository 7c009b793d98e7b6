#include "evaluation/Namensabgleich.h"

#include "db/Rohabfrage.h"

using fahrtnamen::Feld;

Namensabgleich::Namensabgleich(std::vector<QHash<int, QString>*> tabellen, Feld feld)
    : tabellen_(std::move(tabellen)), feld_(feld)
{
}

int Namensabgleich::id(int verweis, const Rohabfrage& abfrage, int ersteSpalte)
{
    // Consecutive trips mostly print the same names: one comparison of the bytes, no lookup.
    schluessel_.resize(0);
    schluessel_.append(reinterpret_cast<const char*>(&verweis), sizeof verweis);
    for (std::size_t i = 0; i < tabellen_.size(); ++i) {
        const int spalte = ersteSpalte + static_cast<int>(i);
        if (abfrage.istNull(spalte)) {
            schluessel_.append('\1');
            continue;
        }
        qsizetype laenge = 0;
        const char* text = abfrage.text(spalte, laenge);
        schluessel_.append('\2').append(text, laenge).append('\0');
    }
    if (schluessel_ == letzter_)
        return letzteId_;
    const auto gefunden = ids_.constFind(schluessel_);
    letzteId_ = gefunden != ids_.cend() ? gefunden.value() : neu(verweis, abfrage, ersteSpalte);
    letzter_ = schluessel_;
    return letzteId_;
}

int Namensabgleich::neu(int verweis, const Rohabfrage& abfrage, int ersteSpalte)
{
    const bool vorhanden = tabellen_.front()->contains(verweis);
    QStringList texte;
    bool wieJetzt = vorhanden;
    bool nichtsGespeichert = true;
    for (std::size_t i = 0; i < tabellen_.size(); ++i) {
        const int spalte = ersteSpalte + static_cast<int>(i);
        const QString jetzt = vorhanden ? tabellen_[i]->value(verweis) : fahrtnamen::platzhalter(feld_, verweis);
        const bool gespeichert = !abfrage.istNull(spalte);
        const QString text = gespeichert ? abfrage.qtext(spalte) : jetzt;
        nichtsGespeichert = nichtsGespeichert && !gespeichert;
        wieJetzt = wieJetzt && text == jetzt;
        texte << text;
    }
    // No master row has the ID 0: a trip without the reference shows nothing, as it always has.
    const bool ohneVerweis = verweis == 0 && nichtsGespeichert;
    int id = verweis;
    if (!wieJetzt && !ohneVerweis) {
        id = naechsteEigene_--;
        for (std::size_t i = 0; i < tabellen_.size(); ++i)
            tabellen_[i]->insert(id, texte.at(static_cast<qsizetype>(i)));
    }
    ids_.insert(schluessel_, id);
    return id;
}

Fahrtnamenabgleich::Fahrtnamenabgleich(Stammnamen& n)
    : orte_({&n.orte}, Feld::Start), art_({&n.artNamen, &n.artKuerzel}, Feld::ArtName),
      zwecke_({&n.zwecke}, Feld::Zweck), kategorien_({&n.kategorien}, Feld::Kategorie),
      fahrer_({&n.fahrer}, Feld::Fahrer), fahrzeuge_({&n.fahrzeuge}, Feld::Kennzeichen)
{
}

void Fahrtnamenabgleich::abgleichen(GelisteteFahrt& f, const Rohabfrage& s, int erste)
{
    const auto spalte = [erste](Feld feld) { return erste + static_cast<int>(feld); };
    f.start = orte_.id(f.start, s, spalte(Feld::Start));
    f.ziel = orte_.id(f.ziel, s, spalte(Feld::Ziel));
    f.art = art_.id(f.art, s, spalte(Feld::ArtName));
    f.zweck = zwecke_.id(f.zweck, s, spalte(Feld::Zweck));
    f.kategorie = kategorien_.id(f.kategorie, s, spalte(Feld::Kategorie));
    f.fahrer = fahrer_.id(f.fahrer, s, spalte(Feld::Fahrer));
    f.fahrzeug = fahrzeuge_.id(f.fahrzeug, s, spalte(Feld::Kennzeichen));
}
