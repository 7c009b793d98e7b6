#pragma once

#include <QWidget>

#include <memory>

class QGroupBox;
class QLabel;
class QPushButton;
class QTableWidget;
class RemovableMedia;
struct RemovableDrive;

// Card administration: every card whose trips are in the database, the way to the card import and
// the card list window for the inserted card, and the reset of a card to an empty data file.
class TF_Speicherkarte : public QWidget {
    Q_OBJECT
public:
    explicit TF_Speicherkarte(std::unique_ptr<RemovableMedia> datentraeger, QWidget* parent = nullptr);
    ~TF_Speicherkarte() override;

    // The card import window ("Fahrten zeigen") and the card list window ("Verwalten"); a button
    // without its window stays disabled.
    void setFenster(QWidget* kartenimport, QWidget* kartenlisten);
    // The file a reset copies onto the card; beside the program unless set otherwise.
    void setVorlage(const QString& pfad);

    QGroupBox* GroupBox1;
    QPushButton* BtZeigen;
    QPushButton* BtVerwalt;
    QPushButton* BtFormat;
    QPushButton* BtEnde;
    QLabel* Label1;
    QTableWidget* SgUebersicht;

public slots:
    void FormActivate();
    void BtZeigenClick();
    void BtVerwaltClick();
    void BtFormatClick();
    void BtEndeClick();

protected:
private:
    void baueOberflaeche();
    bool anbieten(const RemovableDrive& laufwerk);
    void zuruecksetzen(const RemovableDrive& laufwerk);

    std::unique_ptr<RemovableMedia> datentraeger_;
    QWidget* kartenimport_ = nullptr;
    QWidget* kartenlisten_ = nullptr;
    QString vorlage_;
};
