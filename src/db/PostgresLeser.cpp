#include "db/PostgresLeser.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/PostgresVerbindung.h"
#include "db/Servermeldung.h"
#include "db/Textwert.h"

#include <libpq-fe.h>

#include <charconv>
#include <vector>

namespace {

// The server's numbers for the column types a value's kind is told by (pg_type.oid).
constexpr Oid byteaOid = 17;
constexpr Oid int8Oid = 20;
constexpr Oid int2Oid = 21;
constexpr Oid int4Oid = 23;
constexpr Oid float4Oid = 700;
constexpr Oid float8Oid = 701;
constexpr Oid numericOid = 1700;

struct Werte {
    std::vector<QByteArray> texte;
    std::vector<const char*> zeiger;
};

// Every value goes as text; the server reads it by the type of its place in the statement.
Werte alsText(const QVariantList& werte)
{
    Werte ergebnis;
    ergebnis.texte.reserve(static_cast<std::size_t>(werte.size()));
    for (const QVariant& wert : werte)
        ergebnis.texte.push_back(wert.isNull() ? QByteArray() : textwert::utf8(wert.toString()));
    for (qsizetype i = 0; i < werte.size(); ++i)
        ergebnis.zeiger.push_back(werte.at(i).isNull() ? nullptr
                                                       : ergebnis.texte[static_cast<std::size_t>(i)].constData());
    return ergebnis;
}

} // namespace

QString PostgresLeser::nummeriert(const QString& sql)
{
    QString ergebnis;
    ergebnis.reserve(sql.size() + 16);
    int nummer = 0;
    QChar anfuehrung;
    for (const QChar zeichen : sql) {
        if (!anfuehrung.isNull()) {
            if (zeichen == anfuehrung)
                anfuehrung = QChar();
        } else if (zeichen == QLatin1Char('\'') || zeichen == QLatin1Char('"')) {
            anfuehrung = zeichen;
        } else if (zeichen == QLatin1Char('?')) {
            ergebnis += QLatin1Char('$') + QString::number(++nummer);
            continue;
        }
        ergebnis += zeichen;
    }
    return ergebnis;
}

PostgresLeser::PostgresLeser(const QString& sql, const QVariantList& werte)
{
    const QSqlDatabase db = Database::connection();
    PGconn* verbindung = postgresVerbindung(db);
    const QByteArray text = nummeriert(sql).toUtf8();
    const Werte parameter = alsText(werte);
    ergebnis_ = PQexecParams(verbindung, text.constData(), static_cast<int>(parameter.zeiger.size()), nullptr,
                             parameter.zeiger.data(), nullptr, nullptr, 0);
    if (PQresultStatus(ergebnis_) != PGRES_TUPLES_OK) {
        const QString meldung = QString::fromUtf8(PQresultErrorField(ergebnis_, PG_DIAG_MESSAGE_PRIMARY));
        const QString zustand = QString::fromLatin1(PQresultErrorField(ergebnis_, PG_DIAG_SQLSTATE));
        PQclear(ergebnis_);
        ergebnis_ = nullptr;
        abrissMelden(db);
        throw DatabaseError(servermeldung::fehler(
            zustand, meldung.isEmpty() ? QString::fromUtf8(PQerrorMessage(verbindung)).trimmed() : meldung));
    }
    zeilen_ = PQntuples(ergebnis_);
}

PostgresLeser::~PostgresLeser()
{
    PQclear(ergebnis_);
}

bool PostgresLeser::next()
{
    if (zeile_ + 1 >= zeilen_)
        return false;
    ++zeile_;
    for (QByteArray& bytes : bytes_)
        bytes.clear();
    return true;
}

Rohabfrage::Wertart PostgresLeser::typ(int spalte) const
{
    if (PQgetisnull(ergebnis_, zeile_, spalte) != 0)
        return Rohabfrage::Wertart::Null;
    switch (PQftype(ergebnis_, spalte)) {
    case int2Oid:
    case int4Oid:
    case int8Oid:
        return Rohabfrage::Wertart::Zahl;
    case float4Oid:
    case float8Oid:
    case numericOid:
        return Rohabfrage::Wertart::Kommazahl;
    case byteaOid:
        return Rohabfrage::Wertart::Bytes;
    default:
        return Rohabfrage::Wertart::Text;
    }
}

qint64 PostgresLeser::grosseZahl(int spalte) const
{
    const char* anfang = PQgetvalue(ergebnis_, zeile_, spalte);
    qint64 wert = 0;
    std::from_chars(anfang, anfang + PQgetlength(ergebnis_, zeile_, spalte), wert);
    return wert;
}

double PostgresLeser::kommazahl(int spalte) const
{
    return QByteArray(PQgetvalue(ergebnis_, zeile_, spalte), PQgetlength(ergebnis_, zeile_, spalte)).toDouble();
}

// The server writes bytes as "\x" and hex digits; they are decoded once per row and column.
const char* PostgresLeser::bytes(int spalte, qsizetype& laenge) const
{
    if (bytes_.size() < static_cast<std::size_t>(PQnfields(ergebnis_)))
        bytes_.resize(static_cast<std::size_t>(PQnfields(ergebnis_)));
    QByteArray& bytes = bytes_[static_cast<std::size_t>(spalte)];
    if (bytes.isEmpty() && PQgetisnull(ergebnis_, zeile_, spalte) == 0) {
        std::size_t laengeRoh = 0;
        unsigned char* roh =
            PQunescapeBytea(reinterpret_cast<const unsigned char*>(PQgetvalue(ergebnis_, zeile_, spalte)), &laengeRoh);
        if (!roh)
            throw DatabaseError(QStringLiteral("Der Datenbankserver hat Bytes geliefert, die nicht lesbar sind."));
        bytes = QByteArray(reinterpret_cast<const char*>(roh), static_cast<qsizetype>(laengeRoh));
        PQfreemem(roh);
    }
    laenge = bytes.size();
    return bytes.constData();
}

const char* PostgresLeser::text(int spalte, qsizetype& laenge) const
{
    laenge = PQgetlength(ergebnis_, zeile_, spalte);
    return PQgetvalue(ergebnis_, zeile_, spalte);
}
