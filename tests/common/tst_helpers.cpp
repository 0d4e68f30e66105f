// Text, number and date helpers: the rules screens and file records rely on.
#include "common/Cp949.h"
#include "common/DateUtil.h"
#include "common/DeptEntry.h"
#include "common/FieldMode.h"
#include "common/NumEdit.h"
#include "common/TextUtil.h"
#include "support/ScriptedDialogs.h"
#include "support/TestMain.h"
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void digitsOnly_data();
    void digitsOnly();
    void isNumberText_data();
    void isNumberText();
    void paddingCountsCp949Bytes();
    void deptEntryKeepsItsCodeInPlace_data();
    void deptEntryKeepsItsCodeInPlace();
    void splitAndCount_data();
    void splitAndCount();
    void stripCommasAndRemoveAll();
    void bizRegNo();
    void cp949RoundTrip();
    void incDateEx_data();
    void incDateEx();
    void monthsBetween();
    void dateTexts();
    void quarters();
    void fieldModeByKind();
};

void TestHelpers::digitsOnly_data()
{
    QTest::addColumn<QString>("in");
    QTest::addColumn<QString>("out");
    QTest::newRow("amount with commas and word") << "-1,234,500원" << "-1234500";
    QTest::newRow("minus inside is dropped") << "12-34" << "1234";
    QTest::newRow("date text") << "2026-12-10" << "20261210";
    QTest::newRow("empty") << "" << "";
}

void TestHelpers::digitsOnly()
{
    QFETCH(QString, in);
    QFETCH(QString, out);
    QCOMPARE(DigitsOnly(in), out);
}

void TestHelpers::isNumberText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("options");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("zero without option 2") << "0" << 0 << false;
    QTest::newRow("zero with option 2") << "0" << 2 << true;
    QTest::newRow("000 without option 2") << "000" << 0 << false;
    QTest::newRow("commas without 16") << "1,000" << 0 << false;
    QTest::newRow("commas with 16") << "1,000" << 16 << true;
    QTest::newRow("minus without 4") << "-5" << 0 << false;
    QTest::newRow("minus with 4") << "-5" << 4 << true;
    QTest::newRow("two minus with 4") << "--5" << 4 << false;
    QTest::newRow("point with 8") << "1.5" << 8 << true;
    QTest::newRow("two points with 8") << "1.5.1" << 8 << false;
    QTest::newRow("letter") << "12a" << 31 << false;
    QTest::newRow("empty accepted") << "" << 0 << true;
    QTest::newRow("empty rejected") << "" << 1 << false;
    QTest::newRow("Hangul digit-like text") << "일" << 31 << false;
}

void TestHelpers::isNumberText()
{
    QFETCH(QString, text);
    QFETCH(int, options);
    QFETCH(bool, accepted);
    QCOMPARE(IsNumberText(text, options), accepted);
}

void TestHelpers::paddingCountsCp949Bytes()
{
    QCOMPARE(PadRight(QStringLiteral("홍길"), 10), QStringLiteral("홍길      "));
    QCOMPARE(PadLeft(QStringLiteral(" 12 "), 5, QLatin1Char('0')), QStringLiteral("00012"));
    QCOMPARE(PadLeft(QStringLiteral("123456"), 3), QStringLiteral("123456"));
    QCOMPARE(ZeroPadLeft(QStringLiteral("12"), 7), QStringLiteral("0000012"));
    QCOMPARE(ZeroPadLeft(QStringLiteral("12345678"), 7), QStringLiteral("1234567"));
    QCOMPARE(FitText(6, true, QStringLiteral("ab")), QStringLiteral("    ab"));
    QCOMPARE(FitText(6, false, QStringLiteral(" ab")), QStringLiteral(" ab   "));
    // A double-byte syllable that would straddle the width is left out.
    QCOMPARE(FitText(5, false, QStringLiteral("가나다")), QStringLiteral("가나"));
    QCOMPARE(Cp949::byteLength(QStringLiteral("가나다")), 6);
    QCOMPARE(Cp949::encode(FitText(10, false, QStringLiteral("한글a"))).size(), 10);
}

