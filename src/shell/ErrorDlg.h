#pragma once
#include <QDialog>
#include <exception>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class SharedTransaction;

QString TranslateOracleError(int nativeError, const QString& serverMessage);
extern const QString DefaultErrorAdvice;

// Turns an error into one Korean sentence with collapsible, printable
// details; rolls back the open transaction once the user has closed it.
class TFrmError : public QDialog {
    Q_OBJECT
public:
    TFrmError(QWidget* owner, std::exception_ptr error);

    // Fills, runs modally, then rolls back the given transaction if open.
    static void showError(QWidget* owner, SharedTransaction* transaction, std::exception_ptr error);

    QString messageText() const;
    QString detailsText() const;
    bool detailsShown() const;

public slots:
    void btnInfoClick();
    void btnPrintClick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fill(std::exception_ptr error);
    void appendDetail(const QString& line);

    QLabel* lbl_Message;
    QPushButton* btnOk;
    QPushButton* btnPrint;
    QPushButton* btnInfo;
    QPlainTextEdit* MemoError;
};
