// The form kit: a tree of rows, columns, grids and groups becomes the
// panel's layout with controls where the tree puts them, a search strip keeps
// its Search button at the right, the tab order follows the tree, and the
// masked edits read the screens' mask notation.
#include "framework/FormKit.h"
#include "support/TestMain.h"
#include <QBoxLayout>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QLineEdit* edit(const char* name)
{
    auto* e = new QLineEdit;
    e->setObjectName(QLatin1String(name));
    return e;
}

// The next control Tab reaches (labels and boxes sit in the chain too).
QWidget* nextStop(QWidget* from)
{
    QWidget* w = from->nextInFocusChain();
    while (w != from && !(w->focusPolicy() & Qt::TabFocus))
        w = w->nextInFocusChain();
    return w;
}

}  // namespace

class TestFormKit : public QObject {
    Q_OBJECT
private slots:
    void treeBecomesNestedLayouts();
    void gridCellsSpansAndFields();
    void searchStripKeepsItsButtonAtTheRight();
    void displayPanelGetsTheGridBelowItsStrip();
    void tabOrderFollowsTheTree();
    void radioGroupsAreExclusiveEach();
    void maskEdit_data();
    void maskEdit();
};

void TestFormKit::treeBecomesNestedLayouts()
{
    QWidget panel;
    QLineEdit* code = edit("code");
    auto* y = new QRadioButton(QStringLiteral("Y"));
    auto* n = new QRadioButton(QStringLiteral("N"));
    Form::Column{
        Form::Row{Form::Label(QStringLiteral("계정코드")), code, Form::Stretch()},
        Form::Group{QStringLiteral("조회조건"), Form::Row{y, n}},
    }.attachTo(&panel);

    auto* column = qobject_cast<QVBoxLayout*>(panel.layout());
    QVERIFY(column);
    QCOMPARE(column->count(), 2);
    auto* row = qobject_cast<QHBoxLayout*>(column->itemAt(0)->layout());
    QVERIFY(row);
    QCOMPARE(row->count(), 3);
    QCOMPARE(qobject_cast<QLabel*>(row->itemAt(0)->widget())->text(), QStringLiteral("계정코드"));
    QCOMPARE(row->itemAt(1)->widget(), code);
    QVERIFY(row->itemAt(2)->spacerItem());
    auto* group = qobject_cast<QGroupBox*>(column->itemAt(1)->widget());
    QVERIFY(group);
    QCOMPARE(group->title(), QStringLiteral("조회조건"));
    // Every control is adopted: the caption and the edit by the panel, the
    // buttons by their box.
    QCOMPARE(code->parentWidget(), &panel);
    QCOMPARE(row->itemAt(0)->widget()->parentWidget(), &panel);
    QCOMPARE(y->parentWidget(), group);
    QCOMPARE(n->parentWidget(), group);
    QVERIFY(!code->isWindow());
}

void TestFormKit::gridCellsSpansAndFields()
{
    QWidget panel;
    QLineEdit* a = edit("a");
    QLineEdit* b = edit("b");
    QLineEdit* c = edit("c");
    QLineEdit* d = edit("d");
    auto* tall = new QLabel(QStringLiteral("tall"));
    Form::Grid{
        {Form::Field(QStringLiteral("A"), a), Form::Span(2, b), Form::Span(1, 2, tall)},
        {Form::Span(2, Form::Empty()), c, d},
        {Form::Field(QStringLiteral("D"), Form::Span(3, Form::Row{edit("e"), edit("f")}))},
    }.stretchColumn(4).attachTo(&panel);

    auto* grid = qobject_cast<QGridLayout*>(panel.layout());
    QVERIFY(grid);
    const auto cellOf = [grid](QWidget* w) {
        int row, column, rows, columns;
        grid->getItemPosition(grid->indexOf(w), &row, &column, &rows, &columns);
        return QList<int>{row, column, rows, columns};
    };
    QCOMPARE(qobject_cast<QLabel*>(grid->itemAtPosition(0, 0)->widget())->text(), QStringLiteral("A"));
    QCOMPARE(cellOf(a), (QList<int>{0, 1, 1, 1}));
    QCOMPARE(cellOf(b), (QList<int>{0, 2, 1, 2}));
    QCOMPARE(cellOf(tall), (QList<int>{0, 4, 2, 1}));
    // The empty cells are skipped; the row-spanning label keeps its cell.
    QCOMPARE(cellOf(c), (QList<int>{1, 2, 1, 1}));
    QCOMPARE(cellOf(d), (QList<int>{1, 3, 1, 1}));
    QVERIFY(!grid->itemAtPosition(1, 0));
    QVERIFY(grid->itemAtPosition(2, 1)->layout());
    int row, column, rows, columns;
    grid->getItemPosition(grid->indexOf(grid->itemAtPosition(2, 1)), &row, &column, &rows, &columns);
    QCOMPARE(columns, 3);
    QCOMPARE(grid->columnStretch(4), 1);
}

