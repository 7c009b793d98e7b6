#include "entry/ui/TF_Eingabe.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common_ui/Benannt.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Handler.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftmass.h"
#include "common_ui/Spaltenkopf.h"
#include "db/FahrzeugStore.h"
#include "db/Sitzung.h"
#include "db/StammdatenStore.h"
#include "db/StammfahrtStore.h"
#include "entry/Auswahlfeld.h"
#include "entry/Fahrtart.h"
#include "entry/Fahrtspeicherung.h"
#include "entry/Speicherpruefung.h"
#include "entry/Zeitfeld.h"
#include "entry/ui/Radiogruppe.h"
#include "entry/ui/Rohfahrtliste.h"
#include "entry/ui/Vorschlagsliste.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using auswahlfeld::keineAngabe;
using auswahlfeld::standardKategorie;

namespace {

// The logbook starts in 2003: no trip may be dated earlier.
const QDate fruehestesDatum(2003, 1, 1);

const QString speichernText = QStringLiteral("Speichern");
const QString schliessenText = QStringLiteral("Schließen");

enum LetzteFahrtSpalte { SpalteAnkunft, SpalteVon, SpalteNach, SpalteZweck, SpalteKm, SpalteArt };

constexpr int breiteOhneKarte = 800;
constexpr int hoeheOhneKarte = 505;
constexpr int hoeheMitKarte = 600;

QLineEdit* zeitEingabe(const char* name)
{
    auto* feld = benannt(new QLineEdit, name);
    feld->setInputMask(QStringLiteral("99:99;_"));
    return feld;
}

QLineEdit* kmFeld(const char* name, int stellen)
{
    auto* feld = benannt(new QLineEdit, name);
    feld->setMaxLength(stellen);
    feld->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,%1}").arg(stellen)), feld));
    return feld;
}

QComboBox* auswahl(const char* name)
{
    auto* feld = benannt(new QComboBox, name);
    feld->setEditable(true);
    // The window completes typed text itself; Qt's own completion would compete with it.
    feld->setCompleter(nullptr);
    feld->setInsertPolicy(QComboBox::NoInsert);
    // Locked fields show the beginning of a long place name.
    Feldanfang::einrichten(feld);
    return feld;
}

// A grid headed by labels above it instead of a header row: the titles are its hidden header's.
QTableWidget* tabelle(const char* name, const QStringList& titel, const QList<Rasterspalte>& spalten)
{
    auto* grid = benannt(new QTableWidget(0, static_cast<int>(titel.size())), name);
    grid->setHorizontalHeaderLabels(titel);
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setWordWrap(false);
    rasterspalten::setzen(grid, spalten);
    return grid;
}

// Makes the grid at least as wide as its columns, so none hides behind a scroll bar.
void alleSpaltenZeigen(QTableWidget* grid)
{
    int breite = 2 * grid->frameWidth();
    if (grid->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        breite += grid->verticalScrollBar()->sizeHint().width();
    for (int spalte = 0; spalte < grid->columnCount(); ++spalte)
        breite += grid->columnWidth(spalte);
    grid->setMinimumWidth(breite);
}

void setzeZeit(QLineEdit* feld, const QString& text)
{
    if (text.isEmpty())
        feld->clear();
    else
        feld->setText(text);
}

QString oderVorgabe(const QString& text, const QString& vorgabe)
{
    return text.isEmpty() ? vorgabe : text;
}

} // namespace

TF_Eingabe::TF_Eingabe(Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("TF_Eingabe"));
    setWindowTitle(QStringLiteral("Dateneingabe"));
    rohfahrten_ = new Rohfahrtliste(this);
    vorschlagsliste_ = new Vorschlagsliste(this);
    baueOberflaeche();
    setzeTabReihenfolge();
    verbindeFelder();
    keineAenderung();
}

