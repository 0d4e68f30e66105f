// The maintenance base: the state machine and its enabling table, hotkeys of
// disabled buttons, roll-back and error handling of hooks, field wiring and
// clearing by kind, Enter navigation and the date checks.
#include "common/Db.h"
#include "common/Query.h"
#include "common/Transaction.h"
#include "framework/ZQI020.h"
#include "grid/DbControls.h"
#include "shell/ErrorDlg.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

class ProbeScreen : public TfrmZQI020 {
public:
    enum SaveMode { SaveDone, SaveNotDone, SaveRaises };

    ProbeScreen() : TfrmZQI020(QStringLiteral("VZZ999"))
    {
        edtSearch = new QLineEdit(panSearch);
        edtSearch->setObjectName(QStringLiteral("edtSearch"));
        static_cast<QHBoxLayout*>(panSearch->layout())->insertWidget(0, edtSearch);

        auto* disp = new QVBoxLayout(panDisp);
        grid = new QTableWidget(3, 2, panDisp);
        disp->addWidget(grid);

        auto* input = new QVBoxLayout(panInput);
        edtName = new QLineEdit(panInput);
        edtName->setObjectName(QStringLiteral("edtName"));
        edtCode = new QLineEdit(QStringLiteral("fixed"), panInput);
        edtCode->setReadOnly(true);
        medSDate = new QLineEdit(panInput);
        medSDate->setObjectName(QStringLiteral("medSDate"));
        medSDate->setInputMask(QStringLiteral("9999-99-99;_"));
        memo = new QPlainTextEdit(panInput);
        combo = new QComboBox(panInput);
        combo->addItems({QStringLiteral("가"), QStringLiteral("나")});
        check = new QCheckBox(panInput);
        radio = new QRadioButton(panInput);
        date = new QDateEdit(QDate(2020, 1, 1), panInput);
        dbMemo = new DbMemo(panInput);
        for (QWidget* w :
             std::initializer_list<QWidget*>{edtName, edtCode, medSDate, memo, combo, check, radio, date, dbMemo})
            input->addWidget(w);
    }

    void DoSearch() override
    {
        ++searches;
        RecordCount = rows;
        RefreshButtons();
    }
    void DoSave() override
    {
        SharedTransaction::instance().start();
        ExecSql(QStringLiteral("INSERT INTO maint_probe VALUES (:P0)"), {edtName->text()});
        if (saveMode == SaveRaises)
            ExecSql(QStringLiteral("INSERT INTO maint_probe VALUES (NULL)"));
        if (saveMode == SaveDone) {
            SharedTransaction::instance().commit();
            Done = true;
        }
    }
    void DoDelete() override { Done = deleteDone; }
    void AfterCancel() override { ++cancels; }
    void AfterNew() override { ++news; }

    QLineEdit *edtSearch, *edtName, *edtCode, *medSDate;
    QPlainTextEdit* memo;
    QComboBox* combo;
    QCheckBox* check;
    QRadioButton* radio;
    QDateEdit* date;
    DbMemo* dbMemo;
    QTableWidget* grid;
    int rows = 0, searches = 0, cancels = 0, news = 0;
    SaveMode saveMode = SaveDone;
    bool deleteDone = true;

    QPushButton* button(const char* name) const { return findChild<QPushButton*>(QLatin1String(name)); }
    using TfrmZQI020::RefreshButtons;
};

// Enabled buttons in strip order: Search Excel Print Preview New Edit Delete Save Cancel.
QString enabledButtons(const ProbeScreen& s)
{
    QString out;
    for (const char* name : {"bbtSearch", "bbtExcel", "bbtPrint", "bbtPreview", "bbtAdd", "bbtEdit", "bbtDelete", "bbtSave", "bbtCancel"})
        out += s.button(name)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

}  // namespace

class TestMaintenance : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void stateTable_data();
    void stateTable();
    void disabledHotkeyDoesNothing();
    void saveNotDoneRollsBack();
    void saveRaisingShowsDialogAndReenablesSave();
    void deleteNotDoneKeepsBrowse();
    void clearingByKind();
    void enterMovesToNextField();
    void dateFieldChecks_data();
    void dateFieldChecks();
    void dateCheck_data();
    void dateCheck();
    void textHelpers();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestMaintenance::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    ExecSql(QStringLiteral("CREATE TABLE maint_probe (name VARCHAR(20) NOT NULL)"));
}

void TestMaintenance::stateTable_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("enabled");
    QTest::newRow("just opened") << 0 << QStringList{} << 0 << "100000000";
    QTest::newRow("search, no rows") << 0 << QStringList{"search"} << 1 << "000010001";
    QTest::newRow("search, rows") << 2 << QStringList{"search"} << 1 << "011111101";
    QTest::newRow("new") << 2 << QStringList{"search", "new"} << 3 << "000000011";
    QTest::newRow("edit") << 2 << QStringList{"search", "edit"} << 2 << "000000011";
    QTest::newRow("edit then save") << 2 << QStringList{"search", "edit", "save"} << 1 << "011111101";
    QTest::newRow("edit then cancel") << 2 << QStringList{"search", "edit", "cancel"} << 1 << "011111101";
    QTest::newRow("browse then cancel") << 2 << QStringList{"search", "cancel"} << 0 << "100000000";
}

