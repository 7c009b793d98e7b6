#include "card/SpeicherkartenStore.h"

#include "card/KartenimportStore.h"
#include "db/Namensordnung.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"

namespace SpeicherkartenStore {

namespace {

// The values of the card's most recent import (and, within it, of the vehicle that arrived last).
void letzterEinlesevorgang(Karte& karte)
{
    SqlStatement statement(QStringLiteral(
        "SELECT Einlesedat, MAX(Zielzeit) AS MaxvonZielZeit, KFZid FROM T_basis WHERE CFID = ? "
        "GROUP BY Einlesedat, KFZid ORDER BY Einlesedat DESC NULLS LAST, MaxvonZielZeit DESC NULLS LAST LIMIT 1"));
    statement.bind(karte.id).exec();
    if (!statement.next())
        return;
    karte.fahrzeug = statement.text(QStringLiteral("KFZid"));
    karte.letztesZieldatum = sqldate::germanDateTime(statement.value(QStringLiteral("MaxvonZielZeit")));
    karte.einlesedatum = sqldate::germanDateTime(statement.value(QStringLiteral("Einlesedat")));
}

} // namespace

std::vector<Karte> uebersicht()
{
    std::vector<Karte> karten;
    SqlStatement statement(QStringLiteral("SELECT CFID FROM T_basis GROUP BY CFID ORDER BY CFID"));
    statement.exec();
    while (statement.next())
        karten.push_back(Karte{.id = statement.text(QStringLiteral("CFID"))});
    for (Karte& karte : karten) {
        karte.fahrer = KartenimportStore::kartenfahrer(karte.id).value_or(QString());
        letzterEinlesevorgang(karte);
    }
    return karten;
}

} // namespace SpeicherkartenStore
