#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <variant>

// What "varno" is asked to do by its arguments: start the window program (no arguments), or one
// of the commands for scripts. Reading the arguments changes nothing; Befehle runs them.
namespace befehlszeile {

enum class Befehl {
    Fenster,
    Version,
    NeueDatenbank,
    Export,
    Sichern,
    KarteEinlesen,
    Pruefen,
    ServerBenutzer,
    Verfahrensdokumentation
};

struct Aufruf {
    Befehl befehl = Befehl::Fenster;
    // "--help": print the help of the command instead of running it.
    bool hilfe = false;
    // "--datenbank PFAD": this logbook instead of the usual one (logbuchort), windows included.
    std::optional<QString> datenbank;
    // "--warten SEKUNDEN": how long a command waits for another user's lock on a server.
    int wartenSekunden = 60;

    // export
    QString fahrzeug;
    QDate von;
    QDate bis;
    QString csv;
    QString pdf;
    // "--folgen": a target that is a symbolic link is written through instead of refused.
    bool folgen = false;
    // "--betriebspruefung ORDNER": the auditor's export into this new folder instead of the files
    // above; "--fahrzeug" is then optional.
    QString betriebspruefung;

    // verfahrensdokumentation: the PDF file
    QString dokument;

    // sichern
    QString zielordner;

    // karte einlesen
    QString datendatei;
    bool uebernehmen = false;
    std::optional<QString> kennung;

    // server benutzer: the role that gets the rights on the server logbook
    QString benutzer;

    // pruefen: the Prüfwert of an earlier state that must still be contained
    std::optional<QString> gegen;
    // pruefen: an anchor file to check against instead of the user's own
    std::optional<QString> anker;
};

// Arguments that make no sense: the message names what is wrong; `befehl` says whose help to point to.
struct Fehler {
    QString meldung;
    Befehl befehl = Befehl::Fenster;
};

// `heute` bounds "--jahr".
std::variant<Aufruf, Fehler> lesen(const QStringList& argumente, const QDate& heute);

// The German help of a command (Fenster: of the program), ending with a line break.
QString hilfe(Befehl befehl);

// How a command is called, for pointing to its help: "varno export".
QString aufruf(Befehl befehl);

} // namespace befehlszeile
