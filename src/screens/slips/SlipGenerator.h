#pragma once
#include <QDate>
#include <QString>
#include <QVariantList>

class QLabel;
class QWidget;

// What the screens that have the database generate slips share: the
// writer's own department, one generator call in a transaction of its own,
// and the offer to open the new slip in slip entry.
namespace SlipGenerator {

struct OwnDept {
    QString code;
    QString name;
    bool found = false;
};
// The employee's department as personnel keeps it.
OwnDept ownDepartment();

// The information panel "Panel1" the screens report their result in.
QLabel* newInfoPanel(QWidget* parent, const QString& text);

// Calls the generator in a transaction of its own and answers its outputs.
// The first output beginning with "E" is a refusal: the transaction is
// rolled back and "자료를 저장하지 못했습니다." with the reason is shown;
// the answer is then empty. Otherwise the call is committed. A database
// error rolls back and travels on. waitText, when given, is shown in the
// wait window during the call.
QVariantList run(const QString& procedure, const QVariantList& params, const QString& waitText = QString());

// "생성일자[date],   전표번호 [n1],[n2]로 생성되어습니다."
QString createdText(const QString& date, const QStringList& numbers);

// Asks "[no] 전표를 불러오시겠습니까.?" and on Yes opens the slip in slip
// entry; true when it was opened.
bool offerToOpen(const QString& slipNo, const QString& slipDate, const OwnDept& dept);

}  // namespace SlipGenerator
