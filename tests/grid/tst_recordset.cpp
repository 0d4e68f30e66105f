// The record set: loading typed rows through the query helper, NULL and
// empty text, display formats, the edit state machine with its change log,
// locating, bookmarks, batch walks and the closed/empty distinction.
#include "common/AppErrors.h"
#include "common/Db.h"
#include "common/Query.h"
#include "grid/DisplayFormat.h"
#include "grid/RecordSet.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QFile>
#include <QSignalSpy>

namespace {

const QString kSelectAll = QStringLiteral("SELECT * FROM rs_sample ORDER BY id");

QList<FieldDef> memoryFields()
{
    FieldDef code(QStringLiteral("code"), FieldType::String, 10, true);
    FieldDef name(QStringLiteral("Name"), FieldType::String, 40);
    FieldDef amount(QStringLiteral("AMOUNT"), FieldType::Bcd);
    FieldDef day(QStringLiteral("day"), FieldType::Date);
    return {code, name, amount, day};
}

}  // namespace

class TestRecordSet : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }

    void openGivesTypedUpperCaseFields_data();
    void openGivesTypedUpperCaseFields();
    void openRunsThroughTheLoggedQueryHelper();
    void nullVersusEmptyText();
    void formatNumber_data();
    void formatNumber();
    void numberAndAmountFormats();
    void assignmentConvertsToFieldType_data();
    void assignmentConvertsToFieldType();
    void editPostCancelAndChangeLog();
    void insertAppendAndCancel();
    void deleteRecordLogsOriginalValues();
    void postChecksRequiredAndBeforePostVeto();
    void readOnlyFieldAndBrowseStateRefuseValues();
    void navigationBofEofAndScrollEvents();
    void movingAwayPostsPendingEdit();
    void locate_data();
    void locate();
    void bookmarksSurviveSortAndInserts();
    void walkRestoresPositionAndControls();
    void disabledControlsHoldBackViewSignals();
    void emptyVersusClosed();
    void reopenKeepsFieldSettings();
    void sortKeepsCurrentRecord();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestRecordSet::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    Db::run(QStringLiteral(
        "CREATE TABLE rs_sample (id int4 PRIMARY KEY, code varchar(10), name text, amt numeric(15), "
        "rate numeric(5,2), qty int8, small int2, ratio float8, flag boolean, day date, stamp timestamp, "
        "note varchar(100))"));
    Db::run(QStringLiteral(
        "INSERT INTO rs_sample VALUES "
        "(1, 'A100', '현금', 1234500, 12.5, 10000000000, 3, 0.25, true, DATE '2026-03-15', "
        " TIMESTAMP '2026-03-15 09:30:00', '비고'),"
        "(2, NULL, '', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),"
        "(3, 'b200', '보통예금', -500, 0, 7, 1, 1.5, false, DATE '2024-02-29', NULL, 'x'),"
        "(4, 'B210', '외상매출금', 80000, 3.25, 1, 2, 2, true, DATE '2026-12-31', NULL, NULL)"));
}

void TestRecordSet::openGivesTypedUpperCaseFields_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("size");
    QTest::newRow("int4") << "ID" << int(FieldType::Integer) << 0;
    QTest::newRow("varchar keeps its size") << "CODE" << int(FieldType::String) << 10;
    QTest::newRow("text") << "NAME" << int(FieldType::String) << 0;
    QTest::newRow("numeric without scale is exact") << "AMT" << int(FieldType::Bcd) << 15;
    QTest::newRow("numeric with scale is floating") << "RATE" << int(FieldType::Float) << 5;
    QTest::newRow("int8") << "QTY" << int(FieldType::LargeInt) << 0;
    QTest::newRow("int2") << "SMALL" << int(FieldType::SmallInt) << 0;
    QTest::newRow("float8") << "RATIO" << int(FieldType::Float) << 0;
    QTest::newRow("boolean") << "FLAG" << int(FieldType::Boolean) << 0;
    QTest::newRow("date") << "DAY" << int(FieldType::Date) << 0;
    QTest::newRow("timestamp") << "STAMP" << int(FieldType::DateTime) << 0;
}

