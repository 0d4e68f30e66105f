// The department lookup: the tree built from the labels' indentation, the
// reference date and the DeptAcc choice, pictures, selection, keys and the
// returned values.
#include "common/Db.h"
#include "common/FieldMode.h"
#include "common/Query.h"
#include "lookups/DeptBtn.h"
#include "lookups/DeptQry.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <functional>

namespace {

TfrmDeptQry* deptWindow(QDialog* dialog)
{
    auto* window = qobject_cast<TfrmDeptQry*>(dialog);
    if (!window)
        qFatal("the dialog run is not the department tree window");
    return window;
}

QTreeWidgetItem* findNode(QTreeWidget* tree, const QString& text)
{
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if ((*it)->text(0) == text)
            return *it;
    return nullptr;
}

// "parent>child" paths of the nodes under the node with the given text.
QStringList subtree(QTreeWidget* tree, const QString& rootText)
{
    QStringList paths;
    QTreeWidgetItem* root = findNode(tree, rootText);
    if (!root)
        return paths;
    std::function<void(QTreeWidgetItem*, const QString&)> walk = [&](QTreeWidgetItem* node, const QString& prefix) {
        const QString path = prefix.isEmpty() ? node->text(0) : prefix + QLatin1Char('>') + node->text(0);
        paths << path;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), path);
    };
    walk(root, QString());
    return paths;
}

}  // namespace

class TestDeptQry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void labelDepth_data();
    void labelDepth();
    void pictureIndex_data();
    void pictureIndex();

    void treeByDateAndDeptAcc_data();
    void treeByDateAndDeptAcc();
    void nodePicturesAndExpansion();
    void selectionFollowsTreePosition();
    void chooseAndCancel_data();
    void chooseAndCancel();
    void emptyTreeOkReturnsEmptyTexts();
    void keysAndButtons();
    void clearingTheFieldResetsReferenceDate();

private:
    std::unique_ptr<TestDatabase> m_db;
};

void TestDeptQry::initTestCase()
{
    m_db = std::make_unique<TestDatabase>();
    // A small organisation of its own beside the demo's, so the cases do not
    // depend on how the demo company is organised. 'T050' is written last
    // but sorts second: the tree follows SORT_ORD, not the order of writing.
    ExecSql(QStringLiteral(
        "INSERT INTO QA160MS_DATE (DEPT_CODE, DEPT_NAME, MAN_DEPT_CODE, MAN_DEPT_NAME, DEPT_TYPE, DEPT_AFF_YN,"
        "                          SORT_ORD, LVL, L_NAME, R_NAME, R_CODE, BGN_DATE, END_DATE) VALUES "
        "('T000', '시험본부', NULL, NULL, '1', 'Y', 90000, 1, '시험본부', '시험본부', 'T000', '2000-01-01', '9999-12-31'),"
        "('T100', '시험팀', 'T000', '시험본부', '2', 'Y', 90100, 2, ' 시험팀', '시험본부>시험팀', 'T000T100',"
        "  '2000-01-01', '9999-12-31'),"
        "('T110', '시험파트', 'T100', '시험팀', '3', 'N', 90110, 3, '  시험파트', '시험본부>시험팀>시험파트',"
        "  'T000T100T110', '2000-01-01', '9999-12-31'),"
        "('T120', '옛파트', 'T100', '시험팀', '3', 'Y', 90120, 3, '  옛파트', '시험본부>시험팀>옛파트',"
        "  'T000T100T120', '2000-01-01', '2019-12-31'),"
        "('T190', '시험공통', 'T100', '시험팀', '4', 'Y', 90190, 3, E'\\t\\t시험공통', '시험본부>시험팀>시험공통',"
        "  'T000T100T190', '2000-01-01', '9999-12-31'),"
        "('T200', '새팀', 'T000', '시험본부', '2', 'Y', 90200, 2, ' 새팀', '시험본부>새팀', 'T000T200',"
        "  '2025-01-01', '9999-12-31'),"
        "('T210', '깊은파트', 'T200', '새팀', '9', 'Y', 90210, 4, '    깊은파트', '시험본부>새팀>깊은파트',"
        "  'T000T200T210', '2025-01-01', '9999-12-31'),"
        "('T050', '앞팀', 'T000', '시험본부', '2', 'P', 90050, 2, ' 앞팀', '시험본부>앞팀', 'T000T050',"
        "  '2000-01-01', '9999-12-31')"));
}