void TF_Eingabe::baueOberflaeche()
{
    sgLFahrt = tabelle("sgLFahrt",
                       {QStringLiteral("Ankunft"), QStringLiteral("von"), QStringLiteral("nach"),
                        QStringLiteral("Zweck"), QStringLiteral("KM-Ankunft"), QStringLiteral("Art")},
                       {{68, spaltenmuster::tagUndUhrzeit},
                        98,
                        94,
                        101,
                        {61, spaltenmuster::kilometerstand},
                        {24, spaltenmuster::art}});
    sgLFahrt->setRowCount(1);
    for (int spalte = 0; spalte < 6; ++spalte)
        sgLFahrt->setItem(0, spalte, new QTableWidgetItem);
    sgLFahrt->setEnabled(false);
    sgLFahrt->setFixedHeight(sgLFahrt->rowHeight(0) + 2 * sgLFahrt->frameWidth());
    // The one line shows whole; a scroll bar would cover it.
    sgLFahrt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    sgLFahrt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    alleSpaltenZeigen(sgLFahrt);

    EAbfahrt = zeitEingabe("EAbfahrt");
    EAnkunft = zeitEingabe("EAnkunft");
    cbVon = auswahl("cbVon");
    cbVon->setToolTip(QStringLiteral("Bei Fahrtenbuchführung mit Varno können Sie das Feld freilassen. Der Eintrag "
                                     "wird in der Auswertung vervollständigt."));
    Cbnach = auswahl("Cbnach");
    EkmStand = kmFeld("EkmStand", kilometerfeld::standBreite);
    Ekm = kmFeld("Ekm", kilometerfeld::streckeBreite);
    Cbzweck = auswahl("Cbzweck");
    CbKategorie = auswahl("CbKategorie");
    CbFahrer = auswahl("CbFahrer");
    RGFahrtart = benannt(new Radiogruppe(QStringLiteral("Fahrtart:"),
                                         {QStringLiteral("unzugeordnet"), QStringLiteral("privat"),
                                          QStringLiteral("Arbeitsweg"), QStringLiteral("geschäftlich")},
                                         4),
                         "RGFahrtart");
    MBemerkungen = benannt(new QPlainTextEdit, "MBemerkungen");
    MBemerkungen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MBemerkungen->setTabChangesFocus(true);
    Kalender = benannt(new QCalendarWidget, "Kalender");
    Kalender->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
    Kalender->setMinimumDate(fruehestesDatum);
    cbxStammfahrt = benannt(new QCheckBox(QStringLiteral("als Stammfahrt festlegen")), "cbxStammfahrt");
    btSchliessenSpeichern = benannt(new QPushButton(schliessenText), "btSchliessenSpeichern");
    Btverwerfen = benannt(new QPushButton(QStringLiteral("Verwerfen")), "Btverwerfen");
    btAbbrechen = benannt(new QPushButton(QStringLiteral("Abbrechen")), "btAbbrechen");
    BtRueckfahrt = benannt(new QPushButton(QStringLiteral("Rückfahrt")), "BtRueckfahrt");

    sgStammfahrten =
        tabelle("sgStammfahrten",
                {QStringLiteral("von"), QStringLiteral("nach"), QStringLiteral("Zweck"), QStringLiteral("Art")},
                {77, 72, 76, {18, spaltenmuster::art}});
    alleSpaltenZeigen(sgStammfahrten);
    sgStammfahrten->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgStammfahrten->setSelectionMode(QAbstractItemView::SingleSelection);
    btUebernehmen = benannt(new QPushButton(QStringLiteral("Übernehmen")), "btUebernehmen");

    lbUnbearbeitet = new QLabel(QStringLiteral("unbearbeitete Fahrten:"));
    StringGrid1 = benannt(new QTableView, "StringGrid1");
    StringGrid1->setModel(rohfahrten_);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QFont klein = StringGrid1->font();
    klein.setPointSizeF(klein.pointSizeF() * 0.85);
    StringGrid1->setFont(klein);
    rasterspalten::setzen(StringGrid1, {{108, spaltenmuster::datumZeit},
                                        {45, spaltenmuster::kilometerstand},
                                        {136, spaltenmuster::datumZeit},
                                        {46, spaltenmuster::kilometerstand},
                                        52,
                                        55,
                                        {37, spaltenmuster::art},
                                        81,
                                        94,
                                        106});

    auto* felder = new QGridLayout;
    const auto zeile = [felder](const QString& text, QWidget* feld) {
        const int r = felder->rowCount();
        felder->addWidget(new QLabel(text), r, 0);
        felder->addWidget(feld, r, 1);
    };
    zeile(QStringLiteral("Abfahrt:"), EAbfahrt);
    zeile(QStringLiteral("Ankunft:"), EAnkunft);
    zeile(QStringLiteral("von:"), cbVon);
    zeile(QStringLiteral("nach:"), Cbnach);
    zeile(QStringLiteral("KM-Ankunft"), EkmStand);
    zeile(QStringLiteral("gefahrene km"), Ekm);
    zeile(QStringLiteral("Zweck:"), Cbzweck);
    zeile(QStringLiteral("Kategorie:"), CbKategorie);
    zeile(QStringLiteral("Fahrer:"), CbFahrer);

    auto* links = new QVBoxLayout;
    links->addLayout(felder);
    links->addWidget(RGFahrtart);
    links->addWidget(new QLabel(QStringLiteral("Bemerkungen:")));
    links->addWidget(MBemerkungen);

    auto* knoepfe = new QGridLayout;
    knoepfe->addWidget(btSchliessenSpeichern, 0, 0);
    knoepfe->addWidget(Btverwerfen, 0, 1);
    knoepfe->addWidget(btAbbrechen, 1, 0);
    knoepfe->addWidget(BtRueckfahrt, 1, 1);
    auto* mitte = new QVBoxLayout;
    mitte->addWidget(new QLabel(QStringLiteral("Abfahrtsdatum:")));
    mitte->addWidget(Kalender);
    mitte->addWidget(cbxStammfahrt);
    mitte->addLayout(knoepfe);
    mitte->addStretch();

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(new QLabel(QStringLiteral("Stammfahrten")));
    rechts->addWidget(benannt(new Spaltenkopf(sgStammfahrten), "sgStammfahrtenKopf"));
    rechts->addWidget(sgStammfahrten);
    rechts->addWidget(btUebernehmen);

    auto* oben = new QGridLayout;
    oben->addWidget(benannt(new Spaltenkopf(sgLFahrt), "sgLFahrtKopf"), 0, 1);
    oben->addWidget(new QLabel(QStringLiteral("letzte Fahrt")), 1, 0);
    oben->addWidget(sgLFahrt, 1, 1);

    auto* spalten = new QHBoxLayout;
    spalten->addLayout(links, 3);
    spalten->addLayout(mitte, 2);
    spalten->addLayout(rechts, 2);

    auto* fenster = new QVBoxLayout(this);
    fenster->addLayout(oben);
    fenster->addLayout(spalten);
    fenster->addWidget(lbUnbearbeitet);
    fenster->addWidget(StringGrid1, 1);
}