void TestRecordSet::openGivesTypedUpperCaseFields()
{
    QFETCH(QString, field);
    QFETCH(int, type);
    QFETCH(int, size);
    RecordSet set;
    set.open(kSelectAll);
    QVERIFY(set.fieldNames().contains(field));
    QCOMPARE(int(set.field(field).type), type);
    QCOMPARE(set.field(field).size, size);
    // Names are found whatever their case.
    QCOMPARE(set.fieldIndex(field.toLower()), set.fieldIndex(field));
    QCOMPARE(set.recordCount(), 4);
}

void TestRecordSet::openRunsThroughTheLoggedQueryHelper()
{
    RecordSet set;
    set.setObjectName(QStringLiteral("cdsGrid"));
    QFile::remove(SqlLog::fileName());
    set.open(QStringLiteral("SELECT id, name FROM rs_sample WHERE amt > ? AND code <> ? ORDER BY id"),
             {QVariant(1000), QStringLiteral("zzz")});
    QCOMPARE(set.recordCount(), 2);
    QCOMPARE(set.value(QStringLiteral("id")).toInt(), 1);
    QFile log(SqlLog::fileName());
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    QVERIFY(text.contains(QStringLiteral("WHERE amt > ? AND code <> ?")));
    QVERIFY(text.contains(QStringLiteral("OpenTime_Gap")));

    // An error names the record set and the field.
    try {
        set.value(QStringLiteral("nothing"));
        QFAIL("an unknown field must raise");
    } catch (const DatabaseError& e) {
        QCOMPARE(e.message(), QStringLiteral("cdsGrid: Field 'nothing' not found"));
    }
    // A statement error leaves the record set closed and reports the server's error.
    QVERIFY_THROWS_EXCEPTION(ServerError, set.open(QStringLiteral("SELECT * FROM no_such_table")));
    QVERIFY(!set.isOpen());
}

void TestRecordSet::nullVersusEmptyText()
{
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(1);
    QVERIFY(set.isNull(QStringLiteral("CODE")));
    QCOMPARE(set.fieldAsString(QStringLiteral("CODE")), QString());
    // Empty text stored on the server is not NULL, yet reads the same.
    QVERIFY(!set.isNull(QStringLiteral("NAME")));
    QCOMPARE(set.fieldAsString(QStringLiteral("NAME")), QString());
    QVERIFY(set.isNull(QStringLiteral("AMT")));
    QCOMPARE(set.fieldAsFloat(QStringLiteral("AMT")), 0.0);
    QCOMPARE(set.fieldAsInteger(QStringLiteral("QTY")), 0);
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QString());
    QCOMPARE(set.displayText(QStringLiteral("DAY")), QString());
    QVERIFY(!set.fieldAsDate(QStringLiteral("DAY")).isValid());

    // Assigning empty text stores NULL, as the server the system was made for does.
    set.edit();
    set.setValue(QStringLiteral("NAME"), QStringLiteral("x"));
    set.setValue(QStringLiteral("NAME"), QString());
    QVERIFY(set.isNull(QStringLiteral("NAME")));
    set.setValue(QStringLiteral("AMT"), QStringLiteral("  "));
    QVERIFY(set.isNull(QStringLiteral("AMT")));
    set.cancel();
    QVERIFY(!set.isNull(QStringLiteral("NAME")));
}

