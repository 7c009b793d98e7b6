#include "db/FahrzeugStore.h"

#include "db/KFZEintrag.h"
#include "db/Namensordnung.h"
#include "db/SqlStatement.h"

namespace FahrzeugStore {

QString schluessel(int kfzId)
{
    SqlStatement statement("SELECT KZuFzg, KFZID FROM T_KFZ WHERE ID = ?");
    statement.bind(kfzId).exec();
    if (!statement.next())
        return {};
    return fahrzeugSchluessel(statement.intValue("KFZID"), statement.text("KZuFzg"));
}

std::optional<GefundenesFahrzeug> nachKennzeichen(const QString& kzuFzg)
{
    SqlStatement statement(
        QStringLiteral("SELECT ID, KZuFzg FROM T_KFZ WHERE %1 = ? ORDER BY ID").arg(namensordnung::spalte(u"KZuFzg")));
    statement.bind(kzuFzg).exec();
    if (!statement.next())
        return std::nullopt;
    return GefundenesFahrzeug{statement.intValue("ID"), statement.text("KZuFzg")};
}

int unbearbeiteteFahrten(const QString& schluessel)
{
    return SqlStatement::scalarInt(
        "SELECT COUNT(*) FROM T_basis WHERE KFZid = ? AND NOT Art = 'M' AND bearbeitet = 0", {schluessel});
}

} // namespace FahrzeugStore
