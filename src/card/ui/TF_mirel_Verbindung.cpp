#include "card/ui/TF_mirel_Verbindung.h"

#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "logbuch/OptionenStore.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr int windows9x = 0;
constexpr int windowsNT = 1;
constexpr int com1 = 1;
constexpr int com2 = 2;

QRadioButton* auswahl(const QString& name, const QString& text, QWidget* parent)
{
    auto* knopf = new QRadioButton(text, parent);
    knopf->setObjectName(name);
    return knopf;
}

QGroupBox* gruppe(const QString& name, const QString& titel, QRadioButton* erste, QRadioButton* zweite,
                  QWidget* parent)
{
    auto* box = new QGroupBox(titel, parent);
    box->setObjectName(name);
    erste->setParent(box);
    zweite->setParent(box);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(erste);
    layout->addWidget(zweite);
    return box;
}

} // namespace

TF_mirel_Verbindung::TF_mirel_Verbindung(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_mirel_Verbindung"));
    setWindowTitle(QStringLiteral("mirel Verbindung"));

    auto* label1 = new QLabel(QStringLiteral("Schliessen Sie das mirel an Ihren PC an"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("und überprüfen Sie die Anschlusseinstellung"), this);
    label2->setObjectName(QStringLiteral("Label2"));

    RB_BS1 = auswahl(QStringLiteral("RB_BS1"), QStringLiteral("Windows &95, 98 oder ME"), this);
    RB_BS2 = auswahl(QStringLiteral("RB_BS2"), QStringLiteral("Windows &NT, 2000 oder XP"), this);
    RB_S1 = auswahl(QStringLiteral("RB_S1"), QStringLiteral("COM &1"), this);
    RB_S2 = auswahl(QStringLiteral("RB_S2"), QStringLiteral("COM &2"), this);
    QGroupBox* betriebssystem =
        gruppe(QStringLiteral("GroupBox1"), QStringLiteral("Betriebssystem"), RB_BS1, RB_BS2, this);
    QGroupBox* schnittstelle = gruppe(QStringLiteral("GroupBox2"), QStringLiteral("Schnittstelle"), RB_S1, RB_S2, this);

    BtOK = knopf(QStringLiteral("BtOK"), QStringLiteral("&weiter"), this);
    BtOK->setAutoDefault(false);
    BtAbbrechen = knopf(QStringLiteral("BtAbbrechen"), QStringLiteral("&abbrechen"), this);
    BtAbbrechen->setAutoDefault(false);

    auto* gruppen = new QHBoxLayout;
    gruppen->addWidget(betriebssystem);
    gruppen->addWidget(schnittstelle);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addLayout(gruppen);
    layout->addLayout(knopfzeile({BtOK, BtAbbrechen}));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    verbinden(BtOK, &QPushButton::clicked, this, &TF_mirel_Verbindung::BtOKClick);
    verbinden(BtAbbrechen, &QPushButton::clicked, this, &TF_mirel_Verbindung::BtAbbrechenClick);
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); });
}

void TF_mirel_Verbindung::FormActivate()
{
    const OptionenStore::MirelVerbindung gespeichert = OptionenStore::mirelVerbindung();
    // Values other than the known ones show Windows NT and COM 2.
    (gespeichert.Betriebssystem == windows9x ? RB_BS1 : RB_BS2)->setChecked(true);
    (gespeichert.Schnittstelle == com1 ? RB_S1 : RB_S2)->setChecked(true);
}

void TF_mirel_Verbindung::BtOKClick()
{
    OptionenStore::mirelVerbindungSpeichern({
        .Betriebssystem = RB_BS1->isChecked() ? windows9x : windowsNT,
        .Schnittstelle = RB_S1->isChecked() ? com1 : com2,
    });
}

void TF_mirel_Verbindung::BtAbbrechenClick()
{
    reject();
}
