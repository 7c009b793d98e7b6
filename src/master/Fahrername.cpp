#include "master/Fahrername.h"

std::optional<QString> fahrernameFehler(const QString& name, bool schonVergeben)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("Bitte geben Sie einen Namen für den Fahrer ein.");
    if (schonVergeben)
        return QStringLiteral("Ein Fahrer mit dem Namen \"%1\" ist bereits vorhanden.").arg(name.trimmed());
    return std::nullopt;
}
