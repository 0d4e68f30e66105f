#pragma once
#include "framework/ZZP010.h"
#include "framework/ZZS010.h"
#include <QDate>
#include <memory>

class DataGrid;
class QDateEdit;
class QLineEdit;
class QRadioButton;
class RecordSet;
class TPopupBtn;

// The note status reports (by maturity, by customer, by issue date): the
// received notes or the payable forms, notes or cheques, of a period,
// optionally of one customer, listed and printed.
class TfrmNoteStatus : public TfrmZZS010 {
    Q_OBJECT
public:
    RecordSet* records() const { return cdsQuery; }

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

protected:
    struct Kind {
        QString title;
        QString dateColumn;      // the date the period applies to
        bool customerFilter;
        // The by-maturity report lists the issued forms only, with their
        // names where the register has them; the others need both names.
        bool issuedFormsOnly;
    };
    TfrmNoteStatus(const QString& programId, const Kind& kind, QWidget* parent);
    // The printed layout of the screen.
    virtual std::unique_ptr<TfrmZZP010> newLayout() const = 0;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void printReport();

    Kind m_kind;
    DataGrid* rdgMain;
    RecordSet* cdsQuery;
    QLineEdit* edtSCustCd = nullptr;
    QLineEdit* edtSCustNm = nullptr;
    TPopupBtn* pbtSCust = nullptr;
    QDateEdit* dtpFrom;
    QDateEdit* dtpTo;
    QRadioButton* rdoNote;
    QRadioButton* rdoCheque;
    QRadioButton* rdoReceivable;
    QRadioButton* rdoPayable;
    QDate m_shownFrom;
    QDate m_shownTo;
};

// The printed status report: the title, the period before 부터 and 까지 and
// the notes listed.
class TfrmNoteStatusPrint : public TfrmZZP010 {
public:
    // The columns in the order the report's list shows them.
    enum Order { ByMaturity, ByCustomer, ByIssueDate };
    TfrmNoteStatusPrint(const QString& name, const QString& title, Order order);
    void setPeriod(const QDate& from, const QDate& to);
};
