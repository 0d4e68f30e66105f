#include "screens/master/VAS006.h"
#include "common/Query.h"
#include "framework/print/ReportViewer.h"
#include <QHash>
#include <QSet>
#include <functional>

namespace {

constexpr int kMaxDepth = 10;
constexpr double kIndent = 9;
constexpr double kRowHeight = 7;
constexpr double kBoxHeight = 5.4;
constexpr double kBoxWidth = 78;
constexpr double kRail = 3;  // x of a level's line inside its indent

QString levelName(const QString& type)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("0"), QStringLiteral("상위부서")}, {QStringLiteral("1"), QStringLiteral("본부")},
        {QStringLiteral("2"), QStringLiteral("팀")},       {QStringLiteral("3"), QStringLiteral("파트")},
        {QStringLiteral("4"), QStringLiteral("회계코드")}, {QStringLiteral("5"), QStringLiteral("기타")}};
    return names.value(type, type);
}

QString kindName(const QString& kind)
{
    if (kind == QLatin1String("N"))
        return QStringLiteral("원가");
    if (kind == QLatin1String("P"))
        return QStringLiteral("판관");
    if (kind == QLatin1String("Y"))
        return QStringLiteral("기타");
    return kind;
}

}  // namespace

TfrmVAS006::TfrmVAS006() : TfrmZZP010(QStringLiteral("frmVAS006"))
{
    qrlTitle->setText(QStringLiteral("부 서 조 직 도"));
    qrlProgramID->setText(QStringLiteral("ProgramID:frmVAS006"));
    cdsQuery().setFields({QStringLiteral("DEPTH"), QStringLiteral("LABEL"), QStringLiteral("KIND"),
                          QStringLiteral("RAILS"), QStringLiteral("LAST"), QStringLiteral("USE_YN")});

    qrbDetail = addBand(Band::Detail, QStringLiteral("qrbDetail"), kRowHeight);
    qrbDetail->font = ReportFont(QStringLiteral("굴림"), 9);
    for (int i = 0; i < kMaxDepth; ++i)
        qrbDetail->addLine(QStringLiteral("qrsRail%1").arg(i), QLineF(i * kIndent + kRail, 0, i * kIndent + kRail, kRowHeight), 0.3);
    qrbDetail->addLine(QStringLiteral("qrsElbowDown"), QLineF(), 0.3);
    qrbDetail->addLine(QStringLiteral("qrsElbowAcross"), QLineF(), 0.3);
    qrbDetail->addRect(QStringLiteral("qrsBox"), QRectF(), QColor(0xF2, 0xF2, 0xF2), 0.3);
    ReportElement* label = qrbDetail->addField(QStringLiteral("qrdLabel"), QRectF(), QStringLiteral("LABEL"));
    label->shrinkToFit = true;
    qrbDetail->addField(QStringLiteral("qrdKind"), QRectF(), QStringLiteral("KIND"), Qt::AlignRight | Qt::AlignVCenter);

    qrbDetail->beforePrint = [](Band& band, const ReportContext& context) {
        const int depth = std::min(context.value(QStringLiteral("DEPTH")).toInt(), kMaxDepth - 1);
        const QString rails = context.text(QStringLiteral("RAILS"));
        const bool last = context.text(QStringLiteral("LAST")) == QLatin1String("Y");
        const double middle = kRowHeight / 2;
        for (int i = 0; i < kMaxDepth; ++i)
            band.element(QStringLiteral("qrsRail%1").arg(i))->visible = i < depth - 1 && rails.mid(i, 1) == QLatin1String("1");
        // The line from the upper department comes down to this box and
        // runs on below it to the next sibling.
        ReportElement* down = band.element(QStringLiteral("qrsElbowDown"));
        ReportElement* across = band.element(QStringLiteral("qrsElbowAcross"));
        down->visible = across->visible = depth > 0;
        const double x = (depth - 1) * kIndent + kRail;
        down->line = QLineF(x, 0, x, last ? middle : kRowHeight);
        across->line = QLineF(x, middle, depth * kIndent, middle);
        const double left = depth * kIndent;
        const QRectF box(left, (kRowHeight - kBoxHeight) / 2, kBoxWidth, kBoxHeight);
        ReportElement* frame = band.element(QStringLiteral("qrsBox"));
        frame->geometry = box;
        frame->fill = context.text(QStringLiteral("USE_YN")) == QLatin1String("N") ? QColor(Qt::white)
                                                                                  : QColor(0xF2, 0xF2, 0xF2);
        frame->penStyle = context.text(QStringLiteral("USE_YN")) == QLatin1String("N") ? Qt::DashLine : Qt::SolidLine;
        band.element(QStringLiteral("qrdLabel"))->geometry = box.adjusted(1.5, 0, -24, 0);
        band.element(QStringLiteral("qrdKind"))->geometry = box.adjusted(kBoxWidth - 24, 0, -1.5, 0);
        return true;
    };
}

