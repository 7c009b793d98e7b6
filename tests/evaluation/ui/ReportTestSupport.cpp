#include "ReportTestSupport.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace reporttest {

QStringList allTexts(const LaidOutReport& report)
{
    QStringList texts;
    for (const ReportPage& page : report.pages)
        texts << page.textsInReadingOrder();
    return texts;
}

QString pageText(const ReportPage& page)
{
    return page.textsInReadingOrder().join(QLatin1Char(' '));
}

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    const bool finished = process.waitForFinished(30000);
    EXPECT_TRUE(finished) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString() << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString& path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

int pdfPageCount(const QString& path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QByteArray fileStart(const QString& path, int bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(bytes);
}

} // namespace reporttest
