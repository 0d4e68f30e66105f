#include "screens/tax/FilingFile.h"
#include "common/AppErrors.h"
#include "common/Cp949.h"
#include "common/Query.h"
#include <QSaveFile>
#include <QSqlQuery>

namespace Filing {

namespace {

constexpr int kRecordBytes = 170;

const QStringList kSalesDetailKinds = {QStringLiteral("6")};
const QStringList kSalesSecondKinds = {QStringLiteral("66")};
const QStringList kPurchaseDetailKinds = {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")};
const QStringList kPurchaseSecondKinds = {QStringLiteral("22"), QStringLiteral("33"), QStringLiteral("44")};

QVariantList periodParams(const Content& c, const QStringList& kinds)
{
    return {c.from.toString(Qt::ISODate), c.to.toString(Qt::ISODate), c.place.company, kinds.join(QLatin1Char(','))};
}

// Kinds travel as one bound list.
const QString kRowConditions = QStringLiteral(
    " WHERE T1.CONF_DATE BETWEEN CAST(:P0 AS DATE) AND CAST(:P1 AS DATE)\n"
    "   AND T1.C_NUM <> '888-88-88888'\n"
    "   AND T1.BILL_TYPE = ANY (string_to_array(:P3, ','))\n"
    "   AND T1.COMPANY = :P2\n");

// One record per registration number, whatever the customer master holds.
QList<Detail> readDetails(const Content& c, const QStringList& kinds)
{
    QList<Detail> details;
    QSqlQuery q = RunQuery(QStringLiteral("SELECT T1.C_NUM, TRIM(MAX(T2.C_NAME)) C_NAME, TRIM(MAX(T2.C_ITEM)) C_ITEM,"
                                          " TRIM(MAX(T2.C_TYPE)) C_TYPE,\n"
                                          "       SUM(T1.VOLUME) VOLUME, SUM(T1.SUP_PRICE) SUP_PRICE, SUM(T1.TAX) TAX\n"
                                          "  FROM VB040MS T1 LEFT JOIN VA050MS_BY_NUM T2 ON T2.C_NUM = T1.C_NUM\n")
                               + kRowConditions + QStringLiteral(" GROUP BY T1.C_NUM ORDER BY T1.C_NUM"),
                           periodParams(c, kinds));
    while (q.next()) {
        Detail d;
        d.cNum = q.value(0).toString();
        d.name = q.value(1).toString();
        d.bizType = q.value(2).toString();
        d.bizItem = q.value(3).toString();
        d.volume = q.value(4).toLongLong();
        d.supply = q.value(5).toLongLong();
        d.tax = q.value(6).toLongLong();
        details << d;
    }
    return details;
}

Figures readTotals(const Content& c, const QStringList& kinds)
{
    const QVariantList row = RunQueryRow(QStringLiteral("SELECT COUNT(DISTINCT T1.C_NUM), COALESCE(SUM(T1.VOLUME), 0),"
                                                        " COALESCE(SUM(T1.SUP_PRICE), 0), COALESCE(SUM(T1.TAX), 0)\n"
                                                        "  FROM VB040MS T1\n")
                                             + kRowConditions,
                                         periodParams(c, kinds));
    return {row.value(0).toLongLong(), row.value(1).toLongLong(), row.value(2).toLongLong(), row.value(3).toLongLong()};
}

QString yymmdd(const QDate& d)
{
    return d.isValid() ? d.toString(QStringLiteral("yyyyMMdd")).mid(2, 6) : QString();
}

QString num(qint64 v)
{
    return QString::number(v);
}

QList<Field> group(const QString& label, const Figures& f)
{
    return {{'N', 7, label + QStringLiteral(" 거래처수"), num(f.count)},
            {'N', 7, label + QStringLiteral(" 매수"), num(f.volume)},
            {'N', 15, label + QStringLiteral(" 공급가액"), num(f.supply)},
            {'N', 14, label + QStringLiteral(" 세액"), num(f.tax)}};
}

Record totalsRecord(const QString& type, const QString& name, const Content& c, const Figures& a, const Figures& b,
                    const Figures* groupC)
{
    Record r{name, {{'L', 1, QStringLiteral("레코드구분"), type}, {'N', 10, QStringLiteral("사업자등록번호"), c.place.regNo}}};
    r.fields << group(QStringLiteral("합계"), a) << group(QStringLiteral("세금계산서분"), b);
    if (groupC)
        r.fields << group(QStringLiteral("주민번호분"), *groupC);
    else
        r.fields << Field{'Z', 43, QStringLiteral("예비"), QString()};
    r.fields << Field{'B', 30, QStringLiteral("공란"), QString()};
    return r;
}

void appendSection(QList<Record>& records, const Content& c, const Section& s)
{
    const QString label = s.sales ? QStringLiteral("매출") : QStringLiteral("매입");
    int serial = 0;
    for (const Detail& d : s.details) {
        ++serial;
        const QString supply = num(d.supply);
        records << Record{label + QStringLiteral(" 명세 %1번째 (%2)").arg(serial).arg(d.cNum),
                          {{'L', 1, QStringLiteral("레코드구분"), s.sales ? QStringLiteral("1") : QStringLiteral("2")},
                           {'N', 10, QStringLiteral("사업자등록번호"), c.place.regNo},
                           {'N', 4, QStringLiteral("일련번호"), num(serial)},
                           {'R', 10, QStringLiteral("거래처 사업자번호"), QString(d.cNum).remove(QLatin1Char('-'))},
                           {'C', 30, QStringLiteral("거래처 상호"), d.name},
                           {'C', 17, QStringLiteral("거래처 업태"), d.bizType},
                           {'C', 25, QStringLiteral("거래처 종목"), d.bizItem},
                           {'N', 7, QStringLiteral("매수"), num(d.volume)},
                           {'N', 2, QStringLiteral("공란수"), num(14 - supply.size())},
                           {'N', 14, QStringLiteral("공급가액"), supply},
                           {'N', 13, QStringLiteral("세액"), num(d.tax)},
                           {'L', 1, QStringLiteral("대손"), QStringLiteral("0")},
                           {'L', 1, QStringLiteral("주류"), QStringLiteral("0")},
                           {'L', 4, QStringLiteral("권번호"), s.sales ? QStringLiteral("9001") : QStringLiteral("9501")},
                           {'N', 3, QStringLiteral("세무서코드"), c.place.taxOffice},
                           {'B', 28, QStringLiteral("공란"), QString()}}};
    }
    const auto add = [](Figures a, const Figures& b) { return a += b; };
    const QString types = s.sales ? QStringLiteral("35") : QStringLiteral("46");
    const Figures* kinds[] = {&s.first, &s.second};
    const QString names[] = {label + QStringLiteral(" 합계(세금계산서)"), label + QStringLiteral(" 합계(카드 등)")};
    for (int i = 0; i < 2; ++i) {
        const Figures& b = *kinds[i];
        if (b.count == 0)
            continue;
        records << (s.sales ? totalsRecord(types.mid(i, 1), names[i], c, add(b, s.kind7), b, &s.kind7)
                            : totalsRecord(types.mid(i, 1), names[i], c, b, b, nullptr));
    }
}

// The check of one field; empty when it is good, else what is wrong.
QString fieldProblem(const Field& f, const QString& value, QByteArray* bytes)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]*$"));
    switch (f.kind) {
    case 'N':
    case 'Z':
    case 'R':
        if (!digits.match(value).hasMatch())
            return QStringLiteral("숫자가 아닌 값입니다 (%1)").arg(value);
        if (value.size() > f.width)
            return QStringLiteral("%1자리를 넘습니다 (%2)").arg(f.width).arg(value);
        if (f.kind == 'R' && value.size() != f.width)
            return QStringLiteral("%1자리 숫자가 아닙니다 (%2)").arg(f.width).arg(value);
        *bytes = (f.kind == 'Z' ? value.leftJustified(f.width, QLatin1Char('0'))
                                : value.rightJustified(f.width, QLatin1Char('0'))).toLatin1();
        return QString();
    case 'H':
        if (!digits.match(value).hasMatch() || value.size() > f.width)
            return QStringLiteral("%1자리 숫자가 아닙니다 (%2)").arg(f.width).arg(value);
        *bytes = value.rightJustified(f.width, QLatin1Char(' ')).toLatin1();
        return QString();
    case 'B':
        *bytes = QByteArray(f.width, ' ');
        return QString();
    case 'L':
        *bytes = value.toLatin1();
        return QString();
    default: {
        // A text longer than its field is cut at a character boundary, so a
        // double-byte character is never split between two fields.
        const QByteArray encoded = Cp949::encode(value);
        if (Cp949::decode(encoded) != value)
            return QStringLiteral("전산매체 문자(KS 완성형)로 쓸 수 없는 글자가 있습니다 (%1)").arg(value);
        *bytes = Cp949::encode(Cp949::leftBytes(value, f.width));
        if (bytes->size() > f.width)
            return QStringLiteral("%1바이트를 넘습니다 (%2)").arg(f.width).arg(value);
        bytes->append(QByteArray(f.width - bytes->size(), ' '));
        return QString();
    }
    }
}

QString sumProblem(const Section& s)
{
    Figures sum;
    for (const Detail& d : s.details)
        sum += Figures{1, d.volume, d.supply, d.tax};
    const Figures& t = s.first;
    if (sum.count == t.count && sum.volume == t.volume && sum.supply == t.supply && sum.tax == t.tax)
        return QString();
    return QStringLiteral("%1 합계 레코드가 명세의 합과 다릅니다: 거래처수 %2/%3, 매수 %4/%5, 공급가액 %6/%7, 세액 %8/%9")
        .arg(s.sales ? QStringLiteral("매출") : QStringLiteral("매입"))
        .arg(t.count).arg(sum.count).arg(t.volume).arg(sum.volume).arg(t.supply).arg(sum.supply).arg(t.tax).arg(sum.tax);
}

}  // namespace

