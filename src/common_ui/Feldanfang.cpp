#include "common_ui/Feldanfang.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>

Feldanfang::Feldanfang(QLineEdit* feld) : QObject(feld), feld_(feld)
{
    feld->installEventFilter(this);
    // Setting a text moves the cursor to its end, even when the text stays the same.
    connect(feld, &QLineEdit::cursorPositionChanged, this, &Feldanfang::anfangZeigen);
}

void Feldanfang::einrichten(QLineEdit* feld)
{
    new Feldanfang(feld);
}

void Feldanfang::einrichten(QComboBox* feld)
{
    if (feld->lineEdit())
        einrichten(feld->lineEdit());
}

bool Feldanfang::eventFilter(QObject* beobachtet, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::EnabledChange || ereignis->type() == QEvent::ReadOnlyChange)
        anfangZeigen();
    return QObject::eventFilter(beobachtet, ereignis);
}

void Feldanfang::anfangZeigen()
{
    // A field the user edits keeps its cursor where typing left it.
    if (!feld_->isEnabled() || feld_->isReadOnly())
        feld_->setCursorPosition(0);
}
