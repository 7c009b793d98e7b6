#pragma once

#include "audit/Kettenpruefer.h"
#include "logbuch/kette/Fahrtnamen.h"

#include <QSet>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <vector>

// Finds the master rows logbook rows name that are gone, while the check reads the logbook once:
// the master tables are small and read first, each row's references are looked up among them.
// One finding per missing master row, at the first row that names it.
class Stammverweispruefung {
public:
    using Ids = std::array<QSet<qint64>, fahrtnamen::verweisfelder.size()>;
    // The IDs of each field's master table, in the order of fahrtnamen::verweisfelder.
    explicit Stammverweispruefung(Ids vorhanden);

    void pruefen(const Kettenpruefer::Zeile& zeile);
    std::vector<Pruefbefund> befunde() const;

private:
    struct Fehlend {
        qlonglong ersteZeile = 0;
        qint64 zeilen = 0;
    };

    Ids vorhanden_;
    std::array<qint64, fahrtnamen::verweisfelder.size()> letzterGefunden_{}; // consecutive rows repeat
    // By master table and ID (places from and to share one table), with the field that named it first.
    std::map<std::pair<QString, qint64>, std::pair<std::size_t, Fehlend>> fehlend_;
};
