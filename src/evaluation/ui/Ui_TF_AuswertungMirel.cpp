#include "evaluation/ui/Ui_TF_AuswertungMirel.h"

#include "common_ui/Benannt.h"
#include "common_ui/Schriftmass.h"
#include "evaluation/ui/FahrzeugDiagramm.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace {

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

} // namespace

void Ui_TF_AuswertungMirel::setupUi(QWidget* fenster)
{
    auto* layout = new QVBoxLayout(fenster);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(filterBauen());
    layout->addWidget(ergebnisBauen(), 1);
}

QWidget* Ui_TF_AuswertungMirel::filterBauen()
{
    gbFilter = benannt(new QGroupBox(QStringLiteral("Filter")), "gbFilter");
    cbxAbDat = benannt(new QCheckBox(QStringLiteral("Ab&fahrt")), "cbxAbDat");
    cbxAnDat = benannt(new QCheckBox(QStringLiteral("A&nkunft")), "cbxAnDat");
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
    for (QLineEdit* feld : {eKMAbf, eKMAnk})
        feld->setMaxLength(7);
    RBFahrten = benannt(new QRadioButton(QStringLiteral("nach Fahr&ten")), "RBFahrten");
    RBFahrer = benannt(new QRadioButton(QStringLiteral("nach Fa&hrern")), "RBFahrer");
    RBFahrzeug = benannt(new QRadioButton(QStringLiteral("nach Fahr&zeugen")), "RBFahrzeug");
    RBFahrten->setChecked(true);
    cbxErsetzte = benannt(new QCheckBox(QStringLiteral("ersetzte Fassun&gen zeigen")), "cbxErsetzte");
    btAnzeigen = benannt(new QPushButton(QStringLiteral("&Anzeigen")), "btAnzeigen");
    btVerwerfen = benannt(new QPushButton(QStringLiteral("&Verwerfen")), "btVerwerfen");
    btSchliessen = benannt(new QPushButton(QStringLiteral("&Schliessen")), "btSchliessen");
    btJahresfahrtenbuch = benannt(new QPushButton(QStringLiteral("&Jahresfahrtenbuch …")), "btJahresfahrtenbuch");
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
    // The view choice and the buttons take a row each: side by side they need more than the
    // window's described width at larger fonts.
    auto* ansicht = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{RBFahrten, RBFahrer, RBFahrzeug, cbxErsetzte})
        ansicht->addWidget(w);
    ansicht->addStretch();
    raster->addLayout(ansicht, 3, 0, 1, 8);
    auto* befehle = new QHBoxLayout;
    befehle->addStretch();
    for (QWidget* w : std::initializer_list<QWidget*>{btAnzeigen, btVerwerfen, btJahresfahrtenbuch, btSchliessen})
        befehle->addWidget(w);
    raster->addLayout(befehle, 4, 0, 1, 8);
    for (int spalte : {3, 5, 7})
        raster->setColumnStretch(spalte, 1);
    return gbFilter;
}

QWidget* Ui_TF_AuswertungMirel::ergebnisBauen()
{
    ergebnis = new QWidget;
    btStammfahrt = benannt(new QPushButton(QStringLiteral("A&ls Stammfahrt")), "btStammfahrt");
    btDetails = benannt(new QPushButton(QStringLiteral("&Details")), "btDetails");
    btKorrigieren = benannt(new QPushButton(QStringLiteral("&Korrigieren …")), "btKorrigieren");
    btStornieren = benannt(new QPushButton(QStringLiteral("St&ornieren …")), "btStornieren");
    btExport = benannt(new QPushButton(QStringLiteral("D&ruckvorschau")), "btExport");
    btExport->setEnabled(false);
    btExportieren = benannt(new QPushButton(QStringLiteral("&Exportieren …")), "btExportieren");
    btExportieren->setToolTip(QStringLiteral("Das angezeigte Ergebnis als CSV-Datei speichern"));
    btExportieren->setEnabled(false);
    btBetriebspruefung =
        benannt(new QPushButton(QStringLiteral("Export für die &Betriebsprüfung …")), "btBetriebspruefung");
    btBetriebspruefung->setToolTip(QStringLiteral("Fahrtenbuch, Stammdaten, Rohfahrten, Protokoll und Prüfwertanker "
                                                  "eines Jahres für den Prüfer in einen neuen Ordner schreiben"));
    sgFahrten = raster("sgFahrten");
    SGFahrer = raster("SGFahrer");
    SGFahrerTab = raster("SGFahrerTab");
    SGFahrzeuge = raster("SGFahrzeuge");
    Fahrzeugdiagramm = benannt(new FahrzeugDiagramm, "Fahrzeugdiagramm");
    Fahrzeugdiagramm->hide();
    sbFahrten = benannt(new QStatusBar, "sbFahrten");
    sbFahrten->setSizeGripEnabled(false);
    sbAnzahl = new QLabel;
    sbKilometer = new QLabel;
    sbAnzahl->setFixedWidth(schriftmass::breite(484));
    sbKilometer->setMinimumWidth(schriftmass::breite(50));
    sbPruefung = new QLabel;
    sbFahrten->addWidget(sbAnzahl);
    sbFahrten->addWidget(sbKilometer, 1);
    sbFahrten->addPermanentWidget(sbPruefung);
    aKorrigieren = new QAction(QStringLiteral("Fahrt korrigieren …"), sgFahrten);
    aStornieren = new QAction(QStringLiteral("Fahrt stornieren"), sgFahrten);
    sgFahrten->addActions({aKorrigieren, aStornieren});
    sgFahrten->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(btStammfahrt);
    knoepfe->addWidget(btDetails);
    knoepfe->addWidget(btKorrigieren);
    knoepfe->addWidget(btStornieren);
    knoepfe->addWidget(btExport);
    knoepfe->addWidget(btExportieren);
    knoepfe->addWidget(btBetriebspruefung);
    knoepfe->addStretch();
    auto* layout = new QVBoxLayout(ergebnis);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(knoepfe);
    for (QWidget* w : std::initializer_list<QWidget*>{sgFahrten, SGFahrer, SGFahrerTab, SGFahrzeuge})
        layout->addWidget(w, 1);
    layout->addWidget(Fahrzeugdiagramm, 1);
    layout->addWidget(sbFahrten);
    ergebnis->hide();
    return ergebnis;
}
