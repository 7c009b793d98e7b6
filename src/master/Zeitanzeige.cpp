#include "master/Zeitanzeige.h"

#include "common/GermanFormat.h"
#include "db/SqlDate.h"

QString zeitpunktAnzeige(const QVariant& gespeichert)
{
    const auto zeitpunkt = sqldate::fromSql(gespeichert);
    if (!zeitpunkt)
        return {};
    if (zeitpunkt->time() == QTime(0, 0))
        return german::date(zeitpunkt->date());
    return german::dateTime(*zeitpunkt);
}
