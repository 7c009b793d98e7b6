#include "platform/VolumeUuid.h"

#include <QString>

namespace volumeuuid {

namespace {

constexpr int wordDigits = 8;
constexpr int ntfsDigits = 16;

bool isHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
}

std::optional<QString> hexDigits(QStringView uuid)
{
    QString digits;
    for (const QChar c : uuid) {
        if (c == QLatin1Char('-'))
            continue;
        if (!isHexDigit(c))
            return std::nullopt;
        digits += c;
    }
    if (digits.isEmpty())
        return std::nullopt;
    return digits;
}

std::uint32_t word(const QString& digits)
{
    return static_cast<std::uint32_t>(digits.toULong(nullptr, 16));
}

// The text is padded at the end so that every group of eight digits counts as one word.
std::uint32_t folded(QString digits)
{
    while (digits.size() % wordDigits != 0)
        digits += QLatin1Char('0');
    std::uint32_t result = 0;
    for (qsizetype at = 0; at < digits.size(); at += wordDigits)
        result ^= word(digits.mid(at, wordDigits));
    return result;
}

} // namespace

std::optional<std::uint32_t> serialFromUuid(QStringView uuid)
{
    const auto digits = hexDigits(uuid.trimmed());
    if (!digits)
        return std::nullopt;
    if (digits->size() <= wordDigits)
        return word(*digits);
    if (digits->size() == ntfsDigits)
        return word(digits->right(wordDigits));
    return folded(*digits);
}

} // namespace volumeuuid
