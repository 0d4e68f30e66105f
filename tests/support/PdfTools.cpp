#include "support/PdfTools.h"
#include <QProcess>
#include <QRegularExpression>

namespace PdfTools {

QString runTool(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPageCount(const QString& path)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(runTool(QStringLiteral("pdfinfo"), {path}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QStringList pdfPageTexts(const QString& path)
{
    QStringList pages = runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

}  // namespace PdfTools
