#include "card/ui/TF_Varno_V_OK.h"

#include "card/Datendatei.h"
#include "card/EinlesungAufbau.h"
#include "card/KartenimportStore.h"
#include "card/Kartenuebernahme.h"
#include "card/Plausibilitaet.h"
#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "card/ui/Markierungsspalte.h"
#include "common/Clock.h"
#include "common/Prompts.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftmass.h"
#include "common_ui/Signalfarbe.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/KFZEintrag.h"
#include "logbuch/OptionenStore.h"
#include "logbuch/StammdatenStore.h"
#include "platform/VolumeSerial.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString keinFahrerFrage =
    QStringLiteral("Die Speicherkarte ist noch keinen Fahrer zugeordnet. Wollen Sie dies jetzt tun?");
constexpr int mindestBreite = 760;
constexpr int mindestHoehe = 250;
// Rows whose texts a column's width takes in, the visible ones first (Qt's default is a thousand).
// A card's times, kilometres and kinds all follow their columns' patterns, which answer for the
// rest; measuring a thousand rows of each list took longer than reading the whole card.
constexpr int gemesseneZeilen = 100;

QFrame* legendenFeld(const QColor& farbe, const QString& name, QWidget* parent)
{
    auto* feld = new QFrame(parent);
    feld->setObjectName(name);
    feld->setFixedSize(16, 16);
    feld->setAutoFillBackground(true);
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Window, farbe);
    feld->setPalette(palette);
    return feld;
}

QLabel* beschriftung(const QString& text, const QString& name, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A tab page that holds one list.
QWidget* seite(QWidget* liste, const QString& name, QWidget* parent)
{
    auto* page = new QWidget(parent);
    page->setObjectName(name);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(liste);
    return page;
}


} // namespace

TF_Varno_V_OK::TF_Varno_V_OK(std::unique_ptr<VolumeSerial> kartenkennung, QWidget* parent)
    : QWidget(parent, Qt::Window), kartenkennung_(std::move(kartenkennung))
{
    setObjectName(QStringLiteral("TF_Varno_V_OK"));
    setWindowTitle(QStringLiteral("Verzeichnis prüfen und Daten einlesen"));
    baueOberflaeche();
    setMinimumSize(schriftmass::groesse(mindestBreite, mindestHoehe));
    resize(schriftmass::groesse(800, 500));
    Fensterereignisse::fuer(this).beimZeigen([this] { FormActivate(); });
}

TF_Varno_V_OK::~TF_Varno_V_OK() = default;

