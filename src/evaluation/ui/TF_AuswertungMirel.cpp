#include "evaluation/ui/TF_AuswertungMirel.h"

#include "audit/Pruefstand.h"
#include "audit/Verankerung.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Fensterplatz.h"
#include "common_ui/Handler.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftmass.h"
#include "logbuch/Sitzung.h"
#include "logbuch/StammfahrtStore.h"
#include "evaluation/Auswertungsanzeige.h"
#include "evaluation/Fahrtenleser.h"
#include "evaluation/ui/Auswertungsfilter.h"
#include "evaluation/ui/FahrtenlistenModell.h"
#include "evaluation/ui/FahrzeugDiagramm.h"
#include "evaluation/ui/TF_Details.h"
#include "evaluation/ui/TextTabellenModell.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>

#include <algorithm>

namespace {

namespace muster = spaltenmuster;

constexpr int breiteFahrten = 988;
constexpr int breiteFahrer = 750;
constexpr int breiteTag = 940;
constexpr int breiteKleinerBildschirm = 800;

} // namespace

TF_AuswertungMirel::TF_AuswertungMirel(const Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("TF_AuswertungMirel"));
    setWindowTitle(QStringLiteral("Fahrtenauswertung"));
    fahrtenModell_ = new FahrtenlistenModell(this);
    tagesModell_ = new TextTabellenModell(this);
    fahrerModell_ = new TextTabellenModell(this);
    fahrerTabModell_ = new TextTabellenModell(this);
    fahrzeugModell_ = new TextTabellenModell(this);
    setupUi(this);
    sgFahrten->setModel(fahrtenModell_);
    SGFahrer->setModel(fahrerModell_);
    SGFahrerTab->setModel(fahrerTabModell_);
    SGFahrzeuge->setModel(fahrzeugModell_);
    filter_ = new Auswertungsfilter(*this, store_, sitzung, this);
    verbindeHandler();
    verbinden(&sitzung, &Sitzung::fahrtenbuchGeaendert, this, &TF_AuswertungMirel::fahrtenbuchGeaendert);
    setFixedSize(breiteMitTexten(breiteFahrer), schriftmass::hoehe(kompakteHoehe));
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); });
}

void TF_AuswertungMirel::verbindeHandler()
{
    verbinden(RBFahrten, &QRadioButton::clicked, this, &TF_AuswertungMirel::RBFahrtenClick);
    verbinden(RBFahrer, &QRadioButton::clicked, this, &TF_AuswertungMirel::RBFahrerClick);
    verbinden(RBFahrzeug, &QRadioButton::clicked, this, &TF_AuswertungMirel::RBFahrzeugClick);
    verbinden(btAnzeigen, &QPushButton::clicked, this, &TF_AuswertungMirel::btAnzeigenClick);
    verbinden(btVerwerfen, &QPushButton::clicked, this, &TF_AuswertungMirel::btVerwerfenClick);
    verbinden(btSchliessen, &QPushButton::clicked, this, &TF_AuswertungMirel::btSchliessenClick);
    verbinden(btStammfahrt, &QPushButton::clicked, this, &TF_AuswertungMirel::btStammfahrtClick);
    verbinden(btDetails, &QPushButton::clicked, this, &TF_AuswertungMirel::btDetailsClick);
    verbinden(btExport, &QPushButton::clicked, this, &TF_AuswertungMirel::btExportClick);
    verbinden(btExportieren, &QPushButton::clicked, this, &TF_AuswertungMirel::btExportierenClick);
    verbinden(btJahresfahrtenbuch, &QPushButton::clicked, this, &TF_AuswertungMirel::btJahresfahrtenbuchClick);
    verbinden(btBetriebspruefung, &QPushButton::clicked, this, &TF_AuswertungMirel::btBetriebspruefungClick);
    verbinden(aKorrigieren, &QAction::triggered, this, &TF_AuswertungMirel::FahrtKorrigieren);
    verbinden(aStornieren, &QAction::triggered, this, &TF_AuswertungMirel::FahrtStornieren);
    connect(btKorrigieren, &QPushButton::clicked, aKorrigieren, &QAction::trigger);
    connect(btStornieren, &QPushButton::clicked, aStornieren, &QAction::trigger);
    for (QTableView* tabelle : {sgFahrten, SGFahrer, SGFahrerTab})
        verbinden(tabelle, &QTableView::doubleClicked, this, &TF_AuswertungMirel::sgFahrtenDblClick);
    // Only enables buttons, and a unique connection needs the member itself: plain connect.
    connect(sgFahrten->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TF_AuswertungMirel::ergebnisknoepfeAktualisieren);
    connect(fahrtenModell_, &QAbstractItemModel::modelReset, this, [this] {
        connect(sgFahrten->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &TF_AuswertungMirel::ergebnisknoepfeAktualisieren, Qt::UniqueConnection);
    });
    connect(fahrtenModell_, &FahrtenlistenModell::gewachsen, this, &TF_AuswertungMirel::summenZeigen);
    connect(fahrtenModell_, &FahrtenlistenModell::ganzGelesenWorden, this, &TF_AuswertungMirel::summenZeigen);
}

