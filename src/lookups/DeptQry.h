#pragma once
#include <QDialog>
#include <QIcon>
#include <QList>
#include <QVariant>

class QPushButton;
class QStatusBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

// "부서검색": the organisation valid on a reference date as a tree, built
// from the indentation of the departments' tree labels.
class TfrmDeptQry : public QDialog {
    Q_OBJECT
public:
    // Item data role holding a node's picture index (-1: none).
    static constexpr int PictureRole = Qt::UserRole + 1;

    explicit TfrmDeptQry(QWidget* parent = nullptr);
    ~TfrmDeptQry() override;

    // "YYYY-MM-DD"
    void setReferenceDate(const QString& date) { m_refeDate = date; }
    QString referenceDate() const { return m_refeDate; }
    // True lists every department, false only those with DEPT_AFF_YN 'Y'.
    void setDeptAcc(bool all) { m_deptAcc = all; }
    bool deptAcc() const { return m_deptAcc; }
    void setSqlConnection(const QString& connectionName) { m_connectionName = connectionName; }

    // Reads the departments and rebuilds the tree; selects the first node.
    void DeptReload();

    int rowCount() const { return int(m_rows.size()); }
    // The row the selection points at (-1 when none).
    int currentRow() const { return m_current; }
    // DEPT_CODE, DEPT_NAME, MAN_DEPT_CODE, MAN_DEPT_NAME, DEPT_TYPE,
    // DEPT_AFF_YN, R_NAME, R_CODE of the current row; empty texts when there
    // is none.
    QStringList currentValues() const;
    // A column of a row by field name (upper case), as text.
    QString rowText(int row, const QString& field) const;
    // The tree node of a row.
    QTreeWidgetItem* nodeOfRow(int row) const;

    // The pictures of the tree, and which one a department type gets
    // ("0"-"2": 0, "3": 2, "4": 3, otherwise -1).
    static const QList<QIcon>& pictures();
    static int pictureIndex(const QString& deptType);
    // Depth of a tree label: its leading blanks and tabs.
    static int labelDepth(const QString& label);

    QToolButton* SpeedButtonOk;
    QToolButton* SpeedButtonCancel;
    QPushButton* btnReLoad;
    QPushButton* btnFullExp;
    QPushButton* btnFullColl1;
    QTreeWidget* trvDept;
    QStatusBar* StatusBar;

public slots:
    void SpeedButtonOkClick();
    void SpeedButtonCancelClick();
    void btnFullExpClick();
    void btnFullColl1Click();
    void btnReLoadClick();
    void trvDeptChange(QTreeWidgetItem* node);
    void trvDeptDblClick(QTreeWidgetItem* node);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    bool trvDeptKeyDown(QKeyEvent* event);
    bool FormKeyDown(QKeyEvent* event);
    int treePosition(const QTreeWidgetItem* node) const;

    QString m_refeDate;
    bool m_deptAcc = true;
    QString m_connectionName;
    QStringList m_fields;                // sqlDept's field names, upper case
    QList<QVariantList> m_rows;          // sqlDept's rows in query order
    int m_current = -1;
};