void TF_Eingabe::setzeTabReihenfolge()
{
    const QList<QWidget*> reihenfolge = {EAbfahrt,      Kalender,      EAnkunft,         cbVon,        Cbnach,
                                         EkmStand,      Ekm,           Cbzweck,          CbKategorie,  CbFahrer,
                                         cbxStammfahrt, RGFahrtart->knopf(0), RGFahrtart->knopf(1),
                                         RGFahrtart->knopf(2), RGFahrtart->knopf(3), MBemerkungen,
                                         btSchliessenSpeichern, Btverwerfen, btAbbrechen, BtRueckfahrt,
                                         sgStammfahrten, btUebernehmen, StringGrid1};
    for (qsizetype i = 1; i < reihenfolge.size(); ++i)
        setTabOrder(reihenfolge.at(i - 1), reihenfolge.at(i));
}

void TF_Eingabe::verbindeFelder()
{
    for (QLineEdit* feld : {EAbfahrt, EAnkunft}) {
        verbinden(feld, &QLineEdit::textChanged, this, &TF_Eingabe::aenderungMerken);
        verbinden(feld, &QLineEdit::textEdited, this, [this, feld] { zeitfeldGeaendert(feld); });
    }
    for (QLineEdit* feld : {EkmStand, Ekm})
        verbinden(feld, &QLineEdit::textChanged, this, &TF_Eingabe::aenderungMerken);
    for (QLineEdit* feld : {EAbfahrt, EAnkunft, EkmStand, Ekm})
        feld->installEventFilter(this);
    for (QComboBox* feld : {cbVon, Cbnach, Cbzweck, CbKategorie, CbFahrer}) {
        feld->installEventFilter(this);
        verbinden(feld->lineEdit(), &QLineEdit::textEdited, this, [this, feld] { auswahlGetippt(feld); });
        verbinden(feld, &QComboBox::textActivated, this, &TF_Eingabe::aenderungMerken);
    }
    verbinden(vorschlagsliste_.data(), &Vorschlagsliste::gewaehlt, this, &TF_Eingabe::aenderungMerken);
    verbinden(RGFahrtart, &Radiogruppe::geaendert, this, &TF_Eingabe::RGFahrtartClick);
    verbinden(btSchliessenSpeichern, &QPushButton::clicked, this, &TF_Eingabe::btSchliessenSpeichernClick);
    verbinden(Btverwerfen, &QPushButton::clicked, this, &TF_Eingabe::Verwerfen);
    verbinden(btAbbrechen, &QPushButton::clicked, this, &QWidget::close);
    verbinden(BtRueckfahrt, &QPushButton::clicked, this, &TF_Eingabe::BtRueckfahrtClick);
    verbinden(btUebernehmen, &QPushButton::clicked, this, &TF_Eingabe::StammfahrtUebernehmen);
    verbinden(sgStammfahrten, &QTableWidget::cellDoubleClicked, this, &TF_Eingabe::StammfahrtUebernehmen);
    // The fields follow the current raw trip, whether a click or the keyboard moved it.
    verbinden(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TF_Eingabe::StringGrid1Click);
    verbinden(StringGrid1, &QTableView::clicked, this, &TF_Eingabe::StringGrid1Click);
}

