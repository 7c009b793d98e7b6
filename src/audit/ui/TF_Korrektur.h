#pragma once

#include "audit/Korrektur.h"
#include "audit/Nachbarpruefung.h"
#include "entry/Fahrtspeicherung.h"
#include "entry/ui/Fahrtfelder.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Radiogruppe;

// "Fahrt korrigieren": a stored trip in the trip entry's fields, which follow the trip entry's
// rules. Saving checks it by the trip entry's rules and against the vehicle's trips around it,
// demands a reason and stores a new row that replaces the old one, which stays as it was. Another
// vehicle chosen moves the trip there ("Fahrzeug ändern"), checked among that vehicle's trips.
// "Fahrt nachtragen" uses the same fields for a forgotten trip of a vehicle entered by hand.
class TF_Korrektur : public QDialog, public Fahrtfelder {
    Q_OBJECT
public:
    explicit TF_Korrektur(QWidget* parent = nullptr);

    // Shows the trip and waits; true when a correction was stored.
    bool korrigieren(int fahrtId);
    // Fills the fields from the trip (korrigieren() does it before showing).
    bool laden(int fahrtId);
    // Shows empty fields for a forgotten trip of the vehicle and waits; true when it was stored.
    bool nachtragen(int kfz);
    // Empties the fields for a forgotten trip of the vehicle (nachtragen() does it before showing).
    void nachtragLaden(int kfz);

    // The vehicle the trip belongs to: another one moves the trip there. Trips entered by hand only.
    QComboBox* CbFahrzeug;
    Radiogruppe* RGFahrtart;
    // The departure odometer, which a correction may move (the trip entry takes it from the last trip).
    QLineEdit* EkmAbfahrt;
    QComboBox* CbGrund;
    QLineEdit* EGrund; // CbGrund's text field
    QPushButton* btSpeichern;
    QPushButton* btAbbrechen;

public slots:
    void btSpeichernClick();

private:
    void baueOberflaeche();
    void listenFuellen();
    void fahrzeugeFuellen(int kfz, const QString& name);
    int zielfahrzeug() const;
    bool umsetzen() const;
    QString fahrtName(const fahrtspeicherung::Auftrag& neu) const;
    std::optional<fahrtspeicherung::Auftrag> gepruefterAuftrag(qint64 kmAb);
    nachbarpruefung::Befund befund(const fahrtspeicherung::Auftrag& neu) const;
    bool folgefahrtBestaetigt(const nachbarpruefung::Lage& folgefahrt, const QDateTime& abfahrt) const;
    void speichern(const fahrtspeicherung::Auftrag& neu, bool folgefahrtMitkorrigieren);
    void kmAbfahrtVerlassen();
    std::optional<qint64> kmAbfahrt() const;
    void ablehnen(const QString& meldung, QWidget* feld);
    Fassung neueFassung(qint64 kmAb) const;

    std::optional<Fassung> alt_; // none while a forgotten trip is entered
    QLabel* grundBeschriftung_ = nullptr;
    bool kartenfahrzeug_ = false;
};
