#include "support/Pruefwertzeile.h"

#include <QStringList>

QString pruefwertzeile(const QString& bericht)
{
    for (const QString& zeile : bericht.split(QLatin1Char('\n')))
        if (zeile.startsWith(QStringLiteral("Prüfwert: ")))
            return zeile;
    return {};
}