void TestRecordSet::formatNumber_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::newRow("thousands") << 1234567.0 << "#,##0" << "1,234,567";
    QTest::newRow("negative rounds half away") << -1234.5 << "#,##0" << "-1,235";
    QTest::newRow("half rounds up") << 0.5 << "#,##0" << "1";
    QTest::newRow("negative rounding to zero has no sign") << -0.4 << "#,##0" << "0";
    QTest::newRow("zero with #,##0") << 0.0 << "#,##0" << "0";
    QTest::newRow("zero with #,### is empty") << 0.0 << "#,###" << "";
    QTest::newRow("#,#0 groups as well") << 1234.0 << "#,#0" << "1,234";
    QTest::newRow("#,##0.#0 keeps two decimals") << 1234.5 << "#,##0.#0" << "1,234.50";
    QTest::newRow("#,##0.00 rounds") << 1234.567 << "#,##0.00" << "1,234.57";
    QTest::newRow("optional decimals drop") << 2.5 << "0.##" << "2.5";
    QTest::newRow("no integer zero") << 0.25 << "#.##" << ".25";
    QTest::newRow("leading zeros") << 42.0 << "00000" << "00042";
    QTest::newRow("negative section") << -5.0 << "#,##0;(#,##0)" << "(5)";
    QTest::newRow("zero section") << 0.0 << "#,##0;(#,##0);'-'" << "-";
    QTest::newRow("literal suffix") << 1500.0 << "#,##0\"원\"" << "1,500원";
    QTest::newRow("no format") << 1234.5 << "" << "1234.5";
    QTest::newRow("large amount") << 123456789012.0 << "#,##0" << "123,456,789,012";
}

void TestRecordSet::formatNumber()
{
    QFETCH(double, value);
    QFETCH(QString, format);
    QFETCH(QString, text);
    QCOMPARE(FormatNumber(value, format), text);
}

void TestRecordSet::numberAndAmountFormats()
{
    RecordSet set;
    set.open(kSelectAll);
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QStringLiteral("1234500"));
    QCOMPARE(set.displayText(QStringLiteral("DAY")), QStringLiteral("2026-03-15"));
    QCOMPARE(set.displayText(QStringLiteral("STAMP")), QStringLiteral("2026-03-15 09:30:00"));
    SetNumberFormats(set);
    QCOMPARE(set.field(QStringLiteral("AMT")).displayFormat, QStringLiteral("#,##0"));
    QCOMPARE(set.field(QStringLiteral("ID")).displayFormat, QStringLiteral("#,##0"));
    QCOMPARE(set.field(QStringLiteral("NAME")).displayFormat, QString());
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QStringLiteral("1,234,500"));
    QCOMPARE(set.displayText(QStringLiteral("QTY")), QStringLiteral("10,000,000,000"));
    QCOMPARE(set.displayText(QStringLiteral("RATE")), QStringLiteral("12.50"));
    QCOMPARE(set.displayText(QStringLiteral("RATIO")), QStringLiteral("0.25"));
    // The value as text stays plain.
    QCOMPARE(set.fieldAsString(QStringLiteral("AMT")), QStringLiteral("1234500"));
    QCOMPARE(set.fieldAsString(QStringLiteral("RATE")), QStringLiteral("12.5"));
    set.moveTo(2);
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QStringLiteral("-500"));
    QCOMPARE(set.displayText(QStringLiteral("RATE")), QStringLiteral("0.00"));

    SetAmountFormats(set);
    QCOMPARE(set.field(QStringLiteral("RATE")).displayFormat, QStringLiteral("#,##0.00"));
    set.moveTo(3);
    QCOMPARE(set.displayText(QStringLiteral("RATE")), QStringLiteral("3.25"));
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QStringLiteral("80,000"));
    // Another row read without moving.
    QCOMPARE(set.displayText(0, QStringLiteral("AMT")), QStringLiteral("1,234,500"));
}

