#include "common_ui/Fensterereignisse.h"

#include "common_ui/Fensterplatz.h"
#include "common_ui/Handler.h"

#include <QEvent>
#include <QWidget>

Fensterereignisse& Fensterereignisse::fuer(QWidget* fenster)
{
    return *new Fensterereignisse(fenster);
}

Fensterereignisse::Fensterereignisse(QWidget* fenster) : QObject(fenster), fenster_(fenster)
{
    fenster->installEventFilter(this);
}

Fensterereignisse& Fensterereignisse::beimZeigen(std::function<void()> handler)
{
    zeigen_ = std::move(handler);
    return *this;
}

Fensterereignisse& Fensterereignisse::beimAktivieren(std::function<void()> handler)
{
    aktivieren_ = std::move(handler);
    return *this;
}

Fensterereignisse& Fensterereignisse::beimVerlassen(std::function<void()> handler)
{
    verlassen_ = std::move(handler);
    return *this;
}

Fensterereignisse& Fensterereignisse::mittigUeberDemAufrufer()
{
    mittig_ = true;
    return *this;
}

bool Fensterereignisse::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt != fenster_)
        return false;
    switch (ereignis->type()) {
    case QEvent::Show:
        if (!ereignis->spontaneous())
            gezeigt();
        break;
    case QEvent::WindowActivate:
        if (aktivieren_)
            aktivierung_.ausfuehren(aktivieren_);
        break;
    case QEvent::WindowDeactivate:
        if (verlassen_)
            geschuetzt(verlassen_);
        break;
    default:
        break;
    }
    return false;
}

void Fensterereignisse::gezeigt()
{
    if (zeigen_)
        aktivierung_.ausfuehren(zeigen_);
    if (mittig_)
        fensterplatz::zentrieren(fenster_, fenster_->parentWidget());
}