void TF_Varno_V_OK::baueOberflaeche()
{
    Label1 = beschriftung(QStringLiteral("Bitte überprüfen Sie den Pfad zur Datendatei!"), QStringLiteral("Label1"), this);
    EPfad = new QLineEdit(this);
    EPfad->setObjectName(QStringLiteral("EPfad"));
    EPfad->setEnabled(false);
    Feldanfang::einrichten(EPfad);
    BtAendern = knopf(QStringLiteral("BtAendern"), QStringLiteral("&Verzeichnis ändern"), this);
    BtOK = knopf(QStringLiteral("BtOK"), QStringLiteral("&Einlesen und Anzeigen"), this);
    BtOK->setToolTip(QStringLiteral("Daten von Speicherkarte auslesen und anzeigen"));
    BtSpeichern = knopf(QStringLiteral("BtSpeichern"), QStringLiteral("&Daten übernehmen"), this);
    BtSpeichern->setToolTip(
        QStringLiteral("Fahrten von Speicherkarte löschen und in die Datenbank zur Bearbeitung übernehmen"));
    BtSpeichern->setEnabled(false);
    Btabbruch = knopf(QStringLiteral("Btabbruch"), QStringLiteral("&Schliessen"), this);
    Label2 = beschriftung(QStringLiteral("&Fahrer:"), QStringLiteral("Label2"), this);
    CBFahrer = new QComboBox(this);
    CBFahrer->setObjectName(QStringLiteral("CBFahrer"));
    CBFahrer->setEditable(true);
    CBFahrer->setInsertPolicy(QComboBox::NoInsert);
    CBFahrer->setEnabled(false);
    Feldanfang::einrichten(CBFahrer);
    Label2->setBuddy(CBFahrer);
    ECFID = new QLineEdit(QStringLiteral("ECFID"), this);
    ECFID->setObjectName(QStringLiteral("ECFID"));
    ECFID->setVisible(false);
    Shape1 = legendenFeld(QColor(255, 0, 0), QStringLiteral("Shape1"), this);
    Label3 = beschriftung(QStringLiteral("vermutlich unnötig oder unrealistisch"), QStringLiteral("Label3"), this);
    Shape2 = legendenFeld(QColor(0, 128, 0), QStringLiteral("Shape2"), this);
    Label5 = beschriftung(QStringLiteral("vollständig und nachvollziehbar"), QStringLiteral("Label5"), this);
    Label4 = beschriftung(QStringLiteral("Durch Doppelklicken auf den Datensatz können Sie die Markierung umkehren. "
                                         "Rot Markierte werden NICHT übernommen."),
                          QStringLiteral("Label4"), this);
    Label4->setWordWrap(true);

    TS = new QTabWidget(this);
    TS->setObjectName(QStringLiteral("TS"));
    // The card status column holds "OK" or nothing.
    StringGrid1 = baueListe(&fahrten_, {{108, spaltenmuster::datumZeit},
                                        {45, spaltenmuster::kilometerstand},
                                        {118, spaltenmuster::datumZeit},
                                        {46, spaltenmuster::kilometerstand},
                                        57,
                                        {21, QStringLiteral("OK")},
                                        {16, spaltenmuster::art},
                                        88,
                                        94,
                                        103,
                                        16});
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setItemDelegateForColumn(SpalteMarkierung, new Markierungsspalte(StringGrid1));
    SGMerkPunkte =
        baueListe(&merkpunkte_, {{108, spaltenmuster::datumZeit}, {45, spaltenmuster::kilometerstand}, 118, 451});
    SGMerkPunkte->setObjectName(QStringLiteral("SGMerkPunkte"));
    TSFahrten = seite(StringGrid1, QStringLiteral("TSFahrten"), TS);
    TSMerkpunkte = seite(SGMerkPunkte, QStringLiteral("TSMerkpunkte"), TS);
    TS->addTab(TSFahrten, QStringLiteral("Fahrten"));
    TS->addTab(TSMerkpunkte, QStringLiteral("Merkpunkte"));

    auto* pfadZeile = new QHBoxLayout;
    pfadZeile->addWidget(EPfad, 1);
    pfadZeile->addWidget(BtAendern);
    auto* knoepfe = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{BtOK, BtSpeichern, Btabbruch})
        knoepfe->addWidget(w);
    knoepfe->addStretch();
    knoepfe->addWidget(Label2);
    knoepfe->addWidget(CBFahrer, 1);
    auto* legende = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Shape1, Label3, Shape2, Label5})
        legende->addWidget(w);
    legende->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(pfadZeile);
    layout->addLayout(knoepfe);
    layout->addLayout(legende);
    layout->addWidget(Label4);
    layout->addWidget(TS, 1);

    verbinden(BtAendern, &QPushButton::clicked, this, &TF_Varno_V_OK::BtAendernClick);
    verbinden(BtOK, &QPushButton::clicked, this, &TF_Varno_V_OK::BtOKClick);
    verbinden(BtSpeichern, &QPushButton::clicked, this, &TF_Varno_V_OK::BtSpeichernClick);
    verbinden(Btabbruch, &QPushButton::clicked, this, &TF_Varno_V_OK::BtabbruchClick);
    verbinden(StringGrid1, &QTableView::doubleClicked, this, &TF_Varno_V_OK::StringGrid1DblClick);
    verbinden(SGMerkPunkte, &QTableView::clicked, this, &TF_Varno_V_OK::SGMerkPunkteClick);
}

QTableView* TF_Varno_V_OK::baueListe(QAbstractTableModel* modell, const QList<Rasterspalte>& spalten)
{
    auto* liste = new QTableView(this);
    liste->setModel(modell);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows of one height let a card of 131,072 records list without measuring each row.
    liste->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    liste->verticalHeader()->setDefaultSectionSize(liste->fontMetrics().height() + 6);
    liste->verticalHeader()->hide();
    liste->horizontalHeader()->setResizeContentsPrecision(gemesseneZeilen);
    rasterspalten::setzen(liste, spalten);
    return liste;
}

void TF_Varno_V_OK::closeEvent(QCloseEvent* event)
{
    // Waypoints of a taking over are on the card no more: their remarks must reach the database
    // however the window is closed.
    geschuetzt([this] { merkpunkteSichern(); });
    QWidget::closeEvent(event);
}

void TF_Varno_V_OK::FormActivate()
{
    fahrten_.setFaerben(false);
    listenLeeren();
    EPfad->setText(OptionenStore::datendateiPfad());
    BtSpeichern->setEnabled(false);
}

void TF_Varno_V_OK::listenLeeren()
{
    fahrten_.leeren();
    merkpunkte_.leeren();
    gelesen_ = {};
}

