#include "db/FahrzeugStore.h"

#include "db/AppState.h"
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

std::optional<int> idNachKennzeichen(const QString& kzuFzg)
{
    SqlStatement statement("SELECT ID FROM T_KFZ WHERE KZuFzg = ? ORDER BY ID");
    statement.bind(kzuFzg).exec();
    if (!statement.next())
        return std::nullopt;
    return statement.intValue("ID");
}

int unbearbeiteteFahrten(const QString& schluessel)
{
    return SqlStatement::scalarInt(
        "SELECT COUNT(*) FROM T_basis WHERE KFZid = ? AND NOT Art = 'M' AND bearbeitet = 0", {schluessel});
}

} // namespace FahrzeugStore
