#include "evaluation/Fahrtenexport.h"

#include "common/CsvSchreiber.h"

#include <QByteArray>

namespace {

// The names of the master rows in their CSV form, made once for all rows of the file.
QHash<int, QByteArray> vorbereitet(const QHash<int, QString>& namen)
{
    QHash<int, QByteArray> felder;
    felder.reserve(namen.size());
    for (auto name = namen.cbegin(); name != namen.cend(); ++name)
        felder.insert(name.key(), CsvSchreiber::vorbereitet(name.value()));
    return felder;
}

struct Namensfelder {
    explicit Namensfelder(const Stammnamen& namen)
        : orte(vorbereitet(namen.orte)), fahrzeuge(vorbereitet(namen.fahrzeuge)), fahrer(vorbereitet(namen.fahrer)),
          zwecke(vorbereitet(namen.zwecke)), kategorien(vorbereitet(namen.kategorien)),
          artKuerzel(vorbereitet(namen.artKuerzel)), artNamen(vorbereitet(namen.artNamen))
    {
    }

    QHash<int, QByteArray> orte, fahrzeuge, fahrer, zwecke, kategorien, artKuerzel, artNamen;
};

void zeiten(CsvSchreiber& csv, const GelisteteFahrt& fahrt)
{
    if (Fahrtenliste::ohneZeiten(fahrt)) {
        csv.feld(QByteArrayView());
        csv.feld(QByteArrayView());
        return;
    }
    char text[zeitpunkt::laengeDeutschMitZeit];
    csv.feld(QByteArrayView(text, zeitpunkt::schreibeDeutschMitZeit(text, *fahrt.abfahrt)));
    csv.feld(QByteArrayView(text, zeitpunkt::schreibeUhrzeitMitSekunden(text, *fahrt.ankunft)));
}

} // namespace

namespace fahrtenexport {

const QStringList& kopf()
{
    static const QStringList texte =
        Fahrtenliste::kopf() +
        QStringList{QStringLiteral("Fahrtart"), QStringLiteral("Kilometer"), QStringLiteral("Bemerkung")};
    return texte;
}

void schreiben(CsvSchreiber& csv, const Fahrtenliste& liste, const QHash<int, QString>& bemerkungen)
{
    csv.zeile(kopf());
    const Namensfelder namen(liste.namen());
    const QByteArray markiert = QByteArrayLiteral("x");
    for (const GelisteteFahrt& fahrt : liste.fahrten()) {
        zeiten(csv, fahrt);
        csv.vorbereitetesFeld(namen.orte.value(fahrt.start));
        csv.vorbereitetesFeld(namen.orte.value(fahrt.ziel));
        csv.zahl(fahrt.kmAb);
        csv.zahl(fahrt.kmAn);
        csv.vorbereitetesFeld(namen.fahrzeuge.value(fahrt.fahrzeug));
        csv.vorbereitetesFeld(namen.fahrer.value(fahrt.fahrer));
        csv.vorbereitetesFeld(namen.zwecke.value(fahrt.zweck));
        csv.vorbereitetesFeld(namen.kategorien.value(fahrt.kategorie));
        csv.vorbereitetesFeld(namen.artKuerzel.value(fahrt.art));
        csv.vorbereitetesFeld(fahrt.mitBemerkung ? markiert : QByteArray());
        csv.vorbereitetesFeld(namen.artNamen.value(fahrt.art));
        csv.zahl(qint64(fahrt.kmAn) - fahrt.kmAb);
        csv.feld(fahrt.mitBemerkung ? bemerkungen.value(fahrt.id) : QString());
        // Tamper evidence adds each trip's chain value here, as the last column (and its title
        // to kopf()): the one place where a row of the logbook file is written.
        csv.zeileBeenden();
    }
}

} // namespace fahrtenexport
