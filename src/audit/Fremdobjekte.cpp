#include "audit/Fremdobjekte.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "logbuch/schema/Schema.h"
#include "logbuch/schema/Schemastand.h"
#include "db/SqlStatement.h"

namespace fremdobjekte {

namespace {

// The engine's own bookkeeping, the server logbook's version table and a backup's notes (its
// Prüfwert and, in the backup file itself, its checksum).
bool eigeneTabelle(const QString& name)
{
    static const QStringList eigene =
        Schema::tableNames() +
        QStringList{schemastand::servertabelle, Schema::sicherungsvermerk, QStringLiteral("T_Pruefsumme")};
    return eigene.contains(name, Qt::CaseInsensitive) || name.startsWith(QLatin1String("sqlite_"));
}

QString artname(const QString& art)
{
    if (art == QLatin1String("trigger"))
        return QStringLiteral("Trigger");
    if (art == QLatin1String("view"))
        return QStringLiteral("Sicht");
    if (art == QLatin1String("rule"))
        return QStringLiteral("Regel");
    return QStringLiteral("Tabelle");
}

QString katalogabfrage()
{
    if (Database::dialekt().art() == Datenbankart::SQLite)
        return QStringLiteral("SELECT type, name FROM sqlite_master WHERE type IN ('table', 'view', 'trigger')");
    // Triggers the server keeps for its own constraints are internal; the ON SELECT rules of views
    // are not listed as rules.
    const QString schema = QString::fromLatin1(Dialekt::serverschema);
    return QStringLiteral("SELECT 'trigger', t.tgname FROM pg_trigger t JOIN pg_class c ON c.oid = t.tgrelid "
                          "JOIN pg_namespace n ON n.oid = c.relnamespace WHERE NOT t.tgisinternal AND n.nspname = %1 "
                          "UNION ALL SELECT 'view', viewname FROM pg_views WHERE schemaname = %1 "
                          "UNION ALL SELECT 'rule', rulename FROM pg_rules WHERE schemaname = %1 "
                          "UNION ALL SELECT 'table', tablename FROM pg_tables WHERE schemaname = %1")
        .arg(schema);
}

} // namespace

QStringList finden()
{
    SqlStatement s(katalogabfrage());
    s.exec();
    QStringList gefunden;
    while (s.next()) {
        const QString art = s.value(0).toString();
        const QString name = s.value(1).toString();
        if (art == QLatin1String("table") && eigeneTabelle(name))
            continue;
        gefunden << QStringLiteral("%1 „%2“").arg(artname(art), name);
    }
    gefunden.sort();
    return gefunden;
}

} // namespace fremdobjekte
