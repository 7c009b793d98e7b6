#include "evaluation/ui/TF_AuswertungMirel.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common/VarnoError.h"
#include "common_ui/Benannt.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Handler.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftmass.h"
#include "db/Sitzung.h"
#include "db/StammfahrtStore.h"
#include "evaluation/Ansichtsexport.h"
#include "evaluation/Auswertungsanzeige.h"
#include "evaluation/Exportname.h"
#include "evaluation/report/Fahrtenbuchdateien.h"
#include "evaluation/ui/FahrtenlistenModell.h"
#include "evaluation/ui/FahrzeugDiagramm.h"
#include "evaluation/ui/TF_Details.h"
#include "evaluation/ui/TextTabellenModell.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

namespace muster = spaltenmuster;

const QString alle = QStringLiteral("alle");

constexpr int breiteFahrten = 988;
constexpr int breiteFahrer = 750;
constexpr int breiteTag = 940;
constexpr int breiteKleinerBildschirm = 800;
constexpr int zeilenhoehe = 17;

QTableView* raster(const char* name)
{
    auto* tabelle = benannt(new QTableView, name);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->verticalHeader()->hide();
    tabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabelle->verticalHeader()->setDefaultSectionSize(schriftmass::hoehe(zeilenhoehe));
    tabelle->hide();
    return tabelle;
}

void fuellen(QComboBox* liste, const std::vector<AuswertungStore::Eintrag>& eintraege)
{
    liste->addItem(alle);
    for (const auto& e : eintraege)
        liste->addItem(e.bezeichnung, e.id);
}

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
    baueOberflaeche();
    verbindeHandler();
    setFixedSize(schriftmass::groesse(breiteFahrer, kompakteHoehe));
}

void TF_AuswertungMirel::baueOberflaeche()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(baueFilter());
    layout->addWidget(baueErgebnis(), 1);
}