// ---- showing and loading ----

void TF_Eingabe::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    geschuetzt([this] { FormShow(); });
    zentrieren();
}

void TF_Eingabe::hideEvent(QHideEvent* event)
{
    // The typing list is a window of its own and would outlive the closed entry.
    if (vorschlagsliste_)
        vorschlagsliste_->schliessen();
    QWidget::hideEvent(event);
}

void TF_Eingabe::zentrieren()
{
    const QWidget* haupt = parentWidget();
    if (haupt)
        move(haupt->frameGeometry().center() - rect().center());
}

void TF_Eingabe::FormShow()
{
    Kartenfahrzeug_ = FahrzeugStore::eingabeart(sitzung_.aktuellesFahrzeug()) == EingabeVarno;
    Reload();
    lbUnbearbeitet->setVisible(Kartenfahrzeug_);
    StringGrid1->setVisible(Kartenfahrzeug_);
    // The standard-trip list always shows; the raw-trip list needs room below the fields.
    setMinimumSize(schriftmass::groesse(breiteOhneKarte, Kartenfahrzeug_ ? hoeheMitKarte : hoeheOhneKarte));
    if (Kartenfahrzeug_)
        SGfuellen();
    if (Kartenfahrzeug_)
        (EAnkunft->isEnabled() ? EAnkunft : static_cast<QWidget*>(Cbnach))->setFocus();
    else if (EAbfahrt->isEnabled())
        EAbfahrt->setFocus();
    BtRueckfahrt->setEnabled(!Kartenfahrzeug_);
    StammfahrtenLesen();
}

void TF_Eingabe::Reload()
{
    for (int spalte = 0; spalte < sgLFahrt->columnCount(); ++spalte)
        sgLFahrt->item(0, spalte)->setText(QString());
    BtRueckfahrt->setEnabled(false);
    cbVon->setEnabled(false);
    vorschlagsliste_->schliessen();
    for (QComboBox* feld : {cbVon, Cbnach, Cbzweck, CbKategorie, CbFahrer})
        feld->clear();

    const int kfz = sitzung_.aktuellesFahrzeug();
    stammdaten_ = EingabeStore::stammdaten();
    letzteFahrten_ = EingabeStore::letzteFahrten(kfz, 2);
    setWindowTitle(QStringLiteral("Fahrtenbuch für ") + FahrzeugStore::kennzeichen(kfz));

    letzterKmStand_ = 0;
    LetzteAnkunft = QDateTime();
    if (!letzteFahrten_.empty()) {
        const Logbuchzeile& letzte = letzteFahrten_.front();
        letzterKmStand_ = letzte.kmAn;
        LetzteAnkunft = letzte.anDat;
        sgLFahrt->item(0, SpalteKm)->setText(QString::number(letzte.kmAn));
        if (!letzte.istStartdatensatz()) {
            BtRueckfahrt->setEnabled(true);
            sgLFahrt->item(0, SpalteAnkunft)->setText(letzte.anDat.toString(QStringLiteral("dd.MM hh:mm")));
            Kalender->setSelectedDate(letzte.anDat.date());
            sgLFahrt->item(0, SpalteVon)->setText(stammdaten_.orte.name(letzte.start));
            sgLFahrt->item(0, SpalteNach)->setText(stammdaten_.orte.name(letzte.ziel));
            sgLFahrt->item(0, SpalteZweck)->setText(stammdaten_.zwecke.name(letzte.zweck));
            sgLFahrt->item(0, SpalteArt)->setText(stammdaten_.arten.abkuerzung(letzte.art));
        }
    }

    Ekm->clear();
    EkmStand->clear();
    RGFahrtart->setItemIndex(Unzugeordnet);

    listeFuellen(cbVon, stammdaten_.orte.namen());
    listeFuellen(Cbnach, stammdaten_.orte.namen());
    listeFuellen(Cbzweck, stammdaten_.zwecke.namen());
    listeFuellen(CbKategorie, stammdaten_.kategorien.namen());
    listeFuellen(CbFahrer, stammdaten_.fahrer.namen());
    CbFahrer->setEnabled(false);
    Verwerfen();
}

void TF_Eingabe::SGfuellen()
{
    rohfahrten_->setzen(EingabeStore::unbearbeiteteRohfahrten(sitzung_.aktuellesFahrzeug()));
    if (rohfahrten_->rowCount() == 0) {
        prompt::message(QStringLiteral("Keine Daten zum Fahrzeug gefunden"));
        return;
    }
    rohfahrtenLaden_ = true;
    StringGrid1->setCurrentIndex(rohfahrten_->index(0, Rohfahrtliste::Startkm));
    rohfahrtenLaden_ = false;
}

