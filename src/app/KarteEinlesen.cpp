#include "app/KarteEinlesen.h"

#include "app/Befehlszeile.h"
#include "card/Datendatei.h"
#include "card/KartenimportStore.h"
#include "card/Kartenuebernahme.h"
#include "card/datafile/CardFileError.h"
#include "card/datafile/CardRecord.h"
#include "common/VarnoError.h"
#include "common/Zaehlwoerter.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/KFZEintrag.h"
#include "platform/VolumeSerial.h"

#include <QDir>
#include <QTextStream>

#include <algorithm>

namespace {

const QString gruenText = QStringLiteral("vollständig und nachvollziehbar");
const QString rotText = QStringLiteral("vermutlich unnötig oder unrealistisch");

// Rows under a header with the columns lined up, for reading in a terminal.
void tabelleAusgeben(QTextStream& aus, const QStringList& kopf, const QList<QStringList>& zeilen)
{
    QList<int> breiten;
    for (const QString& titel : kopf)
        breiten << static_cast<int>(titel.size());
    for (const QStringList& zeile : zeilen)
        for (qsizetype spalte = 0; spalte < zeile.size(); ++spalte)
            breiten[spalte] = std::max(breiten[spalte], static_cast<int>(zeile.at(spalte).size()));
    const auto ausgeben = [&](const QStringList& zeile) {
        QString text;
        for (qsizetype spalte = 0; spalte < zeile.size(); ++spalte)
            text += zeile.at(spalte).leftJustified(breiten[spalte] + 2);
        aus << text.trimmed() << '\n';
    };
    ausgeben(kopf);
    for (const QStringList& zeile : zeilen)
        ausgeben(zeile);
}

void fahrtenAusgeben(QTextStream& aus, const std::vector<ImportFahrt>& fahrten, const std::vector<bool>& rot)
{
    const QStringList kopf = fahrtSpaltenkoepfe().mid(0, SpalteMarkierung) << QStringLiteral("Prüfung");
    QList<QStringList> zeilen;
    for (std::size_t i = 0; i < fahrten.size(); ++i) {
        QStringList zeile;
        for (int spalte = 0; spalte < SpalteMarkierung; ++spalte)
            zeile << zelltext(fahrten[i], spalte).trimmed();
        zeilen << (zeile << (rot[i] ? rotText : gruenText));
    }
    tabelleAusgeben(aus, kopf, zeilen);
}

void merkpunkteAusgeben(QTextStream& aus, const std::vector<ImportMerkpunkt>& merkpunkte)
{
    QList<QStringList> zeilen;
    for (const ImportMerkpunkt& merkpunkt : merkpunkte)
        zeilen << QStringList{zelltext(merkpunkt, SpalteZeit).trimmed(), zelltext(merkpunkt, SpalteKilometer),
                              zelltext(merkpunkt, SpalteMerkpunktKfz)};
    tabelleAusgeben(aus, merkpunktSpaltenkoepfe().mid(0, SpalteBemerkung), zeilen);
}

QString unbekannteFahrzeuge(const QSet<int>& nummern)
{
    QList<int> sortiert(nummern.cbegin(), nummern.cend());
    std::sort(sortiert.begin(), sortiert.end());
    QStringList texte;
    for (const int nummer : sortiert)
        texte << QString::number(nummer);
    const QString wer =
        sortiert.size() == 1
            ? QStringLiteral("Das Fahrzeug mit der KFZ-ID %1 ist").arg(texte.first())
            : QStringLiteral("Die Fahrzeuge mit den KFZ-IDs %1 sind").arg(texte.join(QStringLiteral(", ")));
    return wer + QStringLiteral(" nicht angelegt; nichts wurde übernommen.");
}

} // namespace

KarteEinlesen::KarteEinlesen(QTextStream& aus, const VolumeSerial& kartenkennung)
    : aus_(aus), kartenkennung_(kartenkennung)
{
}