QWidget* TF_AuswertungMirel::baueFilter()
{
    gbFilter = benannt(new QGroupBox(QStringLiteral("Filter")), "gbFilter");
    cbxAbDat = benannt(new QCheckBox(QStringLiteral("Abfahrt")), "cbxAbDat");
    cbxAnDat = benannt(new QCheckBox(QStringLiteral("Ankunft")), "cbxAnDat");
    for (QDateEdit** picker : {&dtpAbDat, &dtpAnDat}) {
        *picker = new QDateEdit;
        (*picker)->setCalendarPopup(true);
        (*picker)->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        (*picker)->setMinimumDate(QDate(2003, 1, 1));
        (*picker)->setEnabled(false);
    }
    dtpAbDat->setObjectName(QStringLiteral("dtpAbDat"));
    dtpAnDat->setObjectName(QStringLiteral("dtpAnDat"));
    cbVon = benannt(new QComboBox, "cbVon");
    cbNach = benannt(new QComboBox, "cbNach");
    cbFahrzeug = benannt(new QComboBox, "cbFahrzeug");
    cbFahrer = benannt(new QComboBox, "cbFahrer");
    cbZweck = benannt(new QComboBox, "cbZweck");
    cbKategorie = benannt(new QComboBox, "cbKategorie");
    cbArt = benannt(new QComboBox, "cbArt");
    cbBemerkung = benannt(new QComboBox, "cbBemerkung");
    eKMAbf = benannt(new QLineEdit, "eKMAbf");
    eKMAnk = benannt(new QLineEdit, "eKMAnk");
    for (QLineEdit* feld : {eKMAbf, eKMAnk}) {
        feld->setMaxLength(7);
        feld->installEventFilter(this);
    }
    RBFahrten = benannt(new QRadioButton(QStringLiteral("nach Fahrten")), "RBFahrten");
    RBFahrer = benannt(new QRadioButton(QStringLiteral("nach Fahrern")), "RBFahrer");
    RBFahrzeug = benannt(new QRadioButton(QStringLiteral("nach Fahrzeugen")), "RBFahrzeug");
    RBFahrten->setChecked(true);
    btAnzeigen = benannt(new QPushButton(QStringLiteral("Anzeigen")), "btAnzeigen");
    btVerwerfen = benannt(new QPushButton(QStringLiteral("Verwerfen")), "btVerwerfen");
    btSchliessen = benannt(new QPushButton(QStringLiteral("Schliessen")), "btSchliessen");
    btJahresfahrtenbuch = benannt(new QPushButton(QStringLiteral("Jahresfahrtenbuch …")), "btJahresfahrtenbuch");
    btJahresfahrtenbuch->setToolTip(
        QStringLiteral("Das Fahrtenbuch des gewählten Fahrzeugs für ein Jahr als PDF und CSV schreiben"));

    auto* raster = new QGridLayout(gbFilter);
    raster->setVerticalSpacing(4);
    auto beschriftet = [raster](const QString& text, QWidget* feld, int zeile, int spalte) {
        raster->addWidget(new QLabel(text), zeile, spalte);
        raster->addWidget(feld, zeile, spalte + 1);
    };
    raster->addWidget(cbxAbDat, 0, 0);
    raster->addWidget(dtpAbDat, 0, 1);
    raster->addWidget(cbxAnDat, 1, 0);
    raster->addWidget(dtpAnDat, 1, 1);
    beschriftet(QStringLiteral("von"), cbVon, 0, 2);
    beschriftet(QStringLiteral("nach"), cbNach, 1, 2);
    beschriftet(QStringLiteral("Fahrzeug"), cbFahrzeug, 0, 4);
    beschriftet(QStringLiteral("Fahrer"), cbFahrer, 1, 4);
    beschriftet(QStringLiteral("Zweck"), cbZweck, 0, 6);
    beschriftet(QStringLiteral("Kategorie"), cbKategorie, 1, 6);
    beschriftet(QStringLiteral("KM-Abf."), eKMAbf, 2, 0);
    beschriftet(QStringLiteral("KM-Ank."), eKMAnk, 2, 2);
    beschriftet(QStringLiteral("Art"), cbArt, 2, 4);
    beschriftet(QStringLiteral("Bem."), cbBemerkung, 2, 6);
    auto* ansicht = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{RBFahrten, RBFahrer, RBFahrzeug})
        ansicht->addWidget(w);
    ansicht->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{btAnzeigen, btVerwerfen, btJahresfahrtenbuch, btSchliessen})
        ansicht->addWidget(w);
    raster->addLayout(ansicht, 3, 0, 1, 8);
    for (int spalte : {3, 5, 7})
        raster->setColumnStretch(spalte, 1);
    return gbFilter;
}

QWidget* TF_AuswertungMirel::baueErgebnis()
{
    ergebnis_ = new QWidget;
    btStammfahrt = benannt(new QPushButton(QStringLiteral("Als Stammfahrt")), "btStammfahrt");
    btDetails = benannt(new QPushButton(QStringLiteral("Details")), "btDetails");
    btExport = benannt(new QPushButton(QStringLiteral("Druckvorschau")), "btExport");
    btExport->setEnabled(false);
    btExportieren = benannt(new QPushButton(QStringLiteral("Exportieren …")), "btExportieren");
    btExportieren->setToolTip(QStringLiteral("Das angezeigte Ergebnis als CSV-Datei speichern"));
    btExportieren->setEnabled(false);
    sgFahrten = raster("sgFahrten");
    SGFahrer = raster("SGFahrer");
    SGFahrerTab = raster("SGFahrerTab");
    SGFahrzeuge = raster("SGFahrzeuge");
    sgFahrten->setModel(fahrtenModell_);
    SGFahrer->setModel(fahrerModell_);
    SGFahrerTab->setModel(fahrerTabModell_);
    SGFahrzeuge->setModel(fahrzeugModell_);
    Fahrzeugdiagramm = benannt(new FahrzeugDiagramm, "Fahrzeugdiagramm");
    Fahrzeugdiagramm->hide();
    sbFahrten = benannt(new QStatusBar, "sbFahrten");
    sbFahrten->setSizeGripEnabled(false);
    sbAnzahl = new QLabel;
    sbKilometer = new QLabel;
    sbAnzahl->setFixedWidth(schriftmass::breite(484));
    sbKilometer->setMinimumWidth(schriftmass::breite(50));
    sbFahrten->addWidget(sbAnzahl);
    sbFahrten->addWidget(sbKilometer, 1);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btStammfahrt);
    knoepfe->addWidget(btDetails);
    knoepfe->addWidget(btExport);
    knoepfe->addWidget(btExportieren);
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(ergebnis_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(knoepfe);
    for (QWidget* w : std::initializer_list<QWidget*>{sgFahrten, SGFahrer, SGFahrerTab, SGFahrzeuge})
        layout->addWidget(w, 1);
    layout->addWidget(Fahrzeugdiagramm, 1);
    layout->addWidget(sbFahrten);
    ergebnis_->hide();
    return ergebnis_;
}

