#include "support/ui/Textplatz.h"

#include <QAbstractButton>
#include <QLabel>
#include <QStringList>
#include <QWidget>

namespace {

// The text a widget shows on one line, or nothing where it wraps, shows a picture or shows no text.
QString einzeiligerText(const QWidget& w)
{
    if (const auto* label = qobject_cast<const QLabel*>(&w))
        return label->wordWrap() || !label->pixmap().isNull() ? QString() : label->text();
    if (const auto* knopf = qobject_cast<const QAbstractButton*>(&w))
        return knopf->text();
    return {};
}

} // namespace

::testing::AssertionResult texteGanz(const QWidget& fenster)
{
    QStringList abgeschnitten;
    for (const QWidget* w : fenster.findChildren<QWidget*>()) {
        const QString text = einzeiligerText(*w);
        if (text.isEmpty() || !w->isVisibleTo(&fenster))
            continue;
        if (w->width() < w->sizeHint().width())
            abgeschnitten << QStringLiteral("%1 „%2“ (%3 von %4 Pixeln)")
                                 .arg(w->objectName(), text)
                                 .arg(w->width())
                                 .arg(w->sizeHint().width());
    }
    if (abgeschnitten.isEmpty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << abgeschnitten.join(QStringLiteral(", ")).toStdString();
}
