// The cost statements by department on the demo books: the cost-of-sales
// statement by site, by part and for one department (VHI010) and over the
// accounting departments (VHI030), the selling and administrative statement
// (VHI020, VHI040 with its "마스터" column). Each account's total is its
// debits less credits of the period's confirmed lines, every line counted
// once, the department-total row sums its column, departments of one name
// keep their own columns, and the pivoted grid exports as it shows.
#include "common/Db.h"
#include "common/ProcCall.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/DataGrid.h"
#include "grid/RecordSet.h"
#include "lookups/PopupBtn.h"
#include "screens/costs/VHI010.h"
#include "screens/costs/VHI020.h"
#include "screens/costs/VHI030.h"
#include "screens/costs/VHI040.h"
#include "support/ScriptedDialogs.h"
#include "support/Books.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include "support/XlsReadBack.h"
#include <QDateEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

namespace {

using Books::journalize;

const QString kFinance = QStringLiteral("2003");
const QDate kFrom(2026, 11, 1);
const QDate kTo(2026, 11, 30);

// A screen shown and active as in use, with its controls found by name.
template <typename T = QPushButton>
T* control(QWidget* screen, const char* name)
{
    T* w = screen->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

template <typename S>
std::unique_ptr<S> shown()
{
    auto screen = std::make_unique<S>();
    screen->show();
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen.get()))
        qFatal("the screen did not become active");
    return screen;
}

void search(QWidget* screen, const QDate& from = kFrom, const QDate& to = kTo)
{
    control<QDateEdit>(screen, "dtpFSlipDate")->setDate(from);
    control<QDateEdit>(screen, "dtpESlipDate")->setDate(to);
    control(screen, "bbtSearch")->click();
}

qint64 number(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params).toLongLong();
}

// debit - credit of an account's confirmed lines in the period, each line
// once; with a condition on the line (l.) as well.
qint64 lineMovement(const QString& acct, const QString& condition = QStringLiteral("true"))
{
    return number(QStringLiteral("SELECT coalesce(sum(l.d_amount - l.c_amount), 0) FROM vb011ms l\n"
                                 " WHERE l.acct_code = :P0 AND l.conf_date BETWEEN CAST(:P1 AS DATE) AND CAST(:P2 AS DATE)\n"
                                 "   AND (%1)")
                      .arg(condition),
                  {acct, kFrom.toString(Qt::ISODate), kTo.toString(Qt::ISODate)});
}

// The line carries a department item of a department of the list (the
// first one it carries).
QString firstDeptIn(const QString& list)
{
    return QStringLiteral("EXISTS (SELECT 1 FROM %1 d WHERE d.aff_dept_code = (SELECT i.mg_detail FROM vb011dt i "
                          "WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no AND i.mg_code IN ('118', '141') "
                          "ORDER BY i.lineup_no LIMIT 1) AND d.dept_aff_yn = 'P')")
        .arg(list);
}

int rowOf(RecordSet* set, const QString& acct)
{
    return set->findRow(QStringLiteral("ACCT_CODE"), {acct});
}

// The department columns of the grid: every amount field but the total.
QStringList deptFields(RecordSet* set)
{
    QStringList out;
    for (const QString& f : set->fieldNames())
        if (f.startsWith(QLatin1String("D_")))
            out << f;
    return out;
}

// The total row is the sum of each column over the rows it counts, and each
// row's total the sum of its departments.
void checkTotals(RecordSet* set, bool leaveOutGroups, const QString& caption)
{
    const int last = set->recordCount() - 1;
    QCOMPARE(set->fieldAsString(last, QStringLiteral("ACCT_NAME")), caption);
    const QStringList depts = deptFields(set);
    for (const QString& field : depts + QStringList{TfrmCostStatement::kTotalField}) {
        double sum = 0;
        for (int row = 0; row < last; ++row) {
            if (leaveOutGroups && set->fieldAsString(row, QStringLiteral("ORD")) == QLatin1String("0"))
                continue;
            sum += set->value(row, field).toDouble();
        }
        QCOMPARE(set->value(last, field).toDouble(), sum);
    }
    for (int row = 0; row < last; ++row) {
        double sum = 0;
        for (const QString& field : depts)
            sum += set->value(row, field).toDouble();
        QCOMPARE(set->value(row, TfrmCostStatement::kTotalField).toDouble(), sum);
    }
}