void TF_AuswertungMirel::setDruckvorschau(std::function<void()> vorschau)
{
    druckvorschau_ = std::move(vorschau);
    ergebnisknoepfeAktualisieren();
}

void TF_AuswertungMirel::setKorrekturen(Korrekturen korrekturen)
{
    korrekturen_ = std::move(korrekturen);
    ergebnisknoepfeAktualisieren();
}

const Fahrtenfilter& TF_AuswertungMirel::filter() const
{
    return filter_->filter();
}

const Fahrtenliste& TF_AuswertungMirel::fahrtenliste() const
{
    return fahrtenModell_->ganzeListe();
}

const Fahrtenliste& TF_AuswertungMirel::gelesen() const
{
    return fahrtenModell_->liste();
}

const GelisteteFahrt* TF_AuswertungMirel::gewaehlteFahrt() const
{
    if (stand_.fahrzeugansicht || stand_.ansichtsModus != Auswertungsstand::Fahrten ||
        sgFahrten->model() != fahrtenModell_ || gelesen().leer())
        return nullptr;
    const int zeile = sgFahrten->currentIndex().row();
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= gelesen().anzahl())
        return nullptr;
    return &gelesen().fahrt(static_cast<std::size_t>(zeile));
}

// --- Showing and closing ---

void TF_AuswertungMirel::FormShow()
{
    cbxAbDat->setFocus();
    ergebnis->hide();
    stand_.angezeigt = false;
    setFixedSize(breiteMitTexten(breiteFahrer), schriftmass::hoehe(kompakteHoehe));
    if (parentWidget())
        fensterplatz::zentrieren(this, parentWidget());
    filter_->FillComboBox();
    filter_->ClrFilter();
    ergebnisknoepfeAktualisieren();
}

