#include "entry/Kilometerfeld.h"

#include "entry/Zahlfeld.h"

namespace kilometerfeld {

namespace {
qint64 zahl(const QString& text)
{
    return zahlLesen(text).wert;
}

QString format(const QString& text, int breite)
{
    return istLeer(text) ? QString() : linksbuendig(zahl(text), breite);
}
} // namespace

bool istLeer(const QString& text)
{
    return text.trimmed().isEmpty();
}

QString linksbuendig(qint64 wert, int breite)
{
    if (wert < 0)
        return QString();
    return QString::number(wert).leftJustified(breite, QLatin1Char(' '));
}

Felder formatieren(const Felder& felder)
{
    return {format(felder.ekm, streckeBreite), format(felder.ekmStand, standBreite)};
}

Ergebnis ekmVerlassen(const Felder& felder, qint64 letzterStand)
{
    if (!istLeer(felder.ekm)) {
        if (!zahlLesen(felder.ekm).istZahl)
            return {felder, true};
        return {formatieren({felder.ekm, linksbuendig(letzterStand + zahl(felder.ekm), standBreite)})};
    }
    if (!istLeer(felder.ekmStand))
        return {formatieren({linksbuendig(zahl(felder.ekmStand) - letzterStand, streckeBreite), felder.ekmStand})};
    return {felder};
}

Ergebnis ekmStandVerlassen(const Felder& felder, qint64 letzterStand, bool kartenfahrzeug, bool ekmStandAktiv)
{
    if (istLeer(felder.ekmStand)) {
        if (istLeer(felder.ekm))
            return {felder};
        return {{felder.ekm, linksbuendig(letzterStand + zahl(felder.ekm), standBreite)}};
    }
    if (!zahlLesen(felder.ekmStand).istZahl)
        return {felder, true};

    const qint64 stand = zahl(felder.ekmStand);
    if (stand >= letzterStand || kartenfahrzeug) {
        Felder neu = felder;
        if (ekmStandAktiv)
            neu.ekm = linksbuendig(stand - letzterStand, streckeBreite);
        return {formatieren(neu)};
    }
    if (istLeer(felder.ekm))
        return {{felder.ekm, QString()}};
    return {formatieren({felder.ekm, linksbuendig(letzterStand + zahl(felder.ekm), standBreite)})};
}

} // namespace kilometerfeld
