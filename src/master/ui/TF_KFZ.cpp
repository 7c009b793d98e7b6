#include "master/ui/TF_KFZ.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftmass.h"
#include "common_ui/Signalfarbe.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/Sitzung.h"
#include "master/Inspektionspruefung.h"
#include "master/MerkpunktStore.h"
#include "master/ui/Bedienelemente.h"
#include "master/ui/Kilometerstandfeld.h"
#include "master/ui/TF_KFZNeu.h"
#include "master/ui/Tabellenspalten.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int seitenbreite = 400;

constexpr std::initializer_list<int> merkpunktspalten = {111, 50, 64, 105};

const QStringList eingabearten = {QStringLiteral("manuell"), QStringLiteral("Varno"), QStringLiteral("Mirel")};

QLineEdit* anzeige(const QString& name, QWidget* parent)
{
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(name);
    feld->setEnabled(false);
    Feldanfang::einrichten(feld);
    return feld;
}

} // namespace

TF_KFZ::TF_KFZ(Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      sitzung_(sitzung)
{
    setObjectName(QStringLiteral("F_KFZ"));
    setWindowTitle(QStringLiteral("Fahrzeugverwaltung"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(baueFahrzeugseite());
    merkpunktseite_ = baueMerkpunktseite();
    layout->addWidget(merkpunktseite_);
    layout->setAlignment(Qt::AlignTop);

    verbinden(cbKFZ, &QComboBox::activated, this, &TF_KFZ::cbKFZChange);
    verbinden(eInspKM, &QLineEdit::textChanged, this, &TF_KFZ::eInspKMChange);
    verbinden(dtpInspDat, &QDateEdit::dateChanged, this, &TF_KFZ::dtpInspDatChange);
    verbinden(ChBkm, &QCheckBox::clicked, this, &TF_KFZ::ChBkmClick);
    verbinden(ChBDat, &QCheckBox::clicked, this, &TF_KFZ::ChBDatClick);
    verbinden(BtSpeichern, &QPushButton::clicked, this, &TF_KFZ::BtSpeichernClick);
    verbinden(BtAbschliessen, &QPushButton::clicked, this, &TF_KFZ::btAbschliessenClick);
    verbinden(BtEichen, &QPushButton::clicked, this, &TF_KFZ::BtEichenClick);
    verbinden(BtNeu, &QPushButton::clicked, this, &TF_KFZ::BtNeuClick);
    verbinden(btSchliessen, &QPushButton::clicked, this, &TF_KFZ::btSchliessenClick);

    merkpunktseite_->hide();
    setFixedSize(schriftmass::breite(seitenbreite), sizeHint().height());
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); }).mittigUeberDemAufrufer();
}