// A statement over rows the test gives, to hold the cross table to its
// rules whatever a source brings.
class GivenRows : public TfrmCostStatement {
public:
    explicit GivenRows(bool costOfSales)
        : TfrmCostStatement(QStringLiteral("VHI010"),
                            {QStringLiteral("매출원가명세서"), QStringLiteral("합계"), QStringLiteral("계정과목 명"),
                             costOfSales, costOfSales, false},
                            nullptr)
    {
    }
    QList<SourceRow> rows;

protected:
    bool sourceRows(const QDate&, const QDate&, QList<SourceRow>* out) override
    {
        *out = rows;
        return true;
    }
};

}  // namespace

class TestCosts : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    void crossTableAddsAndKeepsDepartmentsApart();
    void costTotalsAgreeWithTheLines_data();
    void costTotalsAgreeWithTheLines();
    void oneDepartmentSelectsItsUnits();
    void departmentsOfOneNameKeepTheirColumns();
    void sellingTotalsAgreeWithTheLines_data();
    void sellingTotalsAgreeWithTheLines();
    void masterColumnListsEveryAccountInUse();
    void emptyPeriodHoldsOnlyTheTotalRow();
    void refusalShownAndRowsKept();
    void departmentLookupAndOptions();
    void exportOfThePivotedGrid();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
};

void TestCosts::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Session::empNo = kFinance;
    Session::workstationIp = QStringLiteral("10.8.8.8");
    // A credit to a cost account (a refund), and lines carrying two
    // department items: each must count once, debit less credit.
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO vb010ms (slip_no, dept_code, slip_date, acc_date, total_d_amt, total_c_amt, cr_emp_no, "
        "session_id, slip_kind, u_emp_no) VALUES ('TCST0001', '1111', DATE '2026-11-26', DATE '2026-11-26', "
        "1100000, 1100000, '2001', 27, 'K', '2001')"));
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO vb011ms (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) VALUES "
        "('TCST0001', 0, '7130510', '식자재 반품', 0, 500000), ('TCST0001', 1, '7120810', '전기실 보수', 800000, 0), "
        "('TCST0001', 2, '7520910', '사무실 보수', 300000, 0), ('TCST0001', 3, '1110120', '정산', 0, 600000)"));
    m_db->ownerExec(QStringLiteral(
        "INSERT INTO vb011dt (slip_no, slip_seq_no, lineup_no, mg_code, mg_detail, acct_code, d_amount, c_amount) VALUES "
        "('TCST0001', 0, 1, '118', '2121', '7130510', 0, 500000), "
        "('TCST0001', 1, 1, '118', '2131', '7120810', 800000, 0), ('TCST0001', 1, 2, '141', '2131', '7120810', 800000, 0), "
        "('TCST0001', 2, 1, '141', '1121', '7520910', 300000, 0), ('TCST0001', 2, 2, '118', '1121', '7520910', 300000, 0)"));
    const QString answer = journalize(QStringLiteral("1"), QStringLiteral("TCST0001"), QStringLiteral("2026-11-26"));
    QVERIFY2(!ProcResult::isFailure(answer), qPrintable(answer));
}

