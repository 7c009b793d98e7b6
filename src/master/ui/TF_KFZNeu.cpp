#include "master/ui/TF_KFZNeu.h"

#include "common/Clock.h"
#include "common/GermanFormat.h"
#include "common/Prompts.h"
#include "common_ui/Feldverlassen.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "logbuch/KFZEintrag.h"
#include "logbuch/Fahrzeuganlage.h"
#include "master/Ganzzahl.h"
#include "master/Inspektionspruefung.h"
#include "master/Kennzeichen.h"
#include "master/ui/Bedienelemente.h"
#include "master/ui/Kilometerstandfeld.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_KFZNeu::TF_KFZNeu(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("F_KFZNeu"));
    setWindowTitle(QStringLiteral("KFZ anlegen"));

    eKFZ = new QLineEdit(this);
    eKFZ->setObjectName(QStringLiteral("eKFZ"));
    eKFZ->setToolTip(QStringLiteral("nach dem Prinzip AB-CD 1234, Mercedes 500SL"));
    eAnfKM = new Kilometerstandfeld(QStringLiteral("eAnfKM"), this);
    eAnfKM->setToolTip(QStringLiteral("Fahrzeugkilometerstand zum Zeitpunkt der Anlegung des Fahrzeugs"));
    dtpStartDat = datumsfeld(QStringLiteral("dtpStartDat"), this);
    dtpStartDat->setToolTip(QStringLiteral("Erwerb des Fahrzeugs bzw. Beginn der Fahrtenbuchaufzeichnungen"));
    cbEingabeart = new QComboBox(this);
    cbEingabeart->setObjectName(QStringLiteral("cbEingabeart"));
    cbEingabeart->addItems({QStringLiteral("manuell"), QStringLiteral("Varno"), QStringLiteral("Mirel")});
    cbEingabeart->setMaxVisibleItems(3);
    EID = new QLineEdit(this);
    EID->setObjectName(QStringLiteral("EID"));
    BtID_lesen = knopf(QStringLiteral("BtID_lesen"), QStringLiteral("Fahrzeug-&ID lesen"), this);
    eInspKM = new Kilometerstandfeld(QStringLiteral("eInspKM"), this);
    eInspKM->setToolTip(QStringLiteral("Kilometerstand der nächsten Inspektion (kann frei bleiben)"));
    dtpInspDat = datumsfeld(QStringLiteral("dtpInspDat"), this);
    dtpInspDat->setToolTip(QStringLiteral("Datum der nächsten Inspektion (kann frei bleiben)"));
    BtSpeichern = knopf(QStringLiteral("BtSpeichern"), QStringLiteral("&Speichern"), this);
    BtSpeichern->setEnabled(false);
    btVerwerfen = knopf(QStringLiteral("btVerwerfen"), QStringLiteral("&Verwerfen"), this);
    btAbbrechen = knopf(QStringLiteral("btAbbrechen"), QStringLiteral("&Abbrechen"), this);

    auto* nummer = new QHBoxLayout;
    nummer->addWidget(EID);
    nummer->addWidget(BtID_lesen);
    auto* felder = new QFormLayout;
    felder->addRow(QStringLiteral("Kennzeichen, Fahrzeug"), eKFZ);
    felder->addRow(QStringLiteral("Kilometerstand"), eAnfKM);
    felder->addRow(QStringLiteral("Beginn des Fahrtenbuchs"), dtpStartDat);
    felder->addRow(QStringLiteral("Eingabeart:"), cbEingabeart);
    felder->addRow(QStringLiteral("Fahrzeug - ID"), nummer);
    felder->addRow(QStringLiteral("Nächste Inspektion bei Kilometerstand"), eInspKM);
    felder->addRow(QStringLiteral("Nächste Inspektion am"), dtpInspDat);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* button : {BtSpeichern, btVerwerfen, btAbbrechen})
        knoepfe->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);

    verbinden(eKFZ, &QLineEdit::textChanged, this, &TF_KFZNeu::eKFZChange);
    verbinden(eAnfKM, &QLineEdit::textChanged, this, &TF_KFZNeu::eAnfKMChange);
    verbinden(cbEingabeart, &QComboBox::activated, this, &TF_KFZNeu::cbEingabeartChange);
    verbinden(BtID_lesen, &QPushButton::clicked, this, &TF_KFZNeu::BtID_lesenClick);
    verbinden(BtSpeichern, &QPushButton::clicked, this, &TF_KFZNeu::btSpeichernClick);
    verbinden(btVerwerfen, &QPushButton::clicked, this, &TF_KFZNeu::btVerwerfenClick);
    verbinden(btAbbrechen, &QPushButton::clicked, this, &TF_KFZNeu::btAbbrechenClick);
    Feldverlassen::beobachten(eKFZ, [this] { eKFZExit(); });
    Feldverlassen::beobachten(EID, [this] { EIDExit(); });

    nummerFreigeben(false);
    setFixedSize(sizeHint());
    Fensterereignisse::fuer(this)
        .beimZeigen([this] { FormShow(); })
        .beimAktivieren([this] { FormActivate(); })
        .mittigUeberDemAufrufer();
}

void TF_KFZNeu::setMirelVerbindung(QWidget* fenster)
{
    mirelVerbindung_ = fenster;
    nummerFreigeben(EID->isEnabled());
}

void TF_KFZNeu::closeEvent(QCloseEvent* event)
{
    geschuetzt([this] { FormClose(); });
    event->accept();
}

