#include "evaluation/Dauerformat.h"

namespace dauer {

namespace {

struct Teile {
    QString vorzeichen;
    qint64 tage = 0;
    qint64 stunden = 0;
    qint64 minuten = 0;
};

// Overlapping trips can make a standing time negative; it keeps its sign instead of wrapping.
Teile zerlegen(zeitpunkt::Sekunden dauer)
{
    Teile teile;
    if (dauer < 0) {
        teile.vorzeichen = QStringLiteral("-");
        dauer = -dauer;
    }
    const qint64 minuten = dauer / 60;
    teile.tage = minuten / (24 * 60);
    teile.stunden = minuten / 60 % 24;
    teile.minuten = minuten % 60;
    return teile;
}

QString zweistellig(qint64 wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

} // namespace

QString langform(zeitpunkt::Sekunden dauer)
{
    const Teile t = zerlegen(dauer);
    return QStringLiteral("%1%2d %3h %4min")
        .arg(t.vorzeichen)
        .arg(t.tage)
        .arg(zweistellig(t.stunden), zweistellig(t.minuten));
}

QString uhrform(zeitpunkt::Sekunden dauer)
{
    const Teile t = zerlegen(dauer);
    return t.vorzeichen + zweistellig(t.stunden) + QLatin1Char(':') + zweistellig(t.minuten);
}

QString tagessumme(zeitpunkt::Sekunden dauer)
{
    const Teile t = zerlegen(dauer);
    return QStringLiteral("%1%2 Tag(e) %3:%4")
        .arg(t.vorzeichen)
        .arg(t.tage)
        .arg(zweistellig(t.stunden), zweistellig(t.minuten));
}

QString stunden(zeitpunkt::Sekunden dauer)
{
    const Teile t = zerlegen(dauer);
    return t.vorzeichen + zweistellig(t.tage * 24 + t.stunden) + QLatin1Char(':') + zweistellig(t.minuten);
}

} // namespace dauer
