#include "entry/Fahrtspeicherung.h"

#include "entry/Auswahlfeld.h"
#include "entry/Fahrtart.h"
#include "entry/Fahrtdauer.h"
#include "entry/Kilometerfeld.h"
#include "entry/Zahlfeld.h"
#include "entry/Zeitfeld.h"

namespace fahrtspeicherung {

using namespace speicherpruefung;

namespace {

qint64 zahl(const QString& text)
{
    return zahlLesen(text).wert;
}

// The duration against the option tFahrt; a long one the user confirms or declines.
Ankunft dauerPruefen(const QString& abfahrt, const QString& ankunft, int hoechsteFahrtdauer,
                     const Nachfrage& nachfrage)
{
    const int dauer = fahrtdauer::minuten(*zeitfeld::lesen(abfahrt), *zeitfeld::lesen(ankunft));
    switch (fahrtdauer::pruefen(dauer, hoechsteFahrtdauer)) {
    case fahrtdauer::Dauerpruefung::Ueberschritten:
        return Ankunft::ZuLang;
    case fahrtdauer::Dauerpruefung::Nachfragen:
        return nachfrage(QStringLiteral("Die Fahrtzeit beträgt %1 h. Sind Sie sicher?").arg(fahrtdauer::text(dauer)))
                   ? Ankunft::Ok
                   : Ankunft::Abgelehnt;
    case fahrtdauer::Dauerpruefung::Ok:
        break;
    }
    return Ankunft::Ok;
}

struct Zeiten {
    QDateTime abDat;
    QDateTime anDat;
};

// The two time fields: their findings and, where they hold, the departure and arrival.
Zeiten zeitenPruefen(const Eingabe& e, const Stand& s, const Nachfrage& nachfrage, Befund& befund)
{
    Zeiten zeiten;
    befund.abfahrt = abfahrtPruefen(e.abfahrt, e.datum, s.letzteAnkunft, s.kartenfahrzeug);
    if (befund.abfahrt == Abfahrt::Ok) {
        zeiten.abDat = QDateTime(e.datum, *zeitfeld::lesen(e.abfahrt));
        if (!zeitfeld::istLeer(e.ankunft) && e.ankunftAktiv) {
            befund.ankunft = ankunftFormPruefen(e.ankunft);
            if (befund.ankunft == Ankunft::Ok)
                befund.ankunft = dauerPruefen(e.abfahrt, e.ankunft, s.hoechsteFahrtdauer, nachfrage);
        }
        if (befund.ankunft == Ankunft::Ok && !zeitfeld::istLeer(e.ankunft))
            if (const auto zeit = zeitfeld::lesen(e.ankunft))
                zeiten.anDat = QDateTime(e.datum, *zeit);
    }
    befund.ankunft = fehlendeAnkunft(befund.ankunft, e.abfahrt, e.ankunft, e.art == Privat);
    // A trip that ends earlier in the day than it began ends on the next day.
    if (befund.abfahrt == Abfahrt::Ok && befund.ankunft == Ankunft::Ok && zeiten.anDat.isValid() &&
        zeiten.anDat.time() < zeiten.abDat.time())
        zeiten.anDat = zeiten.anDat.addDays(1);
    return zeiten;
}

// An emptied selection field holds its default, as leaving it would have made it: a save by key
// or shortcut leaves no field.
Eingabe bereinigt(Eingabe e)
{
    const auto vorgabe = [](QString& feld, const QString& text) {
        if (feld.trimmed().isEmpty())
            feld = text;
    };
    for (QString* feld : {&e.von, &e.nach, &e.zweck, &e.fahrer})
        vorgabe(*feld, auswahlfeld::keineAngabe);
    vorgabe(e.kategorie, auswahlfeld::standardKategorie);
    return e;
}

// The readings as they will be stored; the distance field only follows them.
void kmPruefen(const Eingabe& e, qint64 kmAb, bool kartenfahrzeug, Befund& befund)
{
    befund.kmGefuellt = !kilometerfeld::istLeer(e.kmStand);
    const Zahlfeld kmAn = zahlLesen(e.kmStand);
    befund.kmZahl = !befund.kmGefuellt || kmAn.istZahl;
    // A card vehicle's reading comes from the recorder and is kept as read.
    if (befund.kmGefuellt && befund.kmZahl && !kartenfahrzeug && kmAn.wert < kmAb)
        befund.kmRueckwaerts = std::pair{kmAn.wert, kmAb};
}

} // namespace

Ergebnis pruefen(const Eingabe& eingabe, const Stand& s, const Nachfrage& nachfrage)
{
    const Eingabe e = bereinigt(eingabe);
    const std::optional<Rohfahrt> rohfahrt = s.kartenfahrzeug ? s.rohfahrt : std::nullopt;
    const qint64 kmAb = rohfahrt ? rohfahrt->startkm : s.letzterKmStand;
    Befund befund;
    const Zeiten zeiten = zeitenPruefen(e, s, nachfrage, befund);
    kmPruefen(e, kmAb, s.kartenfahrzeug, befund);
    // A card vehicle's recorder knows its speed; equal times give none.
    if (befund.abfahrt == Abfahrt::Ok && befund.ankunft == Ankunft::Ok && befund.kmGefuellt && befund.kmZahl &&
        !befund.kmRueckwaerts && zeiten.anDat.isValid() && e.abfahrt != e.ankunft && !s.kartenfahrzeug) {
        befund.durchschnitt = fahrtdauer::durchschnitt(
            zahl(e.kmStand) - kmAb, fahrtdauer::minuten(zeiten.abDat.time(), zeiten.anDat.time()));
        befund.tempoOk = befund.durchschnitt <= s.hoechsteGeschwindigkeit;
    }
    const bool privat = e.art == Privat;
    // A private trip may hide where it went; a card trip's start is the recorder's.
    befund.vonDa = privat || e.von != auswahlfeld::keineAngabe || s.kartenfahrzeug;
    befund.nachDa = privat || e.nach != auswahlfeld::keineAngabe;
    befund.zweckDa = !(e.art == Geschaeftlich && e.zweck == auswahlfeld::keineAngabe);
    if (const auto ablehnung = entscheiden(befund))
        return *ablehnung;

    // Only a raw trip the user saw copied is completed; a trip typed by hand starts where the last ended.
    Auftrag auftrag{.fahrzeug = s.fahrzeug,
                    .abDat = zeiten.abDat,
                    .anDat = zeiten.anDat,
                    .kmAb = static_cast<int>(kmAb),
                    .kmAn = static_cast<int>(zahl(e.kmStand)),
                    .von = e.von,
                    .nach = e.nach,
                    .art = e.art + 1,
                    .zweck = e.zweck,
                    .kategorie = e.kategorie,
                    .fahrer = e.fahrer,
                    .bemerkung = e.bemerkung};
    if (rohfahrt)
        auftrag.rohfahrt = rohfahrt->id;
    if (e.alsStammfahrt && !e.von.isEmpty())
        auftrag.stammfahrtKm = static_cast<int>(zahl(e.km));
    return auftrag;
}

} // namespace fahrtspeicherung