void TF_KFZNeu::FormShow()
{
    dtpStartDat->setMinimumDate(QDate(2003, 1, 1));
    dtpStartDat->setDate(Clock::today());
    dtpInspDat->setMinimumDate(Clock::today());
    frischGezeigt_ = true;
}

void TF_KFZNeu::FormActivate()
{
    // A fresh showing starts empty; coming back after a message or from another window keeps the input.
    if (!frischGezeigt_)
        return;
    frischGezeigt_ = false;
    btVerwerfenClick();
}

void TF_KFZNeu::btVerwerfenClick()
{
    eKFZ->clear();
    eAnfKM->clear();
    eInspKM->clear();
    dtpInspDat->setDate(Clock::today());
    dtpInspDat->setEnabled(true);
    nummerFreigeben(false);
    cbEingabeart->setCurrentIndex(EingabeManuell);
    cbEingabeart->setEnabled(true);
}

void TF_KFZNeu::speichernFreigeben()
{
    BtSpeichern->setEnabled(!eKFZ->text().isEmpty() && !eAnfKM->text().isEmpty());
}

void TF_KFZNeu::eKFZChange()
{
    speichernFreigeben();
}

void TF_KFZNeu::eAnfKMChange()
{
    speichernFreigeben();
}

void TF_KFZNeu::eKFZExit()
{
    const QString bereinigt = kennzeichenBereinigen(eKFZ->text());
    if (bereinigt != eKFZ->text())
        eKFZ->setText(bereinigt);
}

void TF_KFZNeu::nummerFreigeben(bool frei)
{
    EID->setEnabled(frei);
    BtID_lesen->setEnabled(frei && mirelVerbindung_ != nullptr);
}

void TF_KFZNeu::cbEingabeartChange()
{
    const bool manuell = cbEingabeart->currentIndex() == EingabeManuell;
    if (manuell)
        EID->clear();
    nummerFreigeben(!manuell);
}

void TF_KFZNeu::BtID_lesenClick()
{
    if (!mirelVerbindung_)
        return;
    mirelVerbindung_->show();
    mirelVerbindung_->raise();
}

void TF_KFZNeu::EIDExit()
{
    const GanzzahlErgebnis nummer = ganzzahlLesen(EID->text());
    if (!nummer.gueltig) {
        prompt::warning(QStringLiteral("Fehler an Position: %1").arg(nummer.fehlerPosition));
        EID->setFocus();
        return;
    }
    EID->setText(QString::number(nummer.wert));
}

// The recorder number of a card or serial vehicle; -1 when none is given or the vehicle is typed
// by hand (a number left over from an earlier vehicle must not stick to it).
bool TF_KFZNeu::fahrzeugnummer(int& kfzid)
{
    kfzid = -1;
    if (cbEingabeart->currentIndex() == EingabeManuell || EID->text().isEmpty())
        return true;
    const GanzzahlErgebnis nummer = ganzzahlLesen(EID->text());
    if (!nummer.gueltig) {
        prompt::warning(QStringLiteral("Fehler an Position: %1").arg(nummer.fehlerPosition));
        EID->setFocus();
        return false;
    }
    kfzid = nummer.wert;
    return true;
}

bool TF_KFZNeu::inspektionPruefen(int anfKm, int inspKm)
{
    switch (inspektion::neuesFahrzeugPruefen(inspKm, anfKm, dtpInspDat->date(), Clock::today())) {
    case inspektion::NeuFehler::Datum:
        prompt::beep();
        prompt::error(QStringLiteral("Das Datum der Inspektion muß in der Zukunft liegen."));
        dtpInspDat->setFocus();
        return false;
    case inspektion::NeuFehler::Kilometer:
        prompt::error(QStringLiteral("Der Inspektions-Kilometerstand muß größer als der Anfangskilometerstand sein."));
        eInspKM->setFocus();
        return false;
    case inspektion::NeuFehler::Keiner:
        break;
    }
    return true;
}

void TF_KFZNeu::btSpeichernClick()
{
    eKFZExit();
    if (eKFZ->text().isEmpty() || eAnfKM->text().isEmpty())
        return;
    NeuesFahrzeug kfz;
    kfz.kennzeichen = eKFZ->text();
    kfz.anfkm = eAnfKM->wert();
    kfz.start = QDateTime(dtpStartDat->date(), QTime(0, 0));
    kfz.eingabeart = cbEingabeart->currentIndex();
    kfz.inspkm = eInspKM->wert();
    kfz.inspdat = dtpInspDat->date();
    if (!fahrzeugnummer(kfz.kfzid) || !inspektionPruefen(kfz.anfkm, kfz.inspkm))
        return;

    if (fahrzeuganlage::anlegen(kfz)) {
        close();
        emit angelegt();
    } else {
        prompt::beep();
        prompt::error(QStringLiteral("Das Fahrzeug ist bereits vorhanden."));
        eKFZ->setFocus();
    }
    if (kfz.eingabeart == EingabeMirel)
        eichenAnbieten();
}

void TF_KFZNeu::eichenAnbieten()
{
    if (prompt::confirm(QStringLiteral("Bestätigung"), QStringLiteral("Wollen Sie das Fahrtenbuch jetzt eichen?")) &&
        mirelVerbindung_) {
        mirelVerbindung_->show();
        mirelVerbindung_->raise();
    }
}

void TF_KFZNeu::btAbbrechenClick()
{
    close();
    emit abgebrochen();
}

void TF_KFZNeu::FormClose()
{
    eKFZ->clear();
    eAnfKM->clear();
    eInspKM->clear();
    dtpInspDat->setDate(Clock::today());
    dtpInspDat->setEnabled(true);
}