void TestRecordSet::assignmentConvertsToFieldType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QVariant>("input");
    QTest::addColumn<QVariant>("stored");  // invalid: a ConversionError
    QTest::newRow("amount text with commas") << int(FieldType::Bcd) << QVariant("1,234,500") << QVariant(1234500.0);
    QTest::newRow("amount negative") << int(FieldType::Bcd) << QVariant("-12") << QVariant(-12.0);
    QTest::newRow("amount word") << int(FieldType::Bcd) << QVariant("abc") << QVariant();
    QTest::newRow("integer fraction refused") << int(FieldType::Integer) << QVariant("1.5") << QVariant();
    QTest::newRow("integer from double rounds") << int(FieldType::Integer) << QVariant(2.6) << QVariant(3);
    QTest::newRow("large integer") << int(FieldType::LargeInt) << QVariant("10000000000") << QVariant(qint64(10000000000));
    QTest::newRow("date text") << int(FieldType::Date) << QVariant("2026-03-15") << QVariant(QDate(2026, 3, 15));
    QTest::newRow("date digits") << int(FieldType::Date) << QVariant("20240229") << QVariant(QDate(2024, 2, 29));
    QTest::newRow("no such date") << int(FieldType::Date) << QVariant("2023-02-29") << QVariant();
    QTest::newRow("flag Y") << int(FieldType::Boolean) << QVariant("Y") << QVariant(true);
    QTest::newRow("text") << int(FieldType::String) << QVariant(" a ") << QVariant(" a ");
}

void TestRecordSet::assignmentConvertsToFieldType()
{
    QFETCH(int, type);
    QFETCH(QVariant, input);
    QFETCH(QVariant, stored);
    RecordSet set;
    set.create({FieldDef(QStringLiteral("F"), FieldType(type))});
    set.append();
    if (!stored.isValid()) {
        QVERIFY_THROWS_EXCEPTION(ConversionError, set.setValue(QStringLiteral("F"), input));
        QVERIFY(set.isNull(QStringLiteral("F")));
        return;
    }
    set.setValue(QStringLiteral("F"), input);
    QCOMPARE(set.value(QStringLiteral("F")), stored);
}

void TestRecordSet::editPostCancelAndChangeLog()
{
    RecordSet set;
    set.open(kSelectAll);
    QSignalSpy states(&set, &RecordSet::stateChanged);
    QSignalSpy changes(&set, &RecordSet::fieldChanged);
    QSignalSpy data(&set, &RecordSet::dataChanged);
    QCOMPARE(set.state(), RecordSet::State::Browse);

    set.moveTo(2);
    set.edit();
    QCOMPARE(set.state(), RecordSet::State::Edit);
    set.setValue(QStringLiteral("name"), QStringLiteral("정기예금"));
    set.setValue(QStringLiteral("NAME"), QStringLiteral("정기예금"));  // the same again: no change
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("NAME"));
    QCOMPARE(data.count(), 1);
    QCOMPARE(data.at(0).at(0).toInt(), 2);
    QCOMPARE(data.at(0).at(1).toString(), QStringLiteral("NAME"));
    set.cancel();
    QCOMPARE(set.fieldAsString(QStringLiteral("NAME")), QStringLiteral("보통예금"));
    QCOMPARE(set.rowStatus(2), RecordSet::RowStatus::Unmodified);

    set.edit();
    set.setValue(QStringLiteral("AMT"), 777);
    QCOMPARE(set.originalValue(2, QStringLiteral("AMT")).toDouble(), -500.0);
    set.post();
    QCOMPARE(set.state(), RecordSet::State::Browse);
    QCOMPARE(set.rowStatus(2), RecordSet::RowStatus::Modified);
    QCOMPARE(set.changedRows(), QList<int>{2});
    QCOMPARE(set.originalValue(2, QStringLiteral("AMT")).toDouble(), -500.0);
    QCOMPARE(set.fieldAsFloat(QStringLiteral("AMT")), 777.0);

    // A second edit keeps the value as loaded as the original.
    set.edit();
    set.setValue(QStringLiteral("AMT"), 888);
    set.post();
    QCOMPARE(set.originalValue(2, QStringLiteral("AMT")).toDouble(), -500.0);

    // An edit that changes nothing leaves the row unmodified.
    set.moveTo(0);
    set.edit();
    set.post();
    QCOMPARE(set.rowStatus(0), RecordSet::RowStatus::Unmodified);

    QList<RecordSet::State> seen;
    for (const auto& args : std::as_const(states))
        seen << args.at(0).value<RecordSet::State>();
    QCOMPARE(seen, (QList<RecordSet::State>{RecordSet::State::Edit, RecordSet::State::Browse, RecordSet::State::Edit,
                                            RecordSet::State::Browse, RecordSet::State::Edit, RecordSet::State::Browse,
                                            RecordSet::State::Edit, RecordSet::State::Browse}));
    QCOMPARE(set.changeCount(), 1);
    set.mergeChanges();
    QCOMPARE(set.changeCount(), 0);
    QCOMPARE(set.rowStatus(2), RecordSet::RowStatus::Unmodified);
}