QWidget* TF_KFZ::baueFahrzeugseite()
{
    auto* seite = new QWidget(this);
    seite->setFixedWidth(schriftmass::breite(seitenbreite));

    cbKFZ = new QComboBox(seite);
    cbKFZ->setObjectName(QStringLiteral("cbKFZ"));
    eKMStand = anzeige(QStringLiteral("eKMStand"), seite);
    cbEingabeart = new QComboBox(seite);
    cbEingabeart->setObjectName(QStringLiteral("cbEingabeart"));
    cbEingabeart->addItems(eingabearten);
    cbEingabeart->setEnabled(false);
    BtEichen = knopf(QStringLiteral("BtEichen"), QStringLiteral("Speicherkar&te"), seite);
    BtEichen->setEnabled(false);
    EFahrzeug_ID = anzeige(QStringLiteral("EFahrzeug_ID"), seite);

    auto* inspektion = new QGroupBox(QStringLiteral("nächste Inspektion"), seite);
    ChBkm = new QCheckBox(QStringLiteral("&Kilometerstand ?"), inspektion);
    ChBkm->setObjectName(QStringLiteral("ChBkm"));
    eInspKM = new Kilometerstandfeld(QStringLiteral("eInspKM"), inspektion);
    ChBDat = new QCheckBox(QStringLiteral("&Datum ?"), inspektion);
    ChBDat->setObjectName(QStringLiteral("ChBDat"));
    dtpInspDat = datumsfeld(QStringLiteral("dtpInspDat"), inspektion);
    dtpInspDat->setMinimumDate(german::noDate());
    auto* inspektionLayout = new QGridLayout(inspektion);
    inspektionLayout->addWidget(ChBkm, 0, 0);
    inspektionLayout->addWidget(eInspKM, 0, 1);
    inspektionLayout->addWidget(ChBDat, 1, 0);
    inspektionLayout->addWidget(dtpInspDat, 1, 1);

    BtNeu = knopf(QStringLiteral("BtNeu"), QStringLiteral("&Neu"), seite);
    BtSpeichern = knopf(QStringLiteral("BtSpeichern"), QStringLiteral("&Speichern"), seite);
    BtSpeichern->setEnabled(false);
    BtAbschliessen = knopf(QStringLiteral("BtAbschliessen"), QStringLiteral("A&bschliessen"), seite);
    signalfarbe::warnendeSchrift(BtAbschliessen);
    btSchliessen = knopf(QStringLiteral("btSchliessen"), QStringLiteral("&abbrechen"), seite);

    auto* felder = new QGridLayout;
    felder->addWidget(new QLabel(QStringLiteral("Kennzeichen, Fahrzeug"), seite), 0, 0, 1, 2);
    felder->addWidget(cbKFZ, 1, 0, 1, 2);
    felder->addWidget(new QLabel(QStringLiteral("Kilometerstand"), seite), 2, 0);
    felder->addWidget(new QLabel(QStringLiteral("Eingabeart"), seite), 2, 1);
    felder->addWidget(eKMStand, 3, 0);
    felder->addWidget(cbEingabeart, 3, 1);
    felder->addWidget(new QLabel(QStringLiteral("Fahrzeug-ID"), seite), 4, 0);
    felder->addWidget(EFahrzeug_ID, 5, 0);
    felder->addWidget(BtEichen, 5, 1);

    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* button : {BtNeu, BtSpeichern, BtAbschliessen, btSchliessen})
        knoepfe->addWidget(button);

    auto* layout = new QVBoxLayout(seite);
    layout->addLayout(felder);
    layout->addWidget(inspektion);
    layout->addStretch();
    layout->addLayout(knoepfe);
    return seite;
}

QWidget* TF_KFZ::baueMerkpunktseite()
{
    auto* seite = new QWidget(this);
    seite->setFixedWidth(schriftmass::breite(seitenbreite));
    lMerkpunkte = new QLabel(QStringLiteral("Merkpunkte des Fahrzeugs:"), seite);
    SGMP = new QTableWidget(0, 4, seite);
    SGMP->setObjectName(QStringLiteral("SGMP"));
    SGMP->setHorizontalHeaderLabels(
        {QStringLiteral("Datum"), QStringLiteral("km-Stand"), QStringLiteral("Fahrer"), QStringLiteral("Bemerkung")});
    listeEinrichten(SGMP, merkpunktspalten);
    auto* layout = new QVBoxLayout(seite);
    layout->addWidget(lMerkpunkte);
    layout->addWidget(SGMP);
    return seite;
}

void TF_KFZ::setNeuesFahrzeugFenster(TF_KFZNeu* fenster)
{
    neuesFahrzeug_ = fenster;
    verbinden(fenster, &TF_KFZNeu::angelegt, this, [this] {
        if (isVisible() && !ungespeichert())
            Reload();
    });
    verbinden(fenster, &TF_KFZNeu::abgebrochen, this, [this] {
        show();
        raise();
        activateWindow();
    });
}

void TF_KFZ::setKartenliste(QWidget* fenster)
{
    kartenliste_ = fenster;
    BtEichen->setEnabled(kartenliste_ != nullptr);
}

void TF_KFZ::closeEvent(QCloseEvent* event)
{
    geschuetzt([this] { FormClose(); });
    event->accept();
}

const KFZEintrag* TF_KFZ::gewaehlt() const
{
    const auto& liste = sitzung_.fahrzeuge();
    const int index = cbKFZ->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= liste.size())
        return nullptr;
    return &liste[static_cast<std::size_t>(index)];
}

bool TF_KFZ::ungespeichert() const
{
    return BtSpeichern->isEnabled();
}