void TF_Eingabe::StringGrid1Click()
{
    if (rohfahrtenLaden_)
        return;
    // A click on the row just copied would otherwise copy it a second time.
    if (const auto zeile = gewaehlteRohfahrt(); zeile && !inDenFeldern(*zeile))
        DatInEdit(*zeile);
}

bool TF_Eingabe::inDenFeldern(int zeile) const
{
    return uebernommeneRohfahrt_ && uebernommeneRohfahrt_->id == rohfahrten_->fahrt(zeile).id;
}

std::optional<int> TF_Eingabe::gewaehlteRohfahrt() const
{
    if (rohfahrten_->rowCount() == 0)
        return std::nullopt;
    const int zeile = StringGrid1->currentIndex().row();
    return zeile < 0 ? 0 : zeile;
}

void TF_Eingabe::DatInEdit(int zeile)
{
    const Rohfahrt& fahrt = rohfahrten_->fahrt(zeile);
    uebernommeneRohfahrt_ = fahrt;
    EAnkunft->setEnabled(true);

    // A missing or implausibly early start time is left to the user.
    const bool zuFrueh = !fahrt.startzeit || fahrt.startzeit->date() < fruehestesDatum;
    if (zuFrueh) {
        prompt::message(QStringLiteral("Das Datum liegt vor dem 01.01.2003 und wird automatisch auf den 01.01.2003 "
                                       "gesetzt. Bitte geben Sie die tatsächliche Abfahrtszeit ein."));
        Kalender->setSelectedDate(fruehestesDatum);
        setzeZeit(EAbfahrt, QString());
    } else {
        Kalender->setSelectedDate(fahrt.startzeit->date());
        setzeZeit(EAbfahrt, german::time(fahrt.startzeit->time()));
    }
    Kalender->setEnabled(zuFrueh);
    EAbfahrt->setEnabled(zuFrueh);

    setzeZeit(EAnkunft, fahrt.zielzeit ? german::time(fahrt.zielzeit->time()) : QString());
    EkmStand->setText(QString::number(fahrt.zielkm));

    Cbnach->setEditText(oderVorgabe(fahrt.ort, keineAngabe));
    Cbzweck->setEditText(oderVorgabe(fahrt.grund, keineAngabe));
    CbKategorie->setEditText(oderVorgabe(fahrt.kat, standardKategorie));
    CbFahrer->setEditText(fahrt.fahrer == QStringLiteral("unbekannt") ? keineAngabe : fahrt.fahrer);
    CbFahrer->setEnabled(true);
    RGFahrtart->setItemIndex(fahrtartAusKarte(fahrt.art));
    EAnkunft->setEnabled(zeitfeld::istLeer(zeittext(EAnkunft)));

    if (fahrt.zielkm != 0) {
        EkmStand->setEnabled(false);
        Ekm->setText(QString::number(fahrt.zielkm - fahrt.startkm));
        Ekm->setEnabled(false);
        const bool schliesstAn = fahrt.startkm == letzterKmStand_ && !letztesZiel().isEmpty();
        cbVon->setEditText(schliesstAn ? letztesZiel() : keineAngabe);
        cbVon->setEnabled(!schliesstAn);
    } else {
        prompt::warning(QStringLiteral(
            "Während der Fahrt wurde das Anschlusskabel entfernt. Dadurch konnten Ankunftszeit und -km nicht erfasst "
            "werden. Diese müssen jetzt eingegeben werden. Bei Falscheingabe kann sich die Fahrt mit der nächsten "
            "Fahrt überschneiden."));
        EkmStand->setText(QString::number(fahrt.startkm));
        EkmStand->setEnabled(true);
        Ekm->setEnabled(true);
    }
}

void TF_Eingabe::Verwerfen()
{
    for (QWidget* feld : {static_cast<QWidget*>(Kalender), static_cast<QWidget*>(EAbfahrt),
                          static_cast<QWidget*>(EAnkunft), static_cast<QWidget*>(Ekm),
                          static_cast<QWidget*>(EkmStand), static_cast<QWidget*>(Cbnach)})
        feld->setEnabled(true);
    vorschlagsliste_->schliessen();
    uebernommeneRohfahrt_.reset();

    const QString ziel = letztesZiel();
    const bool vonFrei = ziel.isEmpty() || ziel == keineAngabe;
    cbVon->setEnabled(vonFrei);
    cbVon->setEditText(vonFrei ? keineAngabe : ziel);

    Cbnach->setEditText(keineAngabe);
    Cbzweck->setEditText(keineAngabe);
    CbFahrer->setEditText(keineAngabe);
    CbKategorie->setEditText(standardKategorie);
    Ekm->clear();
    EkmStand->clear();
    setzeZeit(EAbfahrt, QString());
    setzeZeit(EAnkunft, QString());

    RGFahrtart->setItemIndex(Geschaeftlich);
    cbxStammfahrt->setChecked(false);

    const QDate letzteAnkunft = letzteFahrten_.empty() ? QDate() : letzteFahrten_.front().anDat.date();
    Kalender->setSelectedDate(letzteAnkunft.isValid() && letzteAnkunft > fruehestesDatum ? letzteAnkunft
                                                                                        : fruehestesDatum);
    MBemerkungen->clear();
    keineAenderung();
}

