#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The master tables of places, purposes, categories and drivers: the statements every window that
// lists, resolves or names their rows runs, in one place.
class Kettenanhang;

enum class Stammtabelle { Orte, Zwecke, Kategorien, Fahrer };

// One row of a master table.
struct Stammeintrag {
    int id = 0;
    QString bezeichnung;
    QString abkuerzung; // kinds of trip only
};

namespace StammdatenStore {

// The rows in German name order; equal names by ID.
std::vector<Stammeintrag> nachName(Stammtabelle tabelle);
// The rows in the order they were created.
std::vector<Stammeintrag> nachId(Stammtabelle tabelle);
// The names in German name order.
QStringList namen(Stammtabelle tabelle);
// Every row's name by its ID.
QHash<int, QString> namenNachId(Stammtabelle tabelle);

// The kinds of trip with their short forms, by ID.
std::vector<Stammeintrag> fahrtarten();

// The ID of the first row of this name, compared as names are, if there is one.
std::optional<int> id(Stammtabelle tabelle, const QString& name);
// The ID of the row named so; a missing row is created and recorded in the protocol. Runs inside
// the caller's transaction, which it keeps from creating the same name twice when two users save
// at once.
int idFuer(Stammtabelle tabelle, const QString& name, Kettenanhang& kette);
QString name(Stammtabelle tabelle, int id);

// Whether a driver other than ausserId already has this name, compared as names are.
bool fahrernameVergeben(const QString& name, int ausserId = 0);
// The driver window's changes to the drivers, each a chained protocol entry with the name. A name
// another driver has is checked again under the table's lock, so two users cannot both take it:
// then nothing is created (none) or renamed (false). Keeping the stored name is no clash.
std::optional<int> fahrerAnlegen(const QString& name, const QString& bemerkung);
bool fahrerAendern(int id, const QString& name, const QString& bemerkung);
// Deletes the driver unless logbook entries name him by now; returns whether he was deleted.
bool fahrerLoeschen(int id);

} // namespace StammdatenStore
