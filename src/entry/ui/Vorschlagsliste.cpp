#include "entry/ui/Vorschlagsliste.h"

#include <QComboBox>

namespace {
constexpr int sichtbareZeilen = 8;
}

Vorschlagsliste::Vorschlagsliste(QWidget* parent) : QListWidget(parent)
{
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* eintrag) {
        QComboBox* ziel = feld_;
        schliessen();
        if (!ziel)
            return;
        ziel->setEditText(eintrag->text());
        emit gewaehlt(ziel);
    });
}

void Vorschlagsliste::zeigen(QComboBox* feld, const QString& aktuell)
{
    feld_ = feld;
    clear();
    for (int i = 0; i < feld->count(); ++i)
        addItem(feld->itemText(i));
    const QList<QListWidgetItem*> treffer = findItems(aktuell, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!treffer.isEmpty())
        setCurrentItem(treffer.first());
    const int zeilen = qMin(count(), sichtbareZeilen);
    resize(feld->width(), qMax(1, zeilen) * sizeHintForRow(0) + 2 * frameWidth());
    move(feld->mapToGlobal(QPoint(0, feld->height())));
    show();
    if (currentItem())
        scrollToItem(currentItem());
}

void Vorschlagsliste::schliessen()
{
    feld_ = nullptr;
    hide();
}
