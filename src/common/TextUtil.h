#pragma once
#include <QString>
#include <QStringList>

// Text and number helpers shared by every screen. Widths count CP949 bytes.

QString DigitsOnly(const QString& text);

enum NumberTextOption {
    ntRejectEmpty = 1,
    ntAcceptZero = 2,
    ntAllowMinus = 4,
    ntAllowPoint = 8,
    ntAllowComma = 16,
};
bool IsNumberText(const QString& text, int options);

QString StripCommas(const QString& text);
QString RemoveAll(const QString& sub, const QString& text);
int CountParts(const QString& text, const QString& separator);
// Returns lastIndex + 1 pieces (at least): the trimmed pieces between
// separators, the rest empty.
QStringList SplitText(int lastIndex, const QString& text, const QString& separator);

QString PadLeft(const QString& text, int width, QChar fill = QLatin1Char(' '));
QString PadRight(const QString& text, int width, QChar fill = QLatin1Char(' '));
QString ZeroPadLeft(const QString& text, int width);
QString FitText(int width, bool rightAlign, const QString& text);

bool CheckBizRegNo(const QString& text);
