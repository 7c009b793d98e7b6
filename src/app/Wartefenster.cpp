#include "app/Wartefenster.h"

#include "common/Anzahl.h"
#include "common_ui/Fensterplatz.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const Zaehlwort sekunde{QStringLiteral("Sekunde"), QStringLiteral("Sekunden")};

} // namespace

Wartefenster::Wartefenster(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Wartefenster"));
    setWindowTitle(QStringLiteral("Varno"));
    setWindowModality(Qt::ApplicationModal);
    auto* hinweis = new QLabel(QStringLiteral("Ein anderer Benutzer speichert gerade …"), this);
    hinweis->setObjectName(QStringLiteral("LbHinweis"));
    LbGewartet = new QLabel(this);
    LbGewartet->setObjectName(QStringLiteral("LbGewartet"));
    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* abbrechen = knoepfe->addButton(QStringLiteral("&Abbrechen"), QDialogButtonBox::RejectRole);
    abbrechen->setObjectName(QStringLiteral("BtAbbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &Wartefenster::reject);
    auto* aufbau = new QVBoxLayout(this);
    aufbau->addWidget(hinweis);
    aufbau->addWidget(LbGewartet);
    aufbau->addWidget(knoepfe);
    sperrwarten::einsetzen(this);
}

Wartefenster::~Wartefenster()
{
    sperrwarten::einsetzen(nullptr);
}

void Wartefenster::reject()
{
    // Escape and the window's close button give up as the button does; the window goes when the
    // save has undone what it began.
    abgebrochen_ = true;
}

bool Wartefenster::weiterWarten(std::chrono::milliseconds gewartet)
{
    if (!isVisible()) {
        abgebrochen_ = false;
        fensterplatz::zentrieren(this, QApplication::activeWindow() ? QApplication::activeWindow() : parentWidget());
        show();
    }
    const auto sekunden = std::chrono::duration_cast<std::chrono::seconds>(gewartet).count();
    LbGewartet->setText(QStringLiteral("Gewartet: %1").arg(anzahl(static_cast<long long>(sekunden), sekunde)));
    // The click on "Abbrechen" arrives here; the modality keeps every other window still.
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    return !abgebrochen_;
}

void Wartefenster::warteEnde()
{
    hide();
}
