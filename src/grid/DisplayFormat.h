#pragma once
#include <QString>

// Number display formats in the notation the screens use: "#,##0",
// "#,##0.#0", "#,##0.00", "#,#0", "#,###" and the like.
//   0  a digit that is always shown
//   #  a digit shown only when significant
//   .  the decimal point; the placeholders after it give the decimals: as
//      many as there are placeholders, at least up to the last "0"
//   ,  anywhere among the integer placeholders: thousands separators
//   ;  separates the sections positive;negative;zero (the negative section is
//      written without the minus sign)
//   '…' or "…" literal text; other characters are literal too
// Values are rounded half away from zero; a value that rounds to zero is
// written without a sign. With no "0" left of the point a zero integer part
// disappears, so "#,###" shows zero as empty text.
QString FormatNumber(double value, const QString& format);

// Plain text of a number without a format: integers without decimals, other
// values with up to fifteen significant digits and no trailing zeros.
QString PlainNumberText(double value);
