#pragma once

// Readable Qt values in GoogleTest failure messages; included into every test file by the build.
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

inline void PrintTo(const QString& value, std::ostream* os)
{
    *os << '"' << value.toStdString() << '"';
}

inline void PrintTo(const QStringList& value, std::ostream* os)
{
    *os << '[' << value.join(QStringLiteral("|")).toStdString() << ']';
}

inline void PrintTo(const QDate& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}

inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString(Qt::ISODate).toStdString();
}

inline void PrintTo(const QVariant& value, std::ostream* os)
{
    *os << value.toString().toStdString();
}