void TestHelpers::deptEntryKeepsItsCodeInPlace_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shownName");  // the name part, trailing blanks removed
    QTest::newRow("short") << "전산팀" << "전산팀";
    QTest::newRow("latin") << "IT" << "IT";
    QTest::newRow("exactly 30 bytes") << QString(15, QChar(0xAC00)) << QString(15, QChar(0xAC00));
    QTest::newRow("cut between syllables") << QString(16, QChar(0xAC00)) << QString(15, QChar(0xAC00));
    // The 30th byte would be the first half of a syllable.
    QTest::newRow("cut inside a syllable") << QStringLiteral("A") + QString(16, QChar(0xD55C))
                                           << QStringLiteral("A") + QString(14, QChar(0xD55C));
    QTest::newRow("long mixed name") << QStringLiteral("한빛리조트 경영지원본부 재무회계팀 결산파트")
                                     << QStringLiteral("한빛리조트 경영지원본부 재무회");
    QTest::newRow("empty") << "" << "";
}

void TestHelpers::deptEntryKeepsItsCodeInPlace()
{
    QFETCH(QString, name);
    QFETCH(QString, shownName);
    const QString entry = DeptEntry::text(name, QStringLiteral("1140"));
    const QByteArray bytes = Cp949::encode(entry);
    QCOMPARE(bytes.size(), 35);
    QCOMPARE(bytes.mid(30, 4), QByteArray("1140"));
    QCOMPARE(bytes.back(), 'N');
    QCOMPARE(DeptEntry::codeOf(entry), QStringLiteral("1140"));
    QCOMPARE(Cp949::decode(bytes.left(30)).trimmed(), shownName);
}

void TestHelpers::splitAndCount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<int>("lastIndex");
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<int>("parts");
    QTest::newRow("trimmed pieces, room left empty") << " 101 : 현금 :x" << ":" << 3 << QStringList{"101", "현금", "x", ""} << 3;
    QTest::newRow("empty text") << "" << ":" << 1 << QStringList{"", ""} << 1;
    QTest::newRow("no separator") << "only" << ":" << 0 << QStringList{"only"} << 1;
    QTest::newRow("empty pieces between separators") << "a::b" << ":" << 2 << QStringList{"a", "", "b"} << 3;
    // Separators that could overlap are counted as they are cut.
    QTest::newRow("two-character separator") << "a;;;b" << ";;" << 1 << QStringList{"a", ";b"} << 2;
    QTest::newRow("run of separators") << "x----y" << "--" << 2 << QStringList{"x", "", "y"} << 3;
}

void TestHelpers::splitAndCount()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(int, lastIndex);
    QFETCH(QStringList, pieces);
    QFETCH(int, parts);
    QCOMPARE(SplitText(lastIndex, text, separator), pieces);
    QCOMPARE(CountParts(text, separator), parts);
}

void TestHelpers::stripCommasAndRemoveAll()
{
    QCOMPARE(StripCommas(QStringLiteral("  ")), QStringLiteral("0"));
    QCOMPARE(StripCommas(QStringLiteral(" 1,234 ")), QStringLiteral(" 1234 "));
    QCOMPARE(RemoveAll(QStringLiteral("ab"), QStringLiteral("aabbx")), QStringLiteral("x"));
}

void TestHelpers::bizRegNo()
{
    QVERIFY(CheckBizRegNo(QStringLiteral("1234567891")));
    QVERIFY(!CheckBizRegNo(QStringLiteral("1234567890")));
    QVERIFY(CheckBizRegNo(QStringLiteral("2208162517")));
    QVERIFY(!CheckBizRegNo(QStringLiteral("2208162518")));
    QVERIFY(!CheckBizRegNo(QStringLiteral("220-81-6251")));
    QVERIFY(!CheckBizRegNo(QStringLiteral("123")));
}

