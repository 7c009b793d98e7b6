#include "common_ui/Fensterplatz.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace fensterplatz {

namespace {

// The start of a span of `laenge` centred on `mitte`, kept within [anfang, anfang + platz).
int imAbschnitt(int laenge, int mitte, int anfang, int platz)
{
    const int zentriert = mitte - laenge / 2;
    return std::max(anfang, std::min(zentriert, anfang + platz - laenge));
}

} // namespace

QPoint imBereich(QSize rahmen, QPoint mitte, const QRect& bereich)
{
    return {imAbschnitt(rahmen.width(), mitte.x(), bereich.x(), bereich.width()),
            imAbschnitt(rahmen.height(), mitte.y(), bereich.y(), bereich.height())};
}

void zentrieren(QWidget* fenster, const QWidget* bezug)
{
    if (!bezug)
        return;
    const QRect ueber = bezug->window()->frameGeometry();
    QScreen* bildschirm = QGuiApplication::screenAt(ueber.center());
    if (!bildschirm)
        bildschirm = bezug->screen();
    const QRect bereich = bildschirm ? bildschirm->availableGeometry() : QRect();
    // Before its first show a window has no frame yet; its own size is the best measure there is.
    const QSize rahmen = fenster->frameGeometry().size().expandedTo(fenster->size());
    if (!bereich.isValid()) {
        fenster->move(ueber.center() - QPoint(rahmen.width() / 2, rahmen.height() / 2));
        return;
    }
    fenster->move(imBereich(rahmen, ueber.center(), bereich));
}

} // namespace fensterplatz
