#include "admin/ui/TF_ueber.h"

#include "admin/Programmversion.h"
#include "admin/ui/Ueberbild.h"
#include "common_ui/Fensterereignisse.h"
#include "common_ui/Handler.h"
#include "common_ui/Knopf.h"
#include "common_ui/Schriftgroesse.h"
#include "logbuch/Sitzung.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TF_ueber::TF_ueber(const Sitzung& sitzung, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      sitzung_(sitzung)
{
    setObjectName(QStringLiteral("F_ueber"));
    setWindowTitle(QStringLiteral("Infos über Varno"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(ueberbild());
    Image1->setFixedSize(Image1->pixmap().size());
    auto* name = new QLabel(QStringLiteral("Varno Fahrtenbuchsoftware"), this);
    QFont schrift = schriftgroesse(name->font(), 1.3);
    schrift.setBold(true);
    name->setFont(schrift);
    LVersion = new QLabel(this);
    LVersion->setObjectName(QStringLiteral("LVersion"));
    LVersion->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LDatenbank = new QLabel(this);
    LDatenbank->setObjectName(QStringLiteral("LDatenbank"));
    LDatenbank->setTextInteractionFlags(Qt::TextSelectableByMouse);
    BtSchliessen = knopf(QStringLiteral("BtSchliessen"), QStringLiteral("&Schliessen"), this);

    auto* layout = new QGridLayout(this);
    layout->addWidget(Image1, 0, 0, 4, 1);
    layout->addWidget(name, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Version:"), this), 1, 1);
    layout->addWidget(LVersion, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Datenbank:"), this), 2, 1);
    layout->addWidget(LDatenbank, 2, 2);
    layout->addWidget(BtSchliessen, 3, 2, Qt::AlignRight | Qt::AlignBottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    verbinden(BtSchliessen, &QPushButton::clicked, this, &QWidget::close);
    Fensterereignisse::fuer(this).beimAktivieren([this] { FormActivate(); });
}

void TF_ueber::FormActivate()
{
    LVersion->setText(GetAppVersion("%d.%d.%d.%d"));
    LDatenbank->setText(QDir::toNativeSeparators(sitzung_.logbuch()));
}
