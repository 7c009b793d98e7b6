#pragma once

#include "common_ui/LangeArbeit.h"
#include "common_ui/Rasterspalten.h"
#include "evaluation/AuswertungStore.h"
#include "evaluation/Auswertungsanzeige.h"
#include "evaluation/Auswertungsstand.h"
#include "evaluation/Fahrtenliste.h"
#include "evaluation/ui/Auswertungsexport.h"
#include "evaluation/ui/Ui_TF_AuswertungMirel.h"

#include <QSet>
#include <QWidget>

#include <functional>

class Auswertungsfilter;
class FahrtenlistenModell;
class Pruefstand;
class QComboBox;
class QLineEdit;
class QTableView;
class Sitzung;
class TF_Details;
class TextTabellenModell;

// "Fahrtenauswertung": filters the logbook and shows it by trips, by drivers or by vehicles.
// One instance lives as long as the program; every showing starts with a fresh filter (keeping
// the current vehicle) and the compact window that shows only the filter.
class TF_AuswertungMirel : public QWidget, public Ui_TF_AuswertungMirel {
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

    // Correcting and cancelling the selected trip; each returns true when it stored something.
    struct Korrekturen {
        std::function<bool(int fahrtId)> korrigieren;
        std::function<bool(int fahrtId)> stornieren;
    };
    void setKorrekturen(Korrekturen korrekturen);
    // The check of the logbook that marks rows and fills the status bar's last panel.
    void setPruefstand(Pruefstand* stand) { pruefstand_ = stand; }
    Pruefstand* pruefstand() const { return pruefstand_; }

    // Read-only state of the last result.
    const Auswertungsstand& stand() const { return stand_; }
    const Fahrtenfilter& filter() const;
    // The whole trip list of the trip view; what is still to be read is read first.
    const Fahrtenliste& fahrtenliste() const;
    // The trip of the selected row of the trip list, if the trip view lists one.
    const GelisteteFahrt* gewaehlteFahrt() const;

public slots:
    void FormShow();
    void eKMAbfExit();
    void eKMAnkExit();
    void cbxAbDatClick();
    void cbxAnDatClick();
    void RBFahrtenClick();
    void RBFahrerClick();
    void RBFahrzeugClick();
    void btAnzeigenClick();
    // Another window changed the logbook: the shown result is read again.
    void fahrtenbuchGeaendert();
    auswertungsanzeige::Gruppierung gruppierung() const;
    auswertungsanzeige::Ergebnis abfragen(auswertungsanzeige::Ansicht ansicht) const;
    void zeigeFahrten();
    void zeigeTabelle(QTableView* raster, TextTabellenModell* modell, const auswertungsanzeige::Ergebnis& ergebnis,
                      const QList<Rasterspalte>& spalten);
    void zeigeFahrzeuge();
    // "Anzahl Fahrten" and "Kilometer" of the trips read so far; the last update is the whole list's.
    void summenZeigen();
    void btDetailsClick();
    void sgFahrtenDblClick();
    void btStammfahrtClick();
    void btExportClick();
    void btExportierenClick();
    void standFesthalten(const QString& anlass);
    void btJahresfahrtenbuchClick();
    void btBetriebspruefungClick();
    void FahrtKorrigieren();
    void FahrtStornieren();
    void btVerwerfenClick();
    void btSchliessenClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void verbindeHandler();
    // The trips read so far, which the grid shows.
    const Fahrtenliste& gelesen() const;
    void anzeigen(auswertungsanzeige::Ansicht ansicht);
    void FormClose();
    void ausklappen();
    void setzeBreite(int breite);
    // Before the first display: the described width, or more where a caption of the filter and its
    // buttons needs it.
    int breiteMitTexten(int breite) const;
    void zeigeRaster(QTableView* raster, const QList<Rasterspalte>& spalten);
    void filterAnsichtFreigeben(bool nachFahrten);
    void druckvorschauFreigeben(bool frei);
    void ergebnisknoepfeAktualisieren();
    void filterMerken();
    QSet<qlonglong> pruefungZeigen();
    bool aktuelleFahrtGewaehlt() const;
    void ersetzen(const std::function<bool(int fahrtId)>& wie);

    AuswertungStore store_;
    Auswertungsfilter* filter_;
    Auswertungsstand stand_;
    auswertungsanzeige::Ansicht letzteAnsicht_ = auswertungsanzeige::Ansicht::Fahrten;
    // A view radio button was chosen since the last "Anzeigen".
    bool ansichtGewechselt_ = false;
    FahrtenlistenModell* fahrtenModell_;
    TextTabellenModell* tagesModell_;
    TextTabellenModell* fahrerModell_;
    TextTabellenModell* fahrerTabModell_;
    TextTabellenModell* fahrzeugModell_;
    TF_Details* details_ = nullptr;
    const Sitzung& sitzung_;
    Fortschritt fortschritt_;
    std::function<void()> druckvorschau_;
    Korrekturen korrekturen_;
    Pruefstand* pruefstand_ = nullptr;
    Auswertungsexport export_;
    int obenVorAusklappen_ = 0;
};
