#pragma once

#include <QWidget>

class Kilometerstandfeld;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class Sitzung;
class TF_KFZNeu;
struct KFZEintrag;

// "Fahrzeugverwaltung": one open vehicle at a time with its odometer, input type, recorder number
// and next inspection; stores the inspection, closes a vehicle for good and, for a memory-card
// vehicle, lists its waypoints at the right of a window twice as wide.
class TF_KFZ : public QWidget {
    Q_OBJECT
public:
    explicit TF_KFZ(Sitzung& sitzung, QWidget* parent = nullptr);

    // The window "Neu" opens; after it creates a vehicle this window shows it in its list.
    void setNeuesFahrzeugFenster(TF_KFZNeu* fenster);
    // The card list window "Speicherkarte" opens; without it the button stays disabled.
    void setKartenliste(QWidget* fenster);

    QComboBox* cbKFZ;
    QLineEdit* eKMStand;
    QComboBox* cbEingabeart;
    QPushButton* BtEichen;
    QLineEdit* EFahrzeug_ID;
    QCheckBox* ChBkm;
    Kilometerstandfeld* eInspKM;
    QCheckBox* ChBDat;
    QDateEdit* dtpInspDat;
    QPushButton* BtNeu;
    QPushButton* BtSpeichern;
    QPushButton* BtAbschliessen;
    QPushButton* btSchliessen;
    QLabel* lMerkpunkte;
    QTableWidget* SGMP;

    QString MerkKFZ;

public slots:
    void FormActivate();
    void cbKFZChange();
    void Einlesen();
    void MerkPunkte();
    void eInspKMChange();
    void dtpInspDatChange();
    void ChBkmClick();
    void ChBDatClick();
    void BtSpeichernClick();
    void Reload();
    void btAbschliessenClick();
    void BtEichenClick();
    void BtNeuClick();
    void btSchliessenClick();
    void FormClose();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* baueFahrzeugseite();
    QWidget* baueMerkpunktseite();
    const KFZEintrag* gewaehlt() const;
    void listeInAuswahl();
    void zeigeInspektion(const KFZEintrag& eintrag);
    void fruehestesInspektionsdatum();
    void geaendert();
    bool ungespeichert() const;

    TF_KFZNeu* neuesFahrzeug_ = nullptr;
    QWidget* kartenliste_ = nullptr;
    QWidget* merkpunktseite_;
    Sitzung& sitzung_;
    bool einlesen_ = false;
};
