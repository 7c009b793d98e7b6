#include "start/Startdateipruefung.h"

#include "start/Logbuchpruefung.h"

#include <QDir>
#include <QFileInfo>

namespace {

using Weiter = Startbefund::Weiter;

QString angezeigt(const QString& pfad)
{
    return QDir::toNativeSeparators(pfad);
}

Startbefund unbrauchbar(const QString& pfad, const QString& grund)
{
    return {Weiter::Sicherungsfenster,
            QStringLiteral("Das Fahrtenbuch %1 kann nicht geöffnet werden:\n%2\n\nSie können jetzt eine bestehende "
                           "Datensicherung zurücksichern oder eine neue Datenbank anlegen.")
                .arg(angezeigt(pfad), grund),
            grund};
}

} // namespace

Startdateipruefung::Startdateipruefung(Beschreibbar beschreibbar, int sperrWartezeitMs)
    : beschreibbar_(std::move(beschreibbar)), sperrWartezeitMs_(sperrWartezeitMs)
{
}

Startbefund Startdateipruefung::pruefen(const QString& pfad) const
{
    using Befund = Logbuchpruefung::Befund;
    const Logbuchpruefung::Ergebnis pruefung =
        Logbuchpruefung::pruefen(pfad, Logbuchpruefung::Tiefe::Schnell, sperrWartezeitMs_);
    switch (pruefung.befund) {
    case Befund::Gesund:
        break;
    case Befund::Fehlt:
        return {Weiter::Sicherungsfenster,
                QStringLiteral("Datenbank nicht gefunden. Sie können jetzt eine bestehende Datensicherung "
                               "zurücksichern."),
                pruefung.grund};
    case Befund::Gesperrt:
        return {Weiter::WiederholenAnbieten,
                QStringLiteral("Das Fahrtenbuch %1 wird gerade von einem anderen Programm benutzt. Wollen Sie es "
                               "erneut versuchen?")
                    .arg(angezeigt(pfad)),
                pruefung.grund};
    case Befund::KeinZugriff:
    case Befund::KeinLogbuch:
    case Befund::NeuereVersion:
    case Befund::Beschaedigt:
        return unbrauchbar(pfad, pruefung.grund);
    }
    if (!beschreibbar_(pfad))
        return {Weiter::NurLesendOeffnen,
                QStringLiteral("Das Fahrtenbuch %1 ist schreibgeschützt (die Datei oder ihr Verzeichnis). Sie können "
                               "Fahrten auswerten und drucken, aber keine Änderungen speichern.")
                    .arg(angezeigt(pfad))};
    return {};
}

bool Startdateipruefung::dateiUndOrdnerBeschreibbar(const QString& pfad)
{
    const QFileInfo datei(pfad);
    return datei.isWritable() && QFileInfo(datei.absolutePath()).isWritable();
}
