#include "entry/ui/Ui_TF_Eingabe.h"

#include "common_ui/Benannt.h"
#include "common_ui/Rasterspalten.h"
#include "common_ui/Schriftgroesse.h"
#include "common_ui/Spaltenkopf.h"
#include "entry/Fahrtdatum.h"
#include "entry/Kilometerfeld.h"
#include "entry/ui/Eingabefelder.h"
#include "entry/ui/Radiogruppe.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

using eingabefelder::auswahl;
using eingabefelder::zeitEingabe;

namespace {

QLineEdit* kmFeld(const char* name, int stellen)
{
    auto* feld = benannt(new QLineEdit, name);
    feld->setMaxLength(stellen);
    feld->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9 ]{0,%1}").arg(stellen)), feld));
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

} // namespace

void Ui_TF_Eingabe::setupUi(QWidget* fenster, QAbstractItemModel* rohfahrten)
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
    Kalender->setMinimumDate(fruehestesFahrtdatum);
    cbxStammfahrt = benannt(new QCheckBox(QStringLiteral("als Stammfahrt &festlegen")), "cbxStammfahrt");
    btSchliessenSpeichern = benannt(new QPushButton, "btSchliessenSpeichern"); // its text follows the changes
    Btverwerfen = benannt(new QPushButton(QStringLiteral("&Verwerfen")), "Btverwerfen");
    btAbbrechen = benannt(new QPushButton(QStringLiteral("&Abbrechen")), "btAbbrechen");
    BtRueckfahrt = benannt(new QPushButton(QStringLiteral("&Rückfahrt")), "BtRueckfahrt");
    BtLetzteKorrigieren =
        benannt(new QPushButton(QStringLiteral("&Letzte Fahrt korrigieren …")), "BtLetzteKorrigieren");
    BtNachtragen = benannt(new QPushButton(QStringLiteral("Fahrt &nachtragen …")), "BtNachtragen");

    sgStammfahrten =
        tabelle("sgStammfahrten",
                {QStringLiteral("von"), QStringLiteral("nach"), QStringLiteral("Zweck"), QStringLiteral("Art")},
                {77, 72, 76, {18, spaltenmuster::art}});
    alleSpaltenZeigen(sgStammfahrten);
    sgStammfahrten->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgStammfahrten->setSelectionMode(QAbstractItemView::SingleSelection);
    btUebernehmen = benannt(new QPushButton(QStringLiteral("Ü&bernehmen")), "btUebernehmen");

    lbUnbearbeitet = new QLabel(QStringLiteral("unbearbeitete Fahrten:"));
    StringGrid1 = benannt(new QTableView, "StringGrid1");
    StringGrid1->setModel(rohfahrten);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setFont(schriftgroesse(StringGrid1->font(), 0.85));
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
    knoepfe->addWidget(BtLetzteKorrigieren, 2, 0, 1, 2);
    knoepfe->addWidget(BtNachtragen, 3, 0, 1, 2);
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

    auto* layout = new QVBoxLayout(fenster);
    layout->addLayout(oben);
    layout->addLayout(spalten);
    layout->addWidget(lbUnbearbeitet);
    layout->addWidget(StringGrid1, 1);
    tabReihenfolge(fenster);
}

void Ui_TF_Eingabe::tabReihenfolge(QWidget* fenster)
{
    const QList<QWidget*> reihenfolge = {EAbfahrt,      Kalender,      EAnkunft,         cbVon,        Cbnach,
                                         EkmStand,      Ekm,           Cbzweck,          CbKategorie,  CbFahrer,
                                         cbxStammfahrt, RGFahrtart->knopf(0), RGFahrtart->knopf(1),
                                         RGFahrtart->knopf(2), RGFahrtart->knopf(3), MBemerkungen,
                                         btSchliessenSpeichern, Btverwerfen, btAbbrechen, BtRueckfahrt,
                                         BtLetzteKorrigieren, BtNachtragen,
                                         sgStammfahrten, btUebernehmen, StringGrid1};
    for (qsizetype i = 1; i < reihenfolge.size(); ++i)
        fenster->setTabOrder(reihenfolge.at(i - 1), reihenfolge.at(i));
}
