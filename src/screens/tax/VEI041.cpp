#include "screens/tax/VEI041.h"

TfrmVEI041::TfrmVEI041(const SummaryFormData& data) : TfrmSummaryForm(QStringLiteral("frmVEI041"), true, data)
{
    buildFirstSheet(qrbHeader);
    int number = 0;
    for (const SummaryFormData::Counterpart& c : m_data.counterparts)
        appendRow(QStringLiteral("1"), ++number, &c);
    while (number % 10 != 0 || number == 0) {
        appendRow(QStringLiteral("1"), 0, nullptr);
        ++number;
    }
}
