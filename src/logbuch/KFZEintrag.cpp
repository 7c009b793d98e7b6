#include "logbuch/KFZEintrag.h"

QString fahrzeugSchluessel(int kfzId, const QString& kzuFzg)
{
    return QString::number(kfzId) + QStringLiteral(" - ") + kzuFzg;
}

int listenplatz(const std::vector<KFZEintrag>& liste, std::optional<int> id)
{
    for (std::size_t i = 0; id && i < liste.size(); ++i)
        if (liste[i].ID == *id)
            return static_cast<int>(i);
    return 0;
}
