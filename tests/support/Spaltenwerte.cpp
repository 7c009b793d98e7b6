#include "support/Spaltenwerte.h"

#include "db/SqlStatement.h"

QStringList spalte(const QString& sql)
{
    SqlStatement s(sql);
    s.exec();
    QStringList werte;
    while (s.next())
        werte << s.value(0).toString();
    return werte;
}
