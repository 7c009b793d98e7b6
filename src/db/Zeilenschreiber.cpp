#include "db/Zeilenschreiber.h"

#include "db/Anweisungsvorrat.h"
#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "db/PostgresVerbindung.h"
#include "db/Servermeldung.h"
#include "db/SqlStatement.h"
#include "db/SqliteVerbindung.h"
#include "db/Textwert.h"

#include <libpq-fe.h>
#include <sqlite3.h>

#include <charconv>

class Zeilenschreiber::Weg {
public:
    virtual ~Weg() = default;
    virtual void null() = 0;
    virtual void zahl(qint64 wert) = 0;
    virtual void text(QByteArrayView utf8) = 0;
    virtual void blob(QByteArrayView bytes) = 0;
    virtual void ausfuehren() = 0;
    virtual void abschliessen() {}
};

namespace {

// Values bound as they are, without a QVariant each: the fastest way into SQLite.
class EigeneAnweisung : public Zeilenschreiber::Weg {
public:
    explicit EigeneAnweisung(const QString& sql)
        : anweisung_(anweisungsvorrat::nehmen(sqliteVerbindung(), sql.toUtf8()))
    {
    }

    ~EigeneAnweisung() override { anweisungsvorrat::zurueckgeben(anweisung_); }

    void null() override { pruefen(sqlite3_bind_null(anweisung_, ++stelle_)); }
    void zahl(qint64 wert) override { pruefen(sqlite3_bind_int64(anweisung_, ++stelle_, wert)); }

    void text(QByteArrayView utf8) override
    {
        pruefen(sqlite3_bind_text(anweisung_, ++stelle_, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT));
    }

    void blob(QByteArrayView bytes) override
    {
        pruefen(
            sqlite3_bind_blob(anweisung_, ++stelle_, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
    }

    void ausfuehren() override
    {
        stelle_ = 0;
        const int ergebnis = sqlite3_step(anweisung_);
        sqlite3* db = sqlite3_db_handle(anweisung_);
        const QString meldung = ergebnis == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errmsg(db));
        const bool doppelt = sqlite3_extended_errcode(db) == SQLITE_CONSTRAINT_UNIQUE;
        sqlite3_reset(anweisung_);
        sqlite3_clear_bindings(anweisung_);
        if (ergebnis == SQLITE_DONE)
            return;
        if (doppelt)
            throw DoppelterEintrag(meldung);
        throw DatabaseError(meldung);
    }

private:
    void pruefen(int ergebnis)
    {
        if (ergebnis != SQLITE_OK)
            throw DatabaseError(QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(anweisung_))));
    }

    sqlite3_stmt* anweisung_ = nullptr;
    int stelle_ = 0;
};

// One bound INSERT per row through Qt's driver, which reports the server's failures in German.
class Gebunden : public Zeilenschreiber::Weg {
public:
    explicit Gebunden(const QString& sql) : anweisung_(sql) {}

    void null() override { anweisung_.bind(QVariant()); }
    void zahl(qint64 wert) override { anweisung_.bind(wert); }
    // Valid UTF-8 reads back as the text it came from, so the driver sends these very bytes.
    void text(QByteArrayView utf8) override { anweisung_.bind(QString::fromUtf8(utf8)); }
    void blob(QByteArrayView bytes) override { anweisung_.bind(bytes.toByteArray()); }
    void ausfuehren() override { anweisung_.exec(); }

private:
    SqlStatement anweisung_;
};

// The rows as one stream in COPY's text format: tab between values, \N for NULL, backslash
// escapes for what would break a line.
class Copy : public Zeilenschreiber::Weg {
public:
    Copy(const QString& tabelle, const QStringList& spalten)
        : db_(Database::connection()), verbindung_(postgresVerbindung(db_))
    {
        // Table and columns are the program's own names, never input.
        const QByteArray sql =
            QStringLiteral("COPY %1 (%2) FROM STDIN").arg(tabelle, spalten.join(QStringLiteral(", "))).toUtf8();
        PGresult* ergebnis = PQexec(verbindung_, sql.constData());
        const bool bereit = PQresultStatus(ergebnis) == PGRES_COPY_IN;
        const QString meldung = QString::fromUtf8(PQresultErrorField(ergebnis, PG_DIAG_MESSAGE_PRIMARY));
        const QString zustand = QString::fromLatin1(PQresultErrorField(ergebnis, PG_DIAG_SQLSTATE));
        PQclear(ergebnis);
        if (!bereit)
            scheitern(meldung, zustand);
        offen_ = true;
    }

    ~Copy() override
    {
        // Left unfinished by a failure: the server ends the COPY with an error, which aborts the
        // caller's transaction, so nothing of it is kept.
        if (offen_) {
            PQputCopyEnd(verbindung_, "abgebrochen");
            PQclear(PQgetResult(verbindung_));
        }
    }

    void null() override
    {
        trennen();
        puffer_ += "\\N";
    }

    void zahl(qint64 wert) override
    {
        trennen();
        char ziffern[24];
        const auto ende = std::to_chars(ziffern, ziffern + sizeof ziffern, wert).ptr;
        puffer_.append(ziffern, ende - ziffern);
    }