// Two amounts of one account and department add up; departments of one
// name keep their columns; group rows stay out of the totals; departments
// in code order with the unassigned ones last.
void TestCosts::crossTableAddsAndKeepsDepartmentsApart()
{
    GivenRows s(true);
    s.show();
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    s.rows = {{QStringLiteral("7130000"), QStringLiteral("원가경비(기타)"), QStringLiteral("2210"), QStringLiteral("객실팀"), 700, QStringLiteral("0")},
              {QStringLiteral("7130510"), QStringLiteral("식자재비"), QStringLiteral("2210"), QStringLiteral("객실팀"), 300},
              {QStringLiteral("7130510"), QStringLiteral("식자재비"), QStringLiteral("2210"), QStringLiteral("객실팀"), 400},
              {QStringLiteral("7130510"), QStringLiteral("식자재비"), QStringLiteral("0000"), QStringLiteral("미지정"), 50},
              {QStringLiteral("7110110"), QStringLiteral("급여(원가)"), QStringLiteral("2110"), QStringLiteral("객실팀"), 1000}};
    control(&s, "bbtSearch")->click();
    RecordSet* set = s.result();
    QCOMPARE(deptFields(set), QStringList({QStringLiteral("D_2110"), QStringLiteral("D_2210"), QStringLiteral("D_0000")}));
    const int food = rowOf(set, QStringLiteral("7130510"));
    QCOMPARE(set->value(food, QStringLiteral("D_2210")).toDouble(), 700.0);
    QCOMPARE(set->value(food, TfrmCostStatement::kTotalField).toDouble(), 750.0);
    QVERIFY(set->value(food, QStringLiteral("D_2110")).isNull());
    const int last = set->recordCount() - 1;
    QCOMPARE(set->value(last, QStringLiteral("D_2210")).toDouble(), 700.0);
    QCOMPARE(set->value(last, TfrmCostStatement::kTotalField).toDouble(), 1750.0);
    QCOMPARE(s.RecordCount, 4);
    QCOMPARE(s.resultGrid()->columnCaption(s.resultGrid()->columnOf(QStringLiteral("D_2110"))), QStringLiteral("객실팀:2110"));
    // rows in account order
    QVERIFY(rowOf(set, QStringLiteral("7110110")) < rowOf(set, QStringLiteral("7130000")));
    QVERIFY(rowOf(set, QStringLiteral("7130000")) < food);
}

void TestCosts::costTotalsAgreeWithTheLines_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<bool>("byPart");
    QTest::newRow("VHI010 by site") << "VHI010" << false;
    QTest::newRow("VHI010 by part") << "VHI010" << true;
    QTest::newRow("VHI030") << "VHI030" << false;
}

