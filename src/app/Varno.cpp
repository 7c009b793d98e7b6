#include "app/Varno.h"

#include "app/Hauptfenster.h"
#include "app/ProgressBar.h"
#include "app/StartLogo.h"

#include <QApplication>

namespace {
constexpr int startbildMillisekunden = 3000;
}

Varno::Varno()
{
    // The main window first: closing it ends the program. The other windows follow in the
    // order the program has always created them; none is shown yet.
    hauptform_ = new THauptform;
    hauptform_->setAttribute(Qt::WA_DeleteOnClose, false);
    fortschritt_ = new TF_ProgressBar(hauptform_);
    start_ = new TF_Start;
    verbinden();
}

Varno::~Varno()
{
    delete start_;
    delete hauptform_;
}

void Varno::verbinden()
{
    Hauptfensterziele ziele;
    hauptform_->setZiele(ziele);
    connect(hauptform_, &THauptform::beenden, qApp, &QApplication::quit, Qt::QueuedConnection);
}

void Varno::starten(bool mitStartbild)
{
    if (mitStartbild)
        start_->zeigenUndWarten(startbildMillisekunden);
    hauptform_->show();
    // Without a window manager nobody else hands the new window the focus; it loads on activation.
    hauptform_->activateWindow();
}
