#pragma once
#include <QDialog>
#include <QSqlRecord>
#include <QStringList>
#include <QVariant>

class QComboBox;
class QLineEdit;
class QTableView;
class QToolButton;
class PopupRows;

// "코드검색": the modal list of a lookup statement's rows, with a column
// chooser and a search text that narrows the list. The rows are read into
// memory when the statement opens; the chosen row's values are returned as
// texts.
class TfrmPopupWnd : public QDialog {
    Q_OBJECT
public:
    explicit TfrmPopupWnd(QWidget* parent = nullptr);
    ~TfrmPopupWnd() override;

    // What the button hands over before the first open.
    void setLookupSql(const QStringList& sql);  // the statement searches start from
    void setColumnTitles(const QStringList& titles);
    // Columns without a title are captioned from this and their field names.
    void setCaptionSubject(const QString& subject);
    void setColumnWidths(const QStringList& widths);
    void setSqlConnection(const QString& connectionName);
    // The statement is data a user keeps (RunStoredStatement guards it).
    void setStoredStatement(bool stored);
    // Parameter values by Lookup::paramKey; they stay for every later search.
    void setParamValues(const QVariantMap& values);
    QVariantMap paramValues() const { return m_values; }

    // Runs the statement with its parameters bound by name, shows the rows,
    // captions and widths, fills the column chooser and widens the window
    // to the columns.
    void OpenStatement(const QStringList& statement);
    // Searches the lookup statement for the search text in the chosen column.
    void RunFilter();

    int rowCount() const;
    int columnCount() const;
    QString fieldName(int column) const;
    int currentRow() const;
    void setCurrentRow(int row);
    // The chosen row, one text per result column; a null becomes " ".
    // Empty when there is no current row.
    QStringList currentRowTexts() const;

    // The statement and bound values last run (what the SQL log shows).
    QString statementText() const { return m_lastSql; }
    QVariantList statementParams() const { return m_lastParams; }

    // Width in pixels of a column the widths list gives in characters.
    int charsToPixels(int chars) const;

    QWidget* DBNavigator;
    QToolButton* NavFirst;
    QToolButton* NavPrior;
    QToolButton* NavNext;
    QToolButton* NavLast;
    QToolButton* SpeedButtonOk;
    QToolButton* SpeedButtonCancel;
    QToolButton* SpeedButtonRetrieve;
    QComboBox* ComboBox;
    QLineEdit* Edit;
    QTableView* DBGrid;

public slots:
    void SpeedButtonOkClick();
    void SpeedButtonCancelClick();
    void SpeedButtonRetrieveClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void applyColumns();
    void fillColumnChooser();
    void widenToColumns();
    void moveTo(int row);

    PopupRows* cdsPopup;
    QStringList m_lookupSql;
    QStringList m_titles;
    QString m_subject;
    QStringList m_widths;
    QString m_connectionName;
    bool m_storedStatement = false;
    QVariantMap m_values;
    QString m_lastSql;
    QVariantList m_lastParams;
};
