#include "evaluation/Fahrzeugauswertung.h"

namespace fahrzeugauswertung {

double privatanteil(const KilometerJeArt& km)
{
    const qint64 gesamt = km.gesamt();
    return gesamt == 0 ? 0.0 : 100.0 * static_cast<double>(km.privat) / static_cast<double>(gesamt);
}

QString prozentText(double prozent)
{
    return QString::number(prozent, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')) + QStringLiteral(" %");
}

TextTabelle tabelle(const std::vector<Fahrzeug>& fahrzeuge)
{
    TextTabelle ergebnis;
    ergebnis.kopf = {QStringLiteral("Fahrzeug"),     QStringLiteral("Anzahl"),      QStringLiteral("Kilometer"),
                     QStringLiteral("unzugeordnet"), QStringLiteral("privat"),      QStringLiteral("Arbeitsweg"),
                     QStringLiteral("geschäftlich"), QStringLiteral("Privatanteil")};
    for (const Fahrzeug& f : fahrzeuge)
        ergebnis.zeilen.append({f.name, QString::number(f.anzahl), QString::number(f.km.gesamt()),
                                QString::number(f.km.unzugeordnet), QString::number(f.km.privat),
                                QString::number(f.km.arbeitsweg), QString::number(f.km.geschaeftlich),
                                prozentText(privatanteil(f.km))});
    return ergebnis;
}

} // namespace fahrzeugauswertung
