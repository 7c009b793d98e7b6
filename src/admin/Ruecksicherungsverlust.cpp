#include "admin/Ruecksicherungsverlust.h"

#include "common/Zaehlwoerter.h"

#include <QStringList>

namespace ruecksicherungsverlust {

namespace {

const Zaehlwort& wort(pruefkette::Kette kette)
{
    switch (kette) {
    case pruefkette::Kette::Fahrtenbuch:
        return zaehlwort::fahrtenbucheintrag;
    case pruefkette::Kette::Rohfahrten:
        return zaehlwort::rohfahrt;
    case pruefkette::Kette::Protokoll:
        break;
    }
    return zaehlwort::protokolleintrag;
}

// "3 Fahrtenbucheinträge, 0 Rohfahrten und 1 Protokolleintrag"
template <typename Zahl> QString aufzaehlung(const Zahl& zahl)
{
    QStringList teile;
    for (pruefkette::Kette kette : pruefkette::alleKetten)
        teile << anzahl(zahl(kette), wort(kette));
    const QString letzter = teile.takeLast();
    return teile.join(QStringLiteral(", ")) + QStringLiteral(" und ") + letzter;
}

} // namespace

qint64 Verlust::summe() const
{
    qint64 gesamt = 0;
    for (qint64 n : mehr)
        gesamt += n;
    return gesamt;
}

Verlust berechnen(const pruefkette::Koepfe& lebend, const pruefkette::Koepfe& gesichert)
{
    Verlust verlust{lebend, {}};
    for (std::size_t i = 0; i < lebend.size(); ++i)
        verlust.mehr[i] = std::max<qint64>(0, lebend[i].anzahl - gesichert[i].anzahl);
    return verlust;
}

QString frage(const Verlust& verlust)
{
    return QStringLiteral("Das Fahrtenbuch enthält %1 mehr als diese Sicherung. Sie gehen mit der Rücksicherung "
                          "verloren. Trotzdem zurücksichern?")
        .arg(aufzaehlung([&verlust](pruefkette::Kette k) { return verlust.mehr[pruefkette::index(k)]; }));
}

QString ersetzt(const Pruefergebnis& lebend)
{
    return QStringLiteral("Ersetzt wurde das Fahrtenbuch mit Prüfwert %1 (%2).")
        .arg(lebend.pruefwert(),
             aufzaehlung([&lebend](pruefkette::Kette k) { return lebend.koepfe[pruefkette::index(k)].anzahl; }));
}

} // namespace ruecksicherungsverlust
