#include "admin/ui/TF_Optionen.h"

#include "admin/Optionenauswahl.h"
#include "common_ui/Handler.h"
#include "db/OptionenStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int angekreuzt = -1;
constexpr int nichtAngekreuzt = 0;

QPushButton* knopf(const QString& name, const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QComboBox* auswahlliste(const QString& name, const QStringList& eintraege, QWidget* parent)
{
    auto* liste = new QComboBox(parent);
    liste->setObjectName(name);
    liste->setEditable(false);
    liste->addItems(eintraege);
    return liste;
}

} // namespace

TF_Optionen::TF_Optionen(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("F_Optionen"));
    setWindowTitle(QStringLiteral("Optionen"));

    cbxMusterKFZ = new QCheckBox(QStringLiteral("Musterfahrzeug in Auswertung einbeziehen"), this);
    cbxMusterKFZ->setObjectName(QStringLiteral("cbxMusterKFZ"));
    cbxLKFZ = new QCheckBox(QStringLiteral("zuletzt bearbeitetes Fahrzeug beim Start anzeigen"), this);
    cbxLKFZ->setObjectName(QStringLiteral("cbxLKFZ"));
    cbTFahrt = auswahlliste(QStringLiteral("cbTFahrt"), optionenauswahl::fahrtdauerEintraege(), this);
    // Until a stored duration is recognised nothing is selected.
    cbTFahrt->setCurrentIndex(-1);
    cbV = auswahlliste(QStringLiteral("cbV"), optionenauswahl::geschwindigkeitEintraege(), this);
    btOK = knopf(QStringLiteral("btOK"), QStringLiteral("OK"), this);
    btAbbrechen = knopf(QStringLiteral("btAbbrechen"), QStringLiteral("Abbrechen"), this);
    btUebernehmen = knopf(QStringLiteral("btUebernehmen"), QStringLiteral("Übernehmen"), this);
    btUebernehmen->setEnabled(false);

    auto* grenzen = new QFormLayout;
    grenzen->addRow(QStringLiteral("Maximale Fahrtdauer pro Fahrt"), cbTFahrt);
    grenzen->addRow(QStringLiteral("Maximale Durchschnittsgeschwindigkeit pro Fahrt"), cbV);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(btOK);
    knoepfe->addWidget(btAbbrechen);
    knoepfe->addWidget(btUebernehmen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(cbxMusterKFZ);
    layout->addWidget(cbxLKFZ);
    layout->addLayout(grenzen);
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    verbinden(cbxMusterKFZ, &QCheckBox::clicked, this, &TF_Optionen::geaendert);
    verbinden(cbxLKFZ, &QCheckBox::clicked, this, &TF_Optionen::geaendert);
    verbinden(cbTFahrt, &QComboBox::currentIndexChanged, this, &TF_Optionen::geaendert);
    verbinden(cbV, &QComboBox::currentIndexChanged, this, &TF_Optionen::geaendert);
    verbinden(btOK, &QPushButton::clicked, this, &TF_Optionen::btOKClick);
    verbinden(btUebernehmen, &QPushButton::clicked, this, &TF_Optionen::btUebernehmenClick);
    verbinden(btAbbrechen, &QPushButton::clicked, this, &TF_Optionen::btAbbrechenClick);
}

void TF_Optionen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    geschuetzt([this] { FormShow(); });
}

void TF_Optionen::FormShow()
{
    Reload();
}

void TF_Optionen::Reload()
{
    const OptionenStore::Einstellungen einstellungen = OptionenStore::lesen();
    cbxLKFZ->setChecked(einstellungen.lKFZ != 0);
    cbxMusterKFZ->setChecked(einstellungen.Muster != 0);
    // An unknown duration keeps whatever the list showed before.
    if (const auto index = optionenauswahl::fahrtdauerIndex(einstellungen.tFahrt))
        cbTFahrt->setCurrentIndex(*index);
    cbV->setCurrentIndex(optionenauswahl::geschwindigkeitIndex(einstellungen.V));
    btUebernehmen->setEnabled(false);
}

void TF_Optionen::Speichern()
{
    OptionenStore::speichern({
        .lKFZ = cbxLKFZ->isChecked() ? angekreuzt : nichtAngekreuzt,
        .Muster = cbxMusterKFZ->isChecked() ? angekreuzt : nichtAngekreuzt,
        .tFahrt = optionenauswahl::zahlAmAnfang(cbTFahrt->currentText()),
        .V = optionenauswahl::zahlAmAnfang(cbV->currentText()),
    });
}

void TF_Optionen::btOKClick()
{
    Speichern();
    accept();
}

void TF_Optionen::btUebernehmenClick()
{
    Speichern();
    Reload();
}

void TF_Optionen::btAbbrechenClick()
{
    reject();
}

void TF_Optionen::geaendert()
{
    btUebernehmen->setEnabled(true);
}