void TF_AuswertungMirel::closeEvent(QCloseEvent* event)
{
    geschuetzt([this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TF_AuswertungMirel::FormClose()
{
    // No statement stays open behind a closed window.
    fahrtenModell_->ganzeListe();
    for (QComboBox* liste : {cbVon, cbNach, cbFahrzeug, cbFahrer, cbZweck, cbKategorie, cbArt, cbBemerkung}) {
        const QSignalBlocker sperre(liste);
        liste->clear();
    }
    if (height() > schriftmass::hoehe(kompakteHoehe))
        move(x(), obenVorAusklappen_);
}

void TF_AuswertungMirel::btSchliessenClick()
{
    close();
}

void TF_AuswertungMirel::btVerwerfenClick()
{
    filter_->ClrFilter();
}

void TF_AuswertungMirel::eKMAbfExit()
{
    filter_->eKMAbfExit();
}

void TF_AuswertungMirel::eKMAnkExit()
{
    filter_->eKMAnkExit();
}

void TF_AuswertungMirel::cbxAbDatClick()
{
    filter_->cbxAbDatClick();
}

void TF_AuswertungMirel::cbxAnDatClick()
{
    filter_->cbxAnDatClick();
}

// --- Filter handlers ---

void TF_AuswertungMirel::filterAnsichtFreigeben(bool nachFahrten)
{
    // The result on screen no longer belongs to the chosen view: no preview until "Anzeigen".
    ansichtGewechselt_ = true;
    druckvorschauFreigeben(false);
    for (QWidget* w : std::initializer_list<QWidget*>{cbVon, cbNach, eKMAbf, eKMAnk, cbFahrzeug, cbZweck, cbKategorie,
                                                      cbArt, cbBemerkung})
        w->setEnabled(nachFahrten);
}

void TF_AuswertungMirel::RBFahrtenClick()
{
    filterAnsichtFreigeben(true);
}

void TF_AuswertungMirel::RBFahrerClick()
{
    filterAnsichtFreigeben(false);
}

void TF_AuswertungMirel::RBFahrzeugClick()
{
    filterAnsichtFreigeben(false);
}

// --- Showing a result ---

void TF_AuswertungMirel::filterMerken()
{
    const auto kmText = [](const QLineEdit* feld, int standard) {
        return feld->text().trimmed().isEmpty() ? QString::number(standard) : feld->text();
    };
    store_.filterMerken({stand_.anzeigeVon, stand_.anzeigeBis, cbVon->currentText(), cbNach->currentText(),
                         kmText(eKMAbf, Fahrtenfilter::kmAbStandard), kmText(eKMAnk, Fahrtenfilter::kmAnStandard),
                         cbFahrzeug->currentText(), cbFahrer->currentText(), cbZweck->currentText(),
                         cbKategorie->currentText(), cbArt->currentText(), cbBemerkung->currentText()});
}

void TF_AuswertungMirel::ausklappen()
{
    if (height() == schriftmass::hoehe(volleHoehe))
        return;
    obenVorAusklappen_ = y();
    move(x(), std::max(0, y() - schriftmass::hoehe(verschiebungNachOben)));
    setFixedSize(width(), schriftmass::hoehe(volleHoehe));
    ergebnis->show();
    sgFahrten->show();
    sbFahrten->show();
}

void TF_AuswertungMirel::setzeBreite(int breite)
{
    setFixedSize(breiteMitTexten(breite), height());
}

int TF_AuswertungMirel::breiteMitTexten(int breite) const
{
    return std::max(schriftmass::breite(breite), layout()->totalMinimumSize().width());
}

void TF_AuswertungMirel::zeigeRaster(QTableView* raster, const QList<Rasterspalte>& spalten)
{
    rasterspalten::setzen(raster, spalten);
    raster->show();
}

void TF_AuswertungMirel::btAnzeigenClick()
{
    using auswertungsanzeige::Ansicht;
    const auto gesetzt = [](const QCheckBox* box, const QDateEdit* datum) {
        return box->isChecked() ? std::optional<QDate>(datum->date()) : std::nullopt;
    };
    stand_.anzeigeVon = auswertungsanzeige::anzeigeVon(gesetzt(cbxAbDat, dtpAbDat));
    stand_.anzeigeBis = auswertungsanzeige::anzeigeBis(gesetzt(cbxAnDat, dtpAnDat), Clock::today());
    filterMerken();
    ausklappen();
    stand_.filter = filter();
    stand_.angezeigt = true;
    ansichtGewechselt_ = false;
    letzteAnsicht_ =
        auswertungsanzeige::waehlen(gruppierung(), filter(), cbxAbDat->isChecked() && cbxAnDat->isChecked());
    anzeigen(letzteAnsicht_);
}

// The view of the last "Anzeigen" with its filter; the controls may have changed since.
void TF_AuswertungMirel::anzeigen(auswertungsanzeige::Ansicht ansicht)
{
    using auswertungsanzeige::Ansicht;
    for (QWidget* w : std::initializer_list<QWidget*>{sgFahrten, SGFahrer, SGFahrerTab, SGFahrzeuge, Fahrzeugdiagramm})
        w->hide();
    stand_.fahrzeugansicht = ansicht == Ansicht::Fahrzeuge;
    sbFahrten->setVisible(ansicht == Ansicht::Fahrten);
    switch (ansicht) {
    case Ansicht::Fahrten:
        zeigeFahrten();
        break;
    case Ansicht::AlleFahrer:
        stand_.ansichtsModus = Auswertungsstand::AlleFahrer;
        setzeBreite(breiteFahrer);
        zeigeTabelle(SGFahrer, fahrerModell_, abfragen(ansicht),
                     {102,
                      {107, muster::zahl},
                      {112, muster::zahl},
                      {110, muster::zahl},
                      {90, muster::zahl},
                      {99, muster::zahl}});
        break;
    case Ansicht::FahrerAnEinemTag:
        stand_.ansichtsModus = Auswertungsstand::FahrerAnEinemTag;
        setzeBreite(breiteTag);
        sgFahrten->setModel(tagesModell_);
        zeigeTabelle(sgFahrten, tagesModell_, abfragen(ansicht),
                     {{45, muster::kurzeUhrzeit},
                      {45, muster::kurzeUhrzeit},
                      150,
                      150,
                      150,
                      {50, muster::kilometerstand},
                      {50, muster::kilometerstand},
                      {40, muster::strecke},
                      {40, muster::kurzeUhrzeit},
                      100,
                      {20, muster::art},
                      50});
        break;
    case Ansicht::FahrerJeTag:
        stand_.ansichtsModus = Auswertungsstand::FahrerJeTag;
        setzeBreite(breiteFahrer);
        zeigeTabelle(SGFahrerTab, fahrerTabModell_, abfragen(ansicht),
                     {{95, muster::datum},
                      {83, muster::kurzeUhrzeit},
                      {77, muster::kurzeUhrzeit},
                      {76, muster::zahl},
                      {78, muster::zahl},
                      {69, muster::zahl},
                      {80, muster::zahl}});
        break;
    case Ansicht::Fahrzeuge:
        setzeBreite(breiteFahrer);
        zeigeFahrzeuge();
        break;
    }
    ergebnisknoepfeAktualisieren();
}

auswertungsanzeige::Gruppierung TF_AuswertungMirel::gruppierung() const
{
    using auswertungsanzeige::Gruppierung;
    if (RBFahrten->isChecked())
        return Gruppierung::NachFahrten;
    return RBFahrer->isChecked() ? Gruppierung::NachFahrern : Gruppierung::NachFahrzeugen;
}

auswertungsanzeige::Ergebnis TF_AuswertungMirel::abfragen(auswertungsanzeige::Ansicht ansicht) const
{
    return auswertungsanzeige::abfragen(store_, ansicht, stand_.filter);
}

void TF_AuswertungMirel::zeigeTabelle(QTableView* raster, TextTabellenModell* modell,
                                      const auswertungsanzeige::Ergebnis& ergebnis, const QList<Rasterspalte>& spalten)
{
    stand_.fahrerTabelle = ergebnis.tabelle;
    stand_.dateiTabelle = ergebnis.dateiTabelle;
    modell->setzen(ergebnis.tabelle);
    zeigeRaster(raster, spalten);
}

void TF_AuswertungMirel::zeigeFahrten()
{
    stand_.ansichtsModus = Auswertungsstand::Fahrten;
    setzeBreite(breiteFahrten);
    sgFahrten->setModel(fahrtenModell_);
    const QRect bildschirm = screen() ? screen()->geometry() : QRect();
    const bool kleinerBildschirm =
        bildschirm.isValid() && bildschirm.width() <= schriftmass::breite(breiteKleinerBildschirm);
    if (kleinerBildschirm)
        setzeBreite(breiteKleinerBildschirm);
    sbAnzahl->setFixedWidth(schriftmass::breite(kleinerBildschirm ? 388 : 484));
    // Columns that widen to hold their dates may need more room than the window has.
    sgFahrten->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    sgFahrten->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    {
        // The progress window stands while the first piece is read; the rest comes in behind
        // the shown rows, the count and kilometres following.
        const LangeArbeit arbeit(fortschritt_, this);
        fahrtenModell_->lesen(std::make_unique<Fahrtenleser>(stand_.filter, arbeit.melder(), fahrtenModell_->stueck()),
                              pruefungZeigen());
    }
    if (!gelesen().leer())
        sgFahrten->setCurrentIndex(fahrtenModell_->index(0, 0));
    summenZeigen();
    zeigeRaster(sgFahrten, {{60, muster::datumZeit},
                            {60, muster::uhrzeit},
                            130,
                            130,
                            {50, muster::kilometerstand},
                            {50, muster::kilometerstand},
                            100,
                            100,
                            100,
                            100,
                            {20, muster::art},
                            50});
}

void TF_AuswertungMirel::summenZeigen()
{
    sbAnzahl->setText(QStringLiteral("Anzahl Fahrten: %1").arg(gelesen().anzahlAktuell()));
    sbKilometer->setText(QStringLiteral("Kilometer: %1").arg(gelesen().kilometer()));
}

void TF_AuswertungMirel::zeigeFahrzeuge()
{
    const auto ergebnis = abfragen(auswertungsanzeige::Ansicht::Fahrzeuge);
    stand_.fahrzeugTabelle = ergebnis.tabelle;
    stand_.dateiTabelle = ergebnis.dateiTabelle;
    fahrzeugModell_->setzen(ergebnis.tabelle);
    Fahrzeugdiagramm->zeigen(ergebnis.fahrzeuge);
    const Rasterspalte zahlen{100, muster::zahl};
    zeigeRaster(SGFahrzeuge, {100, zahlen, zahlen, zahlen, zahlen, zahlen, zahlen, zahlen});
    Fahrzeugdiagramm->show();
}

void TF_AuswertungMirel::druckvorschauFreigeben(bool frei)
{
    btExport->setEnabled(frei && druckvorschau_ != nullptr && !ansichtGewechselt_);
}

void TF_AuswertungMirel::ergebnisknoepfeAktualisieren()
{
    const bool fahrtenansicht =
        stand_.angezeigt && !stand_.fahrzeugansicht && stand_.ansichtsModus == Auswertungsstand::Fahrten;
    const bool mitFahrten = fahrtenansicht && !gelesen().leer();
    btDetails->setEnabled(mitFahrten);
    btStammfahrt->setEnabled(gewaehlteFahrt() != nullptr);
    aKorrigieren->setEnabled(aktuelleFahrtGewaehlt() && korrekturen_.korrigieren != nullptr);
    aStornieren->setEnabled(aktuelleFahrtGewaehlt() && korrekturen_.stornieren != nullptr);
    btKorrigieren->setEnabled(aKorrigieren->isEnabled());
    btStornieren->setEnabled(aStornieren->isEnabled());
    druckvorschauFreigeben(stand_.angezeigt && !stand_.fahrzeugansicht && (!fahrtenansicht || mitFahrten));
    btExportieren->setEnabled(stand_.angezeigt);
}

// --- Result buttons ---

void TF_AuswertungMirel::btDetailsClick()
{
    const GelisteteFahrt* fahrt = gewaehlteFahrt();
    if (!fahrt || !details_)
        return;
    const std::size_t zeile = static_cast<std::size_t>(sgFahrten->currentIndex().row());
    TF_Details::Fahrt daten;
    daten.id = fahrt->id;
    for (int spalte = 0; spalte < Fahrtenliste::Spalten; ++spalte)
        daten.zellen << gelesen().zelle(zeile, spalte);
    details_->setFahrt(daten);
    details_->exec();
}

void TF_AuswertungMirel::sgFahrtenDblClick()
{
    if (stand_.ansichtsModus == Auswertungsstand::Fahrten && !stand_.fahrzeugansicht)
        btDetailsClick();
}

void TF_AuswertungMirel::btStammfahrtClick()
{
    const GelisteteFahrt* fahrt = gewaehlteFahrt();
    if (!fahrt)
        return;
    if (!prompt::confirm(QStringLiteral("Bestätigung"),
                         QStringLiteral("Die selektierte Fahrt als Stammfahrt festlegen?")))
        return;
    const Stammfahrt stammfahrt{fahrt->start, fahrt->ziel,      fahrt->kmAn - fahrt->kmAb,
                                fahrt->zweck, fahrt->kategorie, fahrt->art};
    if (!StammfahrtStore::anlegen(stammfahrt)) {
        prompt::beep();
        prompt::warning(QStringLiteral("Die Stammfahrt ist bereits vorhanden"));
    }
}

void TF_AuswertungMirel::btExportierenClick()
{
    if (stand_.angezeigt && export_.ansicht(stand_, fahrtenliste(), cbFahrzeug->currentText(), cbFahrer->currentText()))
        standFesthalten(QStringLiteral("Export"));
}

void TF_AuswertungMirel::btJahresfahrtenbuchClick()
{
    export_.jahresfahrtenbuch(filter().fahrzeug, cbFahrzeug->currentText(), fortschritt_, this);
}

// Of the vehicle chosen in the filter, or of all vehicles when none is.
void TF_AuswertungMirel::btBetriebspruefungClick()
{
    const auto fahrzeug = filter().fahrzeug;
    export_.betriebspruefung(fahrzeug, fahrzeug ? cbFahrzeug->currentText() : QString(), fortschritt_, this);
}

void TF_AuswertungMirel::btExportClick()
{
    if (!druckvorschau_)
        return;
    druckvorschau_();
    standFesthalten(QStringLiteral("Bericht"));
}

// A report or export leaves the state it shows noted outside the logbook; the next start and
// "varno pruefen" name what went wrong with the file.
void TF_AuswertungMirel::standFesthalten(const QString& anlass)
{
    if (pruefstand_)
        verankerung::festhalten(*pruefstand_, anlass);
}

// --- Corrections and the check of the logbook ---

// The status bar's last panel tells whether the logbook verified; the rows it names are marked.
QSet<qlonglong> TF_AuswertungMirel::pruefungZeigen()
{
    if (!pruefstand_)
        return {};
    try {
        const Pruefergebnis& ergebnis = pruefstand_->aktuell();
        sbPruefung->setText(QStringLiteral("Fahrtenbuch geprüft: ") + ergebnis.zustand());
        return ergebnis.betroffeneFahrten();
    } catch (const VarnoError& fehler) {
        sbPruefung->setText(QStringLiteral("Fahrtenbuch nicht prüfbar: ") + fehler.message());
        return {};
    }
}

// A listed version that no correction or cancellation has replaced yet.
bool TF_AuswertungMirel::aktuelleFahrtGewaehlt() const
{
    return gewaehlteFahrt() && !gelesen().ersetzung(static_cast<std::size_t>(sgFahrten->currentIndex().row()));
}

// The correction announces itself to every window; this one follows through fahrtenbuchGeaendert().
// The list is read to its end first, so no statement is open while the correction writes.
void TF_AuswertungMirel::ersetzen(const std::function<bool(int fahrtId)>& wie)
{
    if (!aktuelleFahrtGewaehlt() || !wie)
        return;
    const int fahrtId = gewaehlteFahrt()->id;
    fahrtenModell_->ganzeListe();
    wie(fahrtId);
}

void TF_AuswertungMirel::fahrtenbuchGeaendert()
{
    // A closed window reads anew with its next "Anzeigen".
    if (!stand_.angezeigt || !isVisible())
        return;
    const int zeile = sgFahrten->currentIndex().row();
    anzeigen(letzteAnsicht_);
    if (letzteAnsicht_ != auswertungsanzeige::Ansicht::Fahrten || gelesen().leer() || zeile < 0)
        return;
    // The same row again, or the last one where the list got shorter.
    if (static_cast<std::size_t>(zeile) >= gelesen().anzahl())
        fahrtenModell_->ganzeListe();
    sgFahrten->setCurrentIndex(fahrtenModell_->index(std::min(zeile, static_cast<int>(gelesen().anzahl()) - 1), 0));
}

void TF_AuswertungMirel::FahrtKorrigieren()
{
    ersetzen(korrekturen_.korrigieren);
}

void TF_AuswertungMirel::FahrtStornieren()
{
    ersetzen(korrekturen_.stornieren);
}
