#pragma once

#include <QString>
#include <QStringList>

// The first column of every row the statement returns, as texts.
QStringList spalte(const QString& sql);
