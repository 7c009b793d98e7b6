#pragma once

#include <QWidget>

class Kilometerstandfeld;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPushButton;

// "KFZ anlegen": creates a vehicle with its plate text, initial odometer, logbook start, input
// type, recorder number and next inspection, together with its logbook start record.
class TF_KFZNeu : public QWidget {
    Q_OBJECT
public:
    explicit TF_KFZNeu(QWidget* parent = nullptr);

    // The recorder connection dialog ("Fahrzeug-ID lesen", calibrating a "Mirel"); without it the
    // button stays disabled.
    void setMirelVerbindung(QWidget* fenster);

    QLineEdit* eKFZ;
    Kilometerstandfeld* eAnfKM;
    QDateEdit* dtpStartDat;
    QComboBox* cbEingabeart;
    QLineEdit* EID;
    QPushButton* BtID_lesen;
    Kilometerstandfeld* eInspKM;
    QDateEdit* dtpInspDat;
    QPushButton* BtSpeichern;
    QPushButton* btVerwerfen;
    QPushButton* btAbbrechen;

public slots:
    void FormShow();
    void FormActivate();
    void btVerwerfenClick();
    void eKFZChange();
    void eAnfKMChange();
    void eKFZExit();
    void cbEingabeartChange();
    void BtID_lesenClick();
    void EIDExit();
    void btSpeichernClick();
    void btAbbrechenClick();
    void FormClose();

signals:
    // A vehicle was stored.
    void angelegt();
    // The user left without storing and returns to the vehicle window.
    void abgebrochen();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void speichernFreigeben();
    void nummerFreigeben(bool frei);
    bool fahrzeugnummer(int& kfzid);
    bool inspektionPruefen(int anfKm, int inspKm);
    void eichenAnbieten();

    QWidget* mirelVerbindung_ = nullptr;
    bool frischGezeigt_ = false;
};
