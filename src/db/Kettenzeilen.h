#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

class Masseneinfuegung;
class Rohanweisung;
class SqlStatement;

// How the chained rows of one table reach it. On SQLite one statement prepared on the engine
// itself, run per row. On a server a bound INSERT per row or, for a batch (a card's raw trips),
// one COPY stream that ends with abschliessen(): nothing else may run on the connection before.
// A repeated unique key throws DoppelterEintrag, any other failure DatabaseError.
class Kettenzeilen {
public:
    Kettenzeilen(const QString& tabelle, const QStringList& spalten, bool stapel);
    ~Kettenzeilen();
    Kettenzeilen(const Kettenzeilen&) = delete;
    Kettenzeilen& operator=(const Kettenzeilen&) = delete;

    // The values of the row, column by column.
    void null();
    void zahl(qint64 wert);
    void text(QByteArrayView utf8);
    void blob(QByteArrayView bytes);
    // Stores the row.
    void ausfuehren();
    // Sends what a batch still holds and waits for the engine's verdict.
    void abschliessen();

private:
    std::unique_ptr<Rohanweisung> sqlite_;
    int stelle_ = 0;
    std::unique_ptr<SqlStatement> einzeln_;
    std::unique_ptr<Masseneinfuegung> stapel_;
    QVariantList werte_;
};
