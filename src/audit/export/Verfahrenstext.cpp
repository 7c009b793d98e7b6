#include "audit/export/Verfahrenstext.h"

#include "common/GermanFormat.h"
#include "logbuch/KFZEintrag.h"

#include <QStringList>

namespace verfahrenstext {

namespace {

QString e(const QString& text)
{
    return text.toHtmlEscaped();
}

QString abschnitt(int nummer, const QString& titel, const QString& inhalt)
{
    return QStringLiteral("<h2>%1. %2</h2>%3").arg(nummer).arg(e(titel), inhalt);
}

QString absatz(const QString& text)
{
    return QStringLiteral("<p>%1</p>").arg(text);
}

QString liste(const QStringList& punkte, const QString& ohne)
{
    if (punkte.isEmpty())
        return absatz(e(ohne));
    return QStringLiteral("<ul><li>%1</li></ul>").arg(punkte.join(QStringLiteral("</li><li>")));
}

QString pruefwertText(const QByteArray& wert)
{
    return QString::fromLatin1(wert.toHex().toUpper());
}

QString allgemeines(const Verfahrensangaben& a)
{
    return absatz(QStringLiteral("Unternehmen: %1").arg(zuErgaenzen(QStringLiteral("Name und Anschrift")))) +
           absatz(QStringLiteral("Verantwortlich für das Fahrtenbuch: %1")
                      .arg(zuErgaenzen(QStringLiteral("Name, Funktion")))) +
           absatz(e(QStringLiteral("Das Fahrtenbuch wird mit dem Programm Varno, Version %1, elektronisch geführt. "
                                   "Diese Dokumentation gibt den Stand vom %2 wieder.")
                        .arg(a.programmversion, german::date(a.stand))));
}

QString ablage(const Verfahrensangaben& a)
{
    const QString ort = a.datenbank == QLatin1String("PostgreSQL")
                            ? QStringLiteral("auf dem Datenbankserver %1 (PostgreSQL); mehrere Benutzer arbeiten "
                                             "gleichzeitig im selben Fahrtenbuch")
                            : QStringLiteral("in der Datenbankdatei %1 (SQLite)");
    return absatz(e(QStringLiteral("Das Fahrtenbuch liegt %1.").arg(ort.arg(a.logbuch)))) +
           absatz(QStringLiteral("Zugriff auf Rechner und Datenbank haben: %1")
                      .arg(zuErgaenzen(QStringLiteral("Personen und Rechte"))));
}

QString fahrzeugzeile(const Verfahrensangaben::Fahrzeug& f)
{
    return e(QStringLiteral("%1: %2 Fahrten%3")
                 .arg(f.kennzeichen, QString::number(f.fahrten),
                      f.abgeschlossen ? QStringLiteral(" (abgeschlossen)") : QString()));
}

QString erfassung(const Verfahrensangaben& a)
{
    QStringList karte, hand;
    for (const auto& f : a.fahrzeuge)
        (f.eingabeart == EingabeManuell ? hand : karte) << fahrzeugzeile(f);
    return absatz(e(QStringLiteral("Fahrzeuge mit Fahrtenschreiber: Der Fahrtenschreiber zeichnet jede Fahrt auf "
                                   "der Speicherkarte auf. Beim Einlesen prüft das Programm jede Fahrt auf "
                                   "Plausibilität und speichert sie unverändert als Rohfahrt (bisher %1); im "
                                   "Fahrtenbuch wird sie danach um Zweck, Ziel und Fahrer ergänzt.")
                        .arg(a.rohfahrten))) +
           liste(karte, QStringLiteral("Keine Fahrzeuge mit Fahrtenschreiber.")) +
           absatz(e(QStringLiteral("Fahrzeuge mit Handeingabe: Jede Fahrt wird im Fenster „Fahrten erfassen“ "
                                   "eingegeben und beim Speichern auf lückenlose Kilometerstände geprüft."))) +
           liste(hand, QStringLiteral("Keine Fahrzeuge mit Handeingabe.")) +
           absatz(QStringLiteral("Zeitnahe Erfassung im Unternehmen: %1")
                      .arg(zuErgaenzen(QStringLiteral("wer erfasst wann, etwa wöchentlich"))));
}

QString korrekturen(const Verfahrensangaben& a)
{
    return absatz(
        e(QStringLiteral(
              "Gespeicherte Fahrten werden nie geändert oder gelöscht. Eine Korrektur speichert eine neue Fassung "
              "der Fahrt mit Grund, Zeitpunkt und Benutzer; die alte Fassung bleibt erhalten und ist als ersetzt "
              "gekennzeichnet. Eine Stornierung tut dasselbe mit einer Stornozeile. Beides wird im Protokoll "
              "festgehalten. Bisher: %1 Korrekturen, %2 Stornierungen, %3 Protokolleinträge.")
              .arg(a.korrekturen)
              .arg(a.stornierungen)
              .arg(a.protokolleintraege)));
}

QString kette(const Verfahrensangaben& a)
{
    const QString beginn =
        a.pruefung.kettenbeginn
            ? QStringLiteral(" Die Kette besteht seit dem %1.").arg(german::date(a.pruefung.kettenbeginn->date()))
            : QString();
    return absatz(e(QStringLiteral("Jede Fahrt, jede Rohfahrt und jeder Protokolleintrag trägt einen Kettenwert "
                                   "(SHA-256 über seinen Inhalt und den Wert des Eintrags davor). Eine spätere "
                                   "Änderung, Löschung oder Einfügung passt nicht mehr zur Kette; „Fahrtenbuch "
                                   "prüfen“ und „varno pruefen“ finden sie. Die Kette umfasst %1 Einträge.%2")
                        .arg(a.pruefung.eintraege())
                        .arg(beginn))) +
           absatz(e(QStringLiteral("Prüfung zum Stand dieser Dokumentation: %1").arg(a.pruefung.vermerk())));
}

QString ankerzeile(const Anker& anker)
{
    return e(QStringLiteral("%1, %2, Prüfwert %3")
                 .arg(german::dateTime(anker.zeit.toLocalTime()), anker.anlass, pruefwertText(anker.pruefwert)));
}

QString zeitstempel(const Verfahrensangaben& a)
{
    if (a.zeitstempeldienst.isEmpty() && a.zeitstempel.empty())
        return absatz(QStringLiteral("Zeitstempel eines Zeitstempeldienstes (RFC 3161): in den Optionen ist kein "
                                     "Dienst eingestellt."));
    QString text = absatz(e(QStringLiteral("Zeitstempel eines Zeitstempeldienstes (RFC 3161): Jede Datensicherung und "
                                           "jedes Jahresfahrtenbuch erhält einen Zeitstempel über seinen Prüfwert, "
                                           "eingestellter Dienst: %1. Im Fahrtenbuch stehen %2 Zeitstempel.")
                                .arg(a.zeitstempeldienst.isEmpty() ? QStringLiteral("keiner") : a.zeitstempeldienst,
                                     QString::number(a.zeitstempel.size()))));
    if (!a.zeitstempel.empty())
        text += absatz(e(QStringLiteral("Zuletzt: %1").arg(zeitstempeleintrag::vermerk(a.zeitstempel.back()))));
    return text;
}

QString anker(const Verfahrensangaben& a)
{
    QString text = absatz(e(
        QStringLiteral(
            "Bei jedem Programmende, jeder Datensicherung, jedem Bericht und Export und jeder Prüfung hält das "
            "Programm "
            "den vollen Prüfwert mit der Zahl der Einträge außerhalb des Fahrtenbuchs fest, in der Datei %1 und neben "
            "jeder Sicherung. Diese Dateien sind selbst verkettet. Für dieses Fahrtenbuch sind dort %2 Stände "
            "festgehalten.")
            .arg(a.ankerdatei, QString::number(a.anker.size()))));
    if (!a.anker.empty())
        text += absatz(QStringLiteral("Zuletzt: ") + ankerzeile(a.anker.back()));
    return text + zeitstempel(a);
}

QString sicherungen(const Verfahrensangaben& a)
{
    QStringList gesichert, zurueck;
    for (const Anker& sicherung : a.sicherungen)
        gesichert << ankerzeile(sicherung);
    for (const auto& r : a.ruecksicherungen)
        zurueck << e(QStringLiteral("%1: %2").arg(r.zeit, r.beschreibung));
    return absatz(e(QStringLiteral("Datensicherungen dieses Fahrtenbuchs, mit dem Prüfwert ihres Inhalts:"))) +
           liste(gesichert, QStringLiteral("Es ist keine Datensicherung festgehalten.")) +
           absatz(e(QStringLiteral("Rücksicherungen laut Protokoll:"))) +
           liste(zurueck, QStringLiteral("Es gab keine Rücksicherung.")) +
           absatz(QStringLiteral("Aufbewahrung der Sicherungen: %1")
                      .arg(zuErgaenzen(QStringLiteral("Ort, Rhythmus, Aufbewahrungsfrist"))));
}

QString benutzer(const Verfahrensangaben& a)
{
    QStringList namen;
    for (const auto& b : a.benutzer)
        namen << e(QStringLiteral("%1: %2 Einträge").arg(b.name, QString::number(b.eintraege)));
    return absatz(e(QStringLiteral("Einträge gespeichert haben:"))) +
           liste(namen, QStringLiteral("Kein Eintrag nennt einen Benutzer."));
}

QString zeitraum(const Verfahrensangaben& a)
{
    if (!a.ersteFahrt)
        return absatz(e(QStringLiteral("Das Fahrtenbuch enthält noch keine Fahrt.")));
    return absatz(e(QStringLiteral("Das Fahrtenbuch enthält Fahrten vom %1 bis %2.")
                        .arg(german::date(*a.ersteFahrt), german::date(*a.letzteFahrt))));
}

QString kontrollen()
{
    return absatz(QStringLiteral("Internes Kontrollsystem: %1")
                      .arg(zuErgaenzen(QStringLiteral("wer prüft das Fahrtenbuch wie oft, etwa mit "
                                                      "„Fahrtenbuch prüfen“")))) +
           absatz(QStringLiteral("Ort, Datum, Unterschrift: %1").arg(zuErgaenzen(QStringLiteral("Unterschrift"))));
}

} // namespace

QString zuErgaenzen(const QString& was)
{
    return QStringLiteral("<span style=\"background-color:#fff3a0\"><b>[Vom Unternehmen zu ergänzen: %1]</b></span>")
        .arg(e(was));
}

QString html(const Verfahrensangaben& a)
{
    const QStringList teile = {
        abschnitt(1, QStringLiteral("Allgemeines"), allgemeines(a)),
        abschnitt(2, QStringLiteral("Ablage des Fahrtenbuchs"), ablage(a)),
        abschnitt(3, QStringLiteral("Erfassung der Fahrten"), erfassung(a)),
        abschnitt(4, QStringLiteral("Korrekturen und Stornierungen"), korrekturen(a)),
        abschnitt(5, QStringLiteral("Prüfkette"), kette(a)),
        abschnitt(6, QStringLiteral("Prüfwertanker und Zeitstempel"), anker(a)),
        abschnitt(7, QStringLiteral("Datensicherung"), sicherungen(a)),
        abschnitt(8, QStringLiteral("Benutzer"), benutzer(a)),
        abschnitt(9, QStringLiteral("Zeitraum"), zeitraum(a)),
        abschnitt(10, QStringLiteral("Kontrollen und Freigabe"), kontrollen()),
    };
    return QStringLiteral("<html><body><h1>Verfahrensdokumentation des elektronischen Fahrtenbuchs</h1>%1</body>"
                          "</html>")
        .arg(teile.join(QString()));
}

} // namespace verfahrenstext
