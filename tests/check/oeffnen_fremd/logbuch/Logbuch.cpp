#include "logbuch/Logbuch.h"

void oeffnen(const QString& ort)
{
    Database::verbinden(ort, Database::Access::ReadWrite);
}
