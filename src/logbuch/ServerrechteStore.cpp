#include "logbuch/ServerrechteStore.h"

#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "db/SqlStatement.h"

namespace ServerrechteStore {

namespace {

// Each right that is missing, one row each: its name and the object; the schema first.
QString fehlendeRechte(bool nurLesen)
{
    const QString tabellenrechte = nurLesen ? QStringLiteral("('SELECT')")
                                            : QStringLiteral("('SELECT'), ('INSERT'), ('UPDATE'), ('DELETE')");
    const QString folgenrechte =
        nurLesen ? QStringLiteral("('SELECT')") : QStringLiteral("('USAGE'), ('SELECT'), ('UPDATE')");
    return QStringLiteral(
               "WITH s AS (SELECT oid, nspname FROM pg_catalog.pg_namespace WHERE nspname = %1) "
               "SELECT 0 AS folge, 'USAGE' AS recht, 'Schema ' || s.nspname AS objekt FROM s "
               "WHERE NOT has_schema_privilege(s.oid, 'USAGE') "
               "UNION ALL SELECT 1, r.recht, 'Tabelle ' || c.relname FROM pg_catalog.pg_class c "
               "JOIN s ON s.oid = c.relnamespace CROSS JOIN (VALUES %2) AS r(recht) "
               "WHERE c.relkind IN ('r', 'p') AND NOT has_table_privilege(c.oid, r.recht) "
               "UNION ALL SELECT 2, r.recht, 'Sequenz ' || c.relname FROM pg_catalog.pg_class c "
               "JOIN s ON s.oid = c.relnamespace CROSS JOIN (VALUES %3) AS r(recht) "
               "WHERE c.relkind = 'S' AND NOT has_sequence_privilege(c.oid, r.recht) "
               "ORDER BY 1, 3, 2 LIMIT 1")
        .arg(Dialekt::serverschema, tabellenrechte, folgenrechte);
}

QString text(const QString& sql, const QVariantList& werte = {})
{
    SqlStatement abfrage(sql);
    for (const QVariant& wert : werte)
        abfrage.bind(wert);
    abfrage.exec();
    return abfrage.next() ? abfrage.value(0).toString() : QString();
}

} // namespace

std::optional<QString> fehlendesRecht(bool nurLesen)
{
    SqlStatement ergebnis(fehlendeRechte(nurLesen));
    if (!ergebnis.exec().next())
        return std::nullopt;
    const QString benutzer = text(QStringLiteral("SELECT current_user"));
    return QStringLiteral("Dem Benutzer „%1“ fehlt auf dem Datenbankserver das Recht %2 auf %3. Der Eigentümer "
                          "des Fahrtenbuchs richtet ihn mit „varno server benutzer %1“ ein.")
        .arg(benutzer, ergebnis.value(1).toString(), ergebnis.value(2).toString());
}

void gewaehren(const QString& rolle)
{
    if (SqlStatement::scalarInt(QStringLiteral("SELECT COUNT(*) FROM pg_catalog.pg_roles WHERE rolname = ?"),
                                {rolle}) == 0)
        throw DatabaseError(QStringLiteral("Den Benutzer „%1“ gibt es auf dem Datenbankserver nicht. Der Verwalter "
                                           "des Servers legt ihn an (CREATE ROLE … LOGIN).")
                                .arg(rolle));
    // Names cannot be bound; the server quotes them itself.
    const QString name = text(QStringLiteral("SELECT quote_ident(?)"), {rolle});
    const QString schema = text(QStringLiteral("SELECT quote_ident(%1)").arg(Dialekt::serverschema));
    Transaction transaktion;
    for (const QString& anweisung :
         {QStringLiteral("GRANT USAGE ON SCHEMA %1 TO %2"),
          QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE ON ALL TABLES IN SCHEMA %1 TO %2"),
          QStringLiteral("GRANT USAGE, SELECT, UPDATE ON ALL SEQUENCES IN SCHEMA %1 TO %2"),
          QStringLiteral("ALTER DEFAULT PRIVILEGES IN SCHEMA %1 GRANT SELECT, INSERT, UPDATE, DELETE ON TABLES TO %2"),
          QStringLiteral("ALTER DEFAULT PRIVILEGES IN SCHEMA %1 GRANT USAGE, SELECT, UPDATE ON SEQUENCES TO %2")})
        SqlStatement::direkt(anweisung.arg(schema, name));
    transaktion.commit();
}

} // namespace ServerrechteStore
