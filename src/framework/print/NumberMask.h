#pragma once
#include <QString>

// Formats a number with a display mask of the kind report fields carry:
// "#,###" (zero prints nothing), "#,##0", "#,##0.00", "0.0#", optional
// literal text before and after the digits, and up to three sections
// "positive;negative;zero". A negative number without its own section gets a
// leading "-".
QString FormatNumberMask(double value, const QString& mask);
