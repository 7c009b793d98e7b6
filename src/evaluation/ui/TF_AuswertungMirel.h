#pragma once

#include "common_ui/LangeArbeit.h"
#include "common_ui/Rasterspalten.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/Auswertungsanzeige.h"
#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"

#include <QWidget>

#include <functional>

class FahrtenlistenModell;
class FahrzeugDiagramm;
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
class Sitzung;
class TF_Details;
class TextTabellenModell;

// "Fahrtenauswertung": filters the logbook and shows it by trips, by drivers or by vehicles.
// One instance lives as long as the program; every showing starts with a fresh filter (keeping
// the current vehicle) and the compact window that shows only the filter.
class TF_AuswertungMirel : public QWidget {
    Q_OBJECT
public:
    // For the reference font; the window scales them with its font.
    static constexpr int kompakteHoehe = 200;
    static constexpr int volleHoehe = 556;
    static constexpr int verschiebungNachOben = 178;

    explicit TF_AuswertungMirel(const Sitzung& sitzung, QWidget* parent = nullptr);

    void setDetails(TF_Details* details) { details_ = details; }
    void setFortschritt(Fortschritt anzeige) { fortschritt_ = std::move(anzeige); }
    // The print preview of the shown result; "Druckvorschau" stays disabled until one is attached.
    void setDruckvorschau(std::function<void()> vorschau);

    // Read-only state of the last result.
    const Auswertungsstand& stand() const { return stand_; }
    const Fahrtenfilter& filter() const { return filter_; }
    const Fahrtenliste& fahrtenliste() const;
    // The trip of the selected row of the trip list, if the trip view lists one.
    const GelisteteFahrt* gewaehlteFahrt() const;

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
    QRadioButton* RBFahrten;
    QRadioButton* RBFahrer;
    QRadioButton* RBFahrzeug;
    QPushButton* btAnzeigen;
    QPushButton* btVerwerfen;
    QPushButton* btSchliessen;
    QPushButton* btStammfahrt;
    QPushButton* btDetails;
    QPushButton* btExport;
    QPushButton* btExportieren;
    QPushButton* btJahresfahrtenbuch;
    QTableView* sgFahrten;
    QTableView* SGFahrer;
    QTableView* SGFahrerTab;
    QTableView* SGFahrzeuge;
    FahrzeugDiagramm* Fahrzeugdiagramm;
    QStatusBar* sbFahrten;
    QLabel* sbAnzahl;
    QLabel* sbKilometer;

public slots:
    void FormShow();
    void FillComboBox();
    void ClrFilter();
    void cbVonChange();
    void cbNachChange();
    void cbFahrzeugChange();
    void cbFahrerChange();
    void cbZweckChange();
    void cbKategorieChange();
    void cbArtChange();
    void cbBemerkungChange();
    void eKMAbfClick();
    void eKMAnkClick();
    void eKMAbfExit();
    void eKMAnkExit();
    void cbxAbDatClick();
    void cbxAnDatClick();
    void dtpAbDatCloseUp();
    void dtpAnDatCloseUp();
    void RBFahrtenClick();
    void RBFahrerClick();
    void RBFahrzeugClick();
    void btAnzeigenClick();
    auswertungsanzeige::Gruppierung gruppierung() const;
    auswertungsanzeige::Ergebnis abfragen(auswertungsanzeige::Ansicht ansicht) const;
    void zeigeFahrten();
    void zeigeTabelle(QTableView* raster, TextTabellenModell* modell, const auswertungsanzeige::Ergebnis& ergebnis,
                      const QList<Rasterspalte>& spalten);
    void zeigeFahrzeuge();
    void btDetailsClick();
    void sgFahrtenDblClick();
    void btStammfahrtClick();
    void btExportClick();
    void btExportierenClick();
    void btJahresfahrtenbuchClick();
    void btVerwerfenClick();
    void btSchliessenClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void baueOberflaeche();
    QWidget* baueFilter();
    QWidget* baueErgebnis();
    void verbindeHandler();
    void FormClose();
    void ausklappen();
    void setzeBreite(int breite);
    void zeigeRaster(QTableView* raster, const QList<Rasterspalte>& spalten);
    void filterAnsichtFreigeben(bool nachFahrten);
    void druckvorschauFreigeben(bool frei);
    void ergebnisknoepfeAktualisieren();
    void filterMerken();
    bool kmGrenzeLesen(QLineEdit* feld, int standard, int& grenze);
    std::optional<int> gewaehlteId(const QComboBox* liste) const;
    QString exportVerzeichnis() const;

    AuswertungStore store_;
    Fahrtenfilter filter_;
    Auswertungsstand stand_;
    FahrtenlistenModell* fahrtenModell_;
    TextTabellenModell* tagesModell_;
    TextTabellenModell* fahrerModell_;
    TextTabellenModell* fahrerTabModell_;
    TextTabellenModell* fahrzeugModell_;
    QWidget* ergebnis_;
    TF_Details* details_ = nullptr;
    const Sitzung& sitzung_;
    Fortschritt fortschritt_;
    std::function<void()> druckvorschau_;
    // Where the last export went; the next one starts there.
    QString exportVerzeichnis_;
    int obenVorAusklappen_ = 0;
    bool meldetFehler_ = false;
};
