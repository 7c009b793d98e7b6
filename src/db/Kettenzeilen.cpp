#include "db/Kettenzeilen.h"

#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Einfuegeanweisung.h"
#include "db/Masseneinfuegung.h"
#include "db/Rohanweisung.h"
#include "db/SqlStatement.h"

Kettenzeilen::Kettenzeilen(const QString& tabelle, const QStringList& spalten, bool stapel)
{
    if (Database::dialekt().art() == Datenbankart::SQLite)
        sqlite_ = std::make_unique<Rohanweisung>(einfuegeanweisung(tabelle, spalten));
    else if (stapel)
        stapel_ = std::make_unique<Masseneinfuegung>(tabelle, spalten);
    else
        einzeln_ = std::make_unique<SqlStatement>(einfuegeanweisung(tabelle, spalten));
}

Kettenzeilen::~Kettenzeilen() = default;

void Kettenzeilen::null()
{
    if (sqlite_)
        sqlite_->null(++stelle_);
    else
        werte_.append(QVariant());
}

void Kettenzeilen::zahl(qint64 wert)
{
    if (sqlite_)
        sqlite_->zahl(++stelle_, wert);
    else
        werte_.append(wert);
}

void Kettenzeilen::text(QByteArrayView utf8)
{
    if (sqlite_)
        sqlite_->text(++stelle_, utf8);
    else
        werte_.append(QString::fromUtf8(utf8));
}

void Kettenzeilen::blob(QByteArrayView bytes)
{
    if (sqlite_)
        sqlite_->blob(++stelle_, bytes);
    else
        werte_.append(bytes.toByteArray());
}

void Kettenzeilen::ausfuehren()
{
    if (sqlite_) {
        stelle_ = 0;
        sqlite_->ausfuehren();
        return;
    }
    if (stapel_) {
        stapel_->zeile(werte_);
    } else {
        for (const QVariant& wert : std::as_const(werte_))
            einzeln_->bind(wert);
        einzeln_->exec();
    }
    werte_.clear();
}

void Kettenzeilen::abschliessen()
{
    if (stapel_)
        stapel_->abschliessen();
}