void TfrmVAS006::Register()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    ReportRegistry::instance().add(kFileName, [](const ReportRequest&) {
        auto layout = std::make_unique<TfrmVAS006>();
        layout->load();
        return std::unique_ptr<TfrmZZP010>(std::move(layout));
    });
}

void TfrmVAS006::load()
{
    struct Dept {
        QString code, name, upper, type, kind, use;
    };
    QList<Dept> depts;
    QSqlQuery query = RunQuery(QStringLiteral(
        "SELECT AFF_DEPT_CODE, AFF_DEPT_NAME, DEPT_CODE, DEPT_TYPE, DEPT_AFF_YN, USE_YN\n"
        "  FROM VA160MS\n"
        " ORDER BY COALESCE(DEPT_SEQ, '9999'), AFF_DEPT_NAME, AFF_DEPT_CODE"));
    QSet<QString> codes;
    while (query.next()) {
        Dept d{query.value(0).toString().trimmed(), query.value(1).toString().trimmed(), query.value(2).toString().trimmed(),
               query.value(3).toString().trimmed(), query.value(4).toString().trimmed(), query.value(5).toString().trimmed()};
        codes.insert(d.code);
        depts << d;
    }
    QHash<QString, QList<int>> children;
    QList<int> roots;
    for (int i = 0; i < depts.size(); ++i) {
        const Dept& d = depts.at(i);
        if (d.upper.isEmpty() || d.upper == d.code || !codes.contains(d.upper))
            roots << i;
        else
            children[d.upper] << i;
    }
    ReportTable& table = cdsQuery();
    table.clear();
    QSet<QString> placed;
    // Depth first; a department already placed (a loop in the upper codes)
    // is not entered twice.
    std::function<void(int, int, const QString&, bool)> place = [&](int index, int depth, const QString& rails, bool last) {
        const Dept& d = depts.at(index);
        if (placed.contains(d.code))
            return;
        placed.insert(d.code);
        QString kind = levelName(d.type);
        if (!d.kind.isEmpty())
            kind += QLatin1Char('/') + kindName(d.kind);
        table.appendRow({depth, d.code + QLatin1Char(':') + d.name, kind, rails, last ? QStringLiteral("Y") : QStringLiteral("N"),
                         d.use});
        const QList<int> below = children.value(d.code);
        const QString childRails = depth == 0 ? QString() : rails + (last ? QLatin1Char('0') : QLatin1Char('1'));
        for (int j = 0; j < below.size(); ++j)
            place(below.at(j), depth + 1, childRails, j == below.size() - 1);
    };
    for (int j = 0; j < roots.size(); ++j)
        place(roots.at(j), 0, QString(), j == roots.size() - 1);
    // Departments left over sit in a loop of upper codes: shown as roots.
    for (int i = 0; i < depts.size(); ++i)
        if (!placed.contains(depts.at(i).code))
            place(i, 0, QString(), true);
}

void TfrmVAS006::qrpReportBeforePrint()
{
    qrlCondition->setText(QStringLiteral("부서 %1개").arg(cdsQuery().rowCount()));
}
