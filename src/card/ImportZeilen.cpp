#include "card/ImportZeilen.h"

#include "common/GermanFormat.h"

QString importZeittext(const std::optional<QDateTime>& zeit)
{
    if (!zeit)
        return QStringLiteral(" ");
    if (zeit->time() == QTime(0, 0))
        return german::date(zeit->date());
    return german::dateTime(*zeit);
}

QString zelltext(const ImportFahrt& fahrt, int spalte)
{
    switch (spalte) {
    case SpalteStartzeit:
        return importZeittext(fahrt.startzeit);
    case SpalteStartKm:
        return QString::number(fahrt.startKm);
    case SpalteZielzeit:
        return importZeittext(fahrt.zielzeit);
    case SpalteZielKm:
        return QString::number(fahrt.zielKm);
    case SpalteKfzId:
        return fahrt.kfzSchluessel;
    case SpalteCF:
        return fahrt.cfOk ? QStringLiteral("OK") : QString();
    case SpalteArt:
        return fahrt.art;
    case SpalteOrt:
        return fahrt.ort;
    case SpalteGrund:
        return fahrt.grund;
    case SpalteKategorie:
        return fahrt.kategorie;
    default:
        return {};
    }
}

QString zelltext(const ImportMerkpunkt& merkpunkt, int spalte)
{
    switch (spalte) {
    case SpalteZeit:
        return importZeittext(merkpunkt.zeit);
    case SpalteKilometer:
        return QString::number(merkpunkt.km);
    case SpalteMerkpunktKfz:
        return merkpunkt.kfzSchluessel;
    case SpalteBemerkung:
        return merkpunkt.bemerkung;
    default:
        return {};
    }
}

const QStringList& fahrtSpaltenkoepfe()
{
    static const QStringList koepfe = {QStringLiteral("Startzeit"),
                                       QStringLiteral("Start-km"),
                                       QStringLiteral("Zielzeit"),
                                       QStringLiteral("Ziel-km"),
                                       QStringLiteral("KFZ-ID"),
                                       QStringLiteral("CF"),
                                       QStringLiteral("Art"),
                                       QStringLiteral("Ort"),
                                       QStringLiteral("Grund"),
                                       QStringLiteral("Kategorie"),
                                       QString()};
    return koepfe;
}

const QStringList& merkpunktSpaltenkoepfe()
{
    static const QStringList koepfe = {QStringLiteral("Zeit"), QStringLiteral("Kilometer"), QStringLiteral("KFZ-ID"),
                                       QStringLiteral("Bemerkung")};
    return koepfe;
}
