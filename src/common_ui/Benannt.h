#pragma once

#include <QString>

// A new control with its objectName set, so tests and style sheets find it by the name it has
// in the window ("BtOK", "cbVon").
template <typename T> T* benannt(T* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}
