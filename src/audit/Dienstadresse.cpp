#include "audit/Dienstadresse.h"

#include <QUrl>

namespace dienstadresse {

std::optional<QString> fehler(const QString& adresse)
{
    if (adresse.isEmpty())
        return std::nullopt;
    const QUrl url(adresse, QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || (schema != QStringLiteral("http") && schema != QStringLiteral("https")) ||
        url.host().isEmpty() || adresse.trimmed() != adresse)
        return QStringLiteral("Die Adresse des Zeitstempeldienstes „%1“ ist keine http- oder https-Adresse "
                              "(zum Beispiel https://freetsa.org/tsr).")
            .arg(adresse);
    return std::nullopt;
}

} // namespace dienstadresse
