#include "master/ui/Kilometerstandfeld.h"

#include "common/GermanFormat.h"

#include <QFocusEvent>
#include <QRegularExpressionValidator>

namespace {
constexpr int stellen = 7;
}

Kilometerstandfeld::Kilometerstandfeld(const QString& name, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(name);
    setMaxLength(stellen);
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,7}")), this));
}

int Kilometerstandfeld::wert() const
{
    return text().toInt();
}

void Kilometerstandfeld::normalisieren()
{
    const QString normal = kmFormat(text());
    if (normal != text())
        setText(normal);
}

void Kilometerstandfeld::mousePressEvent(QMouseEvent* event)
{
    QLineEdit::mousePressEvent(event);
    selectAll();
}

void Kilometerstandfeld::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        normalisieren();
}
