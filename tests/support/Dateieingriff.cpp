#include "support/Dateieingriff.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

namespace {

constexpr char muster = '\x55';

void ueberschreiben(const QString& pfad, qint64 stelle, qint64 laenge)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.open(QIODevice::ReadWrite));
    ASSERT_TRUE(datei.seek(stelle));
    ASSERT_EQ(datei.write(QByteArray(laenge, muster)), laenge);
}

// The first page of the table and the page size, read on a connection of its own.
std::pair<qint64, qint64> tabellenseite(const QString& pfad, const QString& tabelle)
{
    const QString name = QStringLiteral("dateieingriff");
    std::pair<qint64, qint64> seite;
    {
        QSqlDatabase datei = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        datei.setDatabaseName(pfad);
        EXPECT_TRUE(datei.open());
        QSqlQuery query(datei);
        query.prepare(QStringLiteral("SELECT rootpage FROM sqlite_master WHERE name = ?"));
        query.addBindValue(tabelle);
        EXPECT_TRUE(query.exec() && query.next());
        seite.first = query.value(0).toLongLong();
        EXPECT_TRUE(query.exec(QStringLiteral("PRAGMA page_size")) && query.next());
        seite.second = query.value(0).toLongLong();
        datei.close();
    }
    QSqlDatabase::removeDatabase(name);
    return seite;
}

} // namespace

namespace dateieingriff {

void ausfuehren(const QString& pfad, const QStringList& anweisungen)
{
    const QString name = QStringLiteral("dateieingriff");
    {
        QSqlDatabase datei = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        datei.setDatabaseName(pfad);
        EXPECT_TRUE(datei.open());
        for (const QString& anweisung : anweisungen)
            EXPECT_TRUE(QSqlQuery(datei).exec(anweisung)) << anweisung.toStdString();
        datei.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void kuerzen(const QString& pfad, qint64 bytes)
{
    QFile datei(pfad);
    ASSERT_TRUE(datei.resize(datei.size() - bytes));
}

void kopfZerstoeren(const QString& pfad)
{
    ueberschreiben(pfad, 0, 100);
}

void tabellenseiteZerstoeren(const QString& pfad, const QString& tabelle)
{
    const auto [seite, groesse] = tabellenseite(pfad, tabelle);
    ASSERT_GT(seite, 0);
    ueberschreiben(pfad, (seite - 1) * groesse, groesse);
}

Sperre::Sperre(const QString& pfad) : verbindung_(QStringLiteral("sperre"))
{
    QSqlDatabase anderes = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), verbindung_);
    anderes.setDatabaseName(pfad);
    EXPECT_TRUE(anderes.open());
    EXPECT_TRUE(QSqlQuery(anderes).exec(QStringLiteral("BEGIN EXCLUSIVE")));
}

Sperre::~Sperre()
{
    freigeben();
}

void Sperre::freigeben()
{
    if (!QSqlDatabase::contains(verbindung_))
        return;
    QSqlDatabase::database(verbindung_, false).close();
    QSqlDatabase::removeDatabase(verbindung_);
}

} // namespace dateieingriff
