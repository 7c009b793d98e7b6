#include "db/Einfuegeanweisung.h"

QString einfuegeanweisung(const QString& tabelle, const QStringList& spalten)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tabelle, spalten.join(QStringLiteral(", ")),
             QStringList(spalten.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
}
