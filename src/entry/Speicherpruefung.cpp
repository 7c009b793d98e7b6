#include "entry/Speicherpruefung.h"

#include "entry/Zeitfeld.h"

namespace speicherpruefung {

namespace {
const QString ungueltigeZeit = QStringLiteral("Fehler bei Eingabe. Gültige Werte sind 00:00 bis 23:59.");

QString meldung(Abfahrt abfahrt)
{
    switch (abfahrt) {
    case Abfahrt::Ungueltig:
        return ungueltigeZeit;
    case Abfahrt::VorLetzterFahrt:
        return QStringLiteral("Die Abfahrtszeit liegt vor der letzten Fahrt.");
    case Abfahrt::Fehlt:
        return QStringLiteral("Sie müssen die Abfahrtszeit ausfüllen.");
    case Abfahrt::Ok:
        break;
    }
    return {};
}

QString meldung(Ankunft ankunft)
{
    switch (ankunft) {
    case Ankunft::Ungueltig:
        return ungueltigeZeit;
    case Ankunft::ZuLang:
        return QStringLiteral("Die Fahrtzeit überschreitet die in den Optionen angegeben Zeit");
    case Ankunft::Fehlt:
        return QStringLiteral("Sie müssen die Ankunftszeit ausfüllen.");
    case Ankunft::PrivatOhneAnkunft:
        return QStringLiteral("Sie müssen entweder die Ankunftszeit ausfüllen oder keine Zeiten eintragen.");
    case Ankunft::Ok:
    case Ankunft::Abgelehnt:
        break;
    }
    return {};
}
} // namespace

Abfahrt abfahrtPruefen(const QString& abfahrt, const QDate& datum, const QDateTime& letzteAnkunft,
                       bool kartenfahrzeug)
{
    if (zeitfeld::istLeer(abfahrt))
        return Abfahrt::Fehlt;
    const auto zeit = zeitfeld::lesen(abfahrt);
    if (!zeit)
        return Abfahrt::Ungueltig;
    if (!kartenfahrzeug && QDateTime(datum, *zeit) < letzteAnkunft)
        return Abfahrt::VorLetzterFahrt;
    return Abfahrt::Ok;
}

Ankunft ankunftFormPruefen(const QString& ankunft)
{
    return zeitfeld::lesen(ankunft) ? Ankunft::Ok : Ankunft::Ungueltig;
}

Ankunft fehlendeAnkunft(Ankunft bisher, const QString& abfahrt, const QString& ankunft, bool privat)
{
    if (!zeitfeld::istLeer(ankunft))
        return bisher;
    if (privat)
        return zeitfeld::istLeer(abfahrt) ? bisher : Ankunft::PrivatOhneAnkunft;
    return Ankunft::Fehlt;
}

std::optional<Ablehnung> entscheiden(const Befund& befund)
{
    if (befund.abfahrt != Abfahrt::Ok)
        return Ablehnung{meldung(befund.abfahrt), Feld::EAbfahrt};
    if (befund.ankunft != Ankunft::Ok)
        return Ablehnung{meldung(befund.ankunft), Feld::EAnkunft};
    if (!befund.vonDa)
        return Ablehnung{QStringLiteral("Sie müssen das Feld \"Von\" ausfüllen."), Feld::cbVon};
    if (!befund.nachDa)
        return Ablehnung{QStringLiteral("Sie müssen das Feld \"Nach\" ausfüllen."), Feld::Cbnach};
    if (!befund.kmGefuellt)
        return Ablehnung{QStringLiteral("Sie müssen die Kilometer ausfüllen."), Feld::EkmStand};
    if (!befund.kmZahl)
        return Ablehnung{QStringLiteral("Fehler bei der Eingabe"), Feld::EkmStand};
    if (befund.kmRueckwaerts)
        return Ablehnung{QStringLiteral("Der km-Stand bei Ankunft (%1) liegt unter dem km-Stand bei Abfahrt (%2).")
                             .arg(befund.kmRueckwaerts->first)
                             .arg(befund.kmRueckwaerts->second),
                         Feld::EkmStand};
    if (!befund.tempoOk)
        return Ablehnung{QStringLiteral("Die Durchschnittsgeschwindigkeit von %1 km/h überschreitet die in den "
                                        "Optionen eingestellte Geschwindigkeit.")
                             .arg(befund.durchschnitt),
                         Feld::EAnkunft};
    if (!befund.zweckDa)
        return Ablehnung{QStringLiteral("Sie müssen das Feld \"Zweck\" ausfüllen."), Feld::Cbzweck};
    return std::nullopt;
}

} // namespace speicherpruefung
