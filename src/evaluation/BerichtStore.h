#pragma once

#include "evaluation/Fahrtenliste.h"

#include <QHash>
#include <QString>

// What the printed reports and the files read beyond the evaluation's own lists.
class BerichtStore {
public:
    // The full remark of every listed trip that has one, by trip ID.
    QHash<int, QString> bemerkungen(const Fahrtenliste& liste) const;
};