void TF_KFZ::listeInAuswahl()
{
    cbKFZ->clear();
    for (const KFZEintrag& eintrag : sitzung_.fahrzeuge())
        cbKFZ->addItem(eintrag.KZuFzg);
    // Nothing selected: Einlesen picks the remembered vehicle or the first one.
    cbKFZ->setCurrentIndex(-1);
}

void TF_KFZ::FormActivate()
{
    // Coming back to the window (after a message or from another window) keeps input not yet stored.
    if (ungespeichert())
        return;
    dtpInspDat->setMinimumDate(german::noDate());
    MerkKFZ = cbKFZ->currentText();
    dtpInspDat->setEnabled(true);
    listeInAuswahl();
    cbKFZChange();
}

void TF_KFZ::cbKFZChange()
{
    QScopedValueRollback<bool> laden(einlesen_, true);
    dtpInspDat->setMinimumDate(german::noDate());
    Einlesen();
}

void TF_KFZ::Einlesen()
{
    QScopedValueRollback<bool> laden(einlesen_, true);
    if (cbKFZ->currentIndex() < 0 && cbKFZ->count() > 0) {
        const int gemerkt = MerkKFZ.isEmpty() ? -1 : cbKFZ->findText(MerkKFZ);
        cbKFZ->setCurrentIndex(gemerkt >= 0 ? gemerkt : 0);
    }
    const KFZEintrag* eintrag = gewaehlt();
    if (!eintrag)
        return;

    eKMStand->setText(QString::number(eintrag->KmStand));
    cbEingabeart->setCurrentIndex(eintrag->Eingabeart);
    BtEichen->setVisible(eintrag->Eingabeart == EingabeVarno);
    const bool mitNummer = eintrag->Eingabeart != EingabeManuell && eintrag->KFZID >= 0;
    EFahrzeug_ID->setText(mitNummer ? QString::number(eintrag->KFZID) : QString());
    zeigeInspektion(*eintrag);

    BtNeu->setEnabled(true);
    BtSpeichern->setEnabled(false);
    btSchliessen->setText(QStringLiteral("Sc&hließen"));
    fruehestesInspektionsdatum();

    // The sample vehicle always stays, and the vehicle trips are being entered for must not vanish.
    const bool inErfassung = sitzung_.fahrtenerfassungLaeuft() && sitzung_.aktuellesFahrzeug() == eintrag->ID;
    BtAbschliessen->setEnabled(FahrzeugStore::offene() >= 1 && !eintrag->Abgeschlossen &&
                               !cbKFZ->currentText().isEmpty() && eintrag->ID != 1 && !inErfassung);
    MerkPunkte();
}

void TF_KFZ::zeigeInspektion(const KFZEintrag& eintrag)
{
    const bool mitKm = eintrag.InspKM != 0;
    if (mitKm)
        eInspKM->setText(QString::number(eintrag.InspKM));
    eInspKM->setEnabled(mitKm);
    ChBkm->setChecked(mitKm);

    const auto datum = german::parseDate(eintrag.InspDat);
    const bool mitDatum = datum && *datum != german::noDate();
    if (mitDatum)
        dtpInspDat->setDate(*datum);
    dtpInspDat->setEnabled(mitDatum);
    ChBDat->setChecked(mitDatum);
}

void TF_KFZ::fruehestesInspektionsdatum()
{
    const QDate heute = Clock::today();
    const bool vergangen = dtpInspDat->isEnabled() && dtpInspDat->date() < heute;
    dtpInspDat->setMinimumDate(vergangen ? dtpInspDat->date() : heute);
}

void TF_KFZ::MerkPunkte()
{
    const KFZEintrag* eintrag = gewaehlt();
    const bool karte = eintrag && eintrag->Eingabeart == EingabeVarno;
    merkpunktseite_->setVisible(karte);
    setFixedWidth(schriftmass::breite(karte ? 2 * seitenbreite : seitenbreite));
    SGMP->setRowCount(0);
    if (!karte)
        return;
    const auto punkte = MerkpunktStore::merkpunkte(fahrzeugSchluessel(eintrag->KFZID, eintrag->KZuFzg));
    SGMP->setRowCount(static_cast<int>(punkte.size()));
    for (int zeile = 0; zeile < SGMP->rowCount(); ++zeile) {
        const MerkpunktStore::Merkpunkt& punkt = punkte[static_cast<std::size_t>(zeile)];
        const QStringList zellen = {punkt.zeit, QString::number(punkt.km), punkt.fahrer, punkt.bemerkung};
        for (int spalte = 0; spalte < zellen.size(); ++spalte)
            SGMP->setItem(zeile, spalte, new QTableWidgetItem(zellen[spalte]));
    }
    spaltenAnpassen(SGMP, merkpunktspalten);
}

