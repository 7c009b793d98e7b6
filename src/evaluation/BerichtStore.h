#pragma once

#include <QHash>
#include <QString>

#include <vector>

// What the printed reports read beyond the evaluation's own lists.
class BerichtStore {
public:
    // The full remark of each of the given trips, by trip ID.
    QHash<int, QString> bemerkungen(const std::vector<int>& fahrtIds) const;
};