Figures& Figures::operator+=(const Figures& other)
{
    count += other.count;
    volume += other.volume;
    supply += other.supply;
    tax += other.tax;
    return *this;
}

Content Read(const Tax::Place& place, const QDate& from, const QDate& to, const QDate& writing, int sections)
{
    Content c;
    c.place = place;
    c.from = from;
    c.to = to;
    c.writing = writing;
    c.sections = sections;
    c.sales.sales = true;
    c.purchases.sales = false;
    if (!from.isValid() || !to.isValid())
        return c;
    if (sections & SalesOnly) {
        c.sales.kind7 = readTotals(c, {QStringLiteral("7")});
        c.sales.details = readDetails(c, kSalesDetailKinds);
        c.sales.first = readTotals(c, kSalesDetailKinds);
        c.sales.second = readTotals(c, kSalesSecondKinds);
    }
    if (sections & PurchasesOnly) {
        c.purchases.details = readDetails(c, kPurchaseDetailKinds);
        c.purchases.first = readTotals(c, kPurchaseDetailKinds);
        c.purchases.second = readTotals(c, kPurchaseSecondKinds);
    }
    return c;
}

QList<Record> Records(const Content& c)
{
    QList<Record> records;
    records << Record{QStringLiteral("머리 레코드"),
                      {{'L', 1, QStringLiteral("레코드구분"), QStringLiteral("7")},
                       {'H', 10, QStringLiteral("사업자등록번호"), c.place.regNo},
                       {'C', 30, QStringLiteral("상호"), c.place.name},
                       {'C', 15, QStringLiteral("대표자"), c.place.bossName},
                       {'C', 45, QStringLiteral("사업장 주소"), c.place.address},
                       {'C', 17, QStringLiteral("업태"), c.place.bizType},
                       {'C', 25, QStringLiteral("종목"), c.place.bizItem},
                       {'Z', 12, QStringLiteral("거래기간"), yymmdd(c.from) + yymmdd(c.to)},
                       {'Z', 6, QStringLiteral("작성일자"), yymmdd(c.writing)},
                       {'B', 9, QStringLiteral("공란"), QString()}}};
    if (c.sections & SalesOnly)
        appendSection(records, c, c.sales);
    if (c.sections & PurchasesOnly)
        appendSection(records, c, c.purchases);
    return records;
}

