#include "app/Befehlszeile.h"

#include "common/GermanFormat.h"
#include "evaluation/report/Fahrtenbuchdateien.h"

#include <map>

namespace befehlszeile {

namespace {

QString zitiert(const QString& text)
{
    return QStringLiteral("„%1“").arg(text);
}

// The arguments after the command word: options with their values, flags, and plain words.
class Argumente {
public:
    Argumente(QStringList argumente, QStringList mitWert, QStringList schalter)
        : rest_(std::move(argumente)), mitWert_(std::move(mitWert)), schalter_(std::move(schalter))
    {
    }

    // Fills the maps; the message of the first argument that does not fit, if any.
    std::optional<QString> zerlegen()
    {
        for (qsizetype i = 0; i < rest_.size(); ++i) {
            const QString& arg = rest_.at(i);
            if (!arg.startsWith(QLatin1Char('-')) || arg == QLatin1String("-")) {
                woerter_ << arg;
                continue;
            }
            const bool wert = mitWert_.contains(arg);
            if (!wert && !schalter_.contains(arg))
                return QStringLiteral("unbekannte Option %1").arg(zitiert(arg));
            if (werte_.count(arg) > 0)
                return QStringLiteral("%1 ist doppelt angegeben").arg(zitiert(arg));
            if (!wert) {
                werte_[arg] = QString();
                continue;
            }
            if (i + 1 == rest_.size() || rest_.at(i + 1).startsWith(QLatin1String("--")))
                return QStringLiteral("zu %1 fehlt der Wert").arg(zitiert(arg));
            werte_[arg] = rest_.at(++i);
        }
        return std::nullopt;
    }

