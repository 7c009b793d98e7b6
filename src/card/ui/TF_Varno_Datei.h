#pragma once

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class VolumeSerial;

// The card list window: the three selection lists the recorder offers its driver (places, reasons,
// categories), read from the card's data file, arranged by the user beside the database's names
// and written back into the file's header; and the card's driver.
class TF_Varno_Datei : public QWidget {
    Q_OBJECT
public:
    // `kartenkennung` identifies the card that holds the data file.
    explicit TF_Varno_Datei(std::unique_ptr<VolumeSerial> kartenkennung, QWidget* parent = nullptr);
    ~TF_Varno_Datei() override;

    QLabel* Label1;
    QLineEdit* EPfad;
    QPushButton* BtAendern;
    QPushButton* BtOK;
    QPushButton* Btspeichern;
    QPushButton* BtAbbruch;
    QLabel* Label2;
    QComboBox* CBFahrer;
    QLineEdit* ECFID;
    QTabWidget* Tab;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;
    QTableWidget* SGOrte;
    QTableWidget* SGOrteDB;
    QPushButton* Btlinks;
    QPushButton* Bthoch;
    QPushButton* Btrunter;
    QPushButton* Btloeschen;
    QTableWidget* SGGruende;
    QTableWidget* SGGruendeDB;
    QPushButton* BtlinksG;
    QPushButton* BthochG;
    QPushButton* BttiefG;
    QPushButton* BtloeschenG;
    QTableWidget* SGKategorien;
    QTableWidget* SGKatDB;
    QPushButton* BtlinksK;
    QPushButton* BthochK;
    QPushButton* BttieferK;
    QPushButton* BtloeschenK;

    // True when the file is a data file; remembers its path for the next time.
    bool DateiOK(const QString& pfad);
    // Shows the card's driver (fixed) and returns true; without a driver returns false. For no card
    // at all, offers every driver to choose from or a new name to type.
    bool FahrerLesen(const QString& karte);

public slots:
    void FormActivate();
    void BtAendernClick();
    void BtOKClick();
    void BtspeichernClick();
    void BtAbbruchClick();

    void BtlinksClick();
    void BthochClick();
    void BtrunterClick();
    void BtloeschenClick();
    void BtlinksGClick();
    void BthochGClick();
    void BttiefGClick();
    void BtloeschenGClick();
    void BtlinksKClick();
    void BthochKClick();
    void BttieferKClick();
    void BtloeschenKClick();

protected:
private:
    void baueOberflaeche();
    void verbindeKnoepfe();
    void kartenlistenFuellen(const QStringList& orte, const QStringList& gruende, const QStringList& kategorien);
    bool kopfSchreiben();
    void fahrerZuordnen();

    std::unique_ptr<VolumeSerial> kartenkennung_;
    QString dialogverzeichnis_;
};
