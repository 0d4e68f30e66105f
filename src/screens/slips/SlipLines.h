#pragma once
#include "grid/RecordSetModel.h"
#include <QList>
#include <QString>

class DataGrid;

// The lines of slips as the slip lists show them: header Z, lines A, the
// management items of each line pivoted into MG1 to MG7 ("code" or
// "code:name"), the account C with its two upper accounts, and the operating
// income/expense name of item position 6.
namespace SlipLines {

// The statement over the lines of the slips that `where` selects (in terms
// of Z and A). `itemWhere` narrows the item rows pivoted (a WHERE clause over
// VB011DT; it should select at least the items of those slips). Placeholders
// :P0, :P1, ... may appear in both.
//
// Columns: SLIP_NO, SLIP_DATE, ACC_DATE, CONF_DATE, DEPT_CODE, SLIP_CONF_YN,
// CR_EMP_NO, SLIP_SEQ_NO, ACCT_CODE, ACCT_SNAME, REF_DATA, D_AMOUNT,
// C_AMOUNT, VAT_AMOUNT, MG1..MG7, V1_ACCT_CODE, V1_ACCT_SNAME, V2_ACCT_CODE,
// V2_ACCT_SNAME, BU_ACCT_NAME.
QString statement(const QString& itemWhere, const QString& where, const QString& orderBy);

// The line columns of the slip lists: the account with its two upper
// accounts, the seven items, the remark and the amounts.
QList<GridColumn> columns();
// The header bands "계정과목", "관리항목" and "금액" over those columns.
void setColumnGroups(DataGrid* grid);

}  // namespace SlipLines
