#include "master/ui/TF_Fahrer.h"

#include "common/Prompts.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftmass.h"
#include "logbuch/StammdatenStore.h"
#include "master/Fahrername.h"
#include "master/ui/Bedienelemente.h"
#include "master/ui/Tabellenspalten.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr std::initializer_list<int> fahrerspalten = {64, 188, 70, 102, 168};

QTableWidget* fahrertabelle(QWidget* parent)
{
    auto* tabelle = new QTableWidget(0, 5, parent);
    tabelle->setObjectName(QStringLiteral("SGFahrer"));
    tabelle->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Bemerkung"),
                                        QStringLiteral("Fahrtanzahl"), QStringLiteral("letzte Fahrt Ankunft"),
                                        QStringLiteral("letztes Fahrzeug")});
    listeEinrichten(tabelle, fahrerspalten);
    tabelle->verticalHeader()->setMinimumSectionSize(schriftmass::hoehe(18));
    tabelle->verticalHeader()->setDefaultSectionSize(schriftmass::hoehe(18));
    int breite = 2 * tabelle->frameWidth();
    for (int spalte = 0; spalte < tabelle->columnCount(); ++spalte)
        breite += tabelle->columnWidth(spalte);
    tabelle->setMinimumWidth(breite);
    return tabelle;
}

} // namespace

TF_Fahrer::TF_Fahrer(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("F_Fahrer"));
    setWindowTitle(QStringLiteral("Fahrerverwaltung"));

    BtNeu = knopf(QStringLiteral("BtNeu"), QStringLiteral("&Anlegen"), this);
    BtSpeichern = knopf(QStringLiteral("BtSpeichern"), QStringLiteral("&Speichern"), this);
    BtVerwerfen = knopf(QStringLiteral("BtVerwerfen"), QStringLiteral("&Verwerfen"), this);
    BtLoeschen = knopf(QStringLiteral("BtLoeschen"), QStringLiteral("&Löschen"), this);
    BtSchliessen = knopf(QStringLiteral("BtSchliessen"), QStringLiteral("S&chliessen"), this);
    EName = new QLineEdit(this);
    EName->setObjectName(QStringLiteral("EName"));
    mBemerkung = new QPlainTextEdit(this);
    mBemerkung->setObjectName(QStringLiteral("mBemerkung"));
    mBemerkung->setFixedHeight(schriftmass::hoehe(60));
    SGFahrer = fahrertabelle(this);

    auto* felder = new QGridLayout;
    felder->addWidget(new QLabel(QStringLiteral("Name:"), this), 0, 0);
    felder->addWidget(EName, 0, 1);
    felder->addWidget(new QLabel(QStringLiteral("Bemerkung:"), this), 1, 0, Qt::AlignTop);
    felder->addWidget(mBemerkung, 1, 1);
    auto* knoepfe = new QHBoxLayout;
    for (QPushButton* button : {BtNeu, BtSpeichern, BtVerwerfen, BtLoeschen, BtSchliessen})
        knoepfe->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(felder);
    layout->addLayout(knoepfe);
    layout->addWidget(SGFahrer);

    verbinden(SGFahrer, &QTableWidget::cellClicked, this, [this](int zeile) { SGFahrerClick(zeile); });
    verbinden(EName, &QLineEdit::textChanged, this, &TF_Fahrer::ENameChange);
    verbinden(mBemerkung, &QPlainTextEdit::textChanged, this, &TF_Fahrer::mBemerkungChange);
    verbinden(BtNeu, &QPushButton::clicked, this, &TF_Fahrer::BtNeuClick);
    verbinden(BtSpeichern, &QPushButton::clicked, this, &TF_Fahrer::BtSpeichernClick);
    verbinden(BtVerwerfen, &QPushButton::clicked, this, &TF_Fahrer::BtVerwerfenClick);
    verbinden(BtLoeschen, &QPushButton::clicked, this, &TF_Fahrer::BtLoeschenClick);
    verbinden(BtSchliessen, &QPushButton::clicked, this, &TF_Fahrer::BtSchliessenClick);

    resize(sizeHint().width(), schriftmass::hoehe(400));
    setFixedSize(size());
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); }).mittigUeberDemAufrufer();
}

void TF_Fahrer::FormActivate()
{
    // Returning to the window refreshes the list; what the user is typing stays.
    if (bearbeitet_)
        tabelleFuellen();
    else
        NeuLaden();
}

void TF_Fahrer::tabelleFuellen()
{
    fahrer_ = FahrerStore::alle();
    SGFahrer->clearContents();
    SGFahrer->setRowCount(static_cast<int>(fahrer_.size()));
    for (int zeile = 0; zeile < SGFahrer->rowCount(); ++zeile) {
        const FahrerStore::Fahrer& f = fahrer_[static_cast<std::size_t>(zeile)];
        const QStringList zellen = {f.name, f.bemerkung, QString::number(f.fahrten), f.letzteAnkunft,
                                    f.letztesFahrzeug};
        for (int spalte = 0; spalte < zellen.size(); ++spalte)
            SGFahrer->setItem(zeile, spalte, new QTableWidgetItem(zellen[spalte]));
    }
    spaltenAnpassen(SGFahrer, fahrerspalten);
}