void TF_AuswertungMirel::verbindeHandler()
{
    const auto auswahl = [this](QComboBox* liste, void (TF_AuswertungMirel::*handler)()) {
        verbinden(liste, &QComboBox::currentIndexChanged, this, handler);
    };
    auswahl(cbVon, &TF_AuswertungMirel::cbVonChange);
    auswahl(cbNach, &TF_AuswertungMirel::cbNachChange);
    auswahl(cbFahrzeug, &TF_AuswertungMirel::cbFahrzeugChange);
    auswahl(cbFahrer, &TF_AuswertungMirel::cbFahrerChange);
    auswahl(cbZweck, &TF_AuswertungMirel::cbZweckChange);
    auswahl(cbKategorie, &TF_AuswertungMirel::cbKategorieChange);
    auswahl(cbArt, &TF_AuswertungMirel::cbArtChange);
    auswahl(cbBemerkung, &TF_AuswertungMirel::cbBemerkungChange);
    verbinden(cbxAbDat, &QCheckBox::clicked, this, &TF_AuswertungMirel::cbxAbDatClick);
    verbinden(cbxAnDat, &QCheckBox::clicked, this, &TF_AuswertungMirel::cbxAnDatClick);
    verbinden(dtpAbDat, &QDateEdit::dateChanged, this, &TF_AuswertungMirel::dtpAbDatCloseUp);
    verbinden(dtpAnDat, &QDateEdit::dateChanged, this, &TF_AuswertungMirel::dtpAnDatCloseUp);
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
    for (QTableView* tabelle : {sgFahrten, SGFahrer, SGFahrerTab})
        verbinden(tabelle, &QTableView::doubleClicked, this, &TF_AuswertungMirel::sgFahrtenDblClick);
    // Only enables buttons, and a unique connection needs the member itself: plain connect.
    connect(sgFahrten->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TF_AuswertungMirel::ergebnisknoepfeAktualisieren);
    connect(fahrtenModell_, &QAbstractItemModel::modelReset, this, [this] {
        connect(sgFahrten->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                &TF_AuswertungMirel::ergebnisknoepfeAktualisieren, Qt::UniqueConnection);
    });
}

void TF_AuswertungMirel::setDruckvorschau(std::function<void()> vorschau)
{
    druckvorschau_ = std::move(vorschau);
    ergebnisknoepfeAktualisieren();
}

const Fahrtenliste& TF_AuswertungMirel::fahrtenliste() const
{
    return fahrtenModell_->liste();
}

const GelisteteFahrt* TF_AuswertungMirel::gewaehlteFahrt() const
{
    if (stand_.fahrzeugansicht || stand_.ansichtsModus != Auswertungsstand::Fahrten ||
        sgFahrten->model() != fahrtenModell_ || fahrtenliste().leer())
        return nullptr;
    const int zeile = sgFahrten->currentIndex().row();
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= fahrtenliste().anzahl())
        return nullptr;
    return &fahrtenliste().fahrt(static_cast<std::size_t>(zeile));
}

// --- Showing and closing ---

void TF_AuswertungMirel::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        geschuetzt([this] { FormShow(); });
}

