#include "app/THauptform.h"

#include "common/Clock.h"
#include "common/Prompts.h"
#include "common_ui/Feldanfang.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Sanduhr.h"
#include "common_ui/Schriftmass.h"
#include "common_ui/Signalfarbe.h"
#include "db/Database.h"
#include "logbuch/FahrzeugStore.h"
#include "logbuch/OptionenStore.h"
#include "db/Serveradresse.h"
#include "logbuch/Sitzung.h"
#include "evaluation/Exportname.h"
#include "evaluation/report/Verfahrensdokumentation.h"
#include "master/Inspektionsanzeige.h"
#include "platform/Programmdateien.h"
#include "start/Logbuchoeffnung.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

namespace {

const QString hinweisErfassen = QStringLiteral(
    "Um Fahrten zu erfassen, wählen Sie Ihr Fahrzeug aus und drücken OK. Falls das Fahrzeug auf Varno eingestellt "
    "ist, werden Ihnen alle unbearbeiteten, von der Speicherkarte eingelesenen, Fahrten angezeigt.");
const QString hinweisAuswerten = QStringLiteral("Hier können Sie Ihre Fahrten filtern, anzeigen und drucken.");
const QString hinweisCFlesen = QStringLiteral(
    "Legen Sie die Speicherkarte in Ihr Laufwerk und klicken OK. Die Daten werden in die Datenbank übernommen und "
    "können nach Auswahl des Fahrzeugs mit der Option \"Fahrten erfassen\" übernommen werden.");

// A logo.gif in the working folder takes the place of the one the program ships.
QString logodatei()
{
    const QString name = QStringLiteral("logo.gif");
    const QString eigenes = QDir::current().filePath(name);
    return QFileInfo::exists(eigenes) ? eigenes : programmdateien::datei(name);
}

QLineEdit* anzeigefeld(const QString& name, QWidget* parent)
{
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(name);
    feld->setReadOnly(true);
    feld->setEnabled(false);
    Feldanfang::einrichten(feld);
    return feld;
}

// Opens the logbook on the server; an empty database gets a new logbook when the user agrees.
// False when nothing was opened; the user was told why.
bool serverlogbuchBereit(const QString& adresse)
{
    try {
        return logbuchoeffnung::oeffnen(adresse, Database::Access::ReadWrite, [](const QString& meldung) {
            return prompt::confirm(QStringLiteral("Bestätigung"),
                                   meldung + QStringLiteral("\nSoll dort ein neues Fahrtenbuch angelegt werden?"));
        });
    } catch (const DatabaseError& fehler) {
        prompt::error(fehler.message());
        return false;
    }
}

} // namespace

