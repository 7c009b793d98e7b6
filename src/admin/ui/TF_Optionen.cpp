#include "admin/ui/TF_Optionen.h"

#include "admin/Optionenauswahl.h"
#include "audit/Dienstadresse.h"
#include "common/Prompts.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "start/Datenbankwahl.h"
#include "logbuch/OptionenStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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

QLineEdit* feld(const QString& name, QWidget* parent)
{
    auto* eingabe = new QLineEdit(parent);
    eingabe->setObjectName(name);
    return eingabe;
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

    cbxMusterKFZ = new QCheckBox(QStringLiteral("&Musterfahrzeug in Auswertung einbeziehen"), this);
    cbxMusterKFZ->setObjectName(QStringLiteral("cbxMusterKFZ"));
    cbxLKFZ = new QCheckBox(QStringLiteral("&zuletzt bearbeitetes Fahrzeug beim Start anzeigen"), this);
    cbxLKFZ->setObjectName(QStringLiteral("cbxLKFZ"));
    cbTFahrt = auswahlliste(QStringLiteral("cbTFahrt"), optionenauswahl::fahrtdauerEintraege(), this);
    // Until a stored duration is recognised nothing is selected.
    cbTFahrt->setCurrentIndex(-1);
    cbV = auswahlliste(QStringLiteral("cbV"), optionenauswahl::geschwindigkeitEintraege(), this);
    btOK = knopf(QStringLiteral("btOK"), QStringLiteral("&OK"), this);
    btAbbrechen = knopf(QStringLiteral("btAbbrechen"), QStringLiteral("&Abbrechen"), this);
    btUebernehmen = knopf(QStringLiteral("btUebernehmen"), QStringLiteral("Ü&bernehmen"), this);
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
    layout->addWidget(datenbankAbschnitt());
    layout->addWidget(zeitstempelAbschnitt());
    layout->addLayout(knoepfe);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    verbinden(cbxMusterKFZ, &QCheckBox::clicked, this, &TF_Optionen::geaendert);
    verbinden(cbxLKFZ, &QCheckBox::clicked, this, &TF_Optionen::geaendert);
    verbinden(cbTFahrt, &QComboBox::currentIndexChanged, this, &TF_Optionen::geaendert);
    verbinden(cbV, &QComboBox::currentIndexChanged, this, &TF_Optionen::geaendert);
    verbinden(btOK, &QPushButton::clicked, this, &TF_Optionen::btOKClick);
    verbinden(btUebernehmen, &QPushButton::clicked, this, &TF_Optionen::btUebernehmenClick);
    verbinden(btAbbrechen, &QPushButton::clicked, this, &TF_Optionen::btAbbrechenClick);
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); });
}

QGroupBox* TF_Optionen::datenbankAbschnitt()
{
    gbDatenbank = new QGroupBox(QStringLiteral("Datenbank"), this);
    gbDatenbank->setObjectName(QStringLiteral("gbDatenbank"));
    rbLokal = new QRadioButton(QStringLiteral("&Lokal (Datei)"), gbDatenbank);
    rbLokal->setObjectName(QStringLiteral("rbLokal"));
    rbServer = new QRadioButton(QStringLiteral("Se&rver (PostgreSQL)"), gbDatenbank);
    rbServer->setObjectName(QStringLiteral("rbServer"));
    eRechner = feld(QStringLiteral("eRechner"), gbDatenbank);
    ePort = feld(QStringLiteral("ePort"), gbDatenbank);
    ePort->setMaxLength(5);
    eDatenbank = feld(QStringLiteral("eDatenbank"), gbDatenbank);
    eBenutzer = feld(QStringLiteral("eBenutzer"), gbDatenbank);

    auto* server = new QFormLayout;
    server->addRow(QStringLiteral("Rechner:"), eRechner);
    server->addRow(QStringLiteral("Port:"), ePort);
    server->addRow(QStringLiteral("Datenbank:"), eDatenbank);
    server->addRow(QStringLiteral("Benutzer:"), eBenutzer);
    auto* abschnitt = new QVBoxLayout(gbDatenbank);
    abschnitt->addWidget(rbLokal);
    abschnitt->addWidget(rbServer);
    abschnitt->addLayout(server);
    // The password is asked at start and never kept, so it has no field here.
    abschnitt->addWidget(
        new QLabel(QStringLiteral("Das Passwort fragt Varno beim Start, wenn der Server eines verlangt.\n"
                                  "Die Wahl gilt ab dem nächsten Start."),
                   gbDatenbank));

    verbinden(rbServer, &QRadioButton::toggled, this, &TF_Optionen::serverfelderFreigeben);
    verbinden(rbServer, &QRadioButton::clicked, this, &TF_Optionen::geaendert);
    verbinden(rbLokal, &QRadioButton::clicked, this, &TF_Optionen::geaendert);
    for (QLineEdit* eingabe : {eRechner, ePort, eDatenbank, eBenutzer})
        verbinden(eingabe, &QLineEdit::textEdited, this, &TF_Optionen::geaendert);
    return gbDatenbank;
}