void TF_AuswertungMirel::FormShow()
{
    cbxAbDat->setFocus();
    ergebnis_->hide();
    stand_.angezeigt = false;
    setFixedSize(schriftmass::groesse(breiteFahrer, kompakteHoehe));
    if (parentWidget())
        move(parentWidget()->frameGeometry().center() - rect().center());
    FillComboBox();
    ClrFilter();
    ergebnisknoepfeAktualisieren();
}

void TF_AuswertungMirel::FillComboBox()
{
    const AuswertungStore::Stammlisten listen = store_.stammlisten();
    const bool mitMuster = store_.musterfahrzeugEinbeziehen();
    for (QComboBox* liste : {cbVon, cbNach, cbFahrzeug, cbFahrer, cbZweck, cbKategorie, cbArt, cbBemerkung}) {
        const QSignalBlocker sperre(liste);
        liste->clear();
    }
    fuellen(cbVon, listen.orte);
    fuellen(cbNach, listen.orte);
    std::vector<AuswertungStore::Eintrag> fahrzeuge;
    for (const auto& f : listen.fahrzeuge)
        if (mitMuster || f.id != 1)
            fahrzeuge.push_back(f);
    fuellen(cbFahrzeug, fahrzeuge);
    fuellen(cbFahrer, listen.fahrer);
    fuellen(cbZweck, listen.zwecke);
    fuellen(cbKategorie, listen.kategorien);
    fuellen(cbArt, listen.arten);
    cbBemerkung->addItems({alle, QStringLiteral("ja"), QStringLiteral("keine")});
    // A current vehicle the list does not offer (the hidden sample vehicle) means all vehicles.
    const int aktuell = cbFahrzeug->findData(sitzung_.aktuellesFahrzeug());
    cbFahrzeug->setCurrentIndex(aktuell >= 0 ? aktuell : 0);
    cbFahrzeugChange();
}

void TF_AuswertungMirel::ClrFilter()
{
    const std::optional<int> fahrzeug = filter_.fahrzeug;
    filter_ = Fahrtenfilter::zurueckgesetzt(Clock::today(), !store_.musterfahrzeugEinbeziehen());
    filter_.fahrzeug = fahrzeug;
    {
        const QSignalBlocker ab(dtpAbDat), an(dtpAnDat);
        dtpAbDat->setDate(QDate(2004, 1, 1));
        dtpAnDat->setDate(Clock::today());
    }
    dtpAbDat->setEnabled(false);
    dtpAnDat->setEnabled(false);
    cbxAbDat->setChecked(false);
    cbxAnDat->setChecked(false);
    for (QComboBox* liste : {cbVon, cbNach, cbFahrer, cbZweck, cbKategorie, cbArt, cbBemerkung})
        liste->setCurrentIndex(0);
    eKMAbf->clear();
    eKMAnk->clear();
}

void TF_AuswertungMirel::closeEvent(QCloseEvent* event)
{
    geschuetzt([this] { FormClose(); });
    QWidget::closeEvent(event);
}

void TF_AuswertungMirel::FormClose()
{
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
    ClrFilter();
}

// --- Filter handlers ---

std::optional<int> TF_AuswertungMirel::gewaehlteId(const QComboBox* liste) const
{
    const QVariant id = liste->currentData();
    if (!id.isValid())
        return std::nullopt;
    return id.toInt();
}

void TF_AuswertungMirel::cbVonChange()
{
    filter_.von = gewaehlteId(cbVon);
}

void TF_AuswertungMirel::cbNachChange()
{
    filter_.nach = gewaehlteId(cbNach);
}

void TF_AuswertungMirel::cbFahrzeugChange()
{
    filter_.fahrzeug = gewaehlteId(cbFahrzeug);
}

void TF_AuswertungMirel::cbFahrerChange()
{
    filter_.fahrer = gewaehlteId(cbFahrer);
}

void TF_AuswertungMirel::cbZweckChange()
{
    filter_.zweck = gewaehlteId(cbZweck);
}

