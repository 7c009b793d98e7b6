#include "logbuch/kette/Kettenanhang.h"

#include "common/Clock.h"
#include "db/Database.h"
#include "db/Dialekt.h"
#include "db/Rohabfrage.h"
#include "db/SqlDate.h"
#include "db/SqlStatement.h"
#include "db/Textwert.h"
#include "db/Zeilenschreiber.h"
#include "logbuch/kette/Fahrtnamen.h"

#include <limits>

using pruefkette::Kette;

namespace {

std::unique_ptr<Zeilenschreiber> zeilenweg(Kette kette, pruefkette::Form form, bool stapel)
{
    const QStringList spalten = pruefkette::spaltennamen(kette, form)
                                << QStringLiteral("Vorgaenger") << QStringLiteral("Pruefwert");
    return std::make_unique<Zeilenschreiber>(pruefkette::tabelle(kette), spalten,
                                             stapel ? Zeilenschreiber::Menge::Stapel : Zeilenschreiber::Menge::Einzeln);
}

} // namespace

QString ereignisText(Ereignis ereignis)
{
    switch (ereignis) {
    case Ereignis::KetteBegonnen:
        return QStringLiteral("Prüfkette begonnen");
    case Ereignis::FahrzeugAbgeschlossen:
        return QStringLiteral("Fahrzeug abgeschlossen");
    case Ereignis::FahrerUmbenannt:
        return QStringLiteral("Fahrer umbenannt");
    case Ereignis::StammeintragAngelegt:
        return QStringLiteral("Stammdaten angelegt");
    case Ereignis::FahrerGeloescht:
        return QStringLiteral("Fahrer gelöscht");
    case Ereignis::KarteUebernommen:
        return QStringLiteral("Speicherkarte übernommen");
    case Ereignis::Ruecksicherung:
        return QStringLiteral("Rücksicherung");
    case Ereignis::Korrektur:
        return QStringLiteral("Korrektur");
    case Ereignis::Stornierung:
        return QStringLiteral("Stornierung");
    case Ereignis::KetteErweitert:
        return QStringLiteral("Prüfkette erweitert");
    case Ereignis::Zeitstempel:
        return QStringLiteral("Zeitstempel");
    }
    return {};
}

QString angelegt(const QString& zeilenwort, const QString& name, qlonglong id)
{
    return QStringLiteral("%1 „%2“ (ID %3) angelegt.").arg(zeilenwort, name).arg(id);
}

std::array<std::optional<pruefkette::Kopf>, pruefkette::alleKetten.size()> vermerkteKoepfe()
{
    std::array<std::optional<pruefkette::Kopf>, pruefkette::alleKetten.size()> koepfe;
    // Read on every store of a trip: straight from the engine.
    Rohabfrage s(QStringLiteral("SELECT Kette, Anzahl, Kopf FROM T_Pruefkette"), {});
    while (s.next())
        for (Kette kette : pruefkette::alleKetten)
            if (s.qtext(0) == pruefkette::tabelle(kette)) {
                qsizetype laenge = 0;
                const char* kopf = s.bytes(2, laenge);
                koepfe[pruefkette::index(kette)] = pruefkette::Kopf{s.grosseZahl(1), QByteArray(kopf, laenge)};
            }
    return koepfe;
}

// IDs are given rather than left to the engine, because the chain value covers them. A number
// once used is never used again, as with AUTOINCREMENT.
struct Kettenanhang::Stand {
    Stand(Kette kette, pruefkette::Form form, bool stapel)
        : naechsteId(Database::dialekt().hoechsterSchluessel(pruefkette::tabelle(kette)) + 1),
          einfuegen(zeilenweg(kette, form, stapel)), zeile(kette)
    {
    }

    qlonglong naechsteId;
    std::unique_ptr<Zeilenschreiber> einfuegen;
    pruefkette::Zeile zeile;
};

