#include "shell/ErrorDlg.h"
#include "common/AppErrors.h"
#include "common/DialogService.h"
#include "common/Transaction.h"
#include <QFontDatabase>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QStyle>
#include <QTextDocument>
#include <new>

namespace {

constexpr int kWidth = 510;
constexpr int kCollapsedHeight = 121;
constexpr int kExpandedHeight = 212;

// The text behind the first ": " of a server message.
QString afterFirstColon(const QString& message)
{
    return message.mid(message.indexOf(QLatin1Char(':')) + 2);
}

QString normalised(const QString& text)
{
    QString t = text;
    while (!t.isEmpty() && t.back().isSpace())
        t.chop(1);
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

QFont dialogFont(int pixelSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding"), QStringLiteral("NanumGothic")});
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace

const QString DefaultErrorAdvice = QStringLiteral("사용절차대로 정확하게 작업을 하였는지,") + QString(17, QLatin1Char(' '))
    + QLatin1Char('\n') + QStringLiteral("자료를 올바르게 입력했는지 확인하십시오.") + QString(15, QLatin1Char(' '))
    + QLatin1Char('\n') + QStringLiteral("그래도 오류가 계속 있으면 시스템관리자에게 문의하십시오");

QString TranslateOracleError(int n, const QString& message)
{
    if (n == 1)
        return QStringLiteral("같은 키값을 가지는 자료가 이미 존재합니다.");
    if (n == 54)
        return QStringLiteral("다른 사용자가 같은 자료로 작업하고 있습니다. 잠시후에 다시 시도해 보십시오");
    if (n == 911 || n == 1401 || (n >= 1800 && n <= 1899))
        return afterFirstColon(message);
    if (n == 942)
        return QStringLiteral("데이타베이스 테이블이 존재하지 않습니다.");
    if (n == 1005)
        return QStringLiteral("비밀번호가 올바르지 않습니다.");
    if (n == 1017)
        return QStringLiteral("사용자 ID나 비밀번호가 올바르지 않습니다.");
    if (n == 1400 || n == 1407)
        return QStringLiteral("자료를 저장할 수 없습니다\n반드시 입력해야 하는 값을 넣지 않았습니다.");
    if (n == 2291)
        return QStringLiteral("자료를 저장할 수 없습니다\n이 자료가 참조해야 하는 기본자료가 없습니다.");
    if (n == 2292)
        return QStringLiteral("자료를 수정하거나 삭제할 수 없습니다.\n이 자료를 참조하고 있는 자료가 있습니다.");
    if (n == 3113 || n == 3114)
        return QStringLiteral("서버와의 연결이 끊어졌습니다.\n 프로그램을 종료한 후에 다시 로그인하십시오.");
    if ((n >= 12150 && n <= 12285) || (n >= 12500 && n <= 12699))
        return QStringLiteral("네트워크가 올바르게 동작하는지 확인하고 네트워크설정이 올바른지 확인하십시오.");
    if (n >= 20000 && n <= 20999) {
        const QString rest = afterFirstColon(message);
        const int ora = int(rest.indexOf(QLatin1String("ORA")));
        return ora >= 0 ? rest.left(ora) : rest;
    }
    return QStringLiteral("데이터베이스 오류입니다.\n") + DefaultErrorAdvice;
}

TFrmError::TFrmError(QWidget* owner, std::exception_ptr error) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Error Message"));
    setFont(dialogFont(13));
    setFixedSize(kWidth, kCollapsedHeight);

    lbl_Message = new QLabel(this);
    lbl_Message->setWordWrap(true);
    lbl_Message->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lbl_Message->setGeometry(48, 8, 350, 100);

    btnOk = new QPushButton(QStringLiteral("확인"), this);
    btnOk->setDefault(true);
    btnOk->setGeometry(410, 10, 90, 28);
    btnPrint = new QPushButton(QStringLiteral("인쇄"), this);
    btnPrint->setGeometry(410, 44, 90, 28);
    btnInfo = new QPushButton(QStringLiteral("정보 >>"), this);
    btnInfo->setGeometry(410, 78, 90, 28);
    btnInfo->setProperty("tag", 0);

    MemoError = new QPlainTextEdit(this);
    MemoError->setReadOnly(true);
    MemoError->setGeometry(8, kCollapsedHeight, kWidth - 16, kExpandedHeight - kCollapsedHeight - 8);

    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnPrint, &QPushButton::clicked, this, &TFrmError::btnPrintClick);
    connect(btnInfo, &QPushButton::clicked, this, &TFrmError::btnInfoClick);

    fill(error);
}

void TFrmError::appendDetail(const QString& line)
{
    MemoError->appendPlainText(line);
}

void TFrmError::fill(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ServerError& e) {
        for (const ServerErrorEntry& entry : e.entries()) {
            if (entry.nativeError == 0)
                continue;
            lbl_Message->setText(TranslateOracleError(entry.nativeError, entry.message));
            appendDetail(QStringLiteral("\n☞ ErrorCode : $%1").arg(entry.kindName));
            appendDetail(QStringLiteral("☞ Message : %1").arg(normalised(entry.message)));
            appendDetail(QStringLiteral("☞ NativeError : %1").arg(entry.nativeError));
        }
    } catch (const DatabaseError& e) {
        lbl_Message->setText(QStringLiteral("데이터베이스 오류 입니다."));
        appendDetail(QStringLiteral("☞ Message : %1").arg(normalised(e.message().trimmed())));
    } catch (const AppError& e) {
        QString label;
        if (dynamic_cast<const ConversionError*>(&e))
            label = QStringLiteral("문자열의 형식이 올바르지 않습니다.");
        else if (dynamic_cast<const DivByZeroError*>(&e))
            label = QStringLiteral("0으로 나누기를 할 수 없습니다.");
        else if (dynamic_cast<const InputMaskError*>(&e))
            label = QStringLiteral("입력한 값의 형식이 올바르지 않습니다.\n입력값을 확인하십시오.");
        else
            label = e.kindName() + QLatin1Char('\n') + e.message();
        lbl_Message->setText(label);
        appendDetail(QStringLiteral("\n☞ ErrorCode : $%1").arg(e.kindName()));
        appendDetail(QStringLiteral("☞ Message : %1").arg(e.message()));
    } catch (const std::bad_alloc& e) {
        lbl_Message->setText(QStringLiteral("메모리가 부족하여 작업을 계속할 수 없습니다. \n"
                                            "다른 프로그램이나 윈도우를 종료한 후에 작업을 계속하십시오."));
        appendDetail(QStringLiteral("\n☞ ErrorCode : $EOutOfMemory"));
        appendDetail(QStringLiteral("☞ Message : %1").arg(QString::fromLatin1(e.what())));
    } catch (const std::exception& e) {
        const QString kind = QStringLiteral("Exception");
        const QString text = QString::fromUtf8(e.what());
        lbl_Message->setText(kind + QLatin1Char('\n') + text);
        appendDetail(QStringLiteral("\n☞ ErrorCode : $%1").arg(kind));
        appendDetail(QStringLiteral("☞ Message : %1").arg(text));
    } catch (...) {
        lbl_Message->setText(QStringLiteral("Exception\nUnknown error"));
        appendDetail(QStringLiteral("\n☞ ErrorCode : $Exception"));
        appendDetail(QStringLiteral("☞ Message : Unknown error"));
    }
}