void TestHelpers::cp949RoundTrip()
{
    const QString text = QStringLiteral("(주)한빛리조트 \"본사\" 12월");
    const QByteArray bytes = Cp949::encode(text);
    QCOMPARE(bytes.size(), Cp949::byteLength(text));
    QCOMPARE(Cp949::decode(bytes), text);
    QCOMPARE(Cp949::encode(QStringLiteral("가")), QByteArray("\xB0\xA1"));
}

void TestHelpers::incDateEx_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("years");
    QTest::addColumn<bool>("overflow");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("31 Jan + 1 month") << 0 << 1 << 0 << false << QDate(2026, 1, 31) << QDate(2026, 2, 28);
    QTest::newRow("31 Jan + 1 month overflow") << 0 << 1 << 0 << true << QDate(2026, 1, 31) << QDate(2026, 3, 3);
    QTest::newRow("leap year overflow") << 0 << 1 << 0 << true << QDate(2028, 1, 31) << QDate(2028, 3, 2);
    QTest::newRow("minus 13 months") << 0 << -13 << 0 << false << QDate(2026, 3, 15) << QDate(2025, 2, 15);
    QTest::newRow("day back over month") << -10 << 0 << 0 << false << QDate(2026, 3, 5) << QDate(2026, 2, 23);
    QTest::newRow("to day 0") << -1 << 0 << 0 << false << QDate(2026, 1, 1) << QDate(2025, 12, 31);
    QTest::newRow("29 Feb + 1 year") << 0 << 0 << 1 << false << QDate(2028, 2, 29) << QDate(2029, 2, 28);
    QTest::newRow("December + 1 month") << 0 << 1 << 0 << false << QDate(2026, 12, 10) << QDate(2027, 1, 10);
    QTest::newRow("days overflow") << 40 << 0 << 0 << true << QDate(2026, 12, 10) << QDate(2027, 1, 19);
}

void TestHelpers::incDateEx()
{
    QFETCH(int, days);
    QFETCH(int, months);
    QFETCH(int, years);
    QFETCH(bool, overflow);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    QCOMPARE(IncDateEx(days, months, years, overflow, from), expected);
}

void TestHelpers::monthsBetween()
{
    ScriptedDialogs dialogs;
    QCOMPARE(MonthsBetween(QStringLiteral("202601"), QStringLiteral("202603")), 3);
    QCOMPARE(MonthsBetween(QStringLiteral("202601"), QStringLiteral("202701")), 12);
    QCOMPARE(MonthsBetween(QString(), QStringLiteral("202701")), 0);
    QVERIFY(dialogs.shown.isEmpty());
    QCOMPARE(MonthsBetween(QStringLiteral("202603"), QStringLiteral("202601")), 0);
    QCOMPARE(dialogs.texts(), QStringList{QStringLiteral(" From 날짜보다 작습니다. ")});
}

void TestHelpers::dateTexts()
{
    QCOMPARE(LastDayText(QStringLiteral("202802")), QStringLiteral("29"));
    QCOMPARE(LastDayText(QStringLiteral("202602")), QStringLiteral("28"));
    QCOMPARE(LastDayText(QStringLiteral("202613")), QString());
    QCOMPARE(LastDayText(QStringLiteral("2026")), QString());
    QCOMPARE(FormatDateText(QStringLiteral("20261210")), QStringLiteral("2026-12-10"));
    QCOMPARE(FormatDateText(QStringLiteral("20260230")), QStringLiteral("20260230"));
    QCOMPARE(FormatDateParts(QStringLiteral("20261210"), QStringLiteral("."), QString(), false), QStringLiteral("2026.12.10"));
    QCOMPARE(FormatDateParts(QStringLiteral("2026-12"), QStringLiteral("년 "), QString(), false), QStringLiteral("2026년 12"));
    QCOMPARE(FormatDateParts(QStringLiteral("202612"), QStringLiteral("/"), QString(), true), QStringLiteral("2026/12/"));
    QCOMPARE(FormatDateParts(QStringLiteral("12345"), QStringLiteral("/"), QString(), true), QString());
    QVERIFY(IsDateTextOfKind(QStringLiteral("2028-02-29"), 8));
    QVERIFY(!IsDateTextOfKind(QStringLiteral("2026-02-29"), 8));
    QVERIFY(!IsDateTextOfKind(QStringLiteral("2026-02-30"), 8));
    QVERIFY(IsDateTextOfKind(QStringLiteral("2026-12"), 6));
    QVERIFY(!IsDateTextOfKind(QStringLiteral("202612"), 7));
    QCOMPARE(DaysInMonth(2028, 2), 29);
}

