#include "card/ui/TF_Varno_Datei.h"

#include "card/Datendatei.h"
#include "card/KartenimportStore.h"
#include "card/KartenlistenZuege.h"
#include "card/SpeicherkartenStore.h"
#include "card/datafile/CardFile.h"
#include "card/datafile/CardFileError.h"
#include "common/Prompts.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftmass.h"
#include "logbuch/OptionenStore.h"
#include "logbuch/StammdatenStore.h"
#include "platform/VolumeSerial.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <filesystem>
#include <functional>
#include <tuple>

namespace {

const QString dateifilter = QStringLiteral("Varno Datendatei (*.TXT *.txt)");
constexpr int kartenlistenBreite = 200;

void kartenfehler(const cardfile::CardFileError& fehler)
{
    prompt::error(QString::fromUtf8(fehler.what()));
}

QTableWidget* kartenliste(const QString& name)
{
    auto* liste = new QTableWidget(static_cast<int>(cardfile::ListEntryCount), 1);
    liste->setObjectName(name);
    liste->horizontalHeader()->hide();
    liste->verticalHeader()->hide();
    const int breite = schriftmass::breite(kartenlistenBreite);
    liste->setColumnWidth(0, breite);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    liste->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    liste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    liste->setFixedWidth(breite + liste->verticalScrollBar()->sizeHint().width() + 2 * liste->frameWidth());
    for (int zeile = 0; zeile < liste->rowCount(); ++zeile)
        liste->setItem(zeile, 0, new QTableWidgetItem);
    return liste;
}

QTableWidget* datenbankliste(const QString& name)
{
    auto* liste = new QTableWidget(1, 1);
    liste->setObjectName(name);
    liste->horizontalHeader()->hide();
    liste->verticalHeader()->hide();
    liste->horizontalHeader()->setStretchLastSection(true);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setSelectionMode(QAbstractItemView::SingleSelection);
    return liste;
}

// One tab: the card's list, the four buttons, the database's list.
struct Listenseite {
    QWidget* seite;
    QTableWidget* karte;
    QTableWidget* datenbank;
    std::array<QPushButton*, 4> knoepfe; // "<--", "höher", "tiefer", "löschen"
};

Listenseite baueSeite(const QString& seitenname, const QString& kartenname, const QString& datenbankname,
                      const std::array<QString, 4>& knopfnamen)
{
    static const std::array<QString, 4> beschriftungen = {QStringLiteral("&<--"), QStringLiteral("&höher"),
                                                          QStringLiteral("&tiefer"), QStringLiteral("&löschen")};
    Listenseite seite{new QWidget, kartenliste(kartenname), datenbankliste(datenbankname), {}};
    seite.seite->setObjectName(seitenname);
    auto* knopfspalte = new QVBoxLayout;
    for (std::size_t i = 0; i < seite.knoepfe.size(); ++i) {
        seite.knoepfe[i] = knopf(knopfnamen[i], beschriftungen[i]);
        knopfspalte->addWidget(seite.knoepfe[i]);
    }
    knopfspalte->addStretch();
    auto* layout = new QHBoxLayout(seite.seite);
    layout->addWidget(seite.karte);
    layout->addLayout(knopfspalte);
    layout->addWidget(seite.datenbank);
    return seite;
}

QStringList eintraege(const QTableWidget* liste)
{
    QStringList texte;
    for (int zeile = 0; zeile < liste->rowCount(); ++zeile)
        texte << liste->item(zeile, 0)->text();
    return texte;
}

void zeigeEintraege(QTableWidget* liste, const QStringList& texte)
{
    for (int zeile = 0; zeile < liste->rowCount(); ++zeile)
        liste->item(zeile, 0)->setText(zeile < texte.size() ? texte[zeile] : QString());
}

cardfile::CardList alsKartenliste(const QTableWidget* liste)
{
    cardfile::CardList karte;
    const QStringList texte = eintraege(liste);
    for (std::size_t i = 0; i < karte.size(); ++i)
        karte[i] = texte[static_cast<int>(i)].toStdString();
    return karte;
}

QStringList alsTexte(const cardfile::CardList& karte)
{
    QStringList texte;
    for (const std::string& eintrag : karte)
        texte << QString::fromStdString(eintrag);
    return texte;
}

// At least one row, so the list never looks broken; the first is current, so "<--" needs no click.
void zeigeNamen(QTableWidget* liste, const QStringList& namen)
{
    liste->clearContents();
    liste->setRowCount(std::max<int>(1, static_cast<int>(namen.size())));
    for (int zeile = 0; zeile < namen.size(); ++zeile)
        liste->setItem(zeile, 0, new QTableWidgetItem(namen[zeile]));
    liste->setCurrentCell(0, 0);
}

using Zug = std::function<std::optional<int>(QStringList&, int)>;

// Applies the move to the card list and selects the row it names; the list scrolls by
// `zeilenRollen` lines so the moved entry keeps its place on the screen.
void anwenden(QTableWidget* liste, const Zug& zug, int zeilenRollen = 0)
{
    QStringList texte = eintraege(liste);
    const std::optional<int> neueZeile = zug(texte, liste->currentRow());
    if (!neueZeile)
        return;
    zeigeEintraege(liste, texte);
    liste->setCurrentCell(*neueZeile, 0);
    QScrollBar* leiste = liste->verticalScrollBar();
    leiste->setValue(leiste->value() + zeilenRollen);
}

void nachLinks(QTableWidget* karte, const QTableWidget* datenbank)
{
    const QTableWidgetItem* gewaehlt = datenbank->currentItem();
    if (!gewaehlt || !gewaehlt->isSelected())
        return;
    const QString name = gewaehlt->text();
    anwenden(karte, [&name](QStringList& texte, int zeile) { return kartenliste::uebernehmen(texte, zeile, name); });
}

void hoeher(QTableWidget* karte)
{
    anwenden(karte, kartenliste::hoeher, -1);
}

void tiefer(QTableWidget* karte)
{
    anwenden(karte, kartenliste::tiefer, 1);
}

void loeschen(QTableWidget* karte)
{
    anwenden(karte, kartenliste::loeschen);
}

} // namespace