void TestRecordSet::insertAppendAndCancel()
{
    RecordSet set;
    set.create(memoryFields());
    QVERIFY(set.isOpen());
    QVERIFY(set.isEmpty());
    set.setDefaultValue(QStringLiteral("AMOUNT"), 0);
    QSignalSpy inserted(&set, &RecordSet::rowsInserted);
    QSignalSpy removed(&set, &RecordSet::rowsRemoved);
    connect(&set, &RecordSet::newRecord, &set, [&set] { set.setValue(QStringLiteral("NAME"), QStringLiteral("새 줄")); });

    set.append();
    QCOMPARE(set.state(), RecordSet::State::Insert);
    QCOMPARE(set.recordCount(), 1);
    QCOMPARE(set.fieldAsString(QStringLiteral("NAME")), QStringLiteral("새 줄"));
    QCOMPARE(set.fieldAsFloat(QStringLiteral("AMOUNT")), 0.0);
    QVERIFY(!set.isNull(QStringLiteral("AMOUNT")));
    set.setValue(QStringLiteral("CODE"), QStringLiteral("1110100"));
    set.post();
    set.appendRecord({QStringLiteral("1120100"), QStringLiteral("둘째"), 200, QStringLiteral("2026-01-02")});
    QCOMPARE(set.recordCount(), 2);
    QCOMPARE(set.currentRow(), 1);

    // insert() puts the new record before the current one.
    set.insert();
    QCOMPARE(set.currentRow(), 1);
    QCOMPARE(set.recordCount(), 3);
    QCOMPARE(inserted.count(), 3);
    QCOMPARE(inserted.last().at(0).toInt(), 1);
    set.cancel();
    QCOMPARE(set.recordCount(), 2);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(set.state(), RecordSet::State::Browse);
    QCOMPARE(set.fieldAsString(QStringLiteral("CODE")), QStringLiteral("1120100"));

    QCOMPARE(set.changedRows(), (QList<int>{0, 1}));
    QCOMPARE(set.rowStatus(0), RecordSet::RowStatus::Inserted);
    // Deleting a record never saved leaves nothing to delete on the server.
    set.first();
    set.deleteRecord();
    QVERIFY(set.deletedRows().isEmpty());
    QCOMPARE(set.recordCount(), 1);

    set.emptyDataSet();
    QVERIFY(set.isOpen());
    QVERIFY(set.isEmpty());
    QCOMPARE(set.currentRow(), -1);
}

void TestRecordSet::deleteRecordLogsOriginalValues()
{
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(1);
    set.edit();
    set.setValue(QStringLiteral("CODE"), QStringLiteral("ZZ"));
    set.post();
    set.deleteRecord();
    QCOMPARE(set.recordCount(), 3);
    QCOMPARE(set.currentRow(), 1);
    QCOMPARE(set.value(QStringLiteral("ID")).toInt(), 3);
    set.last();
    set.edit();
    set.setValue(QStringLiteral("NAME"), QStringLiteral("바뀜"));
    set.deleteRecord();  // in edit state: the edit is dropped with the record
    QCOMPARE(set.currentRow(), 1);
    QCOMPARE(set.state(), RecordSet::State::Browse);
    const QList<QVariantList> deleted = set.deletedRows();
    QCOMPARE(deleted.size(), 2);
    const int code = set.fieldIndex(QStringLiteral("CODE"));
    const int name = set.fieldIndex(QStringLiteral("NAME"));
    QVERIFY(deleted.at(0).at(code).isNull());
    QCOMPARE(deleted.at(0).at(0).toInt(), 2);
    QCOMPARE(deleted.at(1).at(name).toString(), QStringLiteral("외상매출금"));
    QVERIFY(set.changedRows().isEmpty());
    QCOMPARE(set.changeCount(), 2);
}