    bool hat(const QString& option) const { return werte_.count(option) > 0; }
    std::optional<QString> wert(const QString& option) const
    {
        const auto gefunden = werte_.find(option);
        return gefunden == werte_.end() ? std::nullopt : std::optional<QString>(gefunden->second);
    }
    const QStringList& woerter() const { return woerter_; }

private:
    QStringList rest_;
    QStringList mitWert_;
    QStringList schalter_;
    std::map<QString, QString> werte_;
    QStringList woerter_;
};

const QString datenbankOption = QStringLiteral("--datenbank");
const QString wartenOption = QStringLiteral("--warten");
constexpr int laengsteWartezeit = 86400;
const QStringList hilfeOptionen = {QStringLiteral("--help"), QStringLiteral("-h")};

using Ergebnis = std::variant<Aufruf, Fehler>;

std::optional<QString> genauEinWort(const Argumente& argumente, const QString& name)
{
    if (argumente.woerter().isEmpty())
        return QStringLiteral("%1 fehlt").arg(name);
    if (argumente.woerter().size() > 1)
        return QStringLiteral("überzähliges Argument %1").arg(zitiert(argumente.woerter().at(1)));
    return std::nullopt;
}

std::optional<QString> datumLesen(const Argumente& argumente, const QString& option, QDate& datum)
{
    const QString text = argumente.wert(option).value_or(QString());
    const auto gelesen = german::parseDate(text);
    if (!gelesen)
        return QStringLiteral("%1: %2 ist kein Datum (TT.MM.JJJJ)").arg(zitiert(option), zitiert(text));
    datum = *gelesen;
    return std::nullopt;
}

std::optional<QString> zeitraumLesen(const Argumente& a, Aufruf& aufruf, const QDate& heute)
{
    const QString jahr = QStringLiteral("--jahr"), von = QStringLiteral("--von"), bis = QStringLiteral("--bis");
    if (a.hat(jahr)) {
        if (a.hat(von) || a.hat(bis))
            return QStringLiteral("%1 und %2/%3 schließen sich aus").arg(zitiert(jahr), zitiert(von), zitiert(bis));
        const QString text = *a.wert(jahr);
        const auto gelesen = fahrtenbuchdateien::jahr(text, heute);
        if (!gelesen)
            return QStringLiteral("%1: %2 ist kein Jahr von 2002 bis %3")
                .arg(zitiert(jahr), zitiert(text))
                .arg(heute.year());
        aufruf.von = QDate(*gelesen, 1, 1);
        aufruf.bis = QDate(*gelesen, 12, 31);
        return std::nullopt;
    }
    if (!a.hat(von) || !a.hat(bis))
        return QStringLiteral("der Zeitraum fehlt: %1 oder %2")
            .arg(zitiert(QStringLiteral("--jahr JJJJ")), zitiert(QStringLiteral("--von TT.MM.JJJJ --bis TT.MM.JJJJ")));
    if (auto fehler = datumLesen(a, von, aufruf.von))
        return fehler;
    if (auto fehler = datumLesen(a, bis, aufruf.bis))
        return fehler;
    if (aufruf.von > aufruf.bis)
        return QStringLiteral("%1 liegt nach %2").arg(zitiert(von), zitiert(bis));
    return std::nullopt;
}

// The auditor's export takes a period and, if it is to be narrowed, a vehicle; the files of the
// plain export make no sense with it.
std::optional<QString> betriebspruefungLesen(const Argumente& a, Aufruf& aufruf, const QDate& heute)
{
    for (const QString& option : {QStringLiteral("--csv"), QStringLiteral("--pdf"), QStringLiteral("--folgen")})
        if (a.hat(option))
            return QStringLiteral("%1 und %2 schließen sich aus")
                .arg(zitiert(option), zitiert(QStringLiteral("--betriebspruefung")));
    aufruf.betriebspruefung = *a.wert(QStringLiteral("--betriebspruefung"));
    aufruf.fahrzeug = a.wert(QStringLiteral("--fahrzeug")).value_or(QString());
    return zeitraumLesen(a, aufruf, heute);
}

std::optional<QString> exportLesen(const Argumente& a, Aufruf& aufruf, const QDate& heute)
{
    if (!a.woerter().isEmpty())
        return QStringLiteral("überzähliges Argument %1").arg(zitiert(a.woerter().first()));
    if (a.hat(QStringLiteral("--betriebspruefung")))
        return betriebspruefungLesen(a, aufruf, heute);
    if (!a.hat(QStringLiteral("--fahrzeug")))
        return QStringLiteral("%1 fehlt").arg(zitiert(QStringLiteral("--fahrzeug KENNZEICHEN")));
    aufruf.fahrzeug = *a.wert(QStringLiteral("--fahrzeug"));
    if (auto fehler = zeitraumLesen(a, aufruf, heute))
        return fehler;
    aufruf.csv = a.wert(QStringLiteral("--csv")).value_or(QString());
    aufruf.pdf = a.wert(QStringLiteral("--pdf")).value_or(QString());
    aufruf.folgen = a.hat(QStringLiteral("--folgen"));
    if (aufruf.csv.isEmpty() && aufruf.pdf.isEmpty())
        return QStringLiteral("%1 oder %2 fehlt")
            .arg(zitiert(QStringLiteral("--csv DATEI")), zitiert(QStringLiteral("--pdf DATEI")));
    if (aufruf.csv == aufruf.pdf)
        return QStringLiteral("%1 und %2 nennen dieselbe Datei")
            .arg(zitiert(QStringLiteral("--csv")), zitiert(QStringLiteral("--pdf")));
    return std::nullopt;
}

// The options each command takes, besides "--datenbank" and "--help".
struct Befehlsoptionen {
    QStringList mitWert;
    QStringList schalter;
};

Befehlsoptionen optionen(Befehl befehl)
{
    switch (befehl) {
    case Befehl::Export:
        return {{QStringLiteral("--fahrzeug"), QStringLiteral("--von"), QStringLiteral("--bis"),
                 QStringLiteral("--jahr"), QStringLiteral("--csv"), QStringLiteral("--pdf"),
                 QStringLiteral("--betriebspruefung")},
                {QStringLiteral("--folgen")}};
    case Befehl::KarteEinlesen:
        return {{QStringLiteral("--kennung")}, {QStringLiteral("--uebernehmen")}};
    case Befehl::Pruefen:
        return {{QStringLiteral("--gegen"), QStringLiteral("--anker")}, {}};
    default:
        return {};
    }
}

std::optional<QString> befehlLesen(Befehl befehl, const Argumente& a, Aufruf& aufruf, const QDate& heute)
{
    switch (befehl) {
    case Befehl::Export:
        return exportLesen(a, aufruf, heute);
    case Befehl::Sichern:
        if (auto fehler = genauEinWort(a, QStringLiteral("der Zielordner")))
            return fehler;
        aufruf.zielordner = a.woerter().first();
        return std::nullopt;
    case Befehl::KarteEinlesen:
        if (auto fehler = genauEinWort(a, QStringLiteral("die Datendatei")))
            return fehler;
        aufruf.datendatei = a.woerter().first();
        aufruf.uebernehmen = a.hat(QStringLiteral("--uebernehmen"));
        aufruf.kennung = a.wert(QStringLiteral("--kennung"));
        if (aufruf.kennung && aufruf.kennung->trimmed().isEmpty())
            return QStringLiteral("%1 ist leer").arg(zitiert(QStringLiteral("--kennung")));
        return std::nullopt;
    case Befehl::ServerBenutzer:
        if (auto fehler = genauEinWort(a, QStringLiteral("der Name des Benutzers")))
            return fehler;
        aufruf.benutzer = a.woerter().first();
        return std::nullopt;
    case Befehl::Verfahrensdokumentation:
        if (auto fehler = genauEinWort(a, QStringLiteral("die PDF-Datei")))
            return fehler;
        aufruf.dokument = a.woerter().first();
        return std::nullopt;
    case Befehl::Pruefen:
        if (!a.woerter().isEmpty())
            return QStringLiteral("überzähliges Argument %1").arg(zitiert(a.woerter().first()));
        aufruf.gegen = a.wert(QStringLiteral("--gegen"));
        aufruf.anker = a.wert(QStringLiteral("--anker"));
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// The command word (two for "karte einlesen" and "server benutzer") at the start of the arguments.
std::optional<Befehl> befehlswort(QStringList& argumente)
{
    const QString wort = argumente.takeFirst();
    if (wort == QLatin1String("export"))
        return Befehl::Export;
    if (wort == QLatin1String("sichern"))
        return Befehl::Sichern;
    if (wort == QLatin1String("pruefen"))
        return Befehl::Pruefen;
    if (wort == QLatin1String("verfahrensdokumentation"))
        return Befehl::Verfahrensdokumentation;
    if (wort == QLatin1String("karte") && !argumente.isEmpty() && argumente.first() == QLatin1String("einlesen")) {
        argumente.removeFirst();
        return Befehl::KarteEinlesen;
    }
    if (wort == QLatin1String("server") && !argumente.isEmpty() && argumente.first() == QLatin1String("benutzer")) {
        argumente.removeFirst();
        return Befehl::ServerBenutzer;
    }
    return std::nullopt;
}

Ergebnis befehlMitArgumenten(Befehl befehl, QStringList rest, Aufruf aufruf, const QDate& heute)
{
    aufruf.befehl = befehl;
    const Befehlsoptionen erlaubt = optionen(befehl);
    Argumente argumente(std::move(rest), erlaubt.mitWert + QStringList{datenbankOption, wartenOption},
                        erlaubt.schalter + hilfeOptionen);
    if (auto fehler = argumente.zerlegen())
        return Fehler{*fehler, befehl};
    if (argumente.hat(hilfeOptionen.at(0)) || argumente.hat(hilfeOptionen.at(1))) {
        aufruf.hilfe = true;
        return aufruf;
    }
    if (const auto pfad = argumente.wert(datenbankOption)) {
        if (aufruf.datenbank)
            return Fehler{QStringLiteral("%1 ist doppelt angegeben").arg(zitiert(datenbankOption)), befehl};
        aufruf.datenbank = pfad;
    }
    if (const auto warten = argumente.wert(wartenOption)) {
        bool zahl = false;
        aufruf.wartenSekunden = warten->toInt(&zahl);
        if (!zahl || aufruf.wartenSekunden < 1 || aufruf.wartenSekunden > laengsteWartezeit)
            return Fehler{QStringLiteral("%1: %2 ist keine Wartezeit von 1 bis %3 Sekunden")
                              .arg(zitiert(wartenOption), zitiert(*warten))
                              .arg(laengsteWartezeit),
                          befehl};
    }
    if (auto fehler = befehlLesen(befehl, argumente, aufruf, heute))
        return Fehler{*fehler, befehl};
    return aufruf;
}

} // namespace

std::variant<Aufruf, Fehler> lesen(const QStringList& argumente, const QDate& heute)
{
    Aufruf aufruf;
    QStringList rest = argumente;
    // Options of the program come before the command.
    while (!rest.isEmpty() && rest.first().startsWith(QLatin1Char('-'))) {
        const QString option = rest.takeFirst();
        if (hilfeOptionen.contains(option)) {
            aufruf.hilfe = true;
        } else if (option == datenbankOption) {
            if (rest.isEmpty())
                return Fehler{QStringLiteral("zu %1 fehlt der Wert").arg(zitiert(option))};
            aufruf.datenbank = rest.takeFirst();
        } else if (option == QLatin1String("--version") && rest.isEmpty()) {
            aufruf.befehl = Befehl::Version;
        } else if (option == QLatin1String("--neue-datenbank") && rest.isEmpty()) {
            aufruf.befehl = Befehl::NeueDatenbank;
        } else {
            return Fehler{QStringLiteral("unbekannte Option %1").arg(zitiert(option))};
        }
    }
    if (rest.isEmpty())
        return aufruf;
    const QString wort = rest.first();
    const auto befehl = befehlswort(rest);
    if (!befehl)
        return Fehler{QStringLiteral("unbekannter Befehl %1").arg(zitiert(wort))};
    if (aufruf.hilfe) {
        aufruf.befehl = *befehl;
        return aufruf;
    }
    return befehlMitArgumenten(*befehl, std::move(rest), std::move(aufruf), heute);
}

QString aufruf(Befehl befehl)
{
    switch (befehl) {
    case Befehl::Export:
        return QStringLiteral("varno export");
    case Befehl::Sichern:
        return QStringLiteral("varno sichern");
    case Befehl::KarteEinlesen:
        return QStringLiteral("varno karte einlesen");
    case Befehl::Pruefen:
        return QStringLiteral("varno pruefen");
    case Befehl::ServerBenutzer:
        return QStringLiteral("varno server benutzer");
    case Befehl::Verfahrensdokumentation:
        return QStringLiteral("varno verfahrensdokumentation");
    default:
        return QStringLiteral("varno");
    }
}

QString hilfe(Befehl befehl)
{
    switch (befehl) {
    case Befehl::Export:
        return QStringLiteral(
            "Aufruf: varno export --fahrzeug KENNZEICHEN (--jahr JJJJ | --von TT.MM.JJJJ --bis TT.MM.JJJJ)\n"
            "                     [--csv DATEI] [--pdf DATEI] [--folgen] [--datenbank PFAD]\n"
            "        varno export --betriebspruefung ORDNER (--jahr JJJJ | --von TT.MM.JJJJ --bis TT.MM.JJJJ)\n"
            "                     [--fahrzeug KENNZEICHEN] [--datenbank PFAD]\n"
            "\n"
            "Schreibt das Fahrtenbuch eines Fahrzeugs: alle Fahrten, die im Zeitraum beginnen, jeder Fahrtart.\n"
            "  --fahrzeug KENNZEICHEN  das Fahrzeug, wie es im Programm heißt (z. B. \"B-XY 1\")\n"
            "  --jahr JJJJ             das Kalenderjahr, vom 01.01. bis zum 31.12.\n"
            "  --von, --bis            der Zeitraum; beide Tage zählen ganz\n"
            "  --csv DATEI             als CSV-Datei (UTF-8, Semikolon) für Tabellenkalkulation und Steuerberater\n"
            "  --pdf DATEI             als Fahrtenbuch-Bericht mit den Kilometern je Fahrtart\n"
            "  --folgen                ist DATEI eine symbolische Verknüpfung, wird in ihr Ziel geschrieben\n"
            "Mindestens eine der beiden Dateien ist anzugeben; beide zusammen ergeben das Jahresfahrtenbuch.\n"
            "Geschrieben werden nur gewöhnliche Dateien: ein Ordner, ein Gerät, eine Pipe oder ein Socket\n"
            "unter dem Namen wird abgelehnt, eine symbolische Verknüpfung ohne --folgen ebenso.\n"
            "\n"
            "Mit --betriebspruefung ORDNER entsteht der Export für die Betriebsprüfung (Datenträgerüberlassung)\n"
            "in einem neuen oder leeren Ordner: die Fahrten des Zeitraums in jeder Fassung (aktuell, ersetzt,\n"
            "storniert), die Stammdaten, die Rohfahrten, das Protokoll und die Prüfwertanker als CSV-Dateien,\n"
            "beschrieben in index.xml nach dem Beschreibungsstandard, mit dessen DTD gdpdu-01-09-2004.dtd.\n"
            "Ohne --fahrzeug gilt er für alle Fahrzeuge. Scheitert er, bleibt nichts halb geschrieben zurück.\n");
    case Befehl::Verfahrensdokumentation:
        return QStringLiteral(
            "Aufruf: varno verfahrensdokumentation DATEI.pdf [--datenbank PFAD]\n"
            "\n"
            "Schreibt die Verfahrensdokumentation des Fahrtenbuchs als PDF: Programmversion, Ablage, Erfassung\n"
            "der Fahrten, Korrekturen und Stornierungen, Prüfkette, Prüfwertanker, Datensicherungen, Benutzer\n"
            "und Zeitraum, wie sie im Fahrtenbuch stehen. Markierte Stellen ergänzt das Unternehmen.\n");
    case Befehl::Sichern:
        return QStringLiteral(
            "Aufruf: varno sichern ZIELORDNER [--datenbank PFAD]\n"
            "\n"
            "Schreibt eine vollständige, in sich stimmige Kopie der Datenbank in den Ordner, benannt wie die\n"
            "Sicherung im Programm (JJJJMMTT_hhmmss.sav). Eine Datei gleichen Namens wird nicht überschrieben.\n");
    case Befehl::KarteEinlesen:
        return QStringLiteral(
            "Aufruf: varno karte einlesen DATENDATEI [--uebernehmen] [--kennung KENNUNG] [--datenbank PFAD]\n"
            "\n"
            "Liest die Datendatei einer Speicherkarte (auf der Karte oder in einen Ordner kopiert) und zeigt ihre\n"
            "Fahrten mit dem Ergebnis der Plausibilitätsprüfung.\n"
            "  --uebernehmen      übernimmt die plausiblen Fahrten und die Merkpunkte wie „Daten übernehmen“ im\n"
            "                     Programm, alles oder nichts, und löscht sie danach auf der Karte. Alle Fahrzeuge\n"
            "                     der Karte müssen im Programm angelegt sein.\n"
            "  --kennung KENNUNG  die Kennung der Karte (Seriennummer ihres Datenträgers), wenn das System sie\n"
            "                     nicht ermitteln kann, etwa bei einer kopierten Datendatei.\n");
    case Befehl::Pruefen:
        return QStringLiteral(
            "Aufruf: varno pruefen [--gegen PRÜFWERT] [--anker DATEI] [--datenbank PFAD]\n"
            "\n"
            "Rechnet die Prüfkette des Fahrtenbuchs nach und nennt jede Fahrt, die seit dem Speichern verändert,\n"
            "gelöscht oder eingefügt wurde, mit Fahrzeug, Datum und Uhrzeit, dazu den aktuellen Prüfwert mit allen\n"
            "64 Hexadezimalziffern (Berichte drucken die ersten 32). Ist etwas verändert, gibt es keinen Prüfwert:\n"
            "dann steht dort „Prüfwert ungültig – Fahrtenbuch verändert“. Die Datei wird nur gelesen.\n"
            "  --gegen PRÜFWERT  bestätigt außerdem, dass der Stand, zu dem dieser Prüfwert gedruckt oder gesichert\n"
            "                    wurde, unverändert in der Datei enthalten ist. Angenommen werden 32 oder 64\n"
            "                    Hexadezimalziffern, mit oder ohne Leerzeichen, und die 16 Ziffern, die frühere\n"
            "                    Versionen gedruckt haben.\n"
            "  --anker DATEI     prüft gegen den letzten Prüfwertanker dieser Datei (etwa die Kopie des\n"
            "                    Steuerberaters) statt gegen die eigene Datei pruefwerte.txt.\n"
            "Ohne --anker wird der zuletzt in pruefwerte.txt festgehaltene Stand dieses Fahrtenbuchs geprüft\n"
            "und danach der geprüfte Stand dort festgehalten.\n"
            "Rückgabewert: 0 unverändert, 1 verändert oder der Stand fehlt, 2 Fehler.\n");
    case Befehl::ServerBenutzer:
        return QStringLiteral(
            "Aufruf: varno server benutzer NAME --datenbank postgresql://EIGENTÜMER@RECHNER:PORT/DATENBANK\n"
            "\n"
            "Gibt dem Benutzer NAME des Datenbankservers die Rechte, die Varno für das Fahrtenbuch dort braucht:\n"
            "das Schema nutzen; in jeder Tabelle lesen, einfügen, ändern und löschen; jede Sequenz nutzen, lesen\n"
            "und weiterzählen, auch für Tabellen, die eine spätere Programmversion anlegt. Aufzurufen vom\n"
            "Eigentümer des Fahrtenbuchs; den Benutzer selbst legt der Verwalter des Servers an.\n");
    default:
        return QStringLiteral(
            "Varno – elektronisches Fahrtenbuch\n"
            "\n"
            "Aufruf:\n"
            "  varno [--datenbank PFAD]   startet das Programm mit seinen Fenstern\n"
            "  varno export ...           schreibt das Fahrtenbuch eines Fahrzeugs als CSV- oder PDF-Datei\n"
            "  varno sichern ZIELORDNER   sichert die Datenbank\n"
            "  varno karte einlesen DATENDATEI [--uebernehmen] [--kennung KENNUNG]\n"
            "                             liest eine Speicherkarte und übernimmt ihre Fahrten\n"
            "  varno pruefen [--gegen PRÜFWERT]\n"
            "                             prüft, ob das Fahrtenbuch seit dem Speichern unverändert ist\n"
            "  varno server benutzer NAME gibt einem Kollegen die Rechte am Fahrtenbuch auf dem Server\n"
            "  varno export --betriebspruefung ORDNER --jahr JJJJ\n"
            "                             schreibt den Export für die Betriebsprüfung\n"
            "  varno verfahrensdokumentation DATEI.pdf\n"
            "                             schreibt die Verfahrensdokumentation\n"
            "  varno --version            zeigt die Programmversion\n"
            "  varno --neue-datenbank     legt eine neue Datenbank an, mit --datenbank auch in einer leeren\n"
            "                             Datenbank auf einem PostgreSQL-Server\n"
            "  varno BEFEHL --help        zeigt die Hilfe zu einem Befehl\n"
            "\n"
            "Auf einem Server wartet ein Befehl höchstens 60 Sekunden darauf, dass ein anderer Benutzer\n"
            "fertig gespeichert hat (--warten SEKUNDEN), und endet dann mit einer Meldung, ohne zu speichern.\n"
            "Jeder Befehl nimmt --datenbank PFAD: diese Datenbank statt der des Programms. Ohne die Option\n"
            "gilt varno.db im Arbeitsordner, für das installierte Programm ~/.local/share/Varno/varno.db, oder\n"
            "der in den Optionen gewählte Server. PFAD ist eine Datei oder ein PostgreSQL-Server:\n"
            "postgresql://benutzer@rechner:port/datenbank. Verlangt der Server ein Passwort, nimmt Varno es aus\n"
            "dem Schlüsselbund des Systems (secret-tool) oder aus ~/.pgpass, sonst fragt es im Terminal danach.\n"
            "Rückgabewert: 0 Erfolg, 1 Fehler (Meldung auf der Fehlerausgabe), 2 ungültige Argumente.\n");
    }
}

} // namespace befehlszeile