void TestHelpers::quarters()
{
    QCOMPARE(FirstDayOfQuarter(QDate(2026, 12, 10)), QDate(2026, 10, 1));
    QCOMPARE(LastDayOfQuarter(QDate(2026, 12, 10)), QDate(2026, 12, 31));
    QCOMPARE(LastDayOfQuarter(QDate(2026, 2, 10)), QDate(2026, 3, 31));
    QCOMPARE(LastDayOfMonth(QDate(2028, 2, 3)), QDate(2028, 2, 29));
    QCOMPARE(FirstDayOfMonth(QDate(2028, 2, 3)), QDate(2028, 2, 1));
}

void TestHelpers::fieldModeByKind()
{
    QLineEdit edit;
    edit.setText(QStringLiteral("x"));
    SetFieldMode(&edit, fmLocked, true);
    QVERIFY(!edit.isEnabled());
    QCOMPARE(edit.text(), QStringLiteral("x"));
    SetFieldMode(&edit, fmEditable, false);
    QVERIFY(edit.isEnabled());
    QVERIFY(edit.text().isEmpty());

    edit.setReadOnly(true);
    SetFieldMode(&edit, fmEditable, true);
    QVERIFY(!edit.isEnabled());

    NumEdit num;
    num.setValue(1500);
    QCOMPARE(num.text(), QStringLiteral("1,500"));
    SetFieldMode(&num, fmGreyed, false);
    QCOMPARE(num.value(), 0.0);
    QVERIFY(!num.isEnabled());

    QCheckBox check;
    check.setChecked(true);
    SetFieldMode(&check, fmEditable, false);
    QVERIFY(!check.isChecked());

    // Radio buttons are emptied too, alone among siblings or in a group, and
    // stay exclusive afterwards.
    QWidget radios;
    auto* sibling1 = new QRadioButton(&radios);
    auto* sibling2 = new QRadioButton(&radios);
    sibling1->setChecked(true);
    SetFieldMode(sibling1, fmLocked, false);
    QVERIFY(!sibling1->isChecked());
    QVERIFY(!sibling1->isEnabled());
    sibling1->setChecked(true);
    sibling2->setChecked(true);
    QVERIFY(!sibling1->isChecked());
    QButtonGroup group;
    QRadioButton grouped1, grouped2;
    group.addButton(&grouped1);
    group.addButton(&grouped2);
    grouped2.setChecked(true);
    SetFieldMode(&grouped2, fmEditable, false);
    QVERIFY(!grouped2.isChecked());
    QVERIFY(group.exclusive());
    SetFieldMode(&grouped1, fmEditable, true);
    QVERIFY(!grouped1.isChecked());

    QComboBox combo;
    combo.addItems({QStringLiteral("a"), QStringLiteral("b")});
    combo.setCurrentIndex(1);
    SetFieldMode(&combo, fmLocked, false);
    QCOMPARE(combo.currentIndex(), -1);

    QDateEdit date(QDate(2020, 1, 1));
    date.setProperty("tag", 1);
    SetFieldMode(&date, fmEditable, false);
    QCOMPARE(date.date(), QDate::currentDate());
    QVERIFY(!date.isEnabled());
}

TV_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