    void text(QByteArrayView utf8) override
    {
        trennen();
        for (const char zeichen : utf8) {
            switch (zeichen) {
            case '\\':
                puffer_ += "\\\\";
                break;
            case '\t':
                puffer_ += "\\t";
                break;
            case '\n':
                puffer_ += "\\n";
                break;
            case '\r':
                puffer_ += "\\r";
                break;
            default:
                puffer_ += zeichen;
            }
        }
    }

    // Bytes in the server's hex form, its backslash doubled for COPY.
    void blob(QByteArrayView bytes) override
    {
        trennen();
        puffer_ += "\\\\x" + bytes.toByteArray().toHex();
    }

    void ausfuehren() override
    {
        puffer_ += '\n';
        zeilenanfang_ = true;
        if (puffer_.size() >= blockgroesse)
            senden();
    }

    void abschliessen() override
    {
        senden();
        offen_ = false;
        if (PQputCopyEnd(verbindung_, nullptr) != 1)
            scheitern(QString::fromUtf8(PQerrorMessage(verbindung_)));
        PGresult* ergebnis = PQgetResult(verbindung_);
        const bool erfolg = PQresultStatus(ergebnis) == PGRES_COMMAND_OK;
        const QString zustand = QString::fromLatin1(PQresultErrorField(ergebnis, PG_DIAG_SQLSTATE));
        const QString meldung = QString::fromUtf8(PQresultErrorField(ergebnis, PG_DIAG_MESSAGE_PRIMARY));
        PQclear(ergebnis);
        while (PGresult* rest = PQgetResult(verbindung_))
            PQclear(rest);
        if (erfolg)
            return;
        if (zustand == QLatin1String("23505"))
            throw DoppelterEintrag(servermeldung::fehler(zustand, meldung));
        scheitern(meldung, zustand);
    }

private:
    static constexpr qsizetype blockgroesse = 1 << 16;

    void trennen()
    {
        if (!zeilenanfang_)
            puffer_ += '\t';
        zeilenanfang_ = false;
    }

    void senden()
    {
        if (puffer_.isEmpty())
            return;
        if (PQputCopyData(verbindung_, puffer_.constData(), static_cast<int>(puffer_.size())) != 1) {
            offen_ = false;
            scheitern(QString::fromUtf8(PQerrorMessage(verbindung_)));
        }
        puffer_.clear();
    }

    [[noreturn]] void scheitern(const QString& meldung, const QString& zustand = {})
    {
        abrissMelden(db_);
        throw DatabaseError(servermeldung::fehler(zustand, meldung.trimmed()));
    }

    QSqlDatabase db_;
    PGconn* verbindung_;
    QByteArray puffer_;
    bool zeilenanfang_ = true;
    bool offen_ = false;
};

std::unique_ptr<Zeilenschreiber::Weg> weg(const QString& tabelle, const QStringList& spalten, bool stapel)
{
    switch (Database::dialekt().schreibweg(stapel)) {
    case Schreibweg::EigeneAnweisung:
        return std::make_unique<EigeneAnweisung>(Zeilenschreiber::einfuegeanweisung(tabelle, spalten));
    case Schreibweg::Gebunden:
        return std::make_unique<Gebunden>(Zeilenschreiber::einfuegeanweisung(tabelle, spalten));
    case Schreibweg::Copy:
        return std::make_unique<Copy>(tabelle, spalten);
    }
    throw DatabaseError(QStringLiteral("Unbekannter Schreibweg für %1").arg(tabelle));
}

} // namespace

Zeilenschreiber::Zeilenschreiber(const QString& tabelle, const QStringList& spalten, Menge menge)
    : weg_(weg(tabelle, spalten, menge == Menge::Stapel))
{
}

Zeilenschreiber::~Zeilenschreiber() = default;

void Zeilenschreiber::null()
{
    weg_->null();
}

void Zeilenschreiber::zahl(qint64 wert)
{
    weg_->zahl(wert);
}

void Zeilenschreiber::text(QByteArrayView utf8)
{
    weg_->text(utf8);
}

void Zeilenschreiber::blob(QByteArrayView bytes)
{
    weg_->blob(bytes);
}

void Zeilenschreiber::wert(const QVariant& wert)
{
    switch (wert.isNull() ? QMetaType::UnknownType : wert.typeId()) {
    case QMetaType::UnknownType:
        null();
        break;
    case QMetaType::QByteArray:
        blob(wert.toByteArray());
        break;
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        zahl(wert.toLongLong());
        break;
    default:
        text(textwert::utf8(wert.toString()));
    }
}

void Zeilenschreiber::ausfuehren()
{
    weg_->ausfuehren();
}

void Zeilenschreiber::zeile(const QVariantList& werte)
{
    for (const QVariant& einzeln : werte)
        wert(einzeln);
    ausfuehren();
}

void Zeilenschreiber::abschliessen()
{
    weg_->abschliessen();
}

QString Zeilenschreiber::einfuegeanweisung(const QString& tabelle, const QStringList& spalten)
{
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(tabelle, spalten.join(QStringLiteral(", ")),
             QStringList(spalten.size(), QStringLiteral("?")).join(QStringLiteral(", ")));
}