void TestMaintenance::stateTable()
{
    QFETCH(int, rows);
    QFETCH(QStringList, events);
    QFETCH(int, state);
    QFETCH(QString, enabled);
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    s.rows = rows;
    s.edtName->setText(QStringLiteral("x"));
    for (const QString& e : events) {
        const char* name = e == "search" ? "bbtSearch" : e == "new" ? "bbtAdd" : e == "edit" ? "bbtEdit"
                         : e == "save" ? "bbtSave" : "bbtCancel";
        s.button(name)->click();
    }
    QCOMPARE(s.State, state);
    QCOMPARE(enabledButtons(s), enabled);
    const bool editing = state == 2 || state == 3;
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panInput"))->isEnabled(), editing);
    QCOMPARE(s.findChild<QWidget*>(QStringLiteral("panDisp"))->isEnabled(), !editing);
    QCOMPARE(s.edtSearch->isEnabled(), state == 0);
}

void TestMaintenance::disabledHotkeyDoesNothing()
{
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    s.edtSearch->setFocus();
    QTest::keyClick(&s, Qt::Key_F5);  // Edit is disabled
    QTest::keyClick(&s, Qt::Key_F4);  // New is disabled
    QCOMPARE(s.State, 0);
    QCOMPARE(s.news, 0);
    QVERIFY(dialogs.dialogsRun.isEmpty());
    QTest::keyClick(&s, Qt::Key_F3);
    QCOMPARE(s.searches, 1);
    QTest::keyClick(&s, Qt::Key_F4);
    QCOMPARE(s.news, 1);
    QCOMPARE(s.State, 3);
}

void TestMaintenance::saveNotDoneRollsBack()
{
    ExecSql(QStringLiteral("DELETE FROM maint_probe"));
    ProbeScreen s;
    s.show();
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    s.edtName->setText(QStringLiteral("kept?"));
    s.saveMode = ProbeScreen::SaveNotDone;
    s.button("bbtSave")->click();
    QCOMPARE(s.State, 3);
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM maint_probe")).toInt(), 0);
    QVERIFY(s.button("bbtSave")->isEnabled());
}

void TestMaintenance::saveRaisingShowsDialogAndReenablesSave()
{
    ExecSql(QStringLiteral("DELETE FROM maint_probe"));
    ScriptedDialogs dialogs;
    QString label;
    dialogs.onDialog = [&](QDialog* d) {
        label = static_cast<TFrmError*>(d)->messageText();
        return int(QDialog::Accepted);
    };
    ProbeScreen s;
    s.show();
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    s.edtName->setText(QStringLiteral("partial"));
    s.saveMode = ProbeScreen::SaveRaises;
    // A real click: the error travels through the event loop to the screen.
    QTest::mouseClick(s.button("bbtSave"), Qt::LeftButton);
    QCOMPARE(dialogs.dialogsRun.size(), 1);
    QCOMPARE(label, TranslateOracleError(1400, QString()));
    QCOMPARE(s.State, 3);
    QVERIFY(s.button("bbtSave")->isEnabled());
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(Db::scalar(QStringLiteral("SELECT count(*) FROM maint_probe")).toInt(), 0);

    s.saveMode = ProbeScreen::SaveDone;
    s.button("bbtSave")->click();
    QCOMPARE(s.State, 1);
    QCOMPARE(Db::scalar(QStringLiteral("SELECT name FROM maint_probe")).toString(), QStringLiteral("partial"));
}

void TestMaintenance::deleteNotDoneKeepsBrowse()
{
    ProbeScreen s;
    s.show();
    s.rows = 1;
    s.button("bbtSearch")->click();
    s.deleteDone = false;
    s.button("bbtDelete")->click();
    QCOMPARE(s.State, 1);
}