QGroupBox* TF_Optionen::zeitstempelAbschnitt()
{
    gbZeitstempel = new QGroupBox(QStringLiteral("Zeitstempel"), this);
    gbZeitstempel->setObjectName(QStringLiteral("gbZeitstempel"));
    eZeitstempeldienst = feld(QStringLiteral("eZeitstempeldienst"), gbZeitstempel);
    eZeitstempeldienst->setPlaceholderText(QStringLiteral("keiner"));
    eZeitstempelzertifikat = feld(QStringLiteral("eZeitstempelzertifikat"), gbZeitstempel);
    eZeitstempelzertifikat->setPlaceholderText(QStringLiteral("die Zertifikate des Systems"));
    btZertifikat = knopf(QStringLiteral("btZertifikat"), QStringLiteral("Aus&wählen …"), gbZeitstempel);
    auto* zertifikat = new QHBoxLayout;
    zertifikat->addWidget(eZeitstempelzertifikat);
    zertifikat->addWidget(btZertifikat);
    auto* felder = new QFormLayout(gbZeitstempel);
    felder->addRow(QStringLiteral("Zeitstempeldienst (URL):"), eZeitstempeldienst);
    felder->addRow(QStringLiteral("Zertifikat des Dienstes:"), zertifikat);
    felder->addRow(new QLabel(QStringLiteral("Jede Datensicherung und jedes Jahresfahrtenbuch erhält dann einen "
                                             "Zeitstempel des Dienstes.\nDie Einstellung gilt für alle Benutzer "
                                             "dieses Fahrtenbuchs."),
                              gbZeitstempel));
    for (QLineEdit* eingabe : {eZeitstempeldienst, eZeitstempelzertifikat})
        verbinden(eingabe, &QLineEdit::textEdited, this, &TF_Optionen::geaendert);
    verbinden(btZertifikat, &QPushButton::clicked, this, &TF_Optionen::btZertifikatClick);
    return gbZeitstempel;
}

void TF_Optionen::btZertifikatClick()
{
    const QString datei = Prompts::instance().openFile(
        QStringLiteral("Zertifikat des Zeitstempeldienstes"), QFileInfo(eZeitstempelzertifikat->text()).absolutePath(),
        QStringLiteral("Zertifikate (*.pem *.crt *.cer);;Alle Dateien (*)"));
    if (datei.isEmpty())
        return;
    eZeitstempelzertifikat->setText(datei);
    geaendert();
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
    datenbankwahlZeigen();
    const OptionenStore::Zeitstempelung zeitstempelung = OptionenStore::zeitstempelung();
    eZeitstempeldienst->setText(zeitstempelung.dienst);
    eZeitstempelzertifikat->setText(zeitstempelung.zertifikat);
    btUebernehmen->setEnabled(false);
}

void TF_Optionen::datenbankwahlZeigen()
{
    const Datenbankwahl wahl = Datenbankwahl::laden();
    (wahl.server ? rbServer : rbLokal)->setChecked(true);
    eRechner->setText(wahl.adresse.rechner);
    ePort->setText(QString::number(wahl.adresse.port));
    eDatenbank->setText(wahl.adresse.datenbank);
    eBenutzer->setText(wahl.adresse.benutzer);
    serverfelderFreigeben();
}

void TF_Optionen::serverfelderFreigeben()
{
    for (QLineEdit* eingabe : {eRechner, ePort, eDatenbank, eBenutzer})
        eingabe->setEnabled(rbServer->isChecked());
}

bool TF_Optionen::datenbankwahlSpeichern()
{
    const auto gelesen = datenbankwahlLesen(rbServer->isChecked(), eRechner->text(), ePort->text(), eDatenbank->text(),
                                            eBenutzer->text());
    if (const auto* meldung = std::get_if<QString>(&gelesen)) {
        prompt::beep();
        prompt::error(*meldung);
        return false;
    }
    const Datenbankwahl& wahl = std::get<Datenbankwahl>(gelesen);
    if (wahl == Datenbankwahl::laden())
        return true;
    wahl.speichern();
    prompt::information(QStringLiteral("Die Datenbankwahl gilt ab dem nächsten Start von Varno."));
    return true;
}

// A wrong address or a missing certificate file is refused before anything is stored.
bool TF_Optionen::zeitstempelungPruefen()
{
    const QString dienst = eZeitstempeldienst->text().trimmed();
    const QString zertifikat = eZeitstempelzertifikat->text().trimmed();
    std::optional<QString> meldung = dienstadresse::fehler(dienst);
    QLineEdit* feld = eZeitstempeldienst;
    if (!meldung && !zertifikat.isEmpty() && !QFileInfo(zertifikat).isFile()) {
        meldung = QStringLiteral("Die Zertifikatsdatei %1 gibt es nicht.").arg(zertifikat);
        feld = eZeitstempelzertifikat;
    }
    if (meldung) {
        prompt::beep();
        prompt::error(*meldung);
        feld->setFocus();
        return false;
    }
    return true;
}

bool TF_Optionen::Speichern()
{
    if (!zeitstempelungPruefen() || !datenbankwahlSpeichern())
        return false;
    OptionenStore::zeitstempelungSpeichern(
        {.dienst = eZeitstempeldienst->text().trimmed(), .zertifikat = eZeitstempelzertifikat->text().trimmed()});
    OptionenStore::speichern({
        .lKFZ = cbxLKFZ->isChecked() ? angekreuzt : nichtAngekreuzt,
        .Muster = cbxMusterKFZ->isChecked() ? angekreuzt : nichtAngekreuzt,
        .tFahrt = optionenauswahl::zahlAmAnfang(cbTFahrt->currentText()),
        .V = optionenauswahl::zahlAmAnfang(cbV->currentText()),
    });
    return true;
}

void TF_Optionen::btOKClick()
{
    if (Speichern())
        accept();
}

void TF_Optionen::btUebernehmenClick()
{
    if (Speichern())
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