void TestRecordSet::postChecksRequiredAndBeforePostVeto()
{
    RecordSet set;
    set.create(memoryFields());
    set.append();
    set.setValue(QStringLiteral("NAME"), QStringLiteral("코드 없음"));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.post());
    QCOMPARE(set.state(), RecordSet::State::Insert);
    set.setValue(QStringLiteral("CODE"), QStringLiteral("1"));
    set.post();

    bool veto = true;
    connect(&set, &RecordSet::beforePost, &set, [&] {
        if (veto)
            throw AppError(QStringLiteral("차변일때 필수입력 입니다.!"));
    });
    set.edit();
    set.setValue(QStringLiteral("AMOUNT"), 5);
    try {
        set.post();
        QFAIL("the handler refuses the post");
    } catch (const AppError& e) {
        QCOMPARE(e.message(), QStringLiteral("차변일때 필수입력 입니다.!"));
    }
    QCOMPARE(set.state(), RecordSet::State::Edit);
    QCOMPARE(set.fieldAsFloat(QStringLiteral("AMOUNT")), 5.0);
    veto = false;
    set.post();
    QCOMPARE(set.state(), RecordSet::State::Browse);
}

void TestRecordSet::readOnlyFieldAndBrowseStateRefuseValues()
{
    RecordSet set;
    set.open(kSelectAll);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.setValue(QStringLiteral("NAME"), QStringLiteral("x")));
    set.setFieldReadOnly(QStringLiteral("ID"), true);
    set.edit();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.setValue(QStringLiteral("ID"), 9));
    set.cancel();
    QCOMPARE(set.value(QStringLiteral("ID")).toInt(), 1);
    set.close();
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.edit());
}

void TestRecordSet::navigationBofEofAndScrollEvents()
{
    RecordSet set;
    set.open(kSelectAll);
    QVERIFY(set.bof());
    QVERIFY(!set.eof());
    QSignalSpy before(&set, &RecordSet::beforeScroll);
    QSignalSpy after(&set, &RecordSet::afterScroll);
    QList<int> ids;
    for (set.first(); !set.eof(); set.next())
        ids << set.value(QStringLiteral("ID")).toInt();
    QCOMPARE(ids, (QList<int>{1, 2, 3, 4}));
    QCOMPARE(set.currentRow(), 3);
    QCOMPARE(before.count(), 3);
    QCOMPARE(after.count(), 3);
    set.prior();
    QVERIFY(!set.eof());
    QCOMPARE(set.currentRow(), 2);
    set.first();
    set.prior();
    QVERIFY(set.bof());
    QCOMPARE(set.currentRow(), 0);
    set.moveBy(2);
    QCOMPARE(set.currentRow(), 2);
    set.moveBy(10);
    QCOMPARE(set.currentRow(), 3);
    QVERIFY(set.eof());
    set.moveTo(-5);
    QCOMPARE(set.currentRow(), 0);
    set.last();
    QVERIFY(set.eof());
}

void TestRecordSet::movingAwayPostsPendingEdit()
{
    RecordSet set;
    set.open(kSelectAll);
    set.edit();
    set.setValue(QStringLiteral("NOTE"), QStringLiteral("바뀐 비고"));
    set.next();
    QCOMPARE(set.state(), RecordSet::State::Browse);
    QCOMPARE(set.rowStatus(0), RecordSet::RowStatus::Modified);
    QCOMPARE(set.fieldAsString(0, QStringLiteral("NOTE")), QStringLiteral("바뀐 비고"));

    // A refused post keeps the record where it is.
    set.setFieldRequired(QStringLiteral("CODE"), true);
    set.edit();  // row 1 has no code
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.next());
    QCOMPARE(set.currentRow(), 1);
    QCOMPARE(set.state(), RecordSet::State::Edit);
    set.cancel();
}

