#pragma once

#include <QString>

#include <optional>

// The settings of the single options row that the options, backup and recorder windows and the main
// window edit.
namespace OptionenStore {

// Check boxes are stored as -1 (ticked) and 0.
struct Einstellungen {
    int lKFZ = 0;   // start with the last used vehicle
    int Muster = 0; // include the sample vehicle in evaluations
    int tFahrt = 0; // longest trip in hours
    int V = 0;      // highest average speed in km/h
};

Einstellungen lesen();
void speichern(const Einstellungen& einstellungen);

// Where the main window stood and the vehicle it showed last; none when it starts with the first
// vehicle (lKFZ off) or the options row is missing.
struct Hauptfenster {
    int x = 0;
    int y = 0;
    std::optional<int> letztesFahrzeug;
};

Hauptfenster hauptfenster();
void fahrzeugMerken(int kfzId);
void fensterposSpeichern(int x, int y);

// The card's data file the import read last.
QString datendateiPfad();
void datendateiPfadMerken(const QString& pfad);

QString datensicherungsVerzeichnis();
void datensicherungsVerzeichnisSpeichern(const QString& verzeichnis);

// The serial recorder's connection: operating system 0 (Windows 95/98/ME) or 1 (NT/2000/XP),
// serial port 1 or 2.
struct MirelVerbindung {
    int Betriebssystem = 1;
    int Schnittstelle = 1;
};

MirelVerbindung mirelVerbindung();
void mirelVerbindungSpeichern(const MirelVerbindung& verbindung);

// The time-stamping service every user of the logbook asks (none: empty) and a PEM file of the
// certificates its signatures are checked against (empty: the system's).
struct Zeitstempelung {
    QString dienst;
    QString zertifikat;
};

// A logbook of an older schema, opened as it is for a check, has no service.
Zeitstempelung zeitstempelung();
void zeitstempelungSpeichern(const Zeitstempelung& zeitstempelung);

} // namespace OptionenStore
