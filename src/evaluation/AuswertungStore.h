#pragma once

#include "logbuch/StammdatenStore.h"
#include "evaluation/Fahrerauswertung.h"
#include "evaluation/Fahrtenfilter.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/Fahrzeugauswertung.h"

#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

// Every statement of the evaluation: master lists, the trip list, the driver and vehicle views,
// the stored filter, details and standard trips. Values are always bound.
class AuswertungStore {
public:
    using Eintrag = Stammeintrag;

    // The choices of the filter lists, each in the order the list shows them.
    struct Stammlisten {
        std::vector<Eintrag> fahrzeuge;  // by plate text, closed vehicles included
        std::vector<Eintrag> orte;       // by name
        std::vector<Eintrag> arten;      // by name, without the start record kind
        std::vector<Eintrag> kategorien; // by name
        std::vector<Eintrag> zwecke;     // by name
        std::vector<Eintrag> fahrer;     // by ID
    };

    // The filter as the user chose it, in display texts ("alle", dates like "1.1.2002").
    struct FilterTexte {
        QString abDat, anDat, von, nach, kmAb, kmAn, fahrzeug, fahrer, zweck, kategorie, art, bemerkung;
    };

    using Fortschritt = std::function<void(int prozent)>;

    // A statement and the values bound to its placeholders, in order.
    struct Abfrage {
        QString sql;
        QVariantList werte;
    };

    // The statements behind the views, for running them again elsewhere (reports, measurements).
    static Abfrage fahrtenAbfrage(const Fahrtenfilter& filter);
    static Abfrage fahrerAbfrage(int fahrer, zeitpunkt::Sekunden abfahrtAb, zeitpunkt::Sekunden ankunftBis);
    static Abfrage tagesAbfrage(int fahrer, const QDate& tag);
    static Abfrage fahrzeugAbfrage(const Fahrtenfilter& filter);

    Stammlisten stammlisten() const;
    // Option "Musterfahrzeug in Auswertung einbeziehen".
    bool musterfahrzeugEinbeziehen() const;
    void filterMerken(const FilterTexte& texte) const;

    // The trips the filter lets through, by departure; start records (short form "n") never.
    // Read all at once; Fahrtenleser reads the same list piece by piece.
    Fahrtenliste fahrten(const Fahrtenfilter& filter, const Fortschritt& fortschritt = {}) const;
    // The names behind the IDs a trip list shows.
    Stammnamen stammnamen() const;
    // For the progress gauge only: the trips of the vehicle departing within the period, which the
    // vehicle-and-departure index counts without reading a single logbook row. Every listed trip
    // is among them, since it departs before it arrives. Counting stops at `hoechstens`.
    qint64 geschaetzteAnzahl(const Fahrtenfilter& filter, std::optional<qint64> hoechstens = std::nullopt) const;

    // Every driver by name with his trips in the period, by departure (all vehicles).
    struct FahrerMitFahrten {
        QString name;
        std::vector<fahrerauswertung::Fahrt> fahrten;
    };
    std::vector<FahrerMitFahrten> fahrerFahrten(zeitpunkt::Sekunden abfahrtAb, zeitpunkt::Sekunden ankunftBis) const;
    std::vector<fahrerauswertung::Fahrt> fahrtenEinesFahrers(int fahrer, zeitpunkt::Sekunden abfahrtAb,
                                                             zeitpunkt::Sekunden ankunftBis) const;
    // The driver's trips arriving on that day, by departure.
    std::vector<fahrerauswertung::Tagesfahrt> tagesfahrten(int fahrer, const QDate& tag) const;

    // Per vehicle by plate text: trips and kilometres per kind under the filter.
    std::vector<fahrzeugauswertung::Fahrzeug> fahrzeuge(const Fahrtenfilter& filter) const;

    // Every replaced logbook row: when and why, by its ID.
    QHash<int, Ersetzung> ersetzungen() const;
    // When the trip was stored, as shown (see fahrtfassung::erfasst).
    QString erfasst(int fahrtId) const;
    // Who stored the trip (a user of the system or of the server); "nicht erfasst" for a trip stored
    // before the program recorded it.
    QString gespeichertVon(int fahrtId) const;
    QString bemerkung(int fahrtId) const;
    std::optional<int> artNachKuerzel(const QString& kuerzel) const;
};