QString TF_Eingabe::letztesZiel() const
{
    return sgLFahrt->item(0, SpalteNach)->text();
}

// ---- change tracking ----

void TF_Eingabe::aenderungMerken()
{
    btSchliessenSpeichern->setText(speichernText);
    btAbbrechen->show();
}

void TF_Eingabe::keineAenderung()
{
    btSchliessenSpeichern->setText(schliessenText);
    btAbbrechen->hide();
}

// ---- field rules ----

QString TF_Eingabe::zeittext(const QLineEdit* feld)
{
    QString text = feld->displayText();
    return text.replace(QLatin1Char('_'), QLatin1Char(' '));
}

bool TF_Eingabe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == EAbfahrt || watched == EAnkunft)
            static_cast<QLineEdit*>(watched)->setSelection(0, 5);
        else if (watched == EkmStand)
            EkmStand->setSelection(0, kilometerfeld::standBreite);
        else if (watched == Ekm)
            Ekm->setSelection(0, kilometerfeld::streckeBreite);
    }
    if (!verlaesstFeld(event) || fokusZurueck_)
        return QWidget::eventFilter(watched, event);

    geschuetzt([this, watched] {
        if (watched == EAbfahrt)
            EAbfahrtExit();
        else if (watched == EAnkunft)
            EAnkunftExit();
        else if (watched == Ekm)
            EkmExit();
        else if (watched == EkmStand)
            EkmStandExit();
        else if (auto* feld = qobject_cast<QComboBox*>(watched))
            auswahlVerlassen(feld);
    });
    // A refused field took the focus back: it has not been left.
    if (QApplication::focusWidget() == watched)
        return true;
    return QWidget::eventFilter(watched, event);
}

void TF_Eingabe::zeitfeldGeaendert(QLineEdit* feld)
{
    if (feld->hasFocus() && zeitfeld::minutenKomplett(zeittext(feld)))
        focusNextChild();
}

void TF_Eingabe::zeitfeldVerlassen(QLineEdit* feld)
{
    const QString text = zeittext(feld);
    const QString neu = zeitfeld::vervollstaendigen(text);
    if (neu != text)
        feld->setText(neu);
}

void TF_Eingabe::EAbfahrtExit()
{
    zeitfeldVerlassen(EAbfahrt);
}

void TF_Eingabe::EAnkunftExit()
{
    zeitfeldVerlassen(EAnkunft);
}

kilometerfeld::Felder TF_Eingabe::kmFelder() const
{
    return {Ekm->text(), EkmStand->text()};
}

void TF_Eingabe::kmFelderSetzen(const kilometerfeld::Ergebnis& ergebnis, QLineEdit* verlassen)
{
    if (ergebnis.fehler) {
        eingabefehler(verlassen);
        return;
    }
    if (Ekm->text() != ergebnis.felder.ekm)
        Ekm->setText(ergebnis.felder.ekm);
    if (EkmStand->text() != ergebnis.felder.ekmStand)
        EkmStand->setText(ergebnis.felder.ekmStand);
}

void TF_Eingabe::EkmExit()
{
    if (!Ekm->isEnabled())
        return;
    kmFelderSetzen(kilometerfeld::ekmVerlassen(kmFelder(), letzterKmStand_), Ekm);
}

void TF_Eingabe::EkmStandExit()
{
    kmFelderSetzen(kilometerfeld::ekmStandVerlassen(kmFelder(), letzterKmStand_, Kartenfahrzeug_,
                                                    EkmStand->isEnabled()),
                   EkmStand);
}

void TF_Eingabe::eingabefehler(QLineEdit* feld)
{
    const bool vorher = fokusZurueck_;
    fokusZurueck_ = true;
    prompt::beep();
    prompt::error(QStringLiteral("Fehler bei der Eingabe"));
    feld->setFocus(Qt::OtherFocusReason);
    fokusZurueck_ = vorher;
}

