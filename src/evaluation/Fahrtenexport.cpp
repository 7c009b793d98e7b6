#include "evaluation/Fahrtenexport.h"

#include "common/CsvSchreiber.h"
#include "common/Zifferpaare.h"
#include "evaluation/Fahrtspalte.h"

#include <QByteArray>

#include <cstring>
#include <iterator>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The names of one master table in their CSV form, made once for all rows of the file. IDs are
// small counters, so an array by ID finds a name fastest; an odd large ID is still found.
class Namensfelder {
public:
    Namensfelder() = default;
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

using Quelle = Fahrtspalte::Quelle;
using zeitpunkt::Sekunden;

// What the fields of one row are written from.
struct Dateizeile {
    const GelisteteFahrt& fahrt;
    std::size_t nummer;
    // Whether the trip has real times: asked once for the row, not once for each time column.
    bool mitZeiten;
};

// "14:05:00" for the second `imTag` of a day (0 to 86399).
void tageszeitSchreiben(char* ziel, Sekunden imTag)
{
    const auto sekunde = static_cast<std::size_t>(imTag);
    std::memcpy(ziel, zifferpaare[sekunde / 3600].data(), 2);
    ziel[2] = ':';
    std::memcpy(ziel + 3, zifferpaare[sekunde / 60 % 60].data(), 2);
    ziel[5] = ':';
    std::memcpy(ziel + 6, zifferpaare[sekunde % 60].data(), 2);
}

// One column of the file, with what its fields need made ready before the first row. Which column
// it is, is known at compile time: the row is written without asking each column what it holds.
class Dateispalte {
public:
    Dateispalte(const Fahrtspalte& spalte, const Stammnamen& namen, const Fahrtenzusatz& zusatz)
        : zusatz_(spalte.quelle == Quelle::Zusatz ? &(zusatz.*spalte.zusatz) : nullptr),
          pruefwerte_(zusatz.pruefwerte)
    {
        if (spalte.quelle == Quelle::Name)
            namen_ = Namensfelder(namen.*spalte.namen);
    }

    template <std::size_t nummer> void schreiben(CsvSchreiber& csv, const Dateizeile& zeile)
    {
        constexpr const Fahrtspalte& spalte = fahrtspalten[nummer];
        const GelisteteFahrt& fahrt = zeile.fahrt;
        if constexpr (spalte.quelle == Quelle::DatumUndZeit)
            datumUndZeit(csv, zeile.mitZeiten ? fahrt.*spalte.zeit : std::nullopt);
        else if constexpr (spalte.quelle == Quelle::Uhrzeit)
            uhrzeit(csv, zeile.mitZeiten ? fahrt.*spalte.zeit : std::nullopt);
        else if constexpr (spalte.quelle == Quelle::Name)
            csv.vorbereitetesFeld(namen_[fahrt.*spalte.id]);
        else if constexpr (spalte.quelle == Quelle::Zahl)
            csv.zahl(spalte.zahl(fahrt));
        else if constexpr (spalte.quelle == Quelle::Zeichen)
            // A spreadsheet's filter would take the list's blank for a value: the file leaves it empty.
            csv.vorbereitetesFeld(fahrt.*spalte.zeichen ? QByteArrayView("x") : QByteArrayView());
        else if constexpr (spalte.quelle == Quelle::Pruefwert)
            pruefwerte_.at(zeile.nummer).schreiben(csv);
        else
            csv.feld(QStringView(zusatz_->at(zeile.nummer)));
    }

private:
    // Consecutive trips mostly share their day, so its date is made once per day and the time
    // counted from the day's start. Digits, dots, colons and a blank need no quotes: the text is
    // written straight into the file's buffer.
    void datumUndZeit(CsvSchreiber& csv, std::optional<Sekunden> zeit)
    {
        if (!zeit) {
            csv.vorbereitetesFeld(QByteArrayView());
            return;
        }
        char* ziel = csv.rohesFeld(zeitpunkt::laengeDeutschMitZeit);
        if (amSelbenTag(*zeit)) {
            std::memcpy(ziel, datum_, datumMitLeerzeichen);
            tageszeitSchreiben(ziel + datumMitLeerzeichen, *zeit - tagesanfang_);
        } else {
            zeitpunkt::schreibeDeutschMitZeit(ziel, *zeit);
            std::memcpy(datum_, ziel, datumMitLeerzeichen);
            tagesanfang_ = zeitpunkt::tag(*zeit) * zeitpunkt::sekundenJeTag;
        }
    }

    void uhrzeit(CsvSchreiber& csv, std::optional<Sekunden> zeit)
    {
        if (!zeit) {
            csv.vorbereitetesFeld(QByteArrayView());
            return;
        }
        if (!amSelbenTag(*zeit))
            tagesanfang_ = zeitpunkt::tag(*zeit) * zeitpunkt::sekundenJeTag;
        tageszeitSchreiben(csv.rohesFeld(zeitpunkt::laengeUhrzeitMitSekunden), *zeit - tagesanfang_);
    }

    // Compared without a sign, so a time before the day's start wraps round to a large difference.
    bool amSelbenTag(Sekunden zeit) const
    {
        return static_cast<quint64>(zeit) - static_cast<quint64>(tagesanfang_) <
               static_cast<quint64>(zeitpunkt::sekundenJeTag);
    }

    static constexpr int datumMitLeerzeichen = zeitpunkt::laengeDeutschMitZeit - zeitpunkt::laengeUhrzeitMitSekunden;

    const std::vector<QString>* zusatz_;
    const Pruefwerte& pruefwerte_;
    Namensfelder namen_;
    // "24.12.2005 " of the day that starts at `tagesanfang_`.
    char datum_[datumMitLeerzeichen] = {};
    // The start of the day of the column's last time; at first a day no stored time (year 0 and
    // later) can fall on.
    Sekunden tagesanfang_ = std::numeric_limits<Sekunden>::min();
};

template <std::size_t... nummer>
void zeileSchreiben(CsvSchreiber& csv, std::vector<Dateispalte>& spalten, const Dateizeile& zeile,
                    std::index_sequence<nummer...>)
{
    (spalten[nummer].schreiben<nummer>(csv, zeile), ...);
    csv.zeileBeenden();
}

} // namespace

namespace fahrtenexport {

const QStringList& kopf()
{
    static const QStringList texte = Fahrtspalte::kopf(Fahrtspalte::datei());
    return texte;
}

void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const Fahrtenzusatz& zusatz)
{
    csv.zeile(kopf());
    std::vector<Dateispalte> spalten;
    spalten.reserve(Fahrtspalte::datei().size());
    for (const Fahrtspalte& spalte : Fahrtspalte::datei())
        spalten.emplace_back(spalte, liste.namen(), zusatz);
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile) {
        const GelisteteFahrt& fahrt = liste.fahrt(zeile);
        zeileSchreiben(csv, spalten, {fahrt, zeile, !Fahrtenliste::ohneZeiten(fahrt)},
                       std::make_index_sequence<std::size(fahrtspalten)>());
    }
}

} // namespace fahrtenexport
