#include "Auswertungsdaten.h"

QDateTime am(int jahr, int monat, int tag, int stunde, int minute)
{
    return QDateTime(QDate(jahr, monat, tag), QTime(stunde, minute));
}

Auswertungsdaten::Auswertungsdaten()
{
    golf = build::fahrzeug({.kennzeichen = QStringLiteral("B-XY 1, Golf")});
    passat = build::fahrzeug({.kennzeichen = QStringLiteral("M-AB 2, Passat")});
    buero = build::ort(QStringLiteral("Büro"));
    kunde = build::ort(QStringLiteral("D'dorf Kunde"));
    zuhause = build::ort(QStringLiteral("Zuhause"));
    besuch = build::zweck(QStringLiteral("Besuch"));
    standard = build::kategorie(QStringLiteral("Standard"));
    extra = build::kategorie(QStringLiteral("Extra"));
    meier = build::fahrer(QStringLiteral("Meier"));
    obrien = build::fahrer(QStringLiteral("O'Brien"));
}

build::Fahrt Auswertungsdaten::fahrt(const QDateTime& ab, const QDateTime& an, int kmAb, int kmAn) const
{
    build::Fahrt f;
    f.kfz = golf;
    f.ab = ab;
    f.an = an;
    f.kmAb = kmAb;
    f.kmAn = kmAn;
    f.start = buero;
    f.ziel = kunde;
    f.art = 4;
    f.zweck = besuch;
    f.kategorie = standard;
    f.fahrer = meier;
    return f;
}

build::Fahrt Auswertungsdaten::lagerfahrt() const
{
    build::Fahrt lager = fahrt(am(2006, 2, 1, 8, 15), am(2006, 2, 1, 9, 2), 1000, 1042);
    lager.start = build::ort(QStringLiteral("Lager \"Nord\"; Tor 2"));
    lager.fahrer = obrien;
    return lager;
}

build::Fahrt Auswertungsdaten::heimfahrt() const
{
    build::Fahrt privat = fahrt(am(2006, 3, 4, 17), am(2006, 3, 4, 18), 1042, 1063);
    privat.art = 2;
    privat.ziel = zuhause;
    return privat;
}