void TestRecordSet::locate_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QVariantList>("values");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("row");
    QTest::newRow("exact") << "CODE" << QVariantList{"B210"} << 0 << 3;
    QTest::newRow("case differs") << "code" << QVariantList{"b210"} << 0 << -1;
    QTest::newRow("case-insensitive") << "CODE" << QVariantList{"B200"} << int(RecordSet::CaseInsensitive) << 2;
    QTest::newRow("partial") << "CODE" << QVariantList{"B2"} << int(RecordSet::PartialKey) << 3;
    QTest::newRow("partial, any case") << "CODE" << QVariantList{"b2"}
                                       << int(RecordSet::PartialKey | RecordSet::CaseInsensitive) << 2;
    QTest::newRow("two fields") << "NAME;AMT" << QVariantList{"외상매출금", 80000} << 0 << 3;
    QTest::newRow("two fields, one differs") << "NAME;AMT" << QVariantList{"외상매출금", 1} << 0 << -1;
    QTest::newRow("number as text") << "AMT" << QVariantList{"1,234,500"} << 0 << 0;
    QTest::newRow("NULL") << "AMT" << QVariantList{QVariant()} << 0 << 1;
    QTest::newRow("date") << "DAY" << QVariantList{"2024-02-29"} << 0 << 2;
    QTest::newRow("not a number") << "AMT" << QVariantList{"abc"} << 0 << -1;
}

void TestRecordSet::locate()
{
    QFETCH(QString, fields);
    QFETCH(QVariantList, values);
    QFETCH(int, options);
    QFETCH(int, row);
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(1);
    const bool found = set.locate(fields, values, RecordSet::LocateOptions(options));
    QCOMPARE(found, row >= 0);
    QCOMPARE(set.currentRow(), row >= 0 ? row : 1);
    QCOMPARE(set.findRow(fields, values, RecordSet::LocateOptions(options)), row);
}

void TestRecordSet::bookmarksSurviveSortAndInserts()
{
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(2);
    const RecordSet::Bookmark mark = set.bookmark();
    set.sort({QStringLiteral("AMT")}, Qt::DescendingOrder);
    set.first();
    set.insert();
    set.setValue(QStringLiteral("ID"), 99);
    set.post();
    QVERIFY(set.bookmarkValid(mark));
    QVERIFY(set.gotoBookmark(mark));
    QCOMPARE(set.value(QStringLiteral("ID")).toInt(), 3);
    set.deleteRecord();
    QVERIFY(!set.bookmarkValid(mark));
    QVERIFY(!set.gotoBookmark(mark));
    QCOMPARE(set.lookup(QStringLiteral("CODE"), {QStringLiteral("A100")}, QStringLiteral("NAME")).toString(),
             QStringLiteral("현금"));
}

void TestRecordSet::walkRestoresPositionAndControls()
{
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(2);
    QSignalSpy current(&set, &RecordSet::currentChanged);
    try {
        RecordSet::Walk walk(set);
        QVERIFY(set.controlsDisabled());
        for (set.first(); !set.eof(); set.next())
            if (set.value(QStringLiteral("ID")).toInt() == 4)
                throw AppError(QStringLiteral("write failed"));
    } catch (const AppError&) {
    }
    QVERIFY(!set.controlsDisabled());
    QCOMPARE(set.currentRow(), 2);
    // Views heard nothing during the walk and one notice after it.
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.at(0).at(0).toInt(), 2);
}

