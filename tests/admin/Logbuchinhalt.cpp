#include "Logbuchinhalt.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>

#include <gtest/gtest.h>

QStringList logbuchinhalt(const QString& pfad)
{
    const QString name = QStringLiteral("logbuchinhalt");
    QStringList zeilen;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(pfad);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        EXPECT_TRUE(db.open()) << pfad.toStdString();
        QStringList tabellen = db.tables();
        // What a backup carries about itself is not logbook content.
        tabellen.removeAll(QStringLiteral("T_Pruefsumme"));
        tabellen.removeAll(QStringLiteral("T_Pruefwertvermerk"));
        tabellen.sort();
        for (const QString& tabelle : tabellen) {
            QSqlQuery query(db);
            EXPECT_TRUE(query.exec(QStringLiteral("SELECT * FROM \"%1\" ORDER BY rowid").arg(tabelle)));
            while (query.next()) {
                QStringList werte{tabelle};
                for (int i = 0; i < query.record().count(); ++i)
                    werte << query.value(i).toString();
                zeilen << werte.join(QLatin1Char('|'));
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return zeilen;
}
