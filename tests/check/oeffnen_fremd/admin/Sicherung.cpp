#include "admin/Sicherung.h"

void sichern(const QString& ort)
{
    Database::verbinden(ort, Database::Access::ReadOnly);
}
