#include "evaluation/Fahrtenexport.h"

#include "common/CsvSchreiber.h"

#include <QByteArray>

#include <limits>
#include <vector>

namespace {

// The names of one master table in their CSV form, made once for all rows of the file. IDs are
// small counters, so an array by ID finds a name fastest; an odd large ID is still found.
class Namensfelder {
public:
    explicit Namensfelder(const QHash<int, QString>& namen)
    {
        constexpr int dicht = 1 << 16;
        for (auto name = namen.cbegin(); name != namen.cend(); ++name) {
            const int id = name.key();
            if (id < 0 || id >= dicht) {
                selten_.insert(id, CsvSchreiber::vorbereitet(name.value()));
                continue;
            }
            if (static_cast<std::size_t>(id) >= nachId_.size())
                nachId_.resize(static_cast<std::size_t>(id) + 1);
            nachId_[static_cast<std::size_t>(id)] = CsvSchreiber::vorbereitet(name.value());
        }
    }

    const QByteArray& operator[](int id) const
    {
        if (id >= 0 && static_cast<std::size_t>(id) < nachId_.size())
            return nachId_[static_cast<std::size_t>(id)];
        const auto gefunden = selten_.constFind(id);
        return gefunden != selten_.cend() ? *gefunden : leer_;
    }

private:
    std::vector<QByteArray> nachId_;
    QHash<int, QByteArray> selten_;
    QByteArray leer_;
};

struct Stammfelder {
    explicit Stammfelder(const Stammnamen& namen)
        : orte(namen.orte), fahrzeuge(namen.fahrzeuge), fahrer(namen.fahrer), zwecke(namen.zwecke),
          kategorien(namen.kategorien), artKuerzel(namen.artKuerzel), artNamen(namen.artNamen)
    {
    }

    Namensfelder orte, fahrzeuge, fahrer, zwecke, kategorien, artKuerzel, artNamen;
};

// "Abfahrt" and "Ankunft" as the list shows them. Consecutive trips mostly share their day, so its
// date is written once per day. Digits, dots, colons and a blank need no quotes.
class Zeitfelder {
public:
    void schreiben(CsvSchreiber& csv, const GelisteteFahrt& fahrt)
    {
        if (Fahrtenliste::ohneZeiten(fahrt)) {
            csv.vorbereitetesFeld(QByteArrayView());
            csv.vorbereitetesFeld(QByteArrayView());
            return;
        }
        const zeitpunkt::Sekunden abfahrt = *fahrt.abfahrt;
        if (zeitpunkt::tag(abfahrt) != tag_) {
            zeitpunkt::schreibeDeutschMitZeit(abfahrt_, abfahrt);
            tag_ = zeitpunkt::tag(abfahrt);
        } else {
            zeitpunkt::schreibeUhrzeitMitSekunden(abfahrt_ + datumMitLeerzeichen, abfahrt);
        }
        csv.vorbereitetesFeld(QByteArrayView(abfahrt_, zeitpunkt::laengeDeutschMitZeit));
        char ankunft[zeitpunkt::laengeUhrzeitMitSekunden];
        csv.vorbereitetesFeld(QByteArrayView(ankunft, zeitpunkt::schreibeUhrzeitMitSekunden(ankunft, *fahrt.ankunft)));
    }

private:
    static constexpr int datumMitLeerzeichen = zeitpunkt::laengeDeutschMitZeit - zeitpunkt::laengeUhrzeitMitSekunden;
    char abfahrt_[zeitpunkt::laengeDeutschMitZeit] = {};
    qint64 tag_ = std::numeric_limits<qint64>::min();
};

} // namespace

namespace fahrtenexport {

const QStringList& kopf()
{
    static const QStringList texte =
        Fahrtenliste::kopf() + QStringList{QStringLiteral("Fahrtart"),  QStringLiteral("Kilometer"),
                                           QStringLiteral("Erfasst"),   QStringLiteral("Gespeichert von"),
                                           QStringLiteral("Bemerkung"), QStringLiteral("Prüfwert")};
    return texte;
}

void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const Fahrtenzusatz& zusatz)
{
    csv.zeile(kopf());
    const Stammfelder namen(liste.namen());
    const QByteArrayView markiert("x");
    Zeitfelder zeiten;
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        zeiten.schreiben(csv, fahrt);
        csv.vorbereitetesFeld(namen.orte[fahrt.start]);
        csv.vorbereitetesFeld(namen.orte[fahrt.ziel]);
        csv.zahl(fahrt.kmAb);
        csv.zahl(fahrt.kmAn);
        csv.vorbereitetesFeld(namen.fahrzeuge[fahrt.fahrzeug]);
        csv.vorbereitetesFeld(namen.fahrer[fahrt.fahrer]);
        csv.vorbereitetesFeld(namen.zwecke[fahrt.zweck]);
        csv.vorbereitetesFeld(namen.kategorien[fahrt.kategorie]);
        csv.vorbereitetesFeld(namen.artKuerzel[fahrt.art]);
        csv.vorbereitetesFeld(fahrt.mitBemerkung ? markiert : QByteArrayView());
        csv.vorbereitetesFeld(namen.artNamen[fahrt.art]);
        csv.zahl(qint64(fahrt.kmAn) - fahrt.kmAb);
        csv.feld(QStringView(zusatz.erfassungen.at(zeile)));
        csv.feld(QStringView(zusatz.speichernde.at(zeile)));
        csv.feld(QStringView(zusatz.bemerkungen.at(zeile)));
        csv.feld(QStringView(zusatz.pruefwerte.at(zeile)));
        csv.zeileBeenden();
    }
}

} // namespace fahrtenexport
