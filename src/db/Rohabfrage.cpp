#include "db/Rohabfrage.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/PostgresLeser.h"
#include "db/SqliteLeser.h"

namespace {

std::unique_ptr<Rohabfrage::Leser> leser(const QString& sql, const QVariantList& werte)
{
    if (Database::dialekt().art() == Datenbankart::PostgreSQL)
        return std::make_unique<PostgresLeser>(sql, werte);
    return std::make_unique<SqliteLeser>(sql, werte);
}

} // namespace

Rohabfrage::Rohabfrage(const QString& sql, const QVariantList& werte) : leser_(leser(sql, werte)) {}

Rohabfrage::~Rohabfrage() = default;

bool Rohabfrage::next()
{
    return leser_->next();
}

bool Rohabfrage::istNull(int spalte) const
{
    return leser_->typ(spalte) == Wertart::Null;
}

Rohabfrage::Wertart Rohabfrage::typ(int spalte) const
{
    return leser_->typ(spalte);
}

int Rohabfrage::zahl(int spalte) const
{
    return static_cast<int>(leser_->grosseZahl(spalte));
}

qint64 Rohabfrage::grosseZahl(int spalte) const
{
    return leser_->grosseZahl(spalte);
}

double Rohabfrage::kommazahl(int spalte) const
{
    return leser_->kommazahl(spalte);
}

const char* Rohabfrage::text(int spalte, qsizetype& laenge) const
{
    return leser_->text(spalte, laenge);
}

QString Rohabfrage::qtext(int spalte) const
{
    qsizetype laenge = 0;
    const char* daten = text(spalte, laenge);
    return QString::fromUtf8(daten, laenge);
}

const char* Rohabfrage::bytes(int spalte, qsizetype& laenge) const
{
    return leser_->bytes(spalte, laenge);
}

Rohabfrage::Wert Rohabfrage::wert(int spalte) const
{
    return leser_->wert(spalte);
}

void Rohabfrage::werte(int erste, std::span<Wert> ziel) const
{
    leser_->werte(erste, ziel);
}

void Rohabfrage::Leser::werte(int erste, std::span<Wert> ziel) const
{
    for (std::size_t i = 0; i < ziel.size(); ++i)
        ziel[i] = wert(erste + static_cast<int>(i));
}

Rohabfrage::Wert Rohabfrage::Leser::wert(int spalte) const
{
    Wert w{.art = typ(spalte)};
    switch (w.art) {
    case Wertart::Null:
        break;
    case Wertart::Zahl:
        w.zahl = grosseZahl(spalte);
        break;
    case Wertart::Kommazahl:
        w.kommazahl = kommazahl(spalte);
        break;
    case Wertart::Text:
        w.daten = text(spalte, w.laenge);
        break;
    case Wertart::Bytes:
        w.daten = bytes(spalte, w.laenge);
        break;
    }
    return w;
}
