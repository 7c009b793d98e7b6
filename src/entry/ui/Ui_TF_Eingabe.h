#pragma once

#include "entry/ui/Fahrtfelder.h"

class QAbstractItemModel;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableView;
class QTableWidget;
class QWidget;
class Radiogruppe;

// The controls of the trip entry and their layout, as Qt Designer's setupUi would create them;
// TF_Eingabe holds them by inheriting this, so each control is reached by its name.
struct Ui_TF_Eingabe : Fahrtfelder {
    QTableWidget* sgLFahrt;
    Radiogruppe* RGFahrtart;
    QCheckBox* cbxStammfahrt;
    QPushButton* btSchliessenSpeichern;
    QPushButton* Btverwerfen;
    QPushButton* btAbbrechen;
    QPushButton* BtRueckfahrt;
    QPushButton* BtLetzteKorrigieren;
    QPushButton* BtNachtragen;
    QTableWidget* sgStammfahrten;
    QPushButton* btUebernehmen;
    QLabel* lbUnbearbeitet;
    QTableView* StringGrid1;

    // Creates the controls in the window; the raw-trip grid shows the given model.
    void setupUi(QWidget* fenster, QAbstractItemModel* rohfahrten);

private:
    void tabReihenfolge(QWidget* fenster);
};
