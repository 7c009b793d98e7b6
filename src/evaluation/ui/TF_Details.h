#pragma once

#include "entry/ui/Fahrtfelder.h"

#include <QDialog>
#include <QStringList>

class AuswertungStore;
class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

// "Details": one listed trip of the evaluation field by field, with its full remark. Read-only;
// every opening refills it from the trip the evaluation hands over.
class TF_Details : public QDialog, public Fahrtfelder {
    Q_OBJECT
public:
    // The cells of a trip-list row (the columns of the trip grid) and the trip's ID.
    struct Fahrt {
        int id = 0;
        QStringList zellen;
    };

    explicit TF_Details(QWidget* parent = nullptr);

    void setFahrt(const Fahrt& fahrt) { fahrt_ = fahrt; }

    QLabel* LDatum;
    QButtonGroup* RGFahrtart;
    QLabel* LErfasst; // when the trip was stored
    QLabel* LBenutzer; // who stored it
    QPushButton* btAbbrechen;

    // The selected kind as its radio position (0 "unzugeordnet" to 3 "geschäftlich"), -1 for none.
    int gewaehlteArt() const;

public slots:
    void FormShow();
    void btAbbrechenClick();

protected:
private:
    void baueOberflaeche();
    void zeitenFuellen();
    void artWaehlen(const QString& kuerzel);
    QString zelle(int spalte) const;

    Fahrt fahrt_;
};
