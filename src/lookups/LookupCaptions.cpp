#include "lookups/LookupCaptions.h"
#include <QHash>

namespace LookupCaptions {

namespace {

const QHash<QString, QString>& knownFields()
{
    static const QHash<QString, QString> table = {
        // Accounts and operating income/expense codes
        {QStringLiteral("ACCT_CODE"), QStringLiteral("계정코드")},
        {QStringLiteral("ACCT_NAME"), QStringLiteral("계정명")},
        {QStringLiteral("ACCT_SNAME"), QStringLiteral("계정조회명")},
        {QStringLiteral("P_ACCT_CODE"), QStringLiteral("상위계정")},
        {QStringLiteral("BU_ACCT_CODE"), QStringLiteral("영업수지코드")},
        {QStringLiteral("BU_ACCT_SNAME"), QStringLiteral("세부명칭")},
        {QStringLiteral("BU_ACCT_NAME"), QStringLiteral("계정명")},
        {QStringLiteral("GUBUN_CODE"), QStringLiteral("구분코드")},
        {QStringLiteral("GUBUN_NAME"), QStringLiteral("구분명")},
        // Management items
        {QStringLiteral("MG_CODE"), QStringLiteral("관리항목코드")},
        {QStringLiteral("MG_NAME"), QStringLiteral("관리항목명")},
        {QStringLiteral("MG_TYPE"), QStringLiteral("항목유형")},
        {QStringLiteral("MG_TYPE_NAME"), QStringLiteral("항목유형")},
        {QStringLiteral("MG_DETAIL"), QStringLiteral("관리항목값")},
        {QStringLiteral("MG_DETAIL_NAME"), QStringLiteral("관리항목값명")},
        // Customers, banks and accounts
        {QStringLiteral("C_CODE"), QStringLiteral("거래처코드")},
        {QStringLiteral("C_NAME"), QStringLiteral("거래처명")},
        {QStringLiteral("C_KIND"), QStringLiteral("거래처구분")},
        {QStringLiteral("C_NUM"), QStringLiteral("사업자번호")},
        {QStringLiteral("BOSS_NAME"), QStringLiteral("대표자")},
        {QStringLiteral("D_ACCOUNT"), QStringLiteral("계좌번호")},
        {QStringLiteral("D_NAME"), QStringLiteral("계좌명")},
        {QStringLiteral("FIN_INST_CD"), QStringLiteral("금융기관코드")},
        {QStringLiteral("FIN_INST_NM"), QStringLiteral("금융기관명")},
        // Notes
        {QStringLiteral("BILL_NO"), QStringLiteral("어음번호")},
        {QStringLiteral("BILL_AMT"), QStringLiteral("어음금액")},
        {QStringLiteral("PAY_BANK_CD"), QStringLiteral("지급은행코드")},
        {QStringLiteral("PAY_BANK_NM"), QStringLiteral("지급은행명")},
        {QStringLiteral("EXP_DT"), QStringLiteral("만기일자")},
        // Departments and employees
        {QStringLiteral("DEPT_CODE"), QStringLiteral("부서코드")},
        {QStringLiteral("DEPT_NAME"), QStringLiteral("부서명")},
        {QStringLiteral("AFF_DEPT_CODE"), QStringLiteral("부서코드")},
        {QStringLiteral("AFF_DEPT_NAME"), QStringLiteral("부서명")},
        {QStringLiteral("EMP_NO"), QStringLiteral("사번")},
        {QStringLiteral("EMP_K_NAME"), QStringLiteral("성명")},
        {QStringLiteral("EMP_AFF_DEPT_CODE"), QStringLiteral("소속부서코드")},
        {QStringLiteral("EMP_ACC_DEPT_CODE"), QStringLiteral("회계부서코드")},
        // Assets and funds
        {QStringLiteral("VSFX_CODE"), QStringLiteral("자산코드")},
        {QStringLiteral("ASET_NM"), QStringLiteral("자산명")},
        {QStringLiteral("FND_USG_CD"), QStringLiteral("자금코드")},
        {QStringLiteral("FND_USG_NM"), QStringLiteral("자금항목명")},
        // Common codes
        {QStringLiteral("HEAD"), QStringLiteral("코드구분")},
        {QStringLiteral("DETAIL"), QStringLiteral("코드")},
        {QStringLiteral("DETAIL_NAME"), QStringLiteral("코드명")},
        // Slips
        {QStringLiteral("SLIP_NO"), QStringLiteral("전표번호")},
        {QStringLiteral("SLIP_DATE"), QStringLiteral("발생일자")},
        {QStringLiteral("ACC_DATE"), QStringLiteral("회계일자")},
        {QStringLiteral("TOTAL_D_AMT"), QStringLiteral("차변금액")},
        {QStringLiteral("TOTAL_C_AMT"), QStringLiteral("대변금액")},
        {QStringLiteral("SLIP_CONF_YN"), QStringLiteral("실전표여부")},
        {QStringLiteral("SLIP_DEL_YN"), QStringLiteral("삭제여부")},
        {QStringLiteral("CONF_YN"), QStringLiteral("승인여부")},
        {QStringLiteral("USE_YN"), QStringLiteral("사용여부")},
    };
    return table;
}

// What a field name's ending says the column holds.
QString kindOf(const QString& name)
{
    struct Ending {
        const char* suffix;
        const char* kind;
    };
    static const Ending endings[] = {
        {"_CODE", "코드"}, {"_CD", "코드"},   {"_SNAME", "명"}, {"_NAME", "명"}, {"_NM", "명"},
        {"_DATE", "일자"}, {"_DT", "일자"},   {"_NO", "번호"},  {"_NUM", "번호"}, {"_AMT", "금액"},
        {"_AMOUNT", "금액"}, {"_YN", "여부"},
    };
    for (const Ending& e : endings)
        if (name.endsWith(QLatin1String(e.suffix)))
            return QString::fromUtf8(e.kind);
    return QString();
}

QString bareName(const QString& fieldName)
{
    QString name = fieldName.trimmed().toUpper();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot >= 0 ? name.mid(dot + 1) : name;
}

}  // namespace

QString forField(const QString& fieldName)
{
    return knownFields().value(bareName(fieldName));
}

QString caption(const QString& fieldName, int column, const QString& subject)
{
    const QString name = bareName(fieldName);
    if (const QString known = forField(name); !known.isEmpty())
        return known;
    const QString about = subject.trimmed().isEmpty() ? QStringLiteral("항목") : subject.trimmed();
    if (const QString kind = kindOf(name); !kind.isEmpty())
        return about + kind;
    return about + QLatin1Char(' ') + QString::number(column + 1);
}

QStringList forItem(const QString& mgCode)
{
    if (mgCode == QLatin1String("101") || mgCode == QLatin1String("154"))
        return {QStringLiteral("코    드"), QStringLiteral("거래처명"), QStringLiteral("대 표 자"), QStringLiteral("사업자번호")};
    if (mgCode == QLatin1String("116"))
        return {QStringLiteral("은행코드"), QStringLiteral("은 행 명"), QStringLiteral("지급어음번호")};
    if (mgCode == QLatin1String("501"))
        return {QStringLiteral("코    드"), QStringLiteral("대 분 류"), QStringLiteral("중 분 류"), QStringLiteral("소 분 류"),
                QStringLiteral("지출항목")};
    if (mgCode == QLatin1String("998"))
        return {QStringLiteral("계정코드"), QStringLiteral("세부명칭"), QStringLiteral("계 정 명")};
    if (mgCode == QLatin1String("117"))
        return {QStringLiteral("은행코드"), QStringLiteral("은 행 명"), QStringLiteral("만기일자"), QStringLiteral("받을어음번호")};
    return {QStringLiteral("코    드"), QStringLiteral("항 목 명")};
}

}  // namespace LookupCaptions
