#pragma once

#include <QDateTime>
#include <QString>

#include <optional>
#include <utility>

// The checks of one save of the trip entry: what the time fields and the other findings say,
// and which single refusal (message and field to return to) the user sees.
namespace speicherpruefung {

enum class Abfahrt { Ok, Ungueltig, VorLetzterFahrt, Fehlt };
enum class Ankunft { Ok, Ungueltig, ZuLang, Fehlt, PrivatOhneAnkunft, Abgelehnt };

// The departure field against the last arrival. A card vehicle's times come from the recorder,
// so its departure is not compared.
Abfahrt abfahrtPruefen(const QString& abfahrt, const QDate& datum, const QDateTime& letzteAnkunft,
                       bool kartenfahrzeug);

// The arrival field's own form (before the duration is looked at).
Ankunft ankunftFormPruefen(const QString& ankunft);

// An empty arrival: a private trip may leave both times out, no other kind may leave the arrival
// out. Applies whatever the earlier findings were.
Ankunft fehlendeAnkunft(Ankunft bisher, const QString& abfahrt, const QString& ankunft, bool privat);

enum class Feld { EAbfahrt, EAnkunft, cbVon, Cbnach, EkmStand, Cbzweck };

struct Befund {
    Abfahrt abfahrt = Abfahrt::Ok;
    Ankunft ankunft = Ankunft::Ok;
    bool kmGefuellt = true;
    bool kmZahl = true; // the arrival odometer field holds a number and nothing else
    // For a hand-typed trip: the arrival reading that lies below the departure reading, if it does.
    std::optional<std::pair<qint64, qint64>> kmRueckwaerts;
    bool tempoOk = true;
    int durchschnitt = 0;
    bool vonDa = true;
    bool nachDa = true;
    bool zweckDa = true;
};

struct Ablehnung {
    QString meldung; // empty: the user declined the duration question, only the beep sounds
    Feld feld;
};

// The first finding that stops the save, or nothing when the trip may be stored.
std::optional<Ablehnung> entscheiden(const Befund& befund);

} // namespace speicherpruefung
