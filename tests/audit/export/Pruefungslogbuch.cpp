#include "Pruefungslogbuch.h"

#include "audit/KorrekturStore.h"
#include "card/KartenimportStore.h"
#include "support/Fahrtvorlage.h"

namespace {

QDateTime um(int jahr, int monat, int tag, int stunde)
{
    return QDateTime(QDate(jahr, monat, tag), QTime(stunde, 0));
}

// An hour's trip from Köln to Köln for the purpose `zweck`, with every master row a stored trip has.
struct Fahrtenbauer {
    int koeln = build::ort(QStringLiteral("Köln"));
    Fahrtvorlage vorlage{.start = koeln,
                         .ziel = koeln,
                         .zweck = build::zweck(Pruefungslogbuch::zweck),
                         .fahrer = build::fahrer(QStringLiteral("Anna Berg")),
                         .kategorie = build::kategorie(QStringLiteral("Standard"))};

    int operator()(int kfz, const QDateTime& ab, int kmAb, int kmAn, const QString& bemerkung = {}) const
    {
        build::Fahrt fahrt = vorlage.stunde(kfz, ab, kmAb, kmAn);
        fahrt.bemerkung = bemerkung;
        return build::fahrt(fahrt);
    }
};

// An hour's business trip to Bonn the recorder of vehicle 7 recorded.
ImportFahrt kartenfahrt(const QDateTime& ab, int kmAb, int kmAn)
{
    return {ab,
            kmAb,
            ab.addSecs(3600),
            kmAn,
            QStringLiteral("7 - ") + Pruefungslogbuch::kartenkennzeichen,
            true,
            QStringLiteral("G"),
            QStringLiteral("Bonn"),
            QStringLiteral("Kunde"),
            QString()};
}

void karteUebernehmen()
{
    const ImportFahrt vorjahr = kartenfahrt(um(2024, 11, 4, 9), 5000, 5040);
    const ImportFahrt diesjahr = kartenfahrt(um(2025, 4, 1, 9), 5040, 5100);
    KartenimportStore::uebernehmen(QStringLiteral("4711"), um(2025, 4, 2, 12), {&vorjahr, &diesjahr}, {});
}

} // namespace

Pruefungslogbuch Pruefungslogbuch::fuellen()
{
    Pruefungslogbuch l;
    l.handfahrzeug = build::fahrzeug({.kennzeichen = handkennzeichen, .anfKm = 1000});
    l.kartenfahrzeug = build::fahrzeug({.kennzeichen = kartenkennzeichen, .anfKm = 5000, .eingabeart = 1, .kfzId = 7});
    const Fahrtenbauer fahrt;
    fahrt(l.handfahrzeug, um(2024, 12, 30, 8), 1000, 1020);
    l.korrigiert = fahrt(l.handfahrzeug, um(2025, 3, 1, 8), 1020, 1050);
    l.storniert = fahrt(l.handfahrzeug, um(2025, 3, 2, 8), 1050, 1080);
    fahrt(l.handfahrzeug, um(2025, 5, 1, 8), 1080, 1100, QStringLiteral("erste Zeile\nzweite Zeile"));
    karteUebernehmen();
    l.kartenfahrt = fahrt(l.kartenfahrzeug, um(2025, 4, 1, 9), 5040, 5100);
    l.korrektur = static_cast<int>(KorrekturStore::korrigieren(l.korrigiert,
                                                               {.fahrzeug = l.handfahrzeug,
                                                                .abDat = um(2025, 3, 1, 8),
                                                                .anDat = um(2025, 3, 1, 9),
                                                                .kmAb = 1020,
                                                                .kmAn = 1050,
                                                                .von = QStringLiteral("Köln"),
                                                                .nach = QStringLiteral("Bonn"),
                                                                .art = 4,
                                                                .zweck = zweck,
                                                                .kategorie = QStringLiteral("Standard"),
                                                                .fahrer = QStringLiteral("Öztürk")},
                                                               QStringLiteral("Tacho abgelesen")));
    KorrekturStore::stornieren(l.storniert, QStringLiteral("doppelt erfasst"));
    return l;
}