Encoded Encode(const Content& c)
{
    Encoded out;
    const auto fail = [&out](const QString& text) {
        out.bytes.clear();
        out.error = text;
        return out;
    };
    if (!c.from.isValid() || !c.to.isValid() || c.from > c.to)
        return fail(QStringLiteral("확정일자(거래기간)가 올바르지 않습니다."));
    if (!c.writing.isValid())
        return fail(QStringLiteral("작성일자가 올바르지 않습니다."));
    if (c.place.company.isEmpty())
        return fail(QStringLiteral("사업장 설치 자료(VE030MS)가 없습니다."));
    for (const Section* s : {&c.sales, &c.purchases}) {
        if ((c.sections & (s->sales ? SalesOnly : PurchasesOnly)) == 0)
            continue;
        const QString problem = sumProblem(*s);
        if (!problem.isEmpty())
            return fail(problem);
    }
    for (const Record& r : Records(c)) {
        QByteArray line;
        for (const Field& f : r.fields) {
            QByteArray bytes;
            const QString problem = fieldProblem(f, f.value.trimmed(), &bytes);
            if (!problem.isEmpty())
                return fail(QStringLiteral("%1의 %2: %3").arg(r.name, f.name, problem));
            if (bytes.size() != f.width)
                return fail(QStringLiteral("%1의 %2: %3바이트가 아닙니다").arg(r.name, f.name).arg(f.width));
            line += bytes;
        }
        if (line.size() != kRecordBytes)
            return fail(QStringLiteral("%1: 레코드 길이가 %2바이트입니다 (%3바이트여야 합니다)")
                            .arg(r.name).arg(line.size()).arg(kRecordBytes));
        out.bytes += line + QByteArrayLiteral("\r\n");
    }
    return out;
}

QString FullFileName(const Tax::Place& place)
{
    return QStringLiteral("K") + place.regNo.left(7) + QLatin1Char('.') + place.regNo.mid(7, 3);
}

QString SectionFileName(const Tax::Place& place, const QDate& writing)
{
    return QStringLiteral("K") + place.regNo + writing.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".101");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw AppError(QStringLiteral("파일을 만들 수 없습니다: %1 (%2)").arg(path, file.errorString()));
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("파일을 쓸 수 없습니다: %1 (%2)").arg(path, file.errorString()));
}

}  // namespace Filing