THauptform::THauptform(Sitzung& sitzung, QWidget* parent) : QMainWindow(parent), sitzung_(sitzung)
{
    setObjectName(QStringLiteral("Hauptform"));
    setWindowTitle(QStringLiteral("Varno Fahrtenbuchsoftware"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* zentrale = new QWidget(this);
    setCentralWidget(zentrale);

    CbKFZ = new QComboBox(zentrale);
    CbKFZ->setObjectName(QStringLiteral("CbKFZ"));
    CbKFZ->setEditable(false);
    CbKFZ->setEnabled(false);
    eKmStand = anzeigefeld(QStringLiteral("eKmStand"), zentrale);
    eInspKm = anzeigefeld(QStringLiteral("eInspKm"), zentrale);
    eInspDat = anzeigefeld(QStringLiteral("eInspDat"), zentrale);
    EFahrten = anzeigefeld(QStringLiteral("EFahrten"), zentrale);
    EFahrten->setReadOnly(false);

    auto* felder = new QGridLayout;
    felder->addWidget(new QLabel(QStringLiteral("Fahrzeug"), zentrale), 0, 0, 1, 3);
    felder->addWidget(CbKFZ, 1, 0, 1, 3);
    felder->addWidget(new QLabel(QStringLiteral("Kilometerstand"), zentrale), 2, 0);
    felder->addWidget(new QLabel(QStringLiteral("Inspektion in km"), zentrale), 2, 1);
    felder->addWidget(new QLabel(QStringLiteral("Inspektion am"), zentrale), 2, 2);
    felder->addWidget(eKmStand, 3, 0);
    felder->addWidget(eInspKm, 3, 1);
    felder->addWidget(eInspDat, 3, 2);
    auto* fahrtenZeile = new QHBoxLayout;
    fahrtenZeile->addWidget(new QLabel(QStringLiteral("unbearbeite Fahrten:"), zentrale));
    fahrtenZeile->addWidget(EFahrten);
    fahrtenZeile->addStretch();
    felder->addLayout(fahrtenZeile, 4, 0, 1, 3);

    auto* assistent = new QGroupBox(QStringLiteral("Assistent"), zentrale);
    assistent->setObjectName(QStringLiteral("GroupBox1"));
    RBCFlesen = new QRadioButton(QStringLiteral("&Speicherkarte einlesen"), assistent);
    RBCFlesen->setObjectName(QStringLiteral("RBCFlesen"));
    RBerfassen = new QRadioButton(QStringLiteral("&Fahrten erfassen"), assistent);
    RBerfassen->setObjectName(QStringLiteral("RBerfassen"));
    RBerfassen->setChecked(true);
    RBauswerten = new QRadioButton(QStringLiteral("Aus&werten / vorhandene Daten einsehen"), assistent);
    RBauswerten->setObjectName(QStringLiteral("RBauswerten"));
    BtOK = knopf(QStringLiteral("BtOK"), QStringLiteral("&OK"), assistent);
    BtEnde = knopf(QStringLiteral("BtEnde"), QStringLiteral("Varno &beenden"), assistent);
    Mhinweis = new QPlainTextEdit(assistent);
    Mhinweis->setObjectName(QStringLiteral("Mhinweis"));
    Mhinweis->setPlainText(QStringLiteral("Um Fahrten zu erfassen, wählen Sie Ihr \nFahrzeug aus und drücken OK."));
    Mhinweis->setEnabled(false);
    Mhinweis->setFixedHeight(schriftmass::hoehe(90));

    auto* assistentLayout = new QGridLayout(assistent);
    assistentLayout->addWidget(RBCFlesen, 0, 0);
    assistentLayout->addWidget(RBerfassen, 1, 0);
    assistentLayout->addWidget(RBauswerten, 2, 0);
    assistentLayout->addWidget(BtOK, 0, 1);
    assistentLayout->addWidget(BtEnde, 2, 1);
    assistentLayout->addWidget(Mhinweis, 3, 0, 1, 2);

    Image1 = new QLabel(zentrale);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setMinimumHeight(100);

    auto* layout = new QVBoxLayout(zentrale);
    layout->addLayout(felder);
    layout->addWidget(assistent);
    layout->addWidget(Image1);

    baueMenue();

    verbinden(CbKFZ, &QComboBox::activated, this, &THauptform::CbKFZChange);
    verbinden(RBerfassen, &QRadioButton::clicked, this, &THauptform::RBerfassenClick);
    verbinden(RBauswerten, &QRadioButton::clicked, this, &THauptform::RBauswertenClick);
    verbinden(RBCFlesen, &QRadioButton::clicked, this, &THauptform::RBCFlesenClick);
    verbinden(BtOK, &QPushButton::clicked, this, &THauptform::BtOKClick);
    verbinden(BtEnde, &QPushButton::clicked, this, &THauptform::BtEndeClick);
    verbinden(&sitzung_, &Sitzung::fahrtenbuchGeaendert, this, &THauptform::fahrtenbuchGeaendert);

    const QSize groesse = schriftmass::groesse(430, 480);
    resize(groesse);
    setFixedSize(sizeHint().expandedTo(groesse));
    Fensterereignisse::fuer(this)
        .beimZeigen([this] {
            if (std::exchange(ersteAnzeige_, false))
                FormShow();
        })
        .beimAktivieren([this] { FormActivate(); })
        .beimVerlassen([this] { FormDeactivate(); });
}

QAction* THauptform::menuePunkt(QMenu* menu, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setEnabled(false);
    return action;
}

void THauptform::baueMenue()
{
    QMenu* programm = menuBar()->addMenu(QStringLiteral("&Programm"));
    aDatensicherung_ = menuePunkt(programm, QStringLiteral("&Datensicherung"));
    aBenutzer_ = menuePunkt(programm, QStringLiteral("Ben&utzer"));
    aMandanten_ = menuePunkt(programm, QStringLiteral("&Mandanten"));
    programm->addSeparator();
    aBeenden_ = programm->addAction(QStringLiteral("&Beenden"));
    QMenu* auswertung = menuBar()->addMenu(QStringLiteral("&Auswertung"));
    aFahrten_ = menuePunkt(auswertung, QStringLiteral("&Fahrten"));
    QMenu* verwaltung = menuBar()->addMenu(QStringLiteral("&Verwaltung"));
    aFahrzeuge_ = menuePunkt(verwaltung, QStringLiteral("Fahr&zeuge"));
    aFahrer_ = menuePunkt(verwaltung, QStringLiteral("&Fahrer"));
    aSpeicherkarte_ = menuePunkt(verwaltung, QStringLiteral("&Speicherkarte"));
    QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    aOptionen_ = menuePunkt(extras, QStringLiteral("&Optionen"));
    aPruefung_ = menuePunkt(extras, QStringLiteral("Fahrtenbuch &prüfen"));
    aProtokoll_ = menuePunkt(extras, QStringLiteral("P&rotokoll"));
    aVerfahrensdokumentation_ = extras->addAction(QStringLiteral("&Verfahrensdokumentation …"));
    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    aInhalt_ = hilfe->addAction(QStringLiteral("&Inhalt"));
    aStichwort_ = hilfe->addAction(QStringLiteral("&Stichwort"));
    aUeber_ = menuePunkt(hilfe, QStringLiteral("Ü&ber"));

    verbinden(aDatensicherung_, &QAction::triggered, this, &THauptform::zeigeDatensicherung);
    verbinden(aBeenden_, &QAction::triggered, this, &THauptform::BtEndeClick);
    verbinden(aFahrten_, &QAction::triggered, this, [this] { ziele_.auswertung->show(); });
    verbinden(aFahrzeuge_, &QAction::triggered, this, [this] {
        ziele_.kfz->show();
        Reload();
    });
    verbinden(aFahrer_, &QAction::triggered, this, [this] { ziele_.fahrer->show(); });
    verbinden(aSpeicherkarte_, &QAction::triggered, this, [this] { ziele_.speicherkarte->show(); });
    verbinden(aOptionen_, &QAction::triggered, this, [this] { ziele_.optionen->exec(); });
    verbinden(aPruefung_, &QAction::triggered, this, [this] { ziele_.pruefung->show(); });
    verbinden(aProtokoll_, &QAction::triggered, this, [this] { ziele_.protokoll->show(); });
    verbinden(aVerfahrensdokumentation_, &QAction::triggered, this, &THauptform::verfahrensdokumentationSchreiben);
    verbinden(aInhalt_, &QAction::triggered, this, &THauptform::zeigeHilfeHinweis);
    verbinden(aStichwort_, &QAction::triggered, this, &THauptform::zeigeHilfeHinweis);
    verbinden(aUeber_, &QAction::triggered, this, [this] { ziele_.ueber->show(); });
}

void THauptform::setZiele(const Hauptfensterziele& ziele)
{
    ziele_ = ziele;
    for (QWidget* fenster : {ziele_.eingabe, ziele_.datensicherung})
        if (fenster)
            fenster->installEventFilter(this);
    aktualisiereMenue();
}

void THauptform::aktualisiereMenue()
{
    aDatensicherung_->setEnabled(ziele_.datensicherung != nullptr);
    aFahrten_->setEnabled(ziele_.auswertung != nullptr);
    aFahrzeuge_->setEnabled(ziele_.kfz != nullptr);
    aFahrer_->setEnabled(ziele_.fahrer != nullptr);
    aSpeicherkarte_->setEnabled(ziele_.speicherkarte != nullptr);
    aOptionen_->setEnabled(ziele_.optionen != nullptr);
    aPruefung_->setEnabled(ziele_.pruefung != nullptr);
    aProtokoll_->setEnabled(ziele_.protokoll != nullptr);
    aUeber_->setEnabled(ziele_.ueber != nullptr);
}

void THauptform::closeEvent(QCloseEvent* event)
{
    // The title bar's close ends the program as "Varno beenden" does; the windows without a parent
    // (card import, backup) would otherwise keep it running with the main window gone.
    geschuetzt([this] { BtEndeClick(); });
    QMainWindow::closeEvent(event);
}

bool THauptform::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide) {
        // Minimising or leaving the virtual desktop hides the entry as well (a spontaneous hide):
        // it stays open, and its vehicle with it.
        if (watched == ziele_.eingabe && !event->spontaneous())
            geschuetzt([this] { fahrtenerfassungBeendet(); });
        else if (watched == ziele_.datensicherung)
            setEnabled(true);
    }
    return QMainWindow::eventFilter(watched, event);
}

