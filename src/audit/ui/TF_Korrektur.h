#pragma once

#include "audit/Korrektur.h"
#include "entry/ui/Fahrtfelder.h"

#include <QDialog>

#include <optional>

class QLineEdit;
class QPushButton;
class Radiogruppe;

// "Fahrt korrigieren": a stored trip in the trip entry's fields. Saving checks it by the trip
// entry's rules, demands a reason and stores a new row that replaces the old one, which stays
// as it was.
class TF_Korrektur : public QDialog, public Fahrtfelder {
    Q_OBJECT
public:
    explicit TF_Korrektur(QWidget* parent = nullptr);

    // Shows the trip and waits; true when a correction was stored.
    bool korrigieren(int fahrtId);
    // Fills the fields from the trip (korrigieren() does it before showing).
    bool laden(int fahrtId);

    Radiogruppe* RGFahrtart;
    QLineEdit* EGrund;
    QPushButton* btSpeichern;
    QPushButton* btAbbrechen;

public slots:
    void btSpeichernClick();

private:
    void baueOberflaeche();
    void listenFuellen();
    void kmFelderAbgleichen(QLineEdit* verlassen);
    void ablehnen(const QString& meldung, QWidget* feld);
    Fassung neueFassung() const;

    std::optional<Fassung> alt_;
    bool kartenfahrzeug_ = false;
};
