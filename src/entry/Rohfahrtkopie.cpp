#include "entry/Rohfahrtkopie.h"

#include "common/GermanFormat.h"
#include "entry/Auswahlfeld.h"
#include "entry/Fahrtdatum.h"
#include "entry/Fahrtart.h"

namespace {

QString oderVorgabe(const QString& text, const QString& vorgabe)
{
    return text.isEmpty() ? vorgabe : text;
}

} // namespace

Rohfahrtkopie rohfahrtKopieren(const Rohfahrt& fahrt, qint64 letzterKmStand, const QString& letztesZiel)
{
    using auswahlfeld::keineAngabe;
    Rohfahrtkopie kopie;
    // A missing or implausibly early start time is left to the user.
    const bool zuFrueh = !fahrt.startzeit || fahrt.startzeit->date() < fruehestesFahrtdatum;
    if (zuFrueh) {
        kopie.hinweis = QStringLiteral("Das Datum liegt vor dem 01.01.2003 und wird automatisch auf den 01.01.2003 "
                                       "gesetzt. Bitte geben Sie die tatsächliche Abfahrtszeit ein.");
        kopie.datum = fruehestesFahrtdatum;
    } else {
        kopie.datum = fahrt.startzeit->date();
        kopie.abfahrt = german::time(fahrt.startzeit->time());
    }
    kopie.abfahrtFrei = zuFrueh;
    if (fahrt.zielzeit)
        kopie.ankunft = german::time(fahrt.zielzeit->time());
    kopie.ankunftFrei = !fahrt.zielzeit;

    kopie.nach = oderVorgabe(fahrt.ort, keineAngabe);
    kopie.zweck = oderVorgabe(fahrt.grund, keineAngabe);
    kopie.kategorie = oderVorgabe(fahrt.kat, auswahlfeld::standardKategorie);
    kopie.fahrer = fahrt.fahrer == QStringLiteral("unbekannt") ? keineAngabe : fahrt.fahrer;
    kopie.art = fahrtartAusKarte(fahrt.art);

    if (fahrt.zielkm != 0) {
        kopie.kmStand = QString::number(fahrt.zielkm);
        kopie.km = QString::number(fahrt.zielkm - fahrt.startkm);
        const bool schliesstAn = fahrt.startkm == letzterKmStand && !letztesZiel.isEmpty();
        kopie.von = schliesstAn ? letztesZiel : keineAngabe;
        kopie.vonFrei = !schliesstAn;
    } else {
        kopie.warnung = QStringLiteral(
            "Während der Fahrt wurde das Anschlusskabel entfernt. Dadurch konnten Ankunftszeit und -km nicht erfasst "
            "werden. Diese müssen jetzt eingegeben werden. Bei Falscheingabe kann sich die Fahrt mit der nächsten "
            "Fahrt überschneiden.");
        kopie.kmStand = QString::number(fahrt.startkm);
        kopie.kmFrei = true;
    }
    return kopie;
}