void TF_AuswertungMirel::cbKategorieChange()
{
    filter_.kategorie = gewaehlteId(cbKategorie);
}

void TF_AuswertungMirel::cbArtChange()
{
    filter_.art = gewaehlteId(cbArt);
}

void TF_AuswertungMirel::cbBemerkungChange()
{
    const QString text = cbBemerkung->currentText();
    if (text == alle || text.isEmpty())
        filter_.bemerkung = Fahrtenfilter::Bemerkung::Alle;
    else if (text == QStringLiteral("ja"))
        filter_.bemerkung = Fahrtenfilter::Bemerkung::Ja;
    else
        filter_.bemerkung = Fahrtenfilter::Bemerkung::Keine;
}

bool TF_AuswertungMirel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == eKMAbf)
            geschuetzt([this] { eKMAbfClick(); });
        else if (watched == eKMAnk)
            geschuetzt([this] { eKMAnkClick(); });
    }
    // Every leaving is checked, also of a field left unchanged after its error: a bound the
    // user was told is wrong must not slip through on the second try.
    if (verlaesstFeld(event)) {
        if (watched == eKMAbf)
            geschuetzt([this] { eKMAbfExit(); });
        else if (watched == eKMAnk)
            geschuetzt([this] { eKMAnkExit(); });
    }
    return QWidget::eventFilter(watched, event);
}

void TF_AuswertungMirel::eKMAbfClick()
{
    eKMAbf->selectAll();
}

void TF_AuswertungMirel::eKMAnkClick()
{
    eKMAnk->selectAll();
}

bool TF_AuswertungMirel::kmGrenzeLesen(QLineEdit* feld, int standard, int& grenze)
{
    const auto wert = filtergrenzen::kmGrenze(feld->text(), standard);
    if (wert) {
        grenze = *wert;
        return true;
    }
    // The box takes the focus away, which would report leaving the field a second time.
    if (meldetFehler_)
        return false;
    meldetFehler_ = true;
    prompt::beep();
    prompt::error(QStringLiteral("Fehler bei Eingabe"));
    meldetFehler_ = false;
    feld->setFocus();
    return false;
}

void TF_AuswertungMirel::eKMAbfExit()
{
    kmGrenzeLesen(eKMAbf, Fahrtenfilter::kmAbStandard, filter_.kmAb);
}

void TF_AuswertungMirel::eKMAnkExit()
{
    kmGrenzeLesen(eKMAnk, Fahrtenfilter::kmAnStandard, filter_.kmAn);
}

void TF_AuswertungMirel::cbxAbDatClick()
{
    dtpAbDat->setEnabled(cbxAbDat->isChecked());
    if (!cbxAbDat->isChecked()) {
        filter_.abfahrtAb = filtergrenzen::abfahrtAb(filtergrenzen::fruehesterTag());
        return;
    }
    dtpAbDatCloseUp();
}

void TF_AuswertungMirel::cbxAnDatClick()
{
    dtpAnDat->setEnabled(cbxAnDat->isChecked());
    if (!cbxAnDat->isChecked()) {
        filter_.ankunftBis = filtergrenzen::ankunftBis(Clock::today());
        return;
    }
    dtpAnDatCloseUp();
}

void TF_AuswertungMirel::dtpAbDatCloseUp()
{
    const QDate tag = filtergrenzen::abfahrtKorrigiert(dtpAbDat->date(), dtpAnDat->date(), cbxAnDat->isChecked());
    {
        const QSignalBlocker sperre(dtpAbDat);
        dtpAbDat->setDate(tag);
    }
    if (cbxAbDat->isChecked())
        filter_.abfahrtAb = filtergrenzen::abfahrtAb(dtpAbDat->date());
}

void TF_AuswertungMirel::dtpAnDatCloseUp()
{
    const QDate tag = filtergrenzen::ankunftKorrigiert(dtpAnDat->date(), dtpAbDat->date(), cbxAbDat->isChecked());
    {
        const QSignalBlocker sperre(dtpAnDat);
        dtpAnDat->setDate(tag);
    }
    if (cbxAnDat->isChecked())
        filter_.ankunftBis = filtergrenzen::ankunftBis(dtpAnDat->date());
}

