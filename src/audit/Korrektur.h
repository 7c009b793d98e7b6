#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

// One stored version of a trip, with the names its IDs stand for.
struct Fassung {
    int id = 0;
    int kfz = 0;
    QString fahrzeug;
    QDateTime abDat;
    QDateTime anDat;
    int kmAb = 0;
    int kmAn = 0;
    QString von, nach, zweck, kategorie, fahrer;
    QString art; // name of the kind, "geschäftlich"
    QString bemerkung;
    QString erfasst;        // German date and time; empty for a row stored before entry times were kept
    QString grund;          // why this version replaced the one before
    bool storniert = false; // this version cancels the trip
};

// A version and the version that replaced it.
struct Korrektur {
    Fassung alt;
    Fassung neu;
};

// The rules of correcting and cancelling a stored trip and the words for them.
namespace korrektur {

// What users most often give as the reason; any other text may be typed.
QStringList ueblicheGruende();

// The refusal when no reason is given; nothing when there is one.
std::optional<QString> ohneGrundKorrigiert(const QString& grund);
std::optional<QString> ohneGrundStorniert(const QString& grund);
// A correction must change something.
std::optional<QString> unveraendert(const Korrektur& korrektur);

// "Feld: alt → neu" for each field that differs, in the order of the trip list.
QStringList aenderungen(const Korrektur& korrektur);
// "Fahrt vom 01.03.2006 08:00, B-XY 1, Golf"
QString fahrt(const Fassung& fassung);
// "Fahrt vom 01.03.2006 08:00, B-XY 1, Golf unter K-AB 2, Passat": a trip moved to another vehicle.
QString umgesetzteFahrt(const Fassung& alt, const QString& zielfahrzeug);
// "Nachgetragene Fahrt vom 02.03.2006 08:00, B-XY 1, Golf"
QString nachgetrageneFahrt(const QDateTime& abfahrt, const QString& fahrzeug);
// The reason the following trip is corrected with when a trip before it is entered later.
QString nachtragsgrund(const QDateTime& abfahrt);
// The protocol's description of the correction or cancellation.
QString protokolltext(const Korrektur& korrektur);
// The protocol's description of a trip cancelled under one vehicle and stored as `neu` under another.
QString umsetzungstext(const Fassung& alt, const Fassung& neu, const QString& grund);

} // namespace korrektur
