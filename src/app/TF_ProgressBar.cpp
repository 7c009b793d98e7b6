#include "app/TF_ProgressBar.h"

#include "common_ui/Fensterplatz.h"
#include "common_ui/Kontrast.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

TF_ProgressBar::TF_ProgressBar(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TF_ProgressBar"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    // A plain gauge: its percent text lay on the navy bar or on the empty groove, and no one colour
    // reads on both. The navy lightens as far as a dark theme's groove needs.
    ProgressBar1->setTextVisible(false);
    const QColor balken = kontrast::lesbarGegen(QColor(0, 0, 128), ProgressBar1->palette().color(QPalette::Base));
    ProgressBar1->setStyleSheet(QStringLiteral("QProgressBar::chunk { background-color: %1; }").arg(balken.name()));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ProgressBar1);
    resize(300, 40);
}

void TF_ProgressBar::starten(const QWidget* ueber)
{
    ProgressBar1->setValue(0);
    // Over the main window it belongs to, whichever window started the work.
    if (const QWidget* mitte = parentWidget() ? parentWidget() : ueber)
        fensterplatz::zentrieren(this, mitte);
    show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TF_ProgressBar::setzen(int prozent)
{
    ProgressBar1->setValue(prozent);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TF_ProgressBar::beenden()
{
    close();
}

int TF_ProgressBar::prozent() const
{
    return ProgressBar1->value();
}
