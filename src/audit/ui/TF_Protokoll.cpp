#include "audit/ui/TF_Protokoll.h"

#include "audit/ProtokollStore.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftmass.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

TF_Protokoll::TF_Protokoll(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TF_Protokoll"));
    setWindowTitle(QStringLiteral("Protokoll"));
    sgProtokoll = new QTableWidget(0, 4, this);
    sgProtokoll->setObjectName(QStringLiteral("sgProtokoll"));
    sgProtokoll->setHorizontalHeaderLabels({QStringLiteral("Zeit"), QStringLiteral("Ereignis"),
                                            QStringLiteral("Gespeichert von"), QStringLiteral("Beschreibung")});
    sgProtokoll->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sgProtokoll->setSelectionBehavior(QAbstractItemView::SelectRows);
    sgProtokoll->verticalHeader()->hide();
    sgProtokoll->horizontalHeader()->setStretchLastSection(true);
    sgProtokoll->setColumnWidth(0, schriftmass::breite(130));
    sgProtokoll->setColumnWidth(1, schriftmass::breite(170));
    sgProtokoll->setColumnWidth(2, schriftmass::breite(110));
    btSchliessen = knopf(QStringLiteral("btSchliessen"), QStringLiteral("&Schliessen"), this);
    verbinden(btSchliessen, &QPushButton::clicked, this, [this] { close(); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sgProtokoll);
    layout->addWidget(btSchliessen, 0, Qt::AlignRight);
    resize(schriftmass::groesse(870, 420));
    Fensterereignisse::fuer(this).beimZeigen([this] { FormShow(); });
}

void TF_Protokoll::FormShow()
{
    const std::vector<Protokollzeile> zeilen = ProtokollStore::alle();
    sgProtokoll->setRowCount(static_cast<int>(zeilen.size()));
    for (int i = 0; i < sgProtokoll->rowCount(); ++i) {
        const Protokollzeile& zeile = zeilen[static_cast<std::size_t>(i)];
        sgProtokoll->setItem(i, 0, new QTableWidgetItem(zeile.zeit));
        sgProtokoll->setItem(i, 1, new QTableWidgetItem(zeile.ereignis));
        sgProtokoll->setItem(i, 2, new QTableWidgetItem(zeile.benutzer));
        sgProtokoll->setItem(i, 3, new QTableWidgetItem(zeile.beschreibung));
    }
    sgProtokoll->resizeRowsToContents();
}
