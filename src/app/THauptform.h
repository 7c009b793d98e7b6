#pragma once

#include "start/Startdateipruefung.h"

#include <QMainWindow>

#include <optional>

class QAction;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class Sitzung;
struct KFZEintrag;

// The windows the main window opens; a null pointer leaves its menu item disabled.
struct Hauptfensterziele {
    QWidget* eingabe = nullptr;          // trip entry
    QWidget* auswertung = nullptr;       // evaluation
    QWidget* kfz = nullptr;              // vehicles
    QWidget* fahrer = nullptr;           // drivers
    QWidget* speicherkarte = nullptr;    // card administration
    QWidget* kartenimport = nullptr;     // card import
    QWidget* datensicherung = nullptr;   // backup and restore
    QDialog* optionen = nullptr;         // options, modal
    QWidget* pruefung = nullptr;         // "Fahrtenbuch prüfen"
    QWidget* protokoll = nullptr;        // protocol of changes
    QWidget* ueber = nullptr;            // about box
};

// The main window: vehicle selection with its odometer, inspection and open raw trips,
// the assistant and the menu that opens every other window.
class THauptform : public QMainWindow {
    Q_OBJECT
public:
    explicit THauptform(Sitzung& sitzung, QWidget* parent = nullptr);

    void setZiele(const Hauptfensterziele& ziele);
    // Tests hand in a check that sees a write-protected file or waits less for a locked one.
    void setStartdateipruefung(Startdateipruefung pruefung) { startpruefung_ = std::move(pruefung); }

    QComboBox* CbKFZ;
    QLineEdit* eKmStand;
    QLineEdit* eInspKm;
    QLineEdit* eInspDat;
    QLineEdit* EFahrten;
    QRadioButton* RBCFlesen;
    QRadioButton* RBerfassen;
    QRadioButton* RBauswerten;
    QPushButton* BtOK;
    QPushButton* BtEnde;
    QPlainTextEdit* Mhinweis;
    QLabel* Image1;

public slots:
    void FormShow();
    void FormActivate();
    void FormDeactivate();
    void Reload();
    void KFZDetails();
    void CbKFZChange(int index);
    void BtOKClick();
    void BtEndeClick();
    // A logbook was put in place after a start without one: go on as if it had been found.
    void DatenbankBereit();
    void RBerfassenClick();
    void RBauswertenClick();
    void RBCFlesenClick();

signals:
    // Asked to end the program (the application quits).
    void beenden();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void baueMenue();
    QAction* menuePunkt(QMenu* menu, const QString& text);
    void aktualisiereMenue();
    void fahrzeugeZeigen(int index);
    void fahrtenbuchGeaendert();
    const KFZEintrag* angezeigtesFahrzeug() const;
    void fahrtenerfassungOeffnen();
    void fahrtenerfassungBeendet();
    void zeigeDatensicherung();
    void zeigeHilfeHinweis();
    void verfahrensdokumentationSchreiben();
    void logbuchOeffnen(const QString& logbuch, const Startbefund& befund);
    void serverlogbuchOeffnen(const QString& adresse);
    bool logbuchBeschreibbar() const;
    int anzahlUnbearbeiteteFahrten(int kfzId);

    Sitzung& sitzung_;
    Hauptfensterziele ziele_;
    Startdateipruefung startpruefung_;
    bool ersteAnzeige_ = true;
    // The user chose to end rather than wait for another program that holds the logbook.
    bool startAbgebrochen_ = false;

    QAction* aDatensicherung_;
    QAction* aBenutzer_;
    QAction* aMandanten_;
    QAction* aBeenden_;
    QAction* aFahrten_;
    QAction* aFahrzeuge_;
    QAction* aFahrer_;
    QAction* aSpeicherkarte_;
    QAction* aOptionen_;
    QAction* aPruefung_;
    QAction* aProtokoll_;
    QAction* aVerfahrensdokumentation_;
    QAction* aInhalt_;
    QAction* aStichwort_;
    QAction* aUeber_;
};