// Without a department every cost line of the period is in the statement:
// each account's total is its movement, each group's the sum of its
// accounts, and the total row counts the accounts only.
void TestCosts::costTotalsAgreeWithTheLines()
{
    QFETCH(QString, program);
    QFETCH(bool, byPart);
    std::unique_ptr<TfrmVHI010> screen;
    if (program == QLatin1String("VHI030"))
        screen = shown<TfrmVHI030>();
    else
        screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    if (byPart)
        control<QRadioButton>(s, "rbPart")->setChecked(true);
    search(s);
    RecordSet* set = s->result();
    QCOMPARE(s->RecordCount, set->recordCount());
    int accounts = 0;
    for (int row = 0; row < set->recordCount() - 1; ++row) {
        const QString acct = set->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        const qint64 total = qint64(set->value(row, TfrmCostStatement::kTotalField).toDouble());
        if (set->fieldAsString(row, QStringLiteral("ORD")) == QLatin1String("0")) {
            QCOMPARE(acct.mid(3), QStringLiteral("0000"));
            continue;
        }
        ++accounts;
        QCOMPARE(total, lineMovement(acct));
    }
    QVERIFY(accounts >= 8);
    // the refund is a credit: it lowers the food costs
    QVERIFY(lineMovement(QStringLiteral("7130510"), QStringLiteral("l.slip_no = 'TCST0001'")) == -500000);
    QCOMPARE(qint64(set->value(set->recordCount() - 1, TfrmCostStatement::kTotalField).toDouble()),
             number(QStringLiteral("SELECT sum(d_amount - c_amount) FROM vb011ms WHERE conf_date BETWEEN '2026-11-01' "
                                   "AND '2026-11-30' AND (acct_code LIKE '6%' OR acct_code LIKE '71%')")));
    checkTotals(set, true, QStringLiteral("업  장  별    합   계"));
    // groups on silver
    const int group = rowOf(set, QStringLiteral("7130000"));
    QVERIFY(group >= 0);
    QCOMPARE(s->resultGrid()->model()->index(group, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(rowOf(set, QStringLiteral("7130000")) < rowOf(set, QStringLiteral("7130510")), true);
    if (program == QLatin1String("VHI030")) {
        QVERIFY(!control<QGroupBox>(s, "RadioGroup1")->isVisible());
        QVERIFY(deptFields(set).contains(QStringLiteral("D_2190")));
        QVERIFY(deptFields(set).contains(QStringLiteral("D_2290")));
        const int column = s->resultGrid()->columnOf(QStringLiteral("D_2190"));
        QCOMPARE(s->resultGrid()->columnCaption(column), QStringLiteral("설악리조트공통:2190"));
    }
}

// One department: its lines and those of its parts, in one column.
void TestCosts::oneDepartmentSelectsItsUnits()
{
    const auto screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    control<QLineEdit>(s, "edtUsdeptcd")->setText(QStringLiteral("2130"));
    search(s);
    RecordSet* set = s->result();
    QCOMPARE(deptFields(set), QStringList{QStringLiteral("D_2130")});
    const QString ofTheTeam = QStringLiteral(
        "(SELECT i.mg_detail FROM vb011dt i WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no "
        "AND i.mg_code IN ('118', '141') ORDER BY i.lineup_no LIMIT 1) IN ('2130', '2131', '2132')");
    const int repairs = rowOf(set, QStringLiteral("7120810"));
    QVERIFY(repairs >= 0);
    QCOMPARE(qint64(set->value(repairs, QStringLiteral("D_2130")).toDouble()),
             lineMovement(QStringLiteral("7120810"), ofTheTeam));
    QCOMPARE(qint64(set->value(rowOf(set, QStringLiteral("7120410")), QStringLiteral("D_2130")).toDouble()),
             lineMovement(QStringLiteral("7120410"), ofTheTeam));
    QCOMPARE(rowOf(set, QStringLiteral("7130510")), -1);
    checkTotals(set, true, QStringLiteral("업  장  별    합   계"));
}

// Two teams are both named 객실팀: each keeps its column, told apart by code.
void TestCosts::departmentsOfOneNameKeepTheirColumns()
{
    const auto screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    search(s);
    RecordSet* set = s->result();
    DataGrid* grid = s->resultGrid();
    QVERIFY(deptFields(set).contains(QStringLiteral("D_2110")));
    QVERIFY(deptFields(set).contains(QStringLiteral("D_2210")));
    QCOMPARE(grid->columnCaption(grid->columnOf(QStringLiteral("D_2110"))), QStringLiteral("객실팀:2110"));
    QCOMPARE(grid->columnCaption(grid->columnOf(QStringLiteral("D_2210"))), QStringLiteral("객실팀:2210"));
    QCOMPARE(grid->columnCaption(grid->columnOf(QStringLiteral("D_2130"))), QStringLiteral("시설팀"));
    // columns in code order, the account name and its total kept in view
    const QStringList depts = deptFields(set);
    QStringList sorted = depts;
    std::sort(sorted.begin(), sorted.end());
    if (sorted.contains(QStringLiteral("D_0000")))
        sorted.move(sorted.indexOf(QStringLiteral("D_0000")), sorted.size() - 1);
    QCOMPARE(depts, sorted);
    QCOMPARE(grid->frozenLeadingColumns(), 3);
    QCOMPARE(grid->frozenTrailingColumns(), 1);
    QVERIFY(grid->isColumnHidden(QStringLiteral("ORD")));
    QVERIFY(grid->isColumnHidden(QStringLiteral("ACCT_CODE")));
    QCOMPARE(grid->columnCaption(grid->columnOf(TfrmCostStatement::kTotalField)), QStringLiteral("계 정 합 계"));
}

void TestCosts::sellingTotalsAgreeWithTheLines_data()
{
    QTest::addColumn<bool>("accountingDepartments");
    QTest::newRow("VHI020") << false;
    QTest::newRow("VHI040") << true;
}

// Each account's total is debits less credits of its lines under a selling
// and administrative department, each line once.
void TestCosts::sellingTotalsAgreeWithTheLines()
{
    QFETCH(bool, accountingDepartments);
    std::unique_ptr<TfrmVHI020> screen;
    if (accountingDepartments)
        screen = shown<TfrmVHI040>();
    else
        screen = shown<TfrmVHI020>();
    TfrmVHI020* s = screen.get();
    search(s);
    RecordSet* set = s->result();
    const QString list = accountingDepartments ? QStringLiteral("va160ms") : QStringLiteral("qa160ms");
    int moved = 0;
    for (int row = 0; row < set->recordCount() - 1; ++row) {
        const QString acct = set->fieldAsString(row, QStringLiteral("ACCT_CODE"));
        const qint64 expected = lineMovement(acct, firstDeptIn(list));
        QCOMPARE(qint64(set->value(row, TfrmCostStatement::kTotalField).toDouble()), expected);
        moved += expected != 0;
        if (row > 0)
            QVERIFY(set->fieldAsString(row - 1, QStringLiteral("ACCT_CODE")) < acct);
    }
    QVERIFY(moved >= 6);
    // the line with two department items counts once
    QCOMPARE(qint64(set->value(rowOf(set, QStringLiteral("7520910")), QStringLiteral("D_1121")).toDouble()),
             lineMovement(QStringLiteral("7520910"), QStringLiteral("l.slip_no = 'TCST0001'")));
    checkTotals(set, false, QStringLiteral("판  관  부  서  합   계"));
    QVERIFY(!set->hasField(QStringLiteral("ORD")));
}

// Every 75 account in use is a row, moved or not, and "마스터" is the last
// department column.
void TestCosts::masterColumnListsEveryAccountInUse()
{
    const auto screen = shown<TfrmVHI040>();
    TfrmVHI040* s = screen.get();
    search(s);
    RecordSet* set = s->result();
    const QStringList depts = deptFields(set);
    QCOMPARE(depts.last(), QStringLiteral("D_9999"));
    DataGrid* grid = s->resultGrid();
    QCOMPARE(grid->columnCaption(grid->columnOf(QStringLiteral("D_9999"))), QStringLiteral("마스터"));
    const qint64 inUse = number(QStringLiteral("SELECT count(*) FROM va020ms WHERE slip_yn = 'Y' AND use_yn = 'Y' "
                                               "AND acct_code LIKE '75%'"));
    int listed = 0;
    for (int row = 0; row < set->recordCount() - 1; ++row)
        listed += set->fieldAsString(row, QStringLiteral("ACCT_CODE")).startsWith(QLatin1String("75"));
    QCOMPARE(listed, int(inUse));
    // an account without a line in the period: a row with empty amounts
    const int bonuses = rowOf(set, QStringLiteral("7510130"));
    QVERIFY(bonuses >= 0);
    QCOMPARE(set->displayText(bonuses, TfrmCostStatement::kTotalField), QString());
    QCOMPARE(set->displayText(bonuses, QStringLiteral("D_9999")), QString());
}

void TestCosts::emptyPeriodHoldsOnlyTheTotalRow()
{
    for (int variant = 0; variant < 2; ++variant) {
        std::unique_ptr<TfrmCostStatement> screen;
        if (variant == 0)
            screen = shown<TfrmVHI010>();
        else
            screen = shown<TfrmVHI020>();
        TfrmCostStatement* s = screen.get();
        search(s, QDate(2030, 1, 1), QDate(2030, 1, 31));
        QCOMPARE(s->RecordCount, 1);
        QCOMPARE(s->result()->recordCount(), 1);
        QVERIFY(deptFields(s->result()).isEmpty());
        QVERIFY(s->result()->hasField(TfrmCostStatement::kTotalField));
    }
}

// The procedure's refusal is shown, and the rows of the last run stay.
void TestCosts::refusalShownAndRowsKept()
{
    const auto screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    search(s);
    const qint64 rows = number(QStringLiteral("SELECT count(*) FROM vh010pr WHERE ip_addr = '10.8.8.8'"));
    QVERIFY(rows > 0);
    control(s, "bbtCancel")->click();
    control<QLineEdit>(s, "edtUsdeptcd")->setText(QStringLiteral("1110"));
    m_dialogs->clear();
    control(s, "bbtSearch")->click();
    QCOMPARE(m_dialogs->texts(), QStringList{QStringLiteral("원가부서가 아닙니다.(1110)")});
    QCOMPARE(s->State, int(MaintenanceCore::stNone));
    QCOMPARE(number(QStringLiteral("SELECT count(*) FROM vh010pr WHERE ip_addr = '10.8.8.8'")), rows);
}

// Leaving a typed code looks it up; switching the option clears the code
// and looks parts up instead.
void TestCosts::departmentLookupAndOptions()
{
    const auto screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    auto* code = control<QLineEdit>(s, "edtUsdeptcd");
    auto* name = control<QLineEdit>(s, "edtUsdeptnm");
    code->setFocus();
    QTest::keyClicks(code, QStringLiteral("2130"));
    control<QDateEdit>(s, "dtpFSlipDate")->setFocus();
    QTRY_COMPARE(name->text(), QStringLiteral("시설팀"));
    control<QRadioButton>(s, "rbPart")->setChecked(true);
    QVERIFY(code->text().isEmpty());
    QVERIFY(name->text().isEmpty());
    QVERIFY(control<TPopupBtn>(s, "pbtAcctDept")->sql().join(u' ').contains(QStringLiteral("QA150MS")));
    code->setText(QStringLiteral("2131"));
    search(s);
    QCOMPARE(deptFields(s->result()), QStringList{QStringLiteral("D_2131")});
    // a from-date past the to-date takes the to-date along
    control<QDateEdit>(s, "dtpFSlipDate")->setDate(QDate(2026, 12, 5));
    QCOMPARE(control<QDateEdit>(s, "dtpESlipDate")->date(), QDate(2026, 12, 5));
}

void TestCosts::exportOfThePivotedGrid()
{
    const auto screen = shown<TfrmVHI010>();
    TfrmVHI010* s = screen.get();
    search(s);
    RecordSet* set = s->result();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VHI010.xls"));
    m_dialogs->fileNames << path;
    control(s, "bbtExcel")->click();
    const XlsReadBack::Sheet sheet = XlsReadBack::readSheet(path);
    QVERIFY2(sheet.error.isEmpty(), qPrintable(sheet.error));
    QVERIFY(sheet.rows >= set->recordCount());
    // the grand total as a number somewhere in the last data row
    const double total = set->value(set->recordCount() - 1, TfrmCostStatement::kTotalField).toDouble();
    bool found = false;
    QStringList texts;
    for (auto it = sheet.cells.constBegin(); it != sheet.cells.constEnd(); ++it) {
        found = found || (it->type == XlsReadBack::Cell::Number && it->number == total);
        if (it->type == XlsReadBack::Cell::Text)
            texts << it->text;
    }
    QVERIFY(found);
    QVERIFY(texts.join(u'|').contains(QStringLiteral("매출원가명세서")));
    QVERIFY(texts.contains(QStringLiteral("객실팀:2210")));
    QVERIFY(texts.contains(QStringLiteral("업  장  별    합   계")));
}

TV_TEST_MAIN(TestCosts)
#include "tst_costs.moc"
