#include "evaluation/ui/Auswertungsexport.h"

#include "audit/export/Datentraegerueberlassung.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common_ui/LangeArbeit.h"
#include "common_ui/Sanduhr.h"
#include "evaluation/Ansichtsexport.h"
#include "evaluation/Exportname.h"
#include "evaluation/report/Fahrtenbuchdateien.h"

#include <QDir>
#include <QFileInfo>

QString Auswertungsexport::verzeichnis() const
{
    return verzeichnis_.isEmpty() ? QDir::homePath() : verzeichnis_;
}

bool Auswertungsexport::ansicht(const Auswertungsstand& stand, const Fahrtenliste& fahrten, const QString& fahrzeug,
                                const QString& fahrer)
{
    const QString vorschlag = ansichtsexport::vorschlag(stand, fahrzeug, fahrer);
    const QString gewaehlt =
        Prompts::instance().saveFile(QStringLiteral("Exportieren"), QDir(verzeichnis()).filePath(vorschlag),
                                     QStringLiteral("CSV-Datei (*.csv)"));
    if (gewaehlt.isEmpty())
        return false;
    const QString pfad = exportname::mitEndung(gewaehlt, QStringLiteral("csv"));
    try {
        const Sanduhr sanduhr;
        ansichtsexport::schreiben(pfad, stand, fahrten);
    } catch (const VarnoError& fehler) {
        prompt::error(fehler.message());
        return false;
    }
    verzeichnis_ = QFileInfo(pfad).absolutePath();
    return true;
}

std::optional<int> Auswertungsexport::jahrErfragen(const QString& titel) const
{
    const QDate heute = Clock::today();
    const auto eingabe =
        Prompts::instance().input(titel, QStringLiteral("Für welches Jahr?"), QString::number(heute.year()));
    if (!eingabe)
        return std::nullopt;
    const auto jahr = fahrtenbuchdateien::jahr(*eingabe, heute);
    if (!jahr) {
        prompt::beep();
        prompt::error(fahrtenbuchdateien::jahrFehler(heute));
    }
    return jahr;
}

void Auswertungsexport::jahresfahrtenbuch(std::optional<int> fahrzeug, const QString& kennzeichen,
                                          const Fortschritt& fortschritt, const QWidget* fenster)
{
    if (!fahrzeug) {
        prompt::warning(QStringLiteral("Bitte wählen Sie unter „Fahrzeug“ das Fahrzeug, dessen Fahrtenbuch "
                                       "geschrieben werden soll."));
        return;
    }
    const auto jahr = jahrErfragen(QStringLiteral("Jahresfahrtenbuch"));
    if (!jahr)
        return;
    const QString ordner =
        Prompts::instance().chooseFolder(QStringLiteral("Ordner für das Jahresfahrtenbuch"), verzeichnis());
    if (ordner.isEmpty())
        return;
    const auto auftrag = fahrtenbuchdateien::jahresauftrag(*fahrzeug, kennzeichen, *jahr, ordner);
    if ((QFileInfo::exists(auftrag.pdf) || QFileInfo::exists(auftrag.csv)) &&
        !prompt::confirmDestructive(
            QStringLiteral("Das Jahresfahrtenbuch %1 liegt dort bereits. Wollen Sie es ersetzen?").arg(*jahr)))
        return;
    std::optional<zeitstempelung::Ergebnis> zeitstempel;
    try {
        const LangeArbeit arbeit(fortschritt, fenster);
        zeitstempel = fahrtenbuchdateien::schreiben(auftrag, arbeit.melder());
    } catch (const VarnoError& fehler) {
        prompt::error(fehler.message());
        return;
    }
    verzeichnis_ = ordner;
    QString meldung =
        QStringLiteral("Das Jahresfahrtenbuch %1 für %2 wurde geschrieben:\n%3\n%4")
            .arg(*jahr)
            .arg(auftrag.kennzeichen, QDir::toNativeSeparators(auftrag.pdf), QDir::toNativeSeparators(auftrag.csv));
    if (zeitstempel && zeitstempel->gespeichert)
        meldung += QLatin1Char('\n') + zeitstempel->text;
    prompt::information(meldung);
    if (zeitstempel && !zeitstempel->gespeichert)
        prompt::warning(zeitstempel->text);
}

void Auswertungsexport::betriebspruefung(std::optional<int> fahrzeug, const QString& kennzeichen,
                                         const Fortschritt& fortschritt, const QWidget* fenster)
{
    const QString titel = QStringLiteral("Export für die Betriebsprüfung");
    const auto jahr = jahrErfragen(titel);
    if (!jahr)
        return;
    const QString ordner = Prompts::instance().chooseFolder(
        QStringLiteral("Neuer, leerer Ordner für den Export für die Betriebsprüfung"), verzeichnis());
    if (ordner.isEmpty())
        return;
    if (const auto mangel = datentraegerueberlassung::zielMangel(ordner)) {
        prompt::error(*mangel);
        return;
    }
    const Exportzeitraum zeitraum{QDate(*jahr, 1, 1), QDate(*jahr, 12, 31), fahrzeug, kennzeichen};
    try {
        const LangeArbeit arbeit(fortschritt, fenster);
        datentraegerueberlassung::schreiben(ordner, zeitraum, arbeit.melder());
    } catch (const VarnoError& fehler) {
        prompt::error(fehler.message());
        return;
    }
    verzeichnis_ = QFileInfo(ordner).absolutePath();
    prompt::information(QStringLiteral("Der Export für die Betriebsprüfung %1 wurde geschrieben:\n%2")
                            .arg(QString::number(*jahr), QDir::toNativeSeparators(ordner)));
}