void TF_KFZ::geaendert()
{
    BtSpeichern->setEnabled(true);
    btSchliessen->setText(QStringLiteral("&Abbrechen"));
}

void TF_KFZ::eInspKMChange()
{
    if (einlesen_ || cbKFZ->currentText().isEmpty())
        return;
    const bool gefuellt = !eInspKM->text().isEmpty();
    eInspKM->setEnabled(gefuellt);
    ChBkm->setChecked(gefuellt);
    geaendert();
}

void TF_KFZ::dtpInspDatChange()
{
    if (einlesen_ || cbKFZ->currentText().isEmpty())
        return;
    const bool mitDatum = dtpInspDat->date() != german::noDate();
    dtpInspDat->setEnabled(mitDatum);
    ChBDat->setChecked(mitDatum);
    geaendert();
}

void TF_KFZ::ChBkmClick()
{
    eInspKM->setEnabled(ChBkm->isChecked());
    if (ChBkm->isChecked())
        eInspKM->setFocus();
    geaendert();
}

void TF_KFZ::ChBDatClick()
{
    dtpInspDat->setEnabled(ChBDat->isChecked());
    if (ChBDat->isChecked()) {
        dtpInspDat->setDate(Clock::today());
        dtpInspDat->setFocus();
    }
    geaendert();
}

void TF_KFZ::BtSpeichernClick()
{
    const KFZEintrag* eintrag = gewaehlt();
    if (!eintrag)
        return;
    int km = 0;
    if (eInspKM->isEnabled()) {
        km = eInspKM->wert();
        // A ticked box with an empty field names no inspection reading at all.
        if (eInspKM->text().isEmpty() || !inspektion::kmZulaessig(km, eKMStand->text().toInt())) {
            prompt::beep();
            prompt::error(QStringLiteral("Inspektionskilometerstand muß höher als aktueller Kilometerstand sein."));
            eInspKM->setFocus();
            return;
        }
    }
    QDate datum = german::noDate();
    if (dtpInspDat->isEnabled()) {
        datum = dtpInspDat->date();
        if (!inspektion::datumZulaessig(datum, Clock::today())) {
            prompt::beep();
            prompt::error(QStringLiteral("Das Datum der Inspektion muß in der Zukunft liegen."));
            dtpInspDat->setFocus();
            return;
        }
    }
    FahrzeugStore::inspektionSpeichern(eintrag->ID, km, datum);
    Reload();
}

void TF_KFZ::Reload()
{
    dtpInspDat->setMinimumDate(german::noDate());
    // After storing, the vehicle just worked on stays selected (a closed one is gone: the first follows).
    MerkKFZ = cbKFZ->currentText();
    sitzung_.fahrzeugeLaden();
    listeInAuswahl();
    Einlesen();
}

void TF_KFZ::btAbschliessenClick()
{
    const KFZEintrag* eintrag = gewaehlt();
    if (!eintrag)
        return;
    if (!prompt::confirmDestructive(QStringLiteral(
            "Mit einem abgeschlossenen Fahrzeug können keine Fahrten mehr erfasst werden. Trotzdem abschließen?")))
        return;
    FahrzeugStore::abschliessen(eintrag->ID);
    Reload();
}

void TF_KFZ::BtEichenClick()
{
    if (!kartenliste_)
        return;
    kartenliste_->show();
    kartenliste_->raise();
}

void TF_KFZ::BtNeuClick()
{
    if (!neuesFahrzeug_)
        return;
    neuesFahrzeug_->show();
    neuesFahrzeug_->raise();
    neuesFahrzeug_->activateWindow();
}

void TF_KFZ::btSchliessenClick()
{
    close();
}

void TF_KFZ::FormClose()
{
    cbKFZ->clear();
    eKMStand->clear();
    eInspKM->clear();
    // What was not stored is dropped with the window; the next showing starts afresh.
    BtSpeichern->setEnabled(false);
}