void TestRecordSet::disabledControlsHoldBackViewSignals()
{
    RecordSet set;
    set.create(memoryFields());
    QSignalSpy aboutToReset(&set, &RecordSet::aboutToReset);
    QSignalSpy reset(&set, &RecordSet::reset);
    QSignalSpy inserted(&set, &RecordSet::rowsInserted);
    QSignalSpy data(&set, &RecordSet::dataChanged);
    QSignalSpy fieldChanged(&set, &RecordSet::fieldChanged);
    set.disableControls();
    set.disableControls();
    for (int i = 0; i < 100; ++i)
        set.appendRecord({QString::number(i), QStringLiteral("줄"), i, QVariant()});
    set.enableControls();
    QCOMPARE(reset.count(), 0);
    set.enableControls();
    // One reset for the whole batch; the record set's own events were not held back.
    QCOMPARE(aboutToReset.count(), 1);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(inserted.count(), 0);
    QCOMPARE(data.count(), 0);
    QCOMPARE(fieldChanged.count(), 300);
    QCOMPARE(set.recordCount(), 100);
}

void TestRecordSet::emptyVersusClosed()
{
    RecordSet set;
    QVERIFY(!set.isOpen());
    QVERIFY(set.isEmpty());
    QCOMPARE(set.state(), RecordSet::State::Inactive);
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.value(QStringLiteral("X")));
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.first());

    set.open(QStringLiteral("SELECT * FROM rs_sample WHERE id < 0"));
    QVERIFY(set.isOpen());
    QVERIFY(set.isEmpty());
    QVERIFY(set.bof() && set.eof());
    QCOMPARE(set.currentRow(), -1);
    QVERIFY(set.value(QStringLiteral("NAME")).isNull());
    QCOMPARE(set.fieldAsString(QStringLiteral("NAME")), QString());
    set.first();  // moving in an empty record set is harmless
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.edit());
    QVERIFY_THROWS_EXCEPTION(DatabaseError, set.deleteRecord());
    QCOMPARE(set.fieldCount(), 12);

    set.close();
    QVERIFY(!set.isOpen());
    QCOMPARE(set.recordCount(), 0);
}

void TestRecordSet::reopenKeepsFieldSettings()
{
    RecordSet set;
    set.open(kSelectAll);
    set.setDisplayLabel(QStringLiteral("NAME"), QStringLiteral("계정명"));
    set.setDisplayFormat(QStringLiteral("AMT"), QStringLiteral("#,##0"));
    set.setFieldVisible(QStringLiteral("NOTE"), false);
    set.moveTo(3);
    set.reopen();
    QCOMPARE(set.currentRow(), 3);
    QCOMPARE(set.field(QStringLiteral("NAME")).label(), QStringLiteral("계정명"));
    QCOMPARE(set.displayText(QStringLiteral("AMT")), QStringLiteral("80,000"));
    QVERIFY(!set.field(QStringLiteral("NOTE")).visible);
    set.close();
    set.clearFieldSettings();
    set.open(kSelectAll);
    QCOMPARE(set.field(QStringLiteral("NAME")).label(), QStringLiteral("NAME"));
}

void TestRecordSet::sortKeepsCurrentRecord()
{
    RecordSet set;
    set.open(kSelectAll);
    set.moveTo(3);  // id 4, amount 80000
    set.sort({QStringLiteral("amt")});
    QCOMPARE(set.value(QStringLiteral("ID")).toInt(), 4);
    QList<int> ids;
    for (int r = 0; r < set.recordCount(); ++r)
        ids << set.value(r, QStringLiteral("ID")).toInt();
    QCOMPARE(ids, (QList<int>{2, 3, 4, 1}));  // NULL first
    set.sort({QStringLiteral("NAME")}, Qt::DescendingOrder);
    QCOMPARE(set.value(QStringLiteral("ID")).toInt(), 4);
    QCOMPARE(set.sortFields(), QStringList{QStringLiteral("NAME")});
    QCOMPARE(set.value(0, QStringLiteral("NAME")).toString(), QStringLiteral("현금"));
}

TV_TEST_MAIN(TestRecordSet)
#include "tst_recordset.moc"
