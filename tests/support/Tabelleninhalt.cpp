#include "support/Tabelleninhalt.h"

#include "db/Database.h"
#include "logbuch/schema/Schema.h"
#include "db/SqlStatement.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

namespace {

QStringList spalten(const QString& tabelle)
{
    QSqlQuery leer(Database::connection());
    EXPECT_TRUE(leer.exec(QStringLiteral("SELECT * FROM %1 WHERE 1 = 0").arg(tabelle))) << tabelle.toStdString();
    const QSqlRecord satz = leer.record();
    QStringList namen;
    for (int i = 0; i < satz.count(); ++i)
        if (satz.fieldName(i).compare(QLatin1String("rowid"), Qt::CaseInsensitive) != 0)
            namen << satz.fieldName(i).toLower();
    return namen;
}

} // namespace

QStringList tabelleninhalt()
{
    QStringList zeilen;
    for (const QString& tabelle : Schema::tableNames()) {
        const QStringList namen = spalten(tabelle);
        QStringList tabellenzeilen;
        SqlStatement s(QStringLiteral("SELECT %1 FROM %2").arg(namen.join(QStringLiteral(", ")), tabelle));
        s.exec();
        while (s.next()) {
            QStringList werte{tabelle + QLatin1Char('(') + namen.join(QLatin1Char(',')) + QLatin1Char(')')};
            for (int i = 0; i < namen.size(); ++i)
                werte << (s.value(i).isNull() ? QStringLiteral("NULL") : s.value(i).toString());
            tabellenzeilen << werte.join(QLatin1Char('|'));
        }
        tabellenzeilen.sort();
        zeilen << tabellenzeilen;
    }
    return zeilen;
}
