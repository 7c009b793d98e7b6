#pragma once

#include "card/datafile/CardRecord.h"
#include "card/datafile/RecordArea.h"
#include "card/ui/FahrtenModell.h"
#include "card/ui/MerkpunkteModell.h"
#include "common_ui/LangeArbeit.h"

#include <QHash>
#include <QList>
#include <QWidget>

#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class VolumeSerial;
struct Rasterspalte;

// "Verzeichnis prüfen und Daten einlesen": reads the data file of a memory card, lists its trips
// and waypoints, marks implausible trips red, takes the green ones over as raw trips and erases
// the card. Created once; opened from the main window's assistant and from card administration.
class TF_Varno_V_OK : public QWidget {
    Q_OBJECT
public:
    explicit TF_Varno_V_OK(std::unique_ptr<VolumeSerial> kartenkennung, QWidget* parent = nullptr);
    ~TF_Varno_V_OK() override;

    void setFortschritt(Fortschritt fortschritt) { fortschritt_ = std::move(fortschritt); }

    // Shows the window for this data file and reads it at once, as card administration needs.
    void einlesen(const QString& pfad);

    const FahrtenModell& fahrten() const { return fahrten_; }
    const MerkpunkteModell& merkpunkte() const { return merkpunkte_; }
    // Record blocks the last reading consumed: what taking over erases.
    std::size_t bloecke() const { return gelesen_.count; }

    QLabel* Label1;
    QLineEdit* EPfad;
    QPushButton* BtAendern;
    QPushButton* BtOK;
    QPushButton* BtSpeichern;
    QPushButton* Btabbruch;
    QLabel* Label2;
    QComboBox* CBFahrer;
    QLineEdit* ECFID;
    QFrame* Shape1;
    QLabel* Label3;
    QFrame* Shape2;
    QLabel* Label5;
    QLabel* Label4;
    QTabWidget* TS;
    QWidget* TSFahrten;
    QWidget* TSMerkpunkte;
    QTableView* StringGrid1;
    QTableView* SGMerkPunkte;

public slots:
    void FormActivate();
    void BtAendernClick();
    void BtOKClick();
    bool DateiOK(const QString& pfad);
    void SGMerkPunkteClick(const QModelIndex& zelle);
    void StringGrid1DblClick(const QModelIndex& zelle);
    void SGPruefen();
    void SGZeichnen();
    void BtSpeichernClick();
    void BtabbruchClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void baueOberflaeche();
    QTableView* baueListe(QAbstractTableModel* modell, const QList<Rasterspalte>& spalten);
    void listenLeeren();
    void karteErkennen(const QString& pfad);
    bool datensaetzeLesen(const QString& pfad);
    QString kfzSchluessel(const cardfile::CardRecord& record);
    QString neuesFahrzeug(const cardfile::CardRecord& record);
    void fahrerFragen();
    void inDB();
    bool gleicheKarte() const;
    void merkpunkteSichern();
    void fahrerSichern();

    std::unique_ptr<VolumeSerial> kartenkennung_;
    Fortschritt fortschritt_;
    FahrtenModell fahrten_;
    MerkpunkteModell merkpunkte_;

    // The reading the lists show.
    QString pfad_;
    QString cfid_;
    // The identifier the card's file system told at the reading; none when it told none.
    std::optional<QString> kennungBeimLesen_;
    cardfile::ReadBlocks gelesen_;
    bool keinFahrer_ = false;
    QHash<int, QString> fahrzeuge_;
    QString letztesKennzeichen_;
};