void TestFormKit::searchStripKeepsItsButtonAtTheRight()
{
    // The shape of the screen bases' search strip: free room, then Search.
    QWidget strip;
    auto* row = new QHBoxLayout(&strip);
    row->addStretch(1);
    auto* search = new QPushButton(QStringLiteral("조회(F3)"), &strip);
    row->addWidget(search);

    QLineEdit* code = edit("code");
    Form::Row{Form::Field(QStringLiteral("계정코드"), code), Form::Stretch()}.attachTo(&strip);

    QCOMPARE(row->count(), 2);
    QVERIFY(row->itemAt(0)->layout());
    QCOMPARE(row->stretch(0), 1);
    QCOMPARE(row->itemAt(1)->widget(), search);
    QCOMPARE(code->parentWidget(), &strip);
}

void TestFormKit::displayPanelGetsTheGridBelowItsStrip()
{
    QWidget display;
    auto* column = new QVBoxLayout(&display);
    auto* count = new QLabel(QStringLiteral("RecordCount : 0"), &display);
    column->addWidget(count);

    auto* list = new QLineEdit;
    Form::Column{list}.attachTo(&display);
    QCOMPARE(column->itemAt(0)->widget(), count);
    QCOMPARE(column->itemAt(1)->layout()->itemAt(0)->widget(), list);
    QCOMPARE(column->stretch(1), 1);
}

void TestFormKit::tabOrderFollowsTheTree()
{
    QWidget panel;
    // Made in the opposite order to the one they are laid out in.
    QLineEdit* last = edit("last");
    QList<QRadioButton*> radios;
    QGroupBox* kinds = Form::NewRadioGroup(&panel, QStringLiteral("항목종류"),
                                           {{QStringLiteral("r1"), QStringLiteral("금액형")},
                                            {QStringLiteral("r2"), QStringLiteral("문자형")}},
                                           &radios);
    QLineEdit* second = edit("second");
    QLineEdit* first = edit("first");
    auto* caption = new QLabel(QStringLiteral("x"));
    Form::Column{Form::Row{first, caption, second}, kinds, last}.attachTo(&panel);

    QCOMPARE(nextStop(first), second);
    QCOMPARE(nextStop(second), radios[0]);
    QCOMPARE(nextStop(radios[0]), radios[1]);
    QCOMPARE(nextStop(radios[1]), last);
}

void TestFormKit::radioGroupsAreExclusiveEach()
{
    QWidget panel;
    QList<QRadioButton*> a, b;
    QGroupBox* ga = Form::NewRadioGroup(&panel, QStringLiteral("A"),
                                        {{QStringLiteral("a1"), QStringLiteral("1")}, {QStringLiteral("a2"), QStringLiteral("2")}}, &a);
    QGroupBox* gb = Form::NewRadioGroup(&panel, QStringLiteral("B"),
                                        {{QStringLiteral("b1"), QStringLiteral("1")}, {QStringLiteral("b2"), QStringLiteral("2")}}, &b);
    Form::Row{ga, gb}.attachTo(&panel);
    QVERIFY(a[0]->isChecked());
    QVERIFY(b[0]->isChecked());
    a[1]->setChecked(true);
    QVERIFY(!a[0]->isChecked());
    QVERIFY(b[0]->isChecked());
    QCOMPARE(a[1]->objectName(), QStringLiteral("a2"));
}

void TestFormKit::maskEdit_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("date") << "!9999/99/00;0;_" << "20260315" << "2026/03/15" << "2026/03/15";
    QTest::newRow("date, nothing typed") << "!9999/99/00;0;_" << "" << "//" << "____/__/__";
    QTest::newRow("month") << "!9999/99;0;_" << "202603" << "2026/03" << "2026/03";
    QTest::newRow("letters refused") << "!9999/99;0;_" << "20x6ab03" << "2060/3" << "2060/3_";
}

void TestFormKit::maskEdit()
{
    QFETCH(QString, mask);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QWidget panel;
    QLineEdit* e = Form::NewMaskEdit(&panel, QStringLiteral("MaskEdit2"), mask);
    QCOMPARE(e->objectName(), QStringLiteral("MaskEdit2"));
    e->setFocus();
    QTest::keyClicks(e, typed);
    QCOMPARE(e->text(), text);
    QCOMPARE(e->displayText(), shown);
}

TV_TEST_MAIN(TestFormKit)
#include "tst_formkit.moc"
