#pragma once

#include "master/FahrerStore.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

// "Fahrerverwaltung": every driver with his number of logbook entries and his last trip; creates
// drivers, renames the picked one or changes his remark, and deletes drivers without trips.
class TF_Fahrer : public QWidget {
    Q_OBJECT
public:
    explicit TF_Fahrer(QWidget* parent = nullptr);

    QPushButton* BtNeu;
    QPushButton* BtSpeichern;
    QPushButton* BtVerwerfen;
    QPushButton* BtLoeschen;
    QPushButton* BtSchliessen;
    QLineEdit* EName;
    QPlainTextEdit* mBemerkung;
    QTableWidget* SGFahrer;

    // True while the fields are meant for a new driver; false once a driver was picked.
    bool NeuModus = true;

public slots:
    void FormActivate();
    void NeuLaden();
    void SGFahrerClick(int zeile);
    void ENameChange();
    void mBemerkungChange();
    void BtVerwerfenClick();
    void BtNeuClick();
    void BtSpeichernClick();
    void BtLoeschenClick();
    void BtSchliessenClick();

protected:
private:
    void tabelleFuellen();
    void felderSetzen(const QString& name, const QString& bemerkung);
    bool nameAbgelehnt(const QString& name, int eigeneId);
    void nameZurueckweisen(const QString& fehler);
    void inzwischenVergeben(const QString& name);

    std::vector<FahrerStore::Fahrer> fahrer_;
    int gewaehlteId_ = 0;
    QString gewaehlterName_;
    bool bearbeitet_ = false;
    bool felderSetzen_ = false;
};
