#include "db/KFZEintrag.h"

QString fahrzeugSchluessel(int kfzId, const QString& kzuFzg)
{
    return QString::number(kfzId) + QStringLiteral(" - ") + kzuFzg;
}