void THauptform::FormShow()
{
    const QString logbuch = sitzung_.logbuch();
    if (istServeradresse(logbuch)) {
        serverlogbuchOeffnen(logbuch);
        return;
    }
    const std::optional<Startbefund> befund = logbuchoeffnung::dateiPruefen(startpruefung_, logbuch);
    if (!befund) {
        startAbgebrochen_ = true;
        emit beenden();
        return;
    }
    sitzung_.setDatenbankVorhanden(befund->weiter != Startbefund::Weiter::Sicherungsfenster);
    if (!sitzung_.datenbankVorhanden()) {
        prompt::message(befund->meldung);
        return;
    }
    logbuchOeffnen(logbuch, *befund);
    CbKFZ->setEnabled(true);
}

// A server that cannot be reached, or a login the user cancels, ends the start: nothing local is
// opened instead, so no trip lands in a logbook the colleagues do not see.
void THauptform::serverlogbuchOeffnen(const QString& adresse)
{
    if (!serverlogbuchBereit(adresse)) {
        startAbgebrochen_ = true;
        emit beenden();
        return;
    }
    sitzung_.setDatenbankVorhanden(true);
    CbKFZ->setEnabled(true);
}

void THauptform::logbuchOeffnen(const QString& logbuch, const Startbefund& befund)
{
    if (befund.weiter == Startbefund::Weiter::NurLesendOeffnen) {
        logbuchoeffnung::oeffnen(logbuch, Database::Access::ReadOnly);
        prompt::warning(befund.meldung);
    } else if (!Database::isOpen()) {
        logbuchoeffnung::oeffnen(logbuch, Database::Access::ReadWrite);
    }
}

