#pragma once

#include <QObject>

#include <memory>

class Pruefstand;
class TF_AuswertungMirel;
class TF_Datensicherung;
class TF_Details;
class TF_Eingabe;
class TF_Fahrer;
class TF_KFZ;
class TF_KFZNeu;
class TF_Korrektur;
class TF_mirel_Verbindung;
class TF_Korrektur;
class TF_Optionen;
class TF_Protokoll;
class TF_Pruefung;
class TF_ueber;
class THauptform;
class TF_ProgressBar;
class Wartefenster;
class TF_Start;
class TF_Speicherkarte;
class TF_Varno_Datei;
class TF_Varno_V_OK;
class Sitzung;

// The program: creates every window once, wires them together and starts the main window.
// Tests create it in-process and call starten(false) to skip the splash wait.
class Varno : public QObject {
    Q_OBJECT
public:
    // The logbook file is decided before (logbuchort).
    explicit Varno(const QString& logbuch);
    ~Varno() override;

    // Shows the splash window (when wanted) and then the main window.
    void starten(bool mitStartbild = true);

    Sitzung& sitzung() const { return *sitzung_; }
    THauptform* hauptform() const { return hauptform_; }
    TF_ProgressBar* fortschritt() const { return fortschritt_; }
    Wartefenster* wartefenster() const { return wartefenster_; }
    TF_Eingabe* eingabe() const { return eingabe_; }
    TF_Fahrer* fahrer() const { return fahrer_; }
    TF_KFZ* kfz() const { return kfz_; }
    TF_KFZNeu* kfzNeu() const { return kfzNeu_; }
    TF_mirel_Verbindung* mirelVerbindung() const { return mirelVerbindung_; }
    TF_Datensicherung* datensicherung() const { return datensicherung_; }
    TF_Varno_V_OK* kartenimport() const { return kartenimport_; }
    TF_Varno_Datei* kartenlisten() const { return kartenlisten_; }
    TF_Speicherkarte* speicherkarte() const { return speicherkarte_; }
    TF_AuswertungMirel* auswertung() const { return auswertung_; }
    TF_Details* details() const { return details_; }
    TF_Pruefung* pruefung() const { return pruefung_; }
    TF_Protokoll* protokoll() const { return protokoll_; }
    TF_Korrektur* korrektur() const { return korrektur_; }
    Pruefstand& pruefstand() const { return *pruefstand_; }

private:
    void verdrahten();
    void verankerungVerdrahten();

    // The last check of the logbook, shared by every window that shows it.
    std::unique_ptr<Pruefstand> pruefstand_;
    // What the windows share; created first and gone last.
    Sitzung* sitzung_;
    THauptform* hauptform_;
    TF_Eingabe* eingabe_;
    TF_Fahrer* fahrer_;
    TF_KFZ* kfz_;
    TF_KFZNeu* kfzNeu_;
    TF_AuswertungMirel* auswertung_;
    TF_Details* details_;
    TF_Optionen* optionen_;
    TF_ProgressBar* fortschritt_;
    Wartefenster* wartefenster_;
    TF_Start* start_;
    TF_mirel_Verbindung* mirelVerbindung_;
    TF_Varno_Datei* kartenlisten_;
    TF_Varno_V_OK* kartenimport_;
    TF_Datensicherung* datensicherung_;
    TF_Speicherkarte* speicherkarte_;
    TF_ueber* ueber_;
    TF_Pruefung* pruefung_;
    TF_Protokoll* protokoll_;
    TF_Korrektur* korrektur_;
};
