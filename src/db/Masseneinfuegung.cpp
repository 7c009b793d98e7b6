#include "db/Masseneinfuegung.h"

#include "db/Database.h"
#include "db/DatabaseError.h"
#include "db/Dialekt.h"
#include "db/Einfuegeanweisung.h"
#include "db/PostgresVerbindung.h"
#include "db/Servermeldung.h"
#include "db/SqlStatement.h"

#include <libpq-fe.h>

namespace {

class EinzelneInserts : public Masseneinfuegung::Weg {
public:
    EinzelneInserts(const QString& tabelle, const QStringList& spalten)
        : einfuegen_(einfuegeanweisung(tabelle, spalten))
    {
    }

    void zeile(const QVariantList& werte) override
    {
        for (const QVariant& wert : werte)
            einfuegen_.bind(wert);
        einfuegen_.exec();
    }

    void abschliessen() override {}

private:
    SqlStatement einfuegen_;
};

// COPY's text format: tab between values, \N for NULL, backslash escapes for what would break a line.
void anhaengen(QByteArray& puffer, const QVariant& wert)
{
    if (wert.isNull()) {
        puffer += "\\N";
        return;
    }
    // Bytes in the server's hex form, its backslash doubled for COPY.
    if (wert.typeId() == QMetaType::QByteArray) {
        puffer += "\\\\x" + wert.toByteArray().toHex();
        return;
    }
    const QByteArray text = wert.toString().toUtf8();
    for (const char zeichen : text) {
        switch (zeichen) {
        case '\\':
            puffer += "\\\\";
            break;
        case '\t':
            puffer += "\\t";
            break;
        case '\n':
            puffer += "\\n";
            break;
        case '\r':
            puffer += "\\r";
            break;
        default:
            puffer += zeichen;
        }
    }
}

class Copy : public Masseneinfuegung::Weg {
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

    void zeile(const QVariantList& werte) override
    {
        for (qsizetype i = 0; i < werte.size(); ++i) {
            if (i > 0)
                puffer_ += '\t';
            anhaengen(puffer_, werte.at(i));
        }
        puffer_ += '\n';
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
    bool offen_ = false;
};

} // namespace

Masseneinfuegung::Masseneinfuegung(const QString& tabelle, const QStringList& spalten)
{
    if (Database::dialekt().art() == Datenbankart::PostgreSQL)
        weg_ = std::make_unique<Copy>(tabelle, spalten);
    else
        weg_ = std::make_unique<EinzelneInserts>(tabelle, spalten);
}

Masseneinfuegung::~Masseneinfuegung() = default;

void Masseneinfuegung::zeile(const QVariantList& werte)
{
    weg_->zeile(werte);
}

void Masseneinfuegung::abschliessen()
{
    weg_->abschliessen();
}
