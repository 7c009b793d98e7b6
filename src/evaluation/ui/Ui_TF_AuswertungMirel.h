#pragma once

class FahrzeugDiagramm;
class QAction;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QWidget;

// The controls of the evaluation and their layout, as Qt Designer's setupUi would create them:
// the filter on top and, below it, the result that shows once something was displayed.
// TF_AuswertungMirel holds them by inheriting this, so each control is reached by its name.
struct Ui_TF_AuswertungMirel {
    QGroupBox* gbFilter;
    QCheckBox* cbxAbDat;
    QDateEdit* dtpAbDat;
    QCheckBox* cbxAnDat;
    QDateEdit* dtpAnDat;
    QComboBox* cbVon;
    QComboBox* cbNach;
    QLineEdit* eKMAbf;
    QLineEdit* eKMAnk;
    QComboBox* cbFahrzeug;
    QComboBox* cbFahrer;
    QComboBox* cbZweck;
    QComboBox* cbKategorie;
    QComboBox* cbArt;
    QComboBox* cbBemerkung;
    QCheckBox* cbxErsetzte;
    QRadioButton* RBFahrten;
    QRadioButton* RBFahrer;
    QRadioButton* RBFahrzeug;
    QPushButton* btAnzeigen;
    QPushButton* btVerwerfen;
    QPushButton* btSchliessen;
    QPushButton* btStammfahrt;
    QPushButton* btDetails;
    // The context menu's correction and cancellation, where the user sees them.
    QPushButton* btKorrigieren;
    QPushButton* btStornieren;
    QPushButton* btExport;
    QPushButton* btExportieren;
    QPushButton* btBetriebspruefung;
    QPushButton* btJahresfahrtenbuch;
    QTableView* sgFahrten;
    QTableView* SGFahrer;
    QTableView* SGFahrerTab;
    QTableView* SGFahrzeuge;
    FahrzeugDiagramm* Fahrzeugdiagramm;
    QStatusBar* sbFahrten;
    QLabel* sbAnzahl;
    QLabel* sbKilometer;
    QLabel* sbPruefung;
    // The trip list's context menu.
    QAction* aKorrigieren;
    QAction* aStornieren;
    // The lower part: hidden until "Anzeigen" unfolds the window.
    QWidget* ergebnis;

    void setupUi(QWidget* fenster);

private:
    QWidget* filterBauen();
    QWidget* ergebnisBauen();
};