void TF_Varno_V_OK::BtAendernClick()
{
    const QString verzeichnis = EPfad->text().isEmpty() ? QString() : QFileInfo(EPfad->text()).path();
    const QString pfad = Prompts::instance().openFile(
        QStringLiteral("Datendatei öffnen"), verzeichnis.isEmpty() ? QStringLiteral("daten") : verzeichnis + QStringLiteral("/daten"),
        QStringLiteral("Varno Datendatei (*.TXT *.txt)"));
    if (pfad.isEmpty())
        return;
    if (!DateiOK(pfad)) {
        BtOK->setEnabled(false);
        return;
    }
    BtOK->setEnabled(true);
    EPfad->setText(pfad);
    BtOKClick();
}

void TF_Varno_V_OK::einlesen(const QString& pfad)
{
    show();
    raise();
    activateWindow();
    BtOK->setEnabled(true);
    EPfad->setText(pfad);
    BtOKClick();
}

bool TF_Varno_V_OK::DateiOK(const QString& pfad)
{
    return datendatei::pruefen(pfad);
}

void TF_Varno_V_OK::BtOKClick()
{
    CBFahrer->setEnabled(false);
    signalfarbe::gelberGrund(CBFahrer, false);
    keinFahrer_ = false;
    // Waypoints of the reading before are not thrown away with its list.
    merkpunkteSichern();
    fahrten_.setFaerben(false);
    listenLeeren();
    BtSpeichern->setEnabled(false);

    const QString pfad = EPfad->text();
    if (!DateiOK(pfad))
        return;
    karteErkennen(pfad);
    if (!datensaetzeLesen(pfad))
        return;
    if (keinFahrer_)
        fahrerFragen();
    SGPruefen();
    fahrten_.setFaerben(true);
    SGZeichnen();
    BtSpeichern->setEnabled(true);
}

void TF_Varno_V_OK::karteErkennen(const QString& pfad)
{
    // A card whose file system tells no serial number keeps the identifier of the reading before.
    kennungBeimLesen_ = kartenkennung_->cardIdentifier(pfad);
    if (const auto& kennung = kennungBeimLesen_) {
        ECFID->setText(*kennung);
        const auto fahrer = KartenimportStore::kartenfahrer(*kennung);
        keinFahrer_ = !fahrer;
        if (fahrer)
            CBFahrer->setEditText(*fahrer);
    }
    cfid_ = ECFID->text();
}

bool TF_Varno_V_OK::datensaetzeLesen(const QString& pfad)
{
    LangeArbeit arbeit(fortschritt_, this);
    fahrzeuge_.clear();
    letztesKennzeichen_.clear();
    Einlesung einlesung;
    try {
        einlesung = kartenuebernahme::lesen(
            pfad, [this](const cardfile::CardRecord& record) { return kfzSchluessel(record); },
            [&arbeit](int prozent) { arbeit.setzen(prozent); });
    } catch (const cardfile::CardFileError&) {
        LangeArbeit::Rueckfrage rueckfrage;
        prompt::warning(QStringLiteral("Fehler bei Dateizugriff"));
        return false;
    }
    pfad_ = pfad;
    gelesen_ = einlesung.gelesen;
    fahrten_.setzen(std::move(einlesung.fahrten));
    merkpunkte_.setzen(std::move(einlesung.merkpunkte));
    return true;
}

QString TF_Varno_V_OK::kfzSchluessel(const cardfile::CardRecord& record)
{
    // Vehicles do not change during a reading except by the dialog below, so one lookup each.
    const auto bekannt = fahrzeuge_.constFind(record.vehicleNumber);
    if (bekannt != fahrzeuge_.constEnd())
        return *bekannt;
    const auto kennzeichen = FahrzeugStore::kennzeichenZurKfzNummer(record.vehicleNumber);
    const QString schluessel =
        kennzeichen ? fahrzeugSchluessel(record.vehicleNumber, *kennzeichen) : neuesFahrzeug(record);
    fahrzeuge_.insert(record.vehicleNumber, schluessel);
    return schluessel;
}

QString TF_Varno_V_OK::neuesFahrzeug(const cardfile::CardRecord& record)
{
    LangeArbeit::Rueckfrage rueckfrage;
    const QString frage = QStringLiteral("KFZ-ID: %1, Anfangs-km %2, KFZ-Kennzeichen:")
                              .arg(record.vehicleNumber)
                              .arg(record.startKm);
    for (;;) {
        const QString kennzeichen =
            Prompts::instance()
                .input(QStringLiteral("Neues Fahrzeug gefunden"), frage, letztesKennzeichen_)
                .value_or(letztesKennzeichen_)
                .trimmed();
        if (kennzeichen.isEmpty()) {
            prompt::message(QStringLiteral("leere Zeichenfolge"));
            continue;
        }
        // A record without time still starts the logbook somewhere: at the moment of the reading.
        const QDateTime start = importZeit(record.startTime).value_or(Clock::now());
        if (!KartenimportStore::fahrzeugAnlegen(kennzeichen, record.vehicleNumber, record.startKm, start)) {
            prompt::message(QStringLiteral("doppelter Eintrag"));
            continue;
        }
        letztesKennzeichen_ = kennzeichen;
        return fahrzeugSchluessel(record.vehicleNumber, kennzeichen);
    }
}