void TestMaintenance::clearingByKind()
{
    ProbeScreen s;
    s.show();
    s.rows = 1;
    s.button("bbtSearch")->click();
    s.grid->setItem(0, 0, new QTableWidgetItem(QStringLiteral("row")));
    s.button("bbtCancel")->click();  // browse → none clears the display
    QCOMPARE(s.grid->rowCount(), 0);
    QCOMPARE(s.RecordCount, 0);

    // New clears the edits placed directly in the input panel, combos to the first item.
    s.button("bbtSearch")->click();
    s.edtName->setText(QStringLiteral("old"));
    s.combo->setCurrentIndex(1);
    s.button("bbtAdd")->click();
    QVERIFY(s.edtName->text().isEmpty());
    QCOMPARE(s.combo->currentIndex(), 0);

    QVERIFY(s.edtCode->text().isEmpty());  // New empties every edit of the panel

    // The walk's clear action by kind; read-only edits keep their text.
    s.edtCode->setText(QStringLiteral("fixed"));
    s.edtName->setText(QStringLiteral("x"));
    s.memo->setPlainText(QStringLiteral("memo"));
    s.check->setChecked(true);
    s.radio->setChecked(true);
    s.WalkControls(s.findChild<QWidget*>(QStringLiteral("panInput")), TfrmZQI020::waClear);
    QVERIFY(s.edtName->text().isEmpty());
    QCOMPARE(s.edtCode->text(), QStringLiteral("fixed"));
    QVERIFY(s.memo->toPlainText().isEmpty());
    QVERIFY(!s.check->isChecked());
    QVERIFY(!s.radio->isChecked());
    QCOMPARE(s.combo->currentIndex(), -1);
    QCOMPARE(s.date->date(), QDate::currentDate());
}

void TestMaintenance::enterMovesToNextField()
{
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    s.edtName->setFocus();
    QTest::keyClick(s.edtName, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), s.edtCode);
    QTest::keyClick(s.edtCode, Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), s.edtName);
    QTest::keyClick(s.edtName, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), s.edtCode);

    // Enter in a memo, bound or not, is a line break; Down in a combo changes
    // its selection.
    for (QPlainTextEdit* memo : {s.memo, static_cast<QPlainTextEdit*>(s.dbMemo)}) {
        memo->setFocus();
        QTest::keyClick(memo, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), memo);
        QCOMPARE(memo->toPlainText(), QStringLiteral("\n"));
    }
    s.combo->setFocus();
    s.combo->setCurrentIndex(0);
    QTest::keyClick(s.combo, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), s.combo);
    QCOMPARE(s.combo->currentIndex(), 1);
    // Entering a field paints it yellow; a read-only one grey.
    QCOMPARE(s.combo->palette().color(QPalette::Base), QColor(255, 255, 0));
    s.edtCode->setFocus();
    QCOMPARE(s.edtCode->palette().color(QPalette::Base), QColor(128, 128, 128));
}

void TestMaintenance::dateFieldChecks_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("30 February") << "20260230" << false;
    QTest::newRow("29 February, leap year") << "20280229" << true;
    QTest::newRow("29 February, common year") << "20260229" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("partial") << "202612" << false;
    QTest::newRow("ordinary") << "20261210" << true;
}

void TestMaintenance::dateFieldChecks()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    ScriptedDialogs dialogs;
    ProbeScreen s;
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    s.button("bbtSearch")->click();
    s.button("bbtAdd")->click();
    s.medSDate->setFocus();
    s.medSDate->setText(typed);
    s.memo->setFocus();  // leave the date field
    if (accepted) {
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(s.medSDate->text().remove(QLatin1Char('-')), typed);
    } else {
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, QStringLiteral("날짜를 바르게 입력하십시오."));
        QCOMPARE(dialogs.shown[0].caption, QStringLiteral("입력오류"));
        QCOMPARE(s.medSDate->text(), QStringLiteral("--"));
        QCOMPARE(QApplication::focusWidget(), s.memo);
    }
}

void TestMaintenance::dateCheck_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("after");  // the text as the check leaves it
    QTest::newRow("separators only") << " - - " << true << "";
    QTest::newRow("date") << "2026-12-10" << true << "2026-12-10";
    QTest::newRow("blanks removed") << "2026-12- 1" << true << "2026-12-1";
    QTest::newRow("one-digit month and day") << "2026-1-5" << true << "2026-1-5";
    QTest::newRow("digits only") << "20261210" << true << "20261210";
    QTest::newRow("13th month") << "2026-13-10" << false << "2026-13-10";
    QTest::newRow("30 February") << "2026-02-30" << false << "2026-02-30";
    QTest::newRow("half typed") << "2026-12-" << false << "2026-12-";
    QTest::newRow("words") << "오늘" << false << "오늘";
}

void TestMaintenance::dateCheck()
{
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QString, after);
    QString t = text;
    QCOMPARE(TfrmZQI020::lfDateChk(t), accepted);
    QCOMPARE(t, after);

    // A masked edit gives its text when the check accepts it, else nothing.
    ProbeScreen s;
    QLineEdit edit;
    edit.setText(text);
    QCOMPARE(s.MaskDateText(&edit), accepted ? after : QString());
}

void TestMaintenance::textHelpers()
{
    QCOMPARE(TfrmZQI020::gpTrimSpace(QStringLiteral(" a b ")), QStringLiteral("ab"));
    QCOMPARE(TfrmZQI020::StripNumberText(QStringLiteral("1,234 567")), QStringLiteral("1234567"));
    QVERIFY(TfrmZQI020::IsDateText8(QStringLiteral("20280229")));
    QVERIFY(!TfrmZQI020::IsDateText8(QStringLiteral("2028229")));
}

TV_TEST_MAIN(TestMaintenance)
#include "tst_maintenance.moc"