QString TFrmError::messageText() const { return lbl_Message->text(); }
QString TFrmError::detailsText() const { return MemoError->toPlainText(); }
bool TFrmError::detailsShown() const { return btnInfo->property("tag").toInt() == 1; }

void TFrmError::btnInfoClick()
{
    const bool show = !detailsShown();
    btnInfo->setProperty("tag", show ? 1 : 0);
    btnInfo->setText(show ? QStringLiteral("정보 <<") : QStringLiteral("정보 >>"));
    setFixedSize(kWidth, show ? kExpandedHeight : kCollapsedHeight);
}

void TFrmError::btnPrintClick()
{
    QPrinter printer;
    bool printed = DialogService::instance().preparePrinter(printer);
    if (printed) {
        QTextDocument doc;
        QFont font = dialogFont(11);
        font.setPointSize(11);
        doc.setDefaultFont(font);
        doc.setPlainText(MemoError->toPlainText());
        doc.print(&printer);
        printed = printer.printerState() != QPrinter::Error;
    }
    if (!printed)
        DialogService::instance().message(this, QStringLiteral("Error Printing ListView"), QStringLiteral("Error"),
                                          DialogService::Error);
    accept();
}

void TFrmError::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const QIcon icon = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    painter.drawPixmap(5, 5, icon.pixmap(32, 32));
}

void TFrmError::showError(QWidget* owner, SharedTransaction* transaction, std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const SilentAbort&) {
        return;
    } catch (...) {
    }
    TFrmError dialog(owner, error);
    DialogService::instance().execDialog(&dialog);
    if (transaction && transaction->inTransaction())
        transaction->rollback();
}