void TF_Eingabe::auswahlGetippt(QComboBox* feld)
{
    aenderungMerken();
    QLineEdit* edit = feld->lineEdit();
    const auto ergebnis = auswahlfeld::vervollstaendigen(
        [feld] {
            QStringList eintraege;
            for (int i = 0; i < feld->count(); ++i)
                eintraege << feld->itemText(i);
            return eintraege;
        }(),
        edit->text(), edit->cursorPosition());
    if (edit->text() != ergebnis.text)
        edit->setText(ergebnis.text);
    edit->setCursorPosition(ergebnis.caret);
    edit->deselect();
    if (ergebnis.listeOffen)
        vorschlagsliste_->zeigen(feld, ergebnis.text);
    else
        vorschlagsliste_->schliessen();
}

void TF_Eingabe::auswahlVerlassen(QComboBox* feld)
{
    if (vorschlagsliste_->feld() == feld)
        vorschlagsliste_->schliessen();
    const QString vorgabe = feld == CbKategorie ? standardKategorie : keineAngabe;
    const QString text = auswahlfeld::bereinigen(feld->currentText(), vorgabe);
    if (text != feld->currentText())
        feld->setEditText(text);
}

void TF_Eingabe::listeFuellen(QComboBox* feld, const QStringList& eintraege)
{
    const QString text = feld->currentText();
    feld->clear();
    feld->addItems(eintraege);
    feld->setCurrentIndex(-1);
    feld->setEditText(text);
}

// ---- kind of trip, standard trips, return trip ----

void TF_Eingabe::RGFahrtartClick()
{
    const int art = RGFahrtart->itemIndex();
    const QString von = cbVon->currentText();
    const QString ziel = letztesZiel();
    if (art == Privat && von != keineAngabe) {
        // A private trip may hide where it started.
        if (!ziel.isEmpty())
            listeFuellen(cbVon, {keineAngabe, von});
        cbVon->setEnabled(true);
        return;
    }
    listeFuellen(cbVon, stammdaten_.orte.namen());
    if (!ziel.isEmpty() && ziel != keineAngabe) {
        cbVon->setEditText(ziel);
        cbVon->setEnabled(false);
    }
    if (art == Arbeitsweg)
        Cbzweck->setEditText(QStringLiteral("Arbeitsweg"));
}

void TF_Eingabe::StammfahrtenLesen()
{
    sgStammfahrten->setRowCount(0);
    std::optional<int> von;
    if (cbVon->currentText() != keineAngabe) {
        von = stammdaten_.orte.idVonName(cbVon->currentText());
        if (!von) {
            prompt::beep();
            prompt::beep();
            return;
        }
    }
    for (const Stammfahrt& fahrt : StammfahrtStore::abOrt(von)) {
        const int zeile = sgStammfahrten->rowCount();
        sgStammfahrten->insertRow(zeile);
        const QStringList texte = {stammdaten_.orte.name(fahrt.von), stammdaten_.orte.name(fahrt.nach),
                                   stammdaten_.zwecke.name(fahrt.zweck), stammdaten_.arten.abkuerzung(fahrt.art)};
        for (int spalte = 0; spalte < texte.size(); ++spalte)
            sgStammfahrten->setItem(zeile, spalte, new QTableWidgetItem(texte.at(spalte)));
    }
    if (sgStammfahrten->rowCount() == 0)
        prompt::beep();
    else
        sgStammfahrten->setCurrentCell(0, 0); // "Übernehmen" works without a click first
}

void TF_Eingabe::StammfahrtUebernehmen()
{
    const int zeile = sgStammfahrten->currentRow();
    if (zeile < 0 || zeile >= sgStammfahrten->rowCount()) {
        prompt::beep();
        return;
    }
    const auto text = [this, zeile](int spalte) { return sgStammfahrten->item(zeile, spalte)->text(); };
    const auto von = stammdaten_.orte.idVonName(text(0));
    const auto nach = stammdaten_.orte.idVonName(text(1));
    const auto zweck = stammdaten_.zwecke.idVonName(text(2));
    const auto art = stammdaten_.arten.idVonAbkuerzung(text(3));
    const auto fahrt = von && nach && zweck && art ? StammfahrtStore::suchen(*von, *nach, *zweck, *art)
                                                   : std::nullopt;
    if (!fahrt) {
        prompt::beep();
        return;
    }
    // A card vehicle keeps where it started and its readings: the recorder knows them.
    if (!Kartenfahrzeug_) {
        cbVon->setEditText(text(0));
        Ekm->setText(QString::number(fahrt->km));
        EkmStand->setText(QString::number(letzterKmStand_ + fahrt->km));
    }
    Cbnach->setEditText(text(1));
    Cbzweck->setEditText(text(2));
    CbKategorie->setEditText(stammdaten_.kategorien.name(fahrt->kategorie));
    RGFahrtart->setItemIndex(fahrt->art - 1);
    aenderungMerken();
    (EAnkunft->isEnabled() ? EAnkunft : static_cast<QWidget*>(Cbnach))->setFocus();
}