void TF_AuswertungMirel::filterAnsichtFreigeben(bool nachFahrten)
{
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
    ergebnis_->show();
    sgFahrten->show();
    sbFahrten->show();
}

void TF_AuswertungMirel::setzeBreite(int breite)
{
    setFixedSize(schriftmass::breite(breite), height());
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
    for (QWidget* w : std::initializer_list<QWidget*>{sgFahrten, SGFahrer, SGFahrerTab, SGFahrzeuge, Fahrzeugdiagramm})
        w->hide();
    stand_.filter = filter_;
    stand_.angezeigt = true;
    const Ansicht ansicht =
        auswertungsanzeige::waehlen(gruppierung(), filter_, cbxAbDat->isChecked() && cbxAnDat->isChecked());
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
                     {102, {107, muster::zahl}, {112, muster::zahl}, {110, muster::zahl}, {90, muster::zahl},
                      {99, muster::zahl}});
        break;
    case Ansicht::FahrerAnEinemTag:
        stand_.ansichtsModus = Auswertungsstand::FahrerAnEinemTag;
        setzeBreite(breiteTag);
        sgFahrten->setModel(tagesModell_);
        zeigeTabelle(sgFahrten, tagesModell_, abfragen(ansicht),
                     {{45, muster::kurzeUhrzeit}, {45, muster::kurzeUhrzeit}, 150, 150, 150,
                      {50, muster::kilometerstand}, {50, muster::kilometerstand}, {40, muster::strecke},
                      {40, muster::kurzeUhrzeit}, 100, {20, muster::art}, 50});
        break;
    case Ansicht::FahrerJeTag:
        stand_.ansichtsModus = Auswertungsstand::FahrerJeTag;
        setzeBreite(breiteFahrer);
        zeigeTabelle(SGFahrerTab, fahrerTabModell_, abfragen(ansicht),
                     {{95, muster::datum}, {83, muster::kurzeUhrzeit}, {77, muster::kurzeUhrzeit},
                      {76, muster::zahl}, {78, muster::zahl}, {69, muster::zahl}, {80, muster::zahl}});
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
    return auswertungsanzeige::abfragen(store_, ansicht, filter_);
}

void TF_AuswertungMirel::zeigeTabelle(QTableView* raster, TextTabellenModell* modell,
                                      const auswertungsanzeige::Ergebnis& ergebnis,
                                      const QList<Rasterspalte>& spalten)
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
        const LangeArbeit arbeit(fortschritt_, this);
        fahrtenModell_->setzen(
            auswertungsanzeige::abfragen(store_, auswertungsanzeige::Ansicht::Fahrten, filter_, arbeit.melder())
                .fahrten);
    }
    if (!fahrtenliste().leer())
        sgFahrten->setCurrentIndex(fahrtenModell_->index(0, 0));
    sbAnzahl->setText(QStringLiteral("Anzahl Fahrten: %1").arg(fahrtenliste().anzahl()));
    sbKilometer->setText(QStringLiteral("Kilometer: %1").arg(fahrtenliste().kilometer()));
    zeigeRaster(sgFahrten, {{60, muster::datumZeit}, {60, muster::uhrzeit}, 130, 130, {50, muster::kilometerstand},
                            {50, muster::kilometerstand}, 100, 100, 100, 100, {20, muster::art}, 50});
}

void TF_AuswertungMirel::zeigeFahrzeuge()
{
    const auto ergebnis = abfragen(auswertungsanzeige::Ansicht::Fahrzeuge);
    stand_.fahrzeugTabelle = ergebnis.tabelle;
    stand_.dateiTabelle = ergebnis.dateiTabelle;
    fahrzeugModell_->setzen(ergebnis.tabelle);
    Fahrzeugdiagramm->zeigen(ergebnis.fahrzeuge);
    SGFahrzeuge->show();
    Fahrzeugdiagramm->show();
}