void TF_Varno_V_OK::fahrerFragen()
{
    if (!prompt::confirm(QStringLiteral("Bestätigung"), keinFahrerFrage))
        return;
    CBFahrer->setEnabled(true);
    signalfarbe::gelberGrund(CBFahrer);
    CBFahrer->clear();
    CBFahrer->addItems(StammdatenStore::namen(Stammtabelle::Fahrer));
    CBFahrer->setEditText(QString());
    CBFahrer->setFocus();
}

void TF_Varno_V_OK::SGMerkPunkteClick(const QModelIndex& zelle)
{
    if (!zelle.isValid())
        return;
    const int zeile = zelle.row();
    const QString bisher = merkpunkte_.merkpunkte().at(static_cast<std::size_t>(zeile)).bemerkung;
    const auto bemerkung = Prompts::instance().input(
        QStringLiteral("Bemerkung"), QStringLiteral("Geben Sie eine Bemerkung zu dem Merkpunkt ein:"), bisher);
    if (bemerkung)
        merkpunkte_.setBemerkung(zeile, *bemerkung);
}

void TF_Varno_V_OK::SGPruefen()
{
    const Pruefung pruefung = kartenuebernahme::pruefen(cfid_, fahrten_.fahrten());
    fahrten_.setMarkierung(pruefung.rot);
    for (const int zeile : pruefung.fehlerzeilen)
        prompt::message(QStringLiteral("Fehler beim Datumsumwandeln in Zeile %1").arg(zeile));
}

void TF_Varno_V_OK::SGZeichnen()
{
    fahrten_.markierungNeuZeichnen();
}

void TF_Varno_V_OK::StringGrid1DblClick(const QModelIndex& zelle)
{
    if (zelle.isValid())
        fahrten_.umkehren(zelle.row());
}

void TF_Varno_V_OK::BtSpeichernClick()
{
    inDB();
    fahrten_.leeren();
    BtSpeichern->setEnabled(false);
}

void TF_Varno_V_OK::inDB()
{
    kartenuebernahme::Ergebnis ergebnis;
    {
        LangeArbeit arbeit(fortschritt_, this);
        // All or nothing: a failing statement throws before anything is kept or the card is touched.
        ergebnis = kartenuebernahme::uebernehmen(
            {pfad_, cfid_, gelesen_, [this] { return gleicheKarte(); }},
            kartenuebernahme::gruene(fahrten_.fahrten(), fahrten_.markierung()), merkpunkte_.merkpunkte(),
            [&arbeit](int prozent) { arbeit.setzen(prozent); });
    }
    merkpunkte_.setGespeichert(ergebnis.merkpunktZeilen);
    if (ergebnis.karteGewechselt) {
        prompt::warning(kartenuebernahme::karteGewechseltText());
        return;
    }
    if (!ergebnis.loeschfehler) {
        gelesen_ = {};
        return;
    }
    prompt::error(QStringLiteral("Die Fahrten wurden übernommen, aber nicht von der Speicherkarte gelöscht.\n%1")
                      .arg(*ergebnis.loeschfehler));
}

// A card that told its identifier at the reading must still tell the same one.
bool TF_Varno_V_OK::gleicheKarte() const
{
    return !kennungBeimLesen_ || kartenkennung_->cardIdentifier(pfad_) == kennungBeimLesen_;
}

void TF_Varno_V_OK::merkpunkteSichern()
{
    if (merkpunkte_.merkpunkte().empty())
        return;
    merkpunkte_.setGespeichert(KartenimportStore::merkpunkteSichern(cfid_, merkpunkte_.merkpunkte()));
}

void TF_Varno_V_OK::BtabbruchClick()
{
    fahrerSichern();
    // Closing stores the waypoints.
    close();
}

void TF_Varno_V_OK::fahrerSichern()
{
    if (!CBFahrer->isEnabled())
        return;
    const QString name = CBFahrer->currentText().trimmed();
    if (!name.isEmpty())
        KartenimportStore::fahrerZuordnen(cfid_, name);
    CBFahrer->setEnabled(false);
}
