#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The options: sample vehicle in evaluations, start with the last vehicle, and the limits of one
// trip (longest duration, highest average speed). Shown modally by the main window; reads the
// options row on every showing and writes it only on "OK" or "Übernehmen". The section
// "Datenbank" chooses the logbook of the next start (see Datenbankwahl); the section
// "Zeitstempel" names the time-stamping service of this logbook and the certificate its
// signatures are checked against.
class TF_Optionen : public QDialog {
    Q_OBJECT
public:
    explicit TF_Optionen(QWidget* parent = nullptr);

    QCheckBox* cbxMusterKFZ;
    QCheckBox* cbxLKFZ;
    QComboBox* cbTFahrt;
    QComboBox* cbV;
    QGroupBox* gbDatenbank;
    QRadioButton* rbLokal;
    QRadioButton* rbServer;
    QLineEdit* eRechner;
    QLineEdit* ePort;
    QLineEdit* eDatenbank;
    QLineEdit* eBenutzer;
    QGroupBox* gbZeitstempel;
    QLineEdit* eZeitstempeldienst;
    QLineEdit* eZeitstempelzertifikat;
    QPushButton* btZertifikat;
    QPushButton* btOK;
    QPushButton* btAbbrechen;
    QPushButton* btUebernehmen;

public slots:
    void FormShow();
    void Reload();
    // False when the database section holds a wrong value: the user was told, nothing was stored.
    bool Speichern();
    void btOKClick();
    void btUebernehmenClick();
    void btAbbrechenClick();
    void btZertifikatClick();

protected:
private:
    void geaendert();
    QGroupBox* datenbankAbschnitt();
    void datenbankwahlZeigen();
    bool datenbankwahlSpeichern();
    void serverfelderFreigeben();
    QGroupBox* zeitstempelAbschnitt();
    bool zeitstempelungPruefen();
};