void THauptform::DatenbankBereit()
{
    CbKFZ->setEnabled(true);
    FormActivate();
}

void THauptform::FormActivate()
{
    if (startAbgebrochen_)
        return;
    const QString logo = logodatei();
    if (QFileInfo::exists(logo))
        Image1->setPixmap(QPixmap(logo));
    if (!sitzung_.datenbankVorhanden()) {
        zeigeDatensicherung();
        return;
    }
    Reload();
    if (const KFZEintrag* eintrag = angezeigtesFahrzeug())
        sitzung_.setAktuellesFahrzeug(eintrag->ID);
}

void THauptform::Reload()
{
    sitzung_.fahrzeugeLaden();
    const OptionenStore::Hauptfenster fenster = OptionenStore::hauptfenster();
    move(fenster.x, fenster.y);
    fahrzeugeZeigen(listenplatz(sitzung_.fahrzeuge(), fenster.letztesFahrzeug));
}

void THauptform::fahrzeugeZeigen(int index)
{
    const std::vector<KFZEintrag>& fahrzeuge = sitzung_.fahrzeuge();
    CbKFZ->clear();
    for (const KFZEintrag& eintrag : fahrzeuge)
        if (!eintrag.Abgeschlossen)
            CbKFZ->addItem(eintrag.KZuFzg);
    if (sitzung_.fahrtenerfassungLaeuft()) {
        // During trip entry the window keeps showing the vehicle the trips are stored under.
        for (std::size_t i = 0; i < fahrzeuge.size(); ++i)
            if (fahrzeuge[i].ID == sitzung_.aktuellesFahrzeug())
                index = static_cast<int>(i);
    }
    CbKFZ->setCurrentIndex(index);
    KFZDetails();
}

void THauptform::fahrtenbuchGeaendert()
{
    // New readings or raw trips (a card may also bring new vehicles): the list is read afresh and
    // the current vehicle stays selected.
    sitzung_.fahrzeugeLaden();
    int index = 0;
    for (std::size_t i = 0; i < sitzung_.fahrzeuge().size(); ++i)
        if (sitzung_.fahrzeuge()[i].ID == sitzung_.aktuellesFahrzeug())
            index = static_cast<int>(i);
    fahrzeugeZeigen(index);
}

const KFZEintrag* THauptform::angezeigtesFahrzeug() const
{
    const int index = CbKFZ->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= sitzung_.fahrzeuge().size())
        return nullptr;
    return &sitzung_.fahrzeuge()[static_cast<std::size_t>(index)];
}

