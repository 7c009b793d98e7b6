#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class FileOperations;
class QLineEdit;
class QPushButton;
class Sitzung;

// Backup and restore of the logbook. Opened from the menu while the main window waits disabled,
// and the only window when the logbook is missing at start: then it restores a backup or creates
// a new, empty logbook, after which the program goes on with it.
class TF_Datensicherung : public QWidget {
    Q_OBJECT
public:
    explicit TF_Datensicherung(Sitzung& sitzung, QWidget* parent = nullptr);

    // Tests hand in file operations that fail on purpose.
    void setDateien(FileOperations& dateien) { dateien_ = &dateien; }

    QLineEdit* EDSVerz;
    QPushButton* BtAendern;
    QPushButton* BtSicherung;
    QPushButton* BtRueckSicherung;
    QPushButton* BtNeueDatenbank;
    QPushButton* btSchliessen;

public slots:
    void FormActivate();
    void BtAendernClick();
    void BtSicherungClick();
    void BtRueckSicherungClick();
    void BtNeueDatenbankClick();
    void btSchliessenClick();

signals:
    // A logbook was put in place while there was none: the program can go on with it.
    void datenbankBereit();
    // Closed while there still is no logbook: the program ends.
    void beenden();
    // A backup was written to `sicherung`.
    void gesichert(const QString& sicherung);
    // A backup replaced the logbook.
    void zurueckgesichert();

protected:
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString logbuch() const;
    QString gespeichertesVerzeichnis() const;
    bool sicherungSchreiben(const QString& ziel);
    void logbuchUebernommen();
    // The reason, when there is one, goes below the message users have always seen.
    static void fehlerBeimKopieren(const QString& grund = {});

    Sitzung& sitzung_;
    FileOperations* dateien_;
    QString AktVerz; // the logbook's folder; a restore puts the logbook there
    // A folder chosen with "Ändern" counts until the window closes; only "Schliessen" stores it.
    std::optional<QString> gewaehltesVerzeichnis_;
};