QString KarteEinlesen::kfzSchluessel(const cardfile::CardRecord& record)
{
    const auto bekannt = schluessel_.constFind(record.vehicleNumber);
    if (bekannt != schluessel_.constEnd())
        return *bekannt;
    const auto kennzeichen = FahrzeugStore::kennzeichenZurKfzNummer(record.vehicleNumber);
    if (!kennzeichen)
        unbekannt_.insert(record.vehicleNumber);
    const QString schluessel =
        fahrzeugSchluessel(record.vehicleNumber, kennzeichen.value_or(QStringLiteral("(nicht angelegt)")));
    schluessel_.insert(record.vehicleNumber, schluessel);
    return schluessel;
}

void KarteEinlesen::ausfuehren(const befehlszeile::Aufruf& aufruf)
{
    const QString pfad = aufruf.datendatei;
    if (const auto mangel = datendatei::mangel(pfad))
        throw VarnoError(QStringLiteral("%1: %2").arg(*mangel, QDir::toNativeSeparators(pfad)));
    // A data file copied off its card sits on another file system: the identifier given wins.
    const std::optional<QString> cfid = aufruf.kennung ? aufruf.kennung : kartenkennung_.cardIdentifier(pfad);
    Einlesung einlesung;
    try {
        einlesung = kartenuebernahme::lesen(pfad, [this](const cardfile::CardRecord& r) { return kfzSchluessel(r); });
    } catch (const cardfile::CardFileError& fehler) {
        throw VarnoError(QStringLiteral("Fehler bei Dateizugriff: %1").arg(QString::fromStdString(fehler.what())));
    }
    const Pruefung pruefung = kartenuebernahme::pruefen(cfid.value_or(QString()), einlesung.fahrten);
    const auto gruen = kartenuebernahme::gruene(einlesung.fahrten, pruefung.rot);

    aus_ << "Datendatei: " << QDir::toNativeSeparators(pfad) << '\n'
         << "Kennung der Karte: " << cfid.value_or(QStringLiteral("nicht ermittelt")) << '\n'
         << anzahl(einlesung.fahrten.size(), zaehlwort::fahrt) << ", davon " << gruen.size() << ' ' << gruenText
         << "; " << anzahl(einlesung.merkpunkte.size(), zaehlwort::merkpunkt) << '\n';
    for (const int zeile : pruefung.fehlerzeilen)
        aus_ << "Fehler beim Datumsumwandeln in Zeile " << zeile << '\n';
    if (!einlesung.fahrten.empty())
        fahrtenAusgeben(aus_ << '\n', einlesung.fahrten, pruefung.rot);
    if (!einlesung.merkpunkte.empty())
        merkpunkteAusgeben(aus_ << '\n', einlesung.merkpunkte);
    if (!aufruf.uebernehmen)
        return;

    if (!unbekannt_.isEmpty())
        throw VarnoError(unbekannteFahrzeuge(unbekannt_));
    if (!cfid)
        throw VarnoError(QStringLiteral("Die Kennung der Speicherkarte ist nicht zu ermitteln; geben Sie sie mit "
                                        "--kennung an. Nichts wurde übernommen."));
    // An identifier given by hand cannot be asked again; the blocks are compared in any case.
    const auto gleicheKarte = [&] { return aufruf.kennung || kartenkennung_.cardIdentifier(pfad) == cfid; };
    const auto ergebnis =
        kartenuebernahme::uebernehmen({pfad, *cfid, einlesung.gelesen, gleicheKarte}, gruen, einlesung.merkpunkte);
    if (ergebnis.karteGewechselt)
        throw VarnoError(kartenuebernahme::karteGewechseltText());
    if (ergebnis.loeschfehler)
        throw VarnoError(QStringLiteral("Die Fahrten wurden übernommen, aber nicht von der Speicherkarte gelöscht: %1")
                             .arg(*ergebnis.loeschfehler));
    aus_ << "\nÜbernommen: " << anzahl(gruen.size(), zaehlwort::fahrt) << " und "
         << anzahl(einlesung.merkpunkte.size(), zaehlwort::merkpunkt) << "; "
         << anzahl(einlesung.bloecke, zaehlwort::datensatz) << " auf der Speicherkarte gelöscht.\n";
}