void THauptform::KFZDetails()
{
    const KFZEintrag* angezeigt = angezeigtesFahrzeug();
    if (!angezeigt)
        return;
    const KFZEintrag& eintrag = *angezeigt;

    eKmStand->setText(QString::number(eintrag.KmStand));

    const Inspektionsanzeige inspektion = inspektionsanzeige(eintrag, Clock::today());
    eInspKm->setText(inspektion.restKm);
    signalfarbe::gelberGrund(eInspKm, inspektion.kmWarnung);
    eInspDat->setText(inspektion.datum);
    signalfarbe::gelberGrund(eInspDat, inspektion.datumWarnung);

    sitzung_.setAktuellesFahrzeug(eintrag.ID);
    const int offen = FahrzeugStore::unbearbeiteteFahrten(FahrzeugStore::schluessel(eintrag.ID));
    EFahrten->setText(offen < 1 ? QStringLiteral("keine") : QString::number(offen));
}

void THauptform::CbKFZChange(int)
{
    KFZDetails();
    const KFZEintrag* eintrag = angezeigtesFahrzeug();
    if (eintrag && logbuchBeschreibbar())
        OptionenStore::fahrzeugMerken(eintrag->ID);
}

void THauptform::RBerfassenClick()
{
    Mhinweis->setPlainText(hinweisErfassen);
}

void THauptform::RBauswertenClick()
{
    Mhinweis->setPlainText(hinweisAuswerten);
}

void THauptform::RBCFlesenClick()
{
    Mhinweis->setPlainText(hinweisCFlesen);
}

void THauptform::BtOKClick()
{
    if (RBerfassen->isChecked()) {
        if (!ziele_.eingabe)
            return;
        const int aktuell = sitzung_.aktuellesFahrzeug();
        const KFZEintrag* fahrzeug = sitzung_.fahrzeug(aktuell);
        if (!fahrzeug && !sitzung_.fahrzeuge().empty())
            fahrzeug = &sitzung_.fahrzeuge().front();
        if (fahrzeug && fahrzeug->Eingabeart == EingabeVarno &&
            FahrzeugStore::unbearbeiteteFahrten(FahrzeugStore::schluessel(aktuell)) < 1) {
            prompt::message(QStringLiteral("Für dieses Fahrzeug liegen keine Daten zur Bearbeitung vor."));
            return;
        }
        fahrtenerfassungOeffnen();
    } else if (RBauswerten->isChecked()) {
        if (ziele_.auswertung)
            ziele_.auswertung->show();
    } else if (RBCFlesen->isChecked()) {
        if (ziele_.kartenimport)
            ziele_.kartenimport->show();
    }
}

void THauptform::fahrtenerfassungOeffnen()
{
    CbKFZ->setEnabled(false);
    sitzung_.setFahrtenerfassungLaeuft(true);
    ziele_.eingabe->show();
}

void THauptform::fahrtenerfassungBeendet()
{
    sitzung_.setFahrtenerfassungLaeuft(false);
    CbKFZ->setEnabled(sitzung_.datenbankVorhanden());
}

void THauptform::zeigeDatensicherung()
{
    if (!ziele_.datensicherung)
        return;
    setEnabled(false);
    ziele_.datensicherung->show();
    ziele_.datensicherung->raise();
}

void THauptform::zeigeHilfeHinweis()
{
    prompt::message(QStringLiteral("Die Hilfefunktion ist noch nicht implementiert."));
}

void THauptform::verfahrensdokumentationSchreiben()
{
    if (!Database::isOpen()) {
        prompt::warning(QStringLiteral("Es ist kein Fahrtenbuch geöffnet."));
        return;
    }
    const QString gewaehlt = Prompts::instance().saveFile(
        QStringLiteral("Verfahrensdokumentation"), QDir::home().filePath(QStringLiteral("Verfahrensdokumentation.pdf")),
        QStringLiteral("PDF-Datei (*.pdf)"));
    if (gewaehlt.isEmpty())
        return;
    const QString pfad = exportname::mitEndung(gewaehlt, QStringLiteral("pdf"));
    {
        const Sanduhr sanduhr;
        verfahrensdokumentation::schreiben(pfad);
    }
    prompt::information(
        QStringLiteral("Die Verfahrensdokumentation wurde geschrieben:\n%1").arg(QDir::toNativeSeparators(pfad)));
}

void THauptform::BtEndeClick()
{
    if (logbuchBeschreibbar())
        OptionenStore::fensterposSpeichern(x(), y());
    emit beenden();
}

void THauptform::FormDeactivate()
{
    if (logbuchBeschreibbar())
        OptionenStore::fensterposSpeichern(x(), y());
}

// The window position and the last vehicle are remembered only in a logbook that is open for
// writing; a write-protected one is used as it stands.
bool THauptform::logbuchBeschreibbar() const
{
    return sitzung_.datenbankVorhanden() && Database::isOpen() && !Database::isReadOnly();
}
