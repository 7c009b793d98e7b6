#pragma once

#include "audit/Korrektur.h"
#include "entry/ui/Fahrtfelder.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLineEdit;
class QPushButton;
class Radiogruppe;

// "Fahrt korrigieren": a stored trip in the trip entry's fields, which follow the trip entry's
// rules. Saving checks it by the trip entry's rules and against the vehicle's trips around it,
// demands a reason and stores a new row that replaces the old one, which stays as it was.
class TF_Korrektur : public QDialog, public Fahrtfelder {
    Q_OBJECT
public:
    explicit TF_Korrektur(QWidget* parent = nullptr);

    // Shows the trip and waits; true when a correction was stored.
    bool korrigieren(int fahrtId);
    // Fills the fields from the trip (korrigieren() does it before showing).
    bool laden(int fahrtId);

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
    void kmAbfahrtVerlassen();
    std::optional<qint64> kmAbfahrt() const;
    void ablehnen(const QString& meldung, QWidget* feld);
    Fassung neueFassung() const;

    std::optional<Fassung> alt_;
    bool kartenfahrzeug_ = false;
};
