#pragma once
#include <QString>
#include <QStringList>

// Reading printed output back with poppler's command-line tools.
namespace PdfTools {

// The standard output of the tool, or empty text when it failed.
QString runTool(const QString& program, const QStringList& args);
// The page count pdfinfo reports, or -1.
int pdfPageCount(const QString& path);
// The text of every page, split at the form feeds pdftotext puts between them.
QStringList pdfPageTexts(const QString& path);

}  // namespace PdfTools