void TestDeptQry::cleanupTestCase()
{
    m_db.reset();
}

void TestDeptQry::labelDepth_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("depth");
    QTest::newRow("root") << "본사" << 0;
    QTest::newRow("one blank") << " 본사" << 1;
    QTest::newRow("tabs") << "\t\t재무팀" << 2;
    QTest::newRow("mixed") << " \t 파트" << 3;
    QTest::newRow("inner blanks do not count") << "  총무 파트 " << 2;
    QTest::newRow("empty") << "" << 0;
}

void TestDeptQry::labelDepth()
{
    QFETCH(QString, label);
    QFETCH(int, depth);
    QCOMPARE(TfrmDeptQry::labelDepth(label), depth);
}

void TestDeptQry::pictureIndex_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("picture");
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("1") << "1" << 0;
    QTest::newRow("2") << "2" << 0;
    QTest::newRow("3") << "3" << 2;
    QTest::newRow("4") << "4" << 3;
    QTest::newRow("5") << "5" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestDeptQry::pictureIndex()
{
    QFETCH(QString, type);
    QFETCH(int, picture);
    QCOMPARE(TfrmDeptQry::pictureIndex(type), picture);
}

void TestDeptQry::treeByDateAndDeptAcc_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("deptAcc");
    QTest::addColumn<QStringList>("paths");
    const QString team = QStringLiteral("시험본부>시험팀");
    QTest::newRow("2019-12-31: last day of 옛파트, before 새팀")
        << QDate(2019, 12, 31) << true
        << QStringList{"시험본부", "시험본부>앞팀", team, team + ">시험파트", team + ">옛파트", team + ">시험공통"};
    QTest::newRow("2024-12-31: 옛파트 ended")
        << QDate(2024, 12, 31) << true
        << QStringList{"시험본부", "시험본부>앞팀", team, team + ">시험파트", team + ">시험공통"};
    QTest::newRow("2025-01-01: first day of 새팀; a deeper label hangs under it")
        << QDate(2025, 1, 1) << true
        << QStringList{"시험본부", "시험본부>앞팀", team, team + ">시험파트", team + ">시험공통", "시험본부>새팀",
                       "시험본부>새팀>깊은파트"};
    QTest::newRow("DeptAcc false: only DEPT_AFF_YN Y")
        << QDate(2025, 1, 1) << false
        << QStringList{"시험본부", team, team + ">시험공통", "시험본부>새팀", "시험본부>새팀>깊은파트"};
}

void TestDeptQry::treeByDateAndDeptAcc()
{
    QFETCH(QDate, date);
    QFETCH(bool, deptAcc);
    QFETCH(QStringList, paths);
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(date);
    button.setDeptAcc(deptAcc);
    QStringList shown;
    QString refeText;
    bool otherAffiliationsShown = false;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        refeText = w->referenceDate();
        shown = subtree(w->trvDept, QStringLiteral("시험본부"));
        for (int r = 0; r < w->rowCount(); ++r)
            if (w->rowText(r, QStringLiteral("DEPT_AFF_YN")) != QLatin1String("Y"))
                otherAffiliationsShown = true;
        return int(QDialog::Rejected);
    };
    button.click();
    QCOMPARE(refeText, date.toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(shown, paths);
    QCOMPARE(otherAffiliationsShown, deptAcc);
}

