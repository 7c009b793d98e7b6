#include "db/Namensordnung.h"

#include "db/DatabaseError.h"
#include "db/SqliteVerbindung.h"

#include <QCollator>
#include <QLocale>

#include <sqlite3.h>

namespace {

const char* const kollation = "DEUTSCH";

QCollator& deutsch()
{
    static QCollator collator = [] {
        QCollator c(QLocale(QLocale::German, QLocale::Germany));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

// SQLite hands both texts over as native UTF-16, aligned, with their lengths in bytes.
int sqliteVergleich(void*, int laenge1, const void* text1, int laenge2, const void* text2)
{
    const QStringView a(static_cast<const char16_t*>(text1), laenge1 / 2);
    const QStringView b(static_cast<const char16_t*>(text2), laenge2 / 2);
    return namensordnung::vergleichen(a, b);
}

} // namespace

namespace namensordnung {

QString spalte(QStringView spalte)
{
    return spalte.toString() + QStringLiteral(" COLLATE ") + QLatin1String(kollation);
}

int vergleichen(QStringView a, QStringView b)
{
    return deutsch().compare(a, b);
}

bool gleich(QStringView a, QStringView b)
{
    return vergleichen(a, b) == 0;
}

void einrichten()
{
    sqlite3* db = sqliteVerbindung();
    if (sqlite3_create_collation(db, kollation, SQLITE_UTF16_ALIGNED, nullptr, &sqliteVergleich) != SQLITE_OK)
        throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(db)));
}

} // namespace namensordnung
