#pragma once
#include "framework/ZZS010.h"

class DataGrid;
class QLineEdit;
class RecordSet;

// 유가 증권 명세서: the securities held, read from the confirmed lines of the
// securities accounts with their management items, printed through VGI081.
// The first fiscal term listed is the setting VG080-01 (common codes); all
// terms when it is not set.
class TfrmVGI080 : public TfrmZZS010 {
    Q_OBJECT
public:
    explicit TfrmVGI080(QWidget* parent = nullptr);
    RecordSet* records() const { return cdsMain; }
    // The last fiscal term left out of the statement.
    static int TermsLeftOut();

public slots:
    void bbtSearchClick() override;
    void bbtPrintClick() override;
    void bbtPreviewClick() override;

private:
    // "YYYY-MM-DD" of a bound; an empty "to" takes "from" (on screen too).
    bool readRange(QLineEdit* from, QLineEdit* to, QString& fromText, QString& toText);
    void printReport();

    QLineEdit* medtBalFrom;
    QLineEdit* medtBalTo;
    QLineEdit* medtDueFrom;
    QLineEdit* medtDueTo;
    RecordSet* cdsMain;
    DataGrid* rdgMain;
};