void TestDeptQry::nodePicturesAndExpansion()
{
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(QDate(2025, 6, 1));
    QMap<QString, int> pictures;
    bool allExpanded = true;
    bool iconsMatch = true;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        for (const QString& name : {"시험본부", "시험팀", "시험파트", "시험공통", "깊은파트"}) {
            QTreeWidgetItem* node = findNode(w->trvDept, name);
            const int picture = node ? node->data(0, TfrmDeptQry::PictureRole).toInt() : -9;
            pictures.insert(name, picture);
            const QIcon icon = node ? node->icon(0) : QIcon();
            if (picture < 0 ? !icon.isNull() : icon.cacheKey() != TfrmDeptQry::pictures().at(picture).cacheKey())
                iconsMatch = false;
        }
        for (QTreeWidgetItemIterator it(w->trvDept); *it; ++it)
            if ((*it)->childCount() > 0 && !(*it)->isExpanded())
                allExpanded = false;
        return int(QDialog::Rejected);
    };
    button.click();
    const QMap<QString, int> expected{{"시험본부", 0}, {"시험팀", 0}, {"시험파트", 2}, {"시험공통", 3}, {"깊은파트", -1}};
    QCOMPARE(pictures, expected);
    QVERIFY(iconsMatch);
    QVERIFY(allExpanded);
}

void TestDeptQry::selectionFollowsTreePosition()
{
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(QDate(2025, 6, 1));
    QStringList mismatches;
    int nodes = 0, rows = 0;
    QString firstSelected;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        rows = w->rowCount();
        firstSelected = w->trvDept->currentItem() ? w->trvDept->currentItem()->text(0) : QString();
        if (w->currentRow() != 0)
            mismatches << QStringLiteral("first node does not select the first row");
        for (QTreeWidgetItemIterator it(w->trvDept); *it; ++it, ++nodes) {
            w->trvDept->setCurrentItem(*it);
            const QString label = w->rowText(w->currentRow(), QStringLiteral("L_NAME")).trimmed();
            if (label != (*it)->text(0))
                mismatches << (*it)->text(0) + QStringLiteral(" -> ") + label;
            if (w->nodeOfRow(w->currentRow()) != *it)
                mismatches << (*it)->text(0) + QStringLiteral(": node of row");
        }
        return int(QDialog::Rejected);
    };
    button.click();
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(QLatin1Char('\n'))));
    QCOMPARE(nodes, rows);
    QVERIFY(rows > 8);
    QCOMPARE(firstSelected, Db::scalar(QStringLiteral(
        "SELECT BTRIM(L_NAME) FROM QA160MS_DATE WHERE '2025-06-01' BETWEEN BGN_DATE AND END_DATE "
        "ORDER BY SORT_ORD, DEPT_CODE LIMIT 1")).toString());
}

void TestDeptQry::chooseAndCancel_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("modalResult");
    QTest::addColumn<QStringList>("returnValue");
    QTest::newRow("choose 시험공통") << int(QDialog::Accepted) << 1
                                 << QStringList{"T190", "시험공통", "T100", "시험팀", "4", "Y",
                                                "시험본부>시험팀>시험공통", "T000T100T190"};
    QTest::newRow("cancel") << int(QDialog::Rejected) << 2 << QStringList{""};
}

void TestDeptQry::chooseAndCancel()
{
    QFETCH(int, answer);
    QFETCH(int, modalResult);
    QFETCH(QStringList, returnValue);
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(QDate(2025, 6, 1));
    int clicks = 0, resultSeen = 0;
    QStringList valueSeen;
    connect(&button, &TDeptBtn::clicked, [&] {
        ++clicks;
        resultSeen = button.modalResult();
        valueSeen = button.returnValue();
    });
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        w->trvDept->setCurrentItem(findNode(w->trvDept, QStringLiteral("시험공통")));
        return clicks == 0 ? answer : int(QDialog::Rejected);
    };
    button.click();
    QCOMPARE(clicks, 1);
    QCOMPARE(resultSeen, modalResult);
    QCOMPARE(valueSeen, returnValue);

    // The root has no managing department: empty texts, not blanks.
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        w->trvDept->setCurrentItem(findNode(w->trvDept, QStringLiteral("시험본부")));
        return int(QDialog::Accepted);
    };
    button.click();
    QCOMPARE(button.returnValue().mid(0, 4), (QStringList{"T000", "시험본부", "", ""}));
}

void TestDeptQry::emptyTreeOkReturnsEmptyTexts()
{
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(QDate(1990, 1, 1));
    int nodes = -1;
    dialogs.onDialog = [&](QDialog* d) {
        nodes = deptWindow(d)->trvDept->topLevelItemCount();
        return int(QDialog::Accepted);
    };
    button.click();
    QCOMPARE(nodes, 0);
    QCOMPARE(button.modalResult(), 1);
    QCOMPARE(button.returnValue(), QStringList(8, QString()));
}

