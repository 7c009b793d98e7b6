#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariantList>

#include <memory>

// Many rows into one table, the fastest way each engine offers: SQLite one prepared INSERT run per
// row, the server COPY, which takes the rows as one stream instead of one round trip each. Runs
// inside the caller's transaction; a row that breaks a unique key throws DoppelterEintrag, any
// other failure DatabaseError, at the latest from abschliessen().
class Masseneinfuegung {
public:
    Masseneinfuegung(const QString& tabelle, const QStringList& spalten);
    ~Masseneinfuegung();
    Masseneinfuegung(const Masseneinfuegung&) = delete;
    Masseneinfuegung& operator=(const Masseneinfuegung&) = delete;

    // One value per column: NULL, a number or a text (a date-time as ISO text).
    void zeile(const QVariantList& werte);
    // Sends what is left and waits for the engine's verdict.
    void abschliessen();

    class Weg {
    public:
        virtual ~Weg() = default;
        virtual void zeile(const QVariantList& werte) = 0;
        virtual void abschliessen() = 0;
    };

private:
    std::unique_ptr<Weg> weg_;
};
