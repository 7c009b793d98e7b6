#pragma once

#include "logbuch/StammdatenStore.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A master table loaded for the selection lists, in the order of its query. Names are found by
// ID and IDs by name, compared as the database compares names; an ID no longer stored has no name.
class Stammliste {
public:
    Stammliste() = default;
    explicit Stammliste(std::vector<Stammeintrag> eintraege) : eintraege_(std::move(eintraege)) {}

    QString name(std::optional<int> id) const;
    QString abkuerzung(std::optional<int> id) const;
    std::optional<int> idVonName(const QString& name) const;
    std::optional<int> idVonAbkuerzung(const QString& abkuerzung) const;
    QStringList namen() const;

private:
    const Stammeintrag* finde(std::optional<int> id) const;

    std::vector<Stammeintrag> eintraege_;
};

// The selection lists of the trip entry.
struct Stammdaten {
    Stammliste orte;
    Stammliste arten;
    Stammliste zwecke;
    Stammliste kategorien;
    Stammliste fahrer;
};
