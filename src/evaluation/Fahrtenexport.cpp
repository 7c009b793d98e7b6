#include "evaluation/Fahrtenexport.h"

#include "common/CsvSchreiber.h"
#include "evaluation/Fahrtspalte.h"

#include <QByteArray>

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

// One column of the file, with what its fields need made ready before the first row. Which column
// it is, is known at compile time: the row is written without asking each column what it holds.
class Dateispalte {
public:
    Dateispalte(const Fahrtspalte& spalte, const Stammnamen& namen, const Fahrtenzusatz& zusatz)
        : zusatz_(spalte.quelle == Quelle::Zusatz ? &(zusatz.*spalte.zusatz) : nullptr)
    {
        if (spalte.quelle == Quelle::Name)
            namen_ = Namensfelder(namen.*spalte.namen);
    }

    template <std::size_t nummer> void schreiben(CsvSchreiber& csv, const GelisteteFahrt& fahrt, std::size_t zeile)
    {
        constexpr const Fahrtspalte& spalte = fahrtspalten[nummer];
        if constexpr (spalte.quelle == Quelle::DatumUndZeit)
            datumUndZeit(csv, spalte.gezeigteZeit(fahrt));
        else if constexpr (spalte.quelle == Quelle::Uhrzeit)
            uhrzeit(csv, spalte.gezeigteZeit(fahrt));
        else if constexpr (spalte.quelle == Quelle::Name)
            csv.vorbereitetesFeld(namen_[fahrt.*spalte.id]);
        else if constexpr (spalte.quelle == Quelle::Zahl)
            csv.zahl(spalte.zahl(fahrt));
        else if constexpr (spalte.quelle == Quelle::Zeichen)
            // A spreadsheet's filter would take the list's blank for a value: the file leaves it empty.
            csv.vorbereitetesFeld(fahrt.*spalte.zeichen ? QByteArrayView("x") : QByteArrayView());
        else
            csv.feld(QStringView(zusatz_->at(zeile)));
    }

private:
    // Consecutive trips mostly share their day, so its date is written once per day. Digits, dots,
    // colons and a blank need no quotes.
    void datumUndZeit(CsvSchreiber& csv, std::optional<zeitpunkt::Sekunden> zeit)
    {
        if (!zeit) {
            csv.vorbereitetesFeld(QByteArrayView());
            return;
        }
        if (zeitpunkt::tag(*zeit) != tag_) {
            zeitpunkt::schreibeDeutschMitZeit(text_, *zeit);
            tag_ = zeitpunkt::tag(*zeit);
        } else {
            zeitpunkt::schreibeUhrzeitMitSekunden(text_ + datumMitLeerzeichen, *zeit);
        }
        csv.vorbereitetesFeld(QByteArrayView(text_, zeitpunkt::laengeDeutschMitZeit));
    }

    static void uhrzeit(CsvSchreiber& csv, std::optional<zeitpunkt::Sekunden> zeit)
    {
        if (!zeit) {
            csv.vorbereitetesFeld(QByteArrayView());
            return;
        }
        char text[zeitpunkt::laengeUhrzeitMitSekunden];
        csv.vorbereitetesFeld(QByteArrayView(text, zeitpunkt::schreibeUhrzeitMitSekunden(text, *zeit)));
    }

    static constexpr int datumMitLeerzeichen = zeitpunkt::laengeDeutschMitZeit - zeitpunkt::laengeUhrzeitMitSekunden;

    const std::vector<QString>* zusatz_;
    Namensfelder namen_;
    char text_[zeitpunkt::laengeDeutschMitZeit] = {};
    qint64 tag_ = std::numeric_limits<qint64>::min();
};

template <std::size_t... nummer>
void zeileSchreiben(CsvSchreiber& csv, std::vector<Dateispalte>& spalten, const GelisteteFahrt& fahrt,
                    std::size_t zeile, std::index_sequence<nummer...>)
{
    (spalten[nummer].schreiben<nummer>(csv, fahrt, zeile), ...);
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
    for (std::size_t zeile = 0; zeile < liste.anzahl(); ++zeile)
        zeileSchreiben(csv, spalten, liste.fahrt(zeile), zeile, std::make_index_sequence<std::size(fahrtspalten)>());
}

} // namespace fahrtenexport