void TF_Eingabe::BtRueckfahrtClick()
{
    // The way back needs a trip to go back on and the reading before it.
    if (letzteFahrten_.size() < 2 || letzteFahrten_.front().istStartdatensatz()) {
        prompt::beep();
        return;
    }
    const Logbuchzeile& letzte = letzteFahrten_.at(0);
    const Logbuchzeile& davor = letzteFahrten_.at(1);
    Cbnach->setEditText(sgLFahrt->item(0, SpalteVon)->text());
    const int strecke = letzte.kmAn - davor.kmAn;
    Ekm->setText(QString::number(strecke));
    EkmStand->setText(QString::number(letzte.kmAn + strecke));
    Cbzweck->setEditText(sgLFahrt->item(0, SpalteZweck)->text());
    if (letzte.kategorie)
        CbKategorie->setEditText(StammdatenStore::name(Stammtabelle::Kategorien, *letzte.kategorie));
    if (letzte.fahrer)
        CbFahrer->setEditText(StammdatenStore::name(Stammtabelle::Fahrer, *letzte.fahrer));
    RGFahrtart->setItemIndex(letzte.art - 1);
    const bool ohneZeit = letzte.anDat == QDateTime(german::noDate(), QTime(0, 0));
    Kalender->setSelectedDate(ohneZeit ? Clock::today() : letzte.anDat.date());
    EAbfahrt->setFocus();
}

// ---- saving ----

void TF_Eingabe::btSchliessenSpeichernClick()
{
    if (btSchliessenSpeichern->text() != speichernText) {
        close();
        return;
    }
    speichern();
}

void TF_Eingabe::speichern()
{
    const auto nachfrage = [](const QString& frage) { return prompt::confirm(QStringLiteral("Bestätigung"), frage); };
    const auto ergebnis = fahrtspeicherung::pruefen(eingabeLesen(), standLesen(), nachfrage);
    if (const auto* ablehnung = std::get_if<speicherpruefung::Ablehnung>(&ergebnis)) {
        prompt::beep();
        if (!ablehnung->meldung.isEmpty())
            prompt::error(ablehnung->meldung);
        fokusAuf(ablehnung->feld);
        return;
    }
    const bool neueStammfahrt = EingabeStore::fahrtSpeichern(std::get<fahrtspeicherung::Auftrag>(ergebnis));
    sitzung_.fahrtenbuchGeaendertMelden();
    if (!neueStammfahrt)
        prompt::beep();

    Reload();
    StammfahrtenLesen();
    if (Kartenfahrzeug_)
        SGfuellen();
}

fahrtspeicherung::Eingabe TF_Eingabe::eingabeLesen() const
{
    return {.abfahrt = zeittext(EAbfahrt),
            .ankunft = zeittext(EAnkunft),
            .ankunftAktiv = EAnkunft->isEnabled(),
            .datum = Kalender->selectedDate(),
            .art = RGFahrtart->itemIndex(),
            .von = cbVon->currentText(),
            .nach = Cbnach->currentText(),
            .zweck = Cbzweck->currentText(),
            .kategorie = CbKategorie->currentText(),
            .fahrer = CbFahrer->currentText(),
            .kmStand = EkmStand->text(),
            .km = Ekm->text(),
            .bemerkung = MBemerkungen->toPlainText(),
            .alsStammfahrt = cbxStammfahrt->isChecked()};
}

fahrtspeicherung::Stand TF_Eingabe::standLesen() const
{
    return {.fahrzeug = sitzung_.aktuellesFahrzeug(),
            .kartenfahrzeug = Kartenfahrzeug_,
            .letzteAnkunft = LetzteAnkunft,
            .letzterKmStand = letzterKmStand_,
            .rohfahrt = uebernommeneRohfahrt_,
            .hoechsteFahrtdauer = EingabeStore::hoechsteFahrtdauer(),
            .hoechsteGeschwindigkeit = EingabeStore::hoechsteDurchschnittsgeschwindigkeit()};
}

void TF_Eingabe::fokusAuf(speicherpruefung::Feld feld)
{
    using speicherpruefung::Feld;
    switch (feld) {
    case Feld::EAbfahrt:
        EAbfahrt->setFocus();
        break;
    case Feld::EAnkunft:
        EAnkunft->setFocus();
        break;
    case Feld::cbVon:
        cbVon->setFocus();
        break;
    case Feld::Cbnach:
        Cbnach->setFocus();
        break;
    case Feld::EkmStand:
        EkmStand->setFocus();
        break;
    case Feld::Cbzweck:
        Cbzweck->setFocus();
        break;
    }
}