TF_Varno_Datei::TF_Varno_Datei(std::unique_ptr<VolumeSerial> kartenkennung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
      kartenkennung_(std::move(kartenkennung))
{
    setObjectName(QStringLiteral("TF_Varno_Datei"));
    setWindowTitle(QStringLiteral("Daten der Speicherkarte verwalten"));
    baueOberflaeche();
    verbindeKnoepfe();
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); });
}

TF_Varno_Datei::~TF_Varno_Datei() = default;

void TF_Varno_Datei::baueOberflaeche()
{
    Label1 = new QLabel(QStringLiteral("Bitte überprüfen Sie den Pfad zur Datendatei!"));
    Label1->setObjectName(QStringLiteral("Label1"));
    EPfad = new QLineEdit;
    EPfad->setObjectName(QStringLiteral("EPfad"));
    EPfad->setEnabled(false);
    Feldanfang::einrichten(EPfad);
    BtAendern = knopf(QStringLiteral("BtAendern"), QStringLiteral("Ä&ndern"));
    BtOK = knopf(QStringLiteral("BtOK"), QStringLiteral("&Einlesen"));
    Btspeichern = knopf(QStringLiteral("Btspeichern"), QStringLiteral("&Speichern"));
    Btspeichern->setEnabled(false);
    BtAbbruch = knopf(QStringLiteral("BtAbbruch"), QStringLiteral("S&chliessen"));
    Label2 = new QLabel(QStringLiteral("&Fahrer:"));
    Label2->setObjectName(QStringLiteral("Label2"));
    CBFahrer = new QComboBox;
    CBFahrer->setObjectName(QStringLiteral("CBFahrer"));
    CBFahrer->setEditable(true);
    CBFahrer->setInsertPolicy(QComboBox::NoInsert);
    Label2->setBuddy(CBFahrer);
    ECFID = new QLineEdit(this);
    ECFID->setObjectName(QStringLiteral("ECFID"));
    ECFID->hide();

    const Listenseite orte = baueSeite(QStringLiteral("TabSheet1"), QStringLiteral("SGOrte"), QStringLiteral("SGOrteDB"),
                                       {QStringLiteral("Btlinks"), QStringLiteral("Bthoch"), QStringLiteral("Btrunter"),
                                        QStringLiteral("Btloeschen")});
    const Listenseite gruende =
        baueSeite(QStringLiteral("TabSheet2"), QStringLiteral("SGGruende"), QStringLiteral("SGGruendeDB"),
                  {QStringLiteral("BtlinksG"), QStringLiteral("BthochG"), QStringLiteral("BttiefG"),
                   QStringLiteral("BtloeschenG")});
    const Listenseite kategorien =
        baueSeite(QStringLiteral("TabSheet3"), QStringLiteral("SGKategorien"), QStringLiteral("SGKatDB"),
                  {QStringLiteral("BtlinksK"), QStringLiteral("BthochK"), QStringLiteral("BttieferK"),
                   QStringLiteral("BtloeschenK")});
    TabSheet1 = orte.seite;
    SGOrte = orte.karte;
    SGOrteDB = orte.datenbank;
    std::tie(Btlinks, Bthoch, Btrunter, Btloeschen) = std::tuple_cat(orte.knoepfe);
    TabSheet2 = gruende.seite;
    SGGruende = gruende.karte;
    SGGruendeDB = gruende.datenbank;
    std::tie(BtlinksG, BthochG, BttiefG, BtloeschenG) = std::tuple_cat(gruende.knoepfe);
    TabSheet3 = kategorien.seite;
    SGKategorien = kategorien.karte;
    SGKatDB = kategorien.datenbank;
    std::tie(BtlinksK, BthochK, BttieferK, BtloeschenK) = std::tuple_cat(kategorien.knoepfe);

    Tab = new QTabWidget;
    Tab->setObjectName(QStringLiteral("Tab"));
    Tab->addTab(TabSheet1, QStringLiteral("&Orte"));
    Tab->addTab(TabSheet2, QStringLiteral("&Gründe"));
    Tab->addTab(TabSheet3, QStringLiteral("&Kategorien"));

    auto* pfadzeile = new QHBoxLayout;
    pfadzeile->addWidget(EPfad, 1);
    pfadzeile->addWidget(BtAendern);
    pfadzeile->addWidget(BtOK);
    auto* fahrerzeile = new QHBoxLayout;
    fahrerzeile->addWidget(Label2);
    fahrerzeile->addWidget(CBFahrer, 1);
    fahrerzeile->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(pfadzeile);
    layout->addLayout(fahrerzeile);
    layout->addWidget(Tab);
    layout->addLayout(knopfzeile({Btspeichern, BtAbbruch}));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TF_Varno_Datei::verbindeKnoepfe()
{
    verbinden(BtAendern, &QPushButton::clicked, this, &TF_Varno_Datei::BtAendernClick);
    verbinden(BtOK, &QPushButton::clicked, this, &TF_Varno_Datei::BtOKClick);
    verbinden(Btspeichern, &QPushButton::clicked, this, &TF_Varno_Datei::BtspeichernClick);
    verbinden(BtAbbruch, &QPushButton::clicked, this, &TF_Varno_Datei::BtAbbruchClick);
    verbinden(Btlinks, &QPushButton::clicked, this, &TF_Varno_Datei::BtlinksClick);
    verbinden(Bthoch, &QPushButton::clicked, this, &TF_Varno_Datei::BthochClick);
    verbinden(Btrunter, &QPushButton::clicked, this, &TF_Varno_Datei::BtrunterClick);
    verbinden(Btloeschen, &QPushButton::clicked, this, &TF_Varno_Datei::BtloeschenClick);
    verbinden(BtlinksG, &QPushButton::clicked, this, &TF_Varno_Datei::BtlinksGClick);
    verbinden(BthochG, &QPushButton::clicked, this, &TF_Varno_Datei::BthochGClick);
    verbinden(BttiefG, &QPushButton::clicked, this, &TF_Varno_Datei::BttiefGClick);
    verbinden(BtloeschenG, &QPushButton::clicked, this, &TF_Varno_Datei::BtloeschenGClick);
    verbinden(BtlinksK, &QPushButton::clicked, this, &TF_Varno_Datei::BtlinksKClick);
    verbinden(BthochK, &QPushButton::clicked, this, &TF_Varno_Datei::BthochKClick);
    verbinden(BttieferK, &QPushButton::clicked, this, &TF_Varno_Datei::BttieferKClick);
    verbinden(BtloeschenK, &QPushButton::clicked, this, &TF_Varno_Datei::BtloeschenKClick);
}

void TF_Varno_Datei::FormActivate()
{
    const QString pfad = OptionenStore::datendateiPfad();
    EPfad->setText(pfad);
    dialogverzeichnis_ = pfad.isEmpty() ? QString() : QFileInfo(pfad).absolutePath();
    // Whatever happened elsewhere meanwhile, the lists are saved only right after a reading.
    Btspeichern->setEnabled(false);
}

void TF_Varno_Datei::BtAendernClick()
{
    const QString vorschlag = dialogverzeichnis_.isEmpty() ? QStringLiteral("daten")
                                                            : dialogverzeichnis_ + QStringLiteral("/daten");
    const QString pfad = Prompts::instance().openFile(QStringLiteral("Datendatei öffnen"), vorschlag, dateifilter);
    if (pfad.isEmpty())
        return;
    const bool datendatei = DateiOK(pfad);
    BtOK->setEnabled(datendatei);
    if (datendatei)
        EPfad->setText(pfad);
}

bool TF_Varno_Datei::DateiOK(const QString& pfad)
{
    return datendatei::pruefen(pfad);
}

void TF_Varno_Datei::BtOKClick()
{
    const QString pfad = EPfad->text();
    if (!DateiOK(pfad))
        return;
    cardfile::CardLists listen;
    try {
        listen = cardfile::readCardLists(datendatei::pfad(pfad));
    } catch (const cardfile::CardFileError& fehler) {
        kartenfehler(fehler);
        return;
    }
    kartenlistenFuellen(alsTexte(listen.places), alsTexte(listen.reasons), alsTexte(listen.categories));
    zeigeNamen(SGOrteDB, StammdatenStore::namen(Stammtabelle::Orte));
    zeigeNamen(SGGruendeDB, StammdatenStore::namen(Stammtabelle::Zwecke));
    zeigeNamen(SGKatDB, StammdatenStore::namen(Stammtabelle::Kategorien));
    if (const std::optional<QString> karte = kartenkennung_->cardIdentifier(pfad)) {
        ECFID->setText(*karte);
        if (!FahrerLesen(*karte))
            FahrerLesen(QString());
    }
    Btspeichern->setEnabled(true);
}

void TF_Varno_Datei::kartenlistenFuellen(const QStringList& orte, const QStringList& gruende,
                                         const QStringList& kategorien)
{
    zeigeEintraege(SGOrte, orte);
    zeigeEintraege(SGGruende, gruende);
    zeigeEintraege(SGKategorien, kategorien);
    // A freshly read list starts at its first entry, so the buttons beside it work without a click.
    for (QTableWidget* liste : {SGOrte, SGGruende, SGKategorien})
        liste->setCurrentCell(0, 0);
}

bool TF_Varno_Datei::FahrerLesen(const QString& karte)
{
    CBFahrer->clear();
    if (!karte.isEmpty()) {
        const std::optional<QString> fahrer = KartenimportStore::kartenfahrer(karte);
        if (!fahrer)
            return false;
        CBFahrer->addItem(*fahrer);
        CBFahrer->setCurrentIndex(0);
        CBFahrer->setEnabled(false);
        return true;
    }
    CBFahrer->addItems(StammdatenStore::namen(Stammtabelle::Fahrer));
    // Nobody is preselected: saving must not give the card a driver the user did not choose.
    CBFahrer->setCurrentIndex(-1);
    CBFahrer->clearEditText();
    CBFahrer->setEnabled(true);
    return false;
}

void TF_Varno_Datei::BtspeichernClick()
{
    // As after every message box: a new reading comes before the next save.
    Btspeichern->setEnabled(false);
    if (!kopfSchreiben())
        return;
    fahrerZuordnen();
    prompt::information(QStringLiteral("Daten wurden gesichert"));
}

bool TF_Varno_Datei::kopfSchreiben()
{
    const cardfile::CardLists listen{alsKartenliste(SGOrte), alsKartenliste(SGGruende), alsKartenliste(SGKategorien)};
    try {
        cardfile::writeCardLists(datendatei::pfad(EPfad->text()), listen);
    } catch (const cardfile::CardFileError& fehler) {
        kartenfehler(fehler);
        return false;
    }
    return true;
}

// A database failure escapes to the program's error box, so the success message is never shown.
void TF_Varno_Datei::fahrerZuordnen()
{
    const QString karte = ECFID->text();
    const QString name = CBFahrer->currentText().trimmed();
    if (karte.isEmpty() || name.isEmpty() || !CBFahrer->isEnabled())
        return;
    KartenimportStore::fahrerZuordnen(karte, name);
}

void TF_Varno_Datei::BtAbbruchClick()
{
    close();
}

void TF_Varno_Datei::BtlinksClick() { nachLinks(SGOrte, SGOrteDB); }
void TF_Varno_Datei::BthochClick() { hoeher(SGOrte); }
void TF_Varno_Datei::BtrunterClick() { tiefer(SGOrte); }
void TF_Varno_Datei::BtloeschenClick() { loeschen(SGOrte); }
void TF_Varno_Datei::BtlinksGClick() { nachLinks(SGGruende, SGGruendeDB); }
void TF_Varno_Datei::BthochGClick() { hoeher(SGGruende); }
void TF_Varno_Datei::BttiefGClick() { tiefer(SGGruende); }
void TF_Varno_Datei::BtloeschenGClick() { loeschen(SGGruende); }
void TF_Varno_Datei::BtlinksKClick() { nachLinks(SGKategorien, SGKatDB); }
void TF_Varno_Datei::BthochKClick() { hoeher(SGKategorien); }
void TF_Varno_Datei::BttieferKClick() { tiefer(SGKategorien); }
void TF_Varno_Datei::BtloeschenKClick() { loeschen(SGKategorien); }
