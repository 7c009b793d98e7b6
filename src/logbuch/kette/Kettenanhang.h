#pragma once

#include "logbuch/kette/Pruefkette.h"
#include "db/SqlStatement.h"

#include <QDateTime>
#include <QVariant>

#include <memory>
#include <optional>

// One logbook row as it is stored. Empty values are stored as NULL.
struct Fahrtenbucheintrag {
    QVariant kfz, abDat, anDat, kmAb, kmAn, start, ziel, art, zweck, kategorie, fahrer, bemerkung;
    QVariant ersetztId; // the row this one replaces (a correction or a cancellation)
    QVariant grund;     // why it replaces it
    bool storniert = false;
};

// One raw trip as the card import stores it.
struct Rohfahrteintrag {
    QVariant cfid, einlesedat, startzeit, startkm, zielzeit, zielkm, kfzSchluessel, cf, art, ort, grund, kat;
};

// What the protocol records: changes of stored data outside the trip rows.
enum class Ereignis {
    KetteBegonnen,
    FahrzeugAbgeschlossen,
    FahrerUmbenannt,
    StammeintragAngelegt,
    FahrerGeloescht,
    KarteUebernommen,
    Ruecksicherung,
    Korrektur,
    Stornierung,
    KetteErweitert,
    Zeitstempel // a trusted time stamp over the Prüfwert of a backup or an export
};
QString ereignisText(Ereignis ereignis);
// What the protocol records when a master row is created: "Ort „Büro“ (ID 3) angelegt."
QString angelegt(const QString& zeilenwort, const QString& name, qlonglong id);

// Appends rows to the chained tables. Lives inside one transaction: it reads the chain heads when
// it is created and keeps them while rows are appended; kopfSchreiben() stores them.
class Kettenanhang {
public:
    // `erfasst` is the entry time of every row appended (the program's clock). Each row names who
    // stored it, in a table that has the column for it (`form`; only the schema steps before it
    // append rows without).
    explicit Kettenanhang(const QDateTime& erfasst, pruefkette::Form form = pruefkette::Form::MitNamen);
    ~Kettenanhang();
    Kettenanhang(const Kettenanhang&) = delete;
    Kettenanhang& operator=(const Kettenanhang&) = delete;

    // Each stores the row with its entry time and chain values and returns its ID.
    qlonglong anhaengen(const Fahrtenbucheintrag& eintrag);
    qlonglong anhaengen(const Rohfahrteintrag& eintrag);
    qlonglong protokollieren(Ereignis ereignis, const QString& beschreibung);
    // Takes the rows the table held before it had a chain into it, in ID order; they keep their
    // content. Returns how many there were.
    qint64 aufnehmen(pruefkette::Kette kette);
    // Marks a raw trip as taken into the logbook; false when it is marked already (another user
    // took it first). The mark is the one column of a chained table its chain leaves out, so the
    // chain's tables keep one writer.
    bool rohfahrtAbhaken(qlonglong rohfahrt);

    // Rows appended between these two (a card's raw trips) travel together: on a server as one COPY
    // stream, so no other statement may run on the connection in between. A repeated unique key
    // throws DoppelterEintrag, from stapelAbschliessen() at the latest.
    void stapelBeginnen();
    void stapelAbschliessen();

    // Writes the heads of the chains rows were appended to.
    void kopfSchreiben();

    // The entry time as it is stored.
    const QString& erfasst() const { return erfasst_; }

private:
    struct Stand;
    // `werte` from the column after ID up to Benutzer, `nachBenutzer` the columns after it but Laufnr.
    qlonglong einfuegen(pruefkette::Kette kette, QVariantList werte, const QVariantList& nachBenutzer = {});
    Stand& stand(pruefkette::Kette kette);
    // Ends what the rows' current way still holds and sends the next rows the other way.
    void wegWechseln(bool stapel);

    QString erfasst_;
    pruefkette::Form form_;
    QVariant benutzer_; // who stores the rows; none in a table without the column
    pruefkette::Koepfe koepfe_;
    std::array<bool, pruefkette::alleKetten.size()> geaendert_{}; // only these heads are written back
    qint64 laufnr_ = 0;
    bool stapel_ = false;
    std::array<std::unique_ptr<Stand>, pruefkette::alleKetten.size()> staende_;
};

// A transaction that appends to the chains: the heads are written just before it commits, so the
// rows and their chain values are stored together or not at all.
class Kettentransaktion : private Transaction, public Kettenanhang {
public:
    Kettentransaktion();
    void commit();
};

// Records one event in a transaction of its own.
void protokollEintragen(Ereignis ereignis, const QString& beschreibung);

// The heads as T_Pruefkette notes them; none for a chain it has no row for.
std::array<std::optional<pruefkette::Kopf>, pruefkette::alleKetten.size()> vermerkteKoepfe();
