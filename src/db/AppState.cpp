#include "db/AppState.h"

AppState& appState()
{
    static AppState state;
    return state;
}

QString fahrzeugSchluessel(int kfzId, const QString& kzuFzg)
{
    return QString::number(kfzId) + QStringLiteral(" - ") + kzuFzg;
}