Kettenanhang::Kettenanhang(const QDateTime& erfasst, pruefkette::Form form)
    : erfasst_(sqldate::toSql(erfasst)), form_(form),
      benutzer_(form >= pruefkette::Form::MitBenutzer ? QVariant(Database::dialekt().benutzer()) : QVariant())
{
    // Two users appending at once on a server would both continue the same head: the second
    // waits here until the first has committed, then reads the head it left. SQLite's write
    // transaction holds the whole file already.
    Database::dialekt().tabelleSperren(QStringLiteral("T_Pruefkette"));
    const auto vermerkt = vermerkteKoepfe();
    for (std::size_t i = 0; i < koepfe_.size(); ++i) {
        koepfe_[i] = vermerkt[i].value_or(pruefkette::Kopf{});
        laufnr_ += koepfe_[i].anzahl;
    }
}

Kettenanhang::~Kettenanhang() = default;

Kettenanhang::Stand& Kettenanhang::stand(Kette kette)
{
    std::unique_ptr<Stand>& stand = staende_[pruefkette::index(kette)];
    if (!stand)
        stand = std::make_unique<Stand>(kette, form_, stapel_);
    return *stand;
}

void Kettenanhang::stapelBeginnen()
{
    wegWechseln(true);
}

void Kettenanhang::stapelAbschliessen()
{
    if (stapel_)
        wegWechseln(false);
}

void Kettenanhang::wegWechseln(bool stapel)
{
    for (std::size_t i = 0; i < staende_.size(); ++i) {
        if (!staende_[i])
            continue;
        staende_[i]->einfuegen->abschliessen();
        staende_[i]->einfuegen = zeilenweg(pruefkette::alleKetten[i], form_, stapel);
    }
    stapel_ = stapel;
}

qlonglong Kettenanhang::einfuegen(Kette kette, QVariantList werte, const QVariantList& nachBenutzer)
{
    Stand& s = stand(kette);
    pruefkette::Kopf& kopf = koepfe_[pruefkette::index(kette)];
    const qlonglong id = s.naechsteId;
    werte.prepend(id);
    werte.append(benutzer_);
    werte.append(nachBenutzer);
    werte.append(laufnr_ + 1);
    const std::vector<pruefkette::Spalte>& spalten = pruefkette::spalten(kette);
    // Each value goes into the row's bytes exactly as it is bound, so the stored row gives the value.
    for (std::size_t i = 0; i < spalten.size(); ++i) {
        const QVariant wert = pruefkette::gespeichert(werte.at(static_cast<qsizetype>(i)), spalten[i].art);
        if (wert.isNull() && spalten[i].nurMitWert()) {
            // Adds no field; bound only where the table has the column.
            if (form_ >= spalten[i].ab)
                s.einfuegen->null();
        } else if (wert.isNull()) {
            s.zeile.null();
            s.einfuegen->null();
        } else if (spalten[i].art == pruefkette::Art::Zahl) {
            s.zeile.zahl(wert.toLongLong());
            s.einfuegen->zahl(wert.toLongLong());
        } else {
            const QByteArray utf8 = textwert::utf8(wert.toString());
            s.zeile.text(utf8.constData(), utf8.size());
            s.einfuegen->text(utf8);
        }
    }
    const QByteArray pruefwert = s.zeile.pruefwert(kopf.wert);
    s.einfuegen->blob(kopf.wert);
    s.einfuegen->blob(pruefwert);
    s.einfuegen->ausfuehren();
    kopf = {kopf.anzahl + 1, pruefwert};
    geaendert_[pruefkette::index(kette)] = true;
    ++laufnr_;
    ++s.naechsteId;
    return id;
}

qlonglong Kettenanhang::anhaengen(const Fahrtenbucheintrag& e)
{
    // Every writer of trips comes through here, so every row keeps the names it prints.
    const QVariantList namen =
        form_ >= pruefkette::Form::MitNamen ? fahrtnamen::lesen(e) : QVariantList(fahrtnamen::anzahl);
    return einfuegen(Kette::Fahrtenbuch,
                     {e.kfz, e.abDat, e.anDat, e.kmAb, e.kmAn, e.start, e.ziel, e.art, e.zweck, e.kategorie, e.fahrer,
                      e.bemerkung, erfasst_, e.ersetztId, e.grund, e.storniert ? 1 : 0},
                     namen);
}

qlonglong Kettenanhang::anhaengen(const Rohfahrteintrag& e)
{
    return einfuegen(Kette::Rohfahrten, {e.cfid, e.einlesedat, e.startzeit, e.startkm, e.zielzeit, e.zielkm,
                                         e.kfzSchluessel, e.cf, e.art, e.ort, e.grund, e.kat, erfasst_});
}

