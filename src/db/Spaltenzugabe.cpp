#include "db/Spaltenzugabe.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"

namespace {

bool hatSpalte(const QString& anweisung)
{
    const QString tabelle = anweisung.section(QLatin1Char(' '), 2, 2);
    const QString spalte = anweisung.section(QLatin1Char(' '), 5, 5);
    SqlStatement leer(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(tabelle));
    leer.exec();
    return leer.spalten().contains(spalte, Qt::CaseInsensitive);
}

} // namespace

void spaltenHinzufuegen(const QStringList& anweisungen)
{
    for (const QString& sql : anweisungen)
        if (!hatSpalte(sql))
            SqlStatement::direkt(Database::dialekt().tabelle(sql));
}
