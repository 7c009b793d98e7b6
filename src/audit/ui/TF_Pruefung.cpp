#include "audit/ui/TF_Pruefung.h"

#include "audit/Fahrtenbuchpruefung.h"
#include "audit/Pruefstand.h"
#include "common/VarnoError.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Sanduhr.h"
#include "common_ui/Schriftmass.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TF_Pruefung::TF_Pruefung(Pruefstand& stand, QWidget* parent) : QWidget(parent, Qt::Window), stand_(stand)
{
    setObjectName(QStringLiteral("TF_Pruefung"));
    setWindowTitle(QStringLiteral("Fahrtenbuch prüfen"));
    MBericht = new QPlainTextEdit(this);
    MBericht->setObjectName(QStringLiteral("MBericht"));
    MBericht->setReadOnly(true);
    btSchliessen = knopf(QStringLiteral("btSchliessen"), QStringLiteral("&Schliessen"), this);
    verbinden(btSchliessen, &QPushButton::clicked, this, [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MBericht);
    layout->addWidget(btSchliessen, 0, Qt::AlignRight);
    resize(schriftmass::groesse(640, 360));
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); });
}

void TF_Pruefung::FormShow()
{
    const Sanduhr sanduhr;
    try {
        const Pruefergebnis ergebnis = fahrtenbuchpruefung::pruefen();
        stand_.merken(ergebnis);
        MBericht->setPlainText(ergebnis.bericht());
    } catch (const VarnoError& fehler) {
        // A damaged or foreign file is a finding of its own, not a failure of the window.
        MBericht->setPlainText(QStringLiteral("Das Fahrtenbuch konnte nicht geprüft werden: ") + fehler.message());
    }
}