qlonglong Kettenanhang::protokollieren(Ereignis ereignis, const QString& beschreibung)
{
    return einfuegen(Kette::Protokoll, {erfasst_, ereignisText(ereignis), beschreibung});
}

qint64 Kettenanhang::aufnehmen(Kette kette)
{
    struct Werte {
        qlonglong id;
        qint64 laufnr;
        QByteArray vorgaenger;
        QByteArray pruefwert;
    };
    // In slices, so the rows read are never the rows being written.
    constexpr int scheibe = 10'000;
    const QString tabelle = pruefkette::tabelle(kette);
    const std::vector<pruefkette::Spalte>& spalten = pruefkette::spalten(kette);
    const int inhalt = static_cast<int>(spalten.size()) - 1; // all but Laufnr
    SqlStatement setzen(
        QStringLiteral("UPDATE %1 SET Laufnr = ?, Vorgaenger = ?, Pruefwert = ? WHERE ID = ?").arg(tabelle));
    pruefkette::Zeile zeile(kette);
    pruefkette::Kopf& kopf = koepfe_[pruefkette::index(kette)];
    geaendert_[pruefkette::index(kette)] = true;
    const qint64 vorher = kopf.anzahl;
    // Below every key either engine gives (a server's keys are 32-bit).
    qlonglong nachId = std::numeric_limits<qint32>::min();
    for (;;) {
        std::vector<Werte> werte;
        Rohabfrage s(QStringLiteral("SELECT %1 FROM %2 WHERE ID > ? ORDER BY ID LIMIT %3")
                         .arg(pruefkette::spaltenliste(kette, form_), tabelle)
                         .arg(scheibe),
                     {nachId});
        while (s.next()) {
            for (int spalte = 0; spalte < inhalt; ++spalte)
                zeile.ausAbfrage(s, spalte, spalten[static_cast<std::size_t>(spalte)]);
            zeile.zahl(++laufnr_);
            const QByteArray pruefwert = zeile.pruefwert(kopf.wert);
            werte.push_back({s.grosseZahl(0), laufnr_, kopf.wert, pruefwert});
            kopf = {kopf.anzahl + 1, pruefwert};
        }
        for (const Werte& w : werte)
            setzen.bind(w.laufnr).bind(w.vorgaenger).bind(w.pruefwert).bind(w.id).exec();
        if (werte.size() < scheibe)
            break;
        nachId = werte.back().id;
    }
    return kopf.anzahl - vorher;
}

bool Kettenanhang::rohfahrtAbhaken(qlonglong rohfahrt)
{
    SqlStatement abhaken("UPDATE T_basis SET bearbeitet = 1 WHERE ID = ? AND bearbeitet = 0");
    abhaken.bind(rohfahrt).exec();
    return abhaken.rowsAffected() == 1;
}

void Kettenanhang::kopfSchreiben()
{
    stapelAbschliessen();
    SqlStatement s(QStringLiteral("INSERT INTO T_Pruefkette (Kette, Anzahl, Kopf) VALUES (?, ?, ?) ON CONFLICT (Kette) "
                                  "DO UPDATE SET Anzahl = excluded.Anzahl, Kopf = excluded.Kopf"));
    for (Kette kette : pruefkette::alleKetten) {
        if (!geaendert_[pruefkette::index(kette)])
            continue;
        const pruefkette::Kopf& kopf = koepfe_[pruefkette::index(kette)];
        s.bind(pruefkette::tabelle(kette)).bind(kopf.anzahl).bind(kopf.wert).exec();
        if (const auto& stand = staende_[pruefkette::index(kette)])
            Database::dialekt().schluesselVergeben(pruefkette::tabelle(kette), stand->naechsteId - 1);
    }
}

Kettentransaktion::Kettentransaktion() : Kettenanhang(Clock::now()) {}

void Kettentransaktion::commit()
{
    kopfSchreiben();
    Transaction::commit();
}

void protokollEintragen(Ereignis ereignis, const QString& beschreibung)
{
    Kettentransaktion transaktion;
    transaktion.protokollieren(ereignis, beschreibung);
    transaktion.commit();
}