void TestDeptQry::keysAndButtons()
{
    ScriptedDialogs dialogs;
    TDeptBtn button;
    button.setRefeDate(QDate(2025, 6, 1));

    struct Case {
        const char* name;
        std::function<void(TfrmDeptQry*)> act;
        int modalResult;
        QString code;
    };
    auto pick = [](TfrmDeptQry* w) { w->trvDept->setCurrentItem(findNode(w->trvDept, QStringLiteral("새팀"))); };
    const QList<Case> cases{
        {"enter in the tree", [&](TfrmDeptQry* w) { pick(w); QTest::keyClick(w->trvDept, Qt::Key_Return); }, 1,
         "T200"},
        {"esc in the tree", [&](TfrmDeptQry* w) { pick(w); QTest::keyClick(w->trvDept, Qt::Key_Escape); }, 2, ""},
        {"esc in the window", [&](TfrmDeptQry* w) { QTest::keyClick(w, Qt::Key_Escape); }, 2, ""},
        {"double-click a node",
         [&](TfrmDeptQry* w) {
             w->show();
             QTreeWidgetItem* node = findNode(w->trvDept, QStringLiteral("새팀"));
             w->trvDept->scrollToItem(node);
             const QPoint at = w->trvDept->visualItemRect(node).center();
             QTest::mouseClick(w->trvDept->viewport(), Qt::LeftButton, {}, at);
             QTest::mouseDClick(w->trvDept->viewport(), Qt::LeftButton, {}, at);
         },
         1, "T200"},
        {"ok button", [&](TfrmDeptQry* w) { pick(w); w->SpeedButtonOk->click(); }, 1, "T200"},
        {"cancel button", [&](TfrmDeptQry* w) { pick(w); w->SpeedButtonCancel->click(); }, 2, ""},
        {"collapse, expand and reload keep the choice working",
         [&](TfrmDeptQry* w) {
             w->btnFullColl1->click();
             const bool collapsed = !findNode(w->trvDept, QStringLiteral("시험본부"))->isExpanded();
             w->btnFullExp->click();
             const bool expanded = findNode(w->trvDept, QStringLiteral("시험본부"))->isExpanded();
             w->btnReLoad->click();
             if (collapsed && expanded && w->currentRow() == 0) {
                 pick(w);
                 w->SpeedButtonOk->click();
             }
         },
         1, "T200"},
    };
    for (const Case& c : cases) {
        dialogs.onDialog = [&](QDialog* d) {
            TfrmDeptQry* w = deptWindow(d);
            c.act(w);
            w->hide();
            return w->result();
        };
        button.click();
        QVERIFY2(button.modalResult() == c.modalResult, c.name);
        QVERIFY2(button.returnValue().at(0) == c.code, c.name);
    }

    // Down in the window moves into the tree.
    bool treeFocused = false;
    dialogs.onDialog = [&](QDialog* d) {
        TfrmDeptQry* w = deptWindow(d);
        w->show();
        QApplication::setActiveWindow(w);
        if (QTest::qWaitForWindowActive(w)) {
            w->trvDept->clearFocus();
            const bool leftTree = !w->trvDept->hasFocus();
            QTest::keyClick(w, Qt::Key_Down);
            treeFocused = leftTree && w->trvDept->hasFocus();
        }
        w->hide();
        return int(QDialog::Rejected);
    };
    button.click();
    QVERIFY(treeFocused);
}

void TestDeptQry::clearingTheFieldResetsReferenceDate()
{
    TDeptBtn button;
    QCOMPARE(button.refeDate(), QDate::currentDate());
    button.setRefeDate(QDate(2020, 5, 5));
    SetFieldMode(&button, fmLocked, true);
    QVERIFY(!button.isEnabled());
    QCOMPARE(button.refeDate(), QDate(2020, 5, 5));
    SetFieldMode(&button, fmEditable, false);
    QVERIFY(button.isEnabled());
    QCOMPARE(button.refeDate(), QDate::currentDate());
}

TV_TEST_MAIN(TestDeptQry)
#include "tst_deptqry.moc"