void TF_Fahrer::felderSetzen(const QString& name, const QString& bemerkung)
{
    QScopedValueRollback<bool> programm(felderSetzen_, true);
    EName->setText(name);
    mBemerkung->setPlainText(bemerkung);
}

void TF_Fahrer::NeuLaden()
{
    tabelleFuellen();
    felderSetzen({}, {});
    for (QWidget* feld : std::initializer_list<QWidget*>{BtNeu, SGFahrer, EName, mBemerkung})
        feld->setEnabled(true);
    for (QPushButton* button : {BtSpeichern, BtVerwerfen, BtLoeschen})
        button->setEnabled(false);
    NeuModus = true;
    gewaehlteId_ = 0;
    bearbeitet_ = false;
}

void TF_Fahrer::SGFahrerClick(int zeile)
{
    if (zeile < 0 || static_cast<std::size_t>(zeile) >= fahrer_.size())
        return;
    const FahrerStore::Fahrer& f = fahrer_[static_cast<std::size_t>(zeile)];
    felderSetzen(f.name, f.bemerkung);
    mBemerkung->setEnabled(true);
    BtVerwerfen->setEnabled(true);
    BtSpeichern->setEnabled(false);
    BtNeu->setEnabled(true);
    BtLoeschen->setEnabled(f.fahrten == 0);
    NeuModus = false;
    gewaehlteId_ = f.id;
    gewaehlterName_ = f.name;
    bearbeitet_ = false;
}

void TF_Fahrer::ENameChange()
{
    if (felderSetzen_)
        return;
    BtVerwerfen->setEnabled(true);
    BtSpeichern->setEnabled(!NeuModus);
    BtNeu->setEnabled(true);
    BtLoeschen->setEnabled(false);
    bearbeitet_ = true;
}

void TF_Fahrer::mBemerkungChange()
{
    if (felderSetzen_)
        return;
    BtVerwerfen->setEnabled(true);
    BtSpeichern->setEnabled(!NeuModus);
    bearbeitet_ = true;
}

void TF_Fahrer::BtVerwerfenClick()
{
    felderSetzen({}, {});
    for (QPushButton* button : {BtVerwerfen, BtSpeichern, BtLoeschen})
        button->setEnabled(false);
    BtNeu->setEnabled(true);
    NeuModus = true;
    gewaehlteId_ = 0;
    bearbeitet_ = false;
}

bool TF_Fahrer::nameAbgelehnt(const QString& name, int eigeneId)
{
    // Keeping one's own name is no clash, even where an old logbook holds the name twice.
    const bool unveraendert = eigeneId != 0 && name == gewaehlterName_;
    const bool vergeben = !name.isEmpty() && !unveraendert && StammdatenStore::fahrernameVergeben(name, eigeneId);
    const auto fehler = fahrernameFehler(name, vergeben);
    if (!fehler)
        return false;
    nameZurueckweisen(*fehler);
    return true;
}

void TF_Fahrer::nameZurueckweisen(const QString& fehler)
{
    prompt::beep();
    prompt::error(fehler);
    EName->setFocus();
}

// Another user took the name between the check above and the save: told as the check tells it,
// with the input kept.
void TF_Fahrer::inzwischenVergeben(const QString& name)
{
    nameZurueckweisen(fahrernameFehler(name, true).value_or(QString()));
}

void TF_Fahrer::BtNeuClick()
{
    const QString name = EName->text().trimmed();
    if (nameAbgelehnt(name, 0))
        return;
    if (!StammdatenStore::fahrerAnlegen(name, mBemerkung->toPlainText())) {
        inzwischenVergeben(name);
        return;
    }
    NeuLaden();
}

void TF_Fahrer::BtSpeichernClick()
{
    if (NeuModus || gewaehlteId_ == 0)
        return;
    const QString name = EName->text().trimmed();
    if (nameAbgelehnt(name, gewaehlteId_))
        return;
    if (!StammdatenStore::fahrerAendern(gewaehlteId_, name, mBemerkung->toPlainText())) {
        inzwischenVergeben(name);
        return;
    }
    NeuLaden();
}

void TF_Fahrer::BtLoeschenClick()
{
    if (gewaehlteId_ == 0 || !prompt::confirmDestructive(QStringLiteral("Wollen Sie den Fahrer wirklich löschen?")))
        return;
    if (!StammdatenStore::fahrerLoeschen(gewaehlteId_))
        prompt::error(QStringLiteral(
            "Der Fahrer hat inzwischen Fahrten im Fahrtenbuch und kann deshalb nicht gelöscht werden."));
    NeuLaden();
}

void TF_Fahrer::BtSchliessenClick()
{
    close();
}