void TF_AuswertungMirel::druckvorschauFreigeben(bool frei)
{
    btExport->setEnabled(frei && druckvorschau_ != nullptr);
}

void TF_AuswertungMirel::ergebnisknoepfeAktualisieren()
{
    const bool fahrtenansicht =
        stand_.angezeigt && !stand_.fahrzeugansicht && stand_.ansichtsModus == Auswertungsstand::Fahrten;
    const bool mitFahrten = fahrtenansicht && !fahrtenliste().leer();
    btDetails->setEnabled(mitFahrten);
    btStammfahrt->setEnabled(gewaehlteFahrt() != nullptr);
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
        daten.zellen << fahrtenliste().zelle(zeile, spalte);
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

void TF_AuswertungMirel::btExportClick()
{
    if (druckvorschau_)
        druckvorschau_();
}

QString TF_AuswertungMirel::exportVerzeichnis() const
{
    return exportVerzeichnis_.isEmpty() ? QDir::homePath() : exportVerzeichnis_;
}

void TF_AuswertungMirel::btExportierenClick()
{
    if (!stand_.angezeigt)
        return;
    const QString vorschlag = ansichtsexport::vorschlag(stand_, cbFahrzeug->currentText(), cbFahrer->currentText());
    const QString gewaehlt =
        Prompts::instance().saveFile(QStringLiteral("Exportieren"), QDir(exportVerzeichnis()).filePath(vorschlag),
                                     QStringLiteral("CSV-Datei (*.csv)"));
    if (gewaehlt.isEmpty())
        return;
    const QString pfad = exportname::mitEndung(gewaehlt, QStringLiteral("csv"));
    try {
        const Sanduhr sanduhr;
        ansichtsexport::schreiben(pfad, stand_, fahrtenliste());
    } catch (const VarnoError& fehler) {
        prompt::error(fehler.message());
        return;
    }
    exportVerzeichnis_ = QFileInfo(pfad).absolutePath();
}

void TF_AuswertungMirel::btJahresfahrtenbuchClick()
{
    if (!filter_.fahrzeug) {
        prompt::warning(QStringLiteral("Bitte wählen Sie unter „Fahrzeug“ das Fahrzeug, dessen Fahrtenbuch "
                                       "geschrieben werden soll."));
        return;
    }
    const QDate heute = Clock::today();
    const auto eingabe = Prompts::instance().input(QStringLiteral("Jahresfahrtenbuch"),
                                                   QStringLiteral("Für welches Jahr?"), QString::number(heute.year()));
    if (!eingabe)
        return;
    const auto jahr = fahrtenbuchdateien::jahr(*eingabe, heute);
    if (!jahr) {
        prompt::beep();
        prompt::error(fahrtenbuchdateien::jahrFehler(heute));
        return;
    }
    const QString ordner =
        Prompts::instance().chooseFolder(QStringLiteral("Ordner für das Jahresfahrtenbuch"), exportVerzeichnis());
    if (ordner.isEmpty())
        return;
    const auto auftrag = fahrtenbuchdateien::jahresauftrag(*filter_.fahrzeug, cbFahrzeug->currentText(), *jahr, ordner);
    if ((QFileInfo::exists(auftrag.pdf) || QFileInfo::exists(auftrag.csv)) &&
        !prompt::confirmDestructive(
            QStringLiteral("Das Jahresfahrtenbuch %1 liegt dort bereits. Wollen Sie es ersetzen?").arg(*jahr)))
        return;
    try {
        const Sanduhr sanduhr;
        fahrtenbuchdateien::schreiben(auftrag);
    } catch (const VarnoError& fehler) {
        prompt::error(fehler.message());
        return;
    }
    exportVerzeichnis_ = ordner;
    prompt::information(
        QStringLiteral("Das Jahresfahrtenbuch %1 für %2 wurde geschrieben:\n%3\n%4")
            .arg(*jahr)
            .arg(auftrag.kennzeichen, QDir::toNativeSeparators(auftrag.pdf), QDir::toNativeSeparators(auftrag.csv)));
}
