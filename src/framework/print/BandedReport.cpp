#include "framework/print/BandedReport.h"
#include "common/ExportSource.h"
#include "framework/print/NumberMask.h"
#include <QDate>

namespace {

QString plainText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("yyyy-MM-dd"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatNumberMask(value.toDouble(), QString());
    default:
        return value.toString();
    }
}


}  // namespace

QFont ReportFont(const QString& family, double pointSize, bool bold)
{
    QFont font;
    QStringList families{family};
    if (family == QLatin1String("Arial"))
        families << QStringLiteral("Liberation Sans") << QStringLiteral("DejaVu Sans");
    // NanumBarunGothic first: in PDF output the other Nanum faces map their
    // blank to a control character, and copied or searched text loses its
    // spaces.
    families << QStringLiteral("NanumBarunGothic") << QStringLiteral("NanumGothic") << QStringLiteral("DejaVu Sans");
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

// ---------------------------------------------------------------------------

QVariant ReportContext::value(const QString& field) const
{
    if (!hasRow())
        return QVariant();
    return data->value(row, field);
}

QString ReportContext::text(const QString& field) const
{
    return plainText(value(field));
}

QString ReportElement::textFor(const ReportContext& context) const
{
    switch (kind) {
    case Label:
        return text;
    case Field: {
        const QVariant v = context.value(field);
        if (!mask.isEmpty()) {
            if (v.isNull() || !v.isValid())
                return QString();
            bool ok = ExportSource::isNumericType(v);
            double d = v.toDouble();
            if (!ok)
                d = v.toString().toDouble(&ok);
            if (ok)
                return FormatNumberMask(d, mask);
        }
        return plainText(v);
    }
    case Expression:
        return expression ? expression(context) : QString();
    case System: {
        const QDateTime when = context.report ? context.report->printTime() : QDateTime::currentDateTime();
        QString value;
        switch (sys) {
        case SysValue::PageNumber: value = QString::number(context.page); break;
        case SysValue::PageCount: value = QString::number(context.report ? context.report->pageCount() : 0); break;
        case SysValue::ReportTitle: value = context.report ? context.report->title : QString(); break;
        case SysValue::ColumnNumber: value = QStringLiteral("1"); break;
        case SysValue::Date: value = when.toString(QStringLiteral("yyyy-MM-dd")); break;
        case SysValue::Time: value = when.toString(QStringLiteral("hh:mm:ss")); break;
        case SysValue::DateTime: value = when.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); break;
        case SysValue::RecordNumber: value = context.row >= 0 ? QString::number(context.row + 1) : QString(); break;
        }
        return text + value;
    }
    default:
        return QString();
    }
}

// ---------------------------------------------------------------------------

Band::Band(Type type, const QString& name, double height, const QFont& font)
    : type(type), name(name), height(height), font(font)
{
}

ReportElement* Band::add(ReportElement::Kind kind, const QString& name, const QRectF& rect)
{
    auto e = std::make_unique<ReportElement>();
    e->kind = kind;
    e->name = name;
    e->geometry = rect;
    m_elements.push_back(std::move(e));
    return m_elements.back().get();
}

ReportElement* Band::addText(ReportElement::Kind kind, const QString& name, const QRectF& rect,
                             Qt::Alignment alignment)
{
    ReportElement* e = add(kind, name, rect);
    e->alignment = alignment;
    e->font = font;
    return e;
}

ReportElement* Band::addLabel(const QString& name, const QRectF& rect, const QString& text, Qt::Alignment alignment)
{
    ReportElement* e = addText(ReportElement::Label, name, rect, alignment);
    e->text = text;
    return e;
}

ReportElement* Band::addField(const QString& name, const QRectF& rect, const QString& field, Qt::Alignment alignment,
                              const QString& mask)
{
    ReportElement* e = addText(ReportElement::Field, name, rect, alignment);
    e->field = field;
    e->mask = mask;
    return e;
}

ReportElement* Band::addSystem(const QString& name, const QRectF& rect, SysValue value, Qt::Alignment alignment,
                               const QString& prefix)
{
    ReportElement* e = addText(ReportElement::System, name, rect, alignment);
    e->sys = value;
    e->text = prefix;
    return e;
}

ReportElement* Band::addExpression(const QString& name, const QRectF& rect,
                                   std::function<QString(const ReportContext&)> expression, Qt::Alignment alignment)
{
    ReportElement* e = addText(ReportElement::Expression, name, rect, alignment);
    e->expression = std::move(expression);
    return e;
}

ReportElement* Band::addRect(const QString& name, const QRectF& rect, const QColor& fill, double penWidth)
{
    ReportElement* e = add(ReportElement::Shape, name, rect);
    e->fill = fill;
    e->penWidth = penWidth;
    return e;
}

ReportElement* Band::addLine(const QString& name, const QLineF& line, double penWidth, Qt::PenStyle style)
{
    ReportElement* e = add(ReportElement::Line, name, QRectF(line.p1(), line.p2()).normalized());
    e->line = line;
    e->penWidth = penWidth;
    e->penStyle = style;
    return e;
}

ReportElement* Band::addRule(const QString& name, double y, double penWidth, Qt::PenStyle style)
{
    // The width is taken when the band is laid out, so a rule always spans the
    // band even if the margins change later.
    ReportElement* e = addLine(name, QLineF(0, y, 0, y), penWidth, style);
    e->geometry = QRectF(0, y, -1, 0);  // marks "full width"
    return e;
}

ReportElement* Band::addImage(const QString& name, const QRectF& rect, const QImage& image)
{
    ReportElement* e = add(ReportElement::Image, name, rect);
    e->image = image;
    return e;
}

ReportElement* Band::element(const QString& name) const
{
    for (const auto& e : m_elements) {
        if (e->name == name)
            return e.get();
    }
    return nullptr;
}

QVariant ReportGroup::keyFor(const ReportContext& context) const
{
    if (key)
        return key(context);
    return context.value(keyField);
}

// ---------------------------------------------------------------------------

BandedReport::BandedReport(const QString& name, QPageLayout::Orientation orientation)
    : m_name(name),
      m_orientation(orientation),
      m_margins(15, 15, 10, 10),  // left, top, right, bottom
      m_font(ReportFont(QStringLiteral("굴림"), 9.75))  // 13 px
{
}

BandedReport::~BandedReport() = default;

QSizeF BandedReport::paperSize() const
{
    const QSizeF a4 = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    return m_orientation == QPageLayout::Landscape ? QSizeF(a4.height(), a4.width()) : a4;
}

void BandedReport::setMargins(const QMarginsF& margins)
{
    m_margins = margins;
    for (auto& b : m_bands)
        b->m_width = contentWidth();
}

double BandedReport::contentWidth() const
{
    return paperSize().width() - m_margins.left() - m_margins.right();
}

Band* BandedReport::band(Band::Type type, double height)
{
    for (auto& b : m_bands) {
        if (b->type == type && type != Band::GroupHeader && type != Band::GroupFooter)
            return b.get();
    }
    if (height < 0)
        return nullptr;
    static const char* const names[] = {"PageHeader", "Title", "ColumnHeader", "GroupHeader",
                                        "Detail", "GroupFooter", "Summary", "PageFooter"};
    return addBand(type, QLatin1String(names[type]), height);
}

Band* BandedReport::addBand(Band::Type type, const QString& name, double height)
{
    m_bands.push_back(std::make_unique<Band>(type, name, height, m_font));
    m_bands.back()->m_width = contentWidth();
    return m_bands.back().get();
}

ReportGroup* BandedReport::addGroup(const QString& name, const QString& keyField, double headerHeight,
                                    double footerHeight)
{
    auto group = std::make_unique<ReportGroup>();
    group->name = name;
    group->keyField = keyField;
    group->header = addBand(Band::GroupHeader, name + QLatin1String("Header"), headerHeight);
    group->footer = addBand(Band::GroupFooter, name + QLatin1String("Footer"), footerHeight);
    m_groups.push_back(std::move(group));
    return m_groups.back().get();
}

// Lays the bands out page by page.
class BandedReport::Builder {
public:
    explicit Builder(BandedReport& report) : r(report)
    {
        paper = r.paperSize();
        left = r.m_margins.left();
        top = r.m_margins.top();
        footer = r.band(Band::PageFooter);
        footerTop = paper.height() - r.m_margins.bottom() - (footer && footer->enabled ? footer->height : 0);
    }

    void run()
    {
        const ReportData* data = r.data();
        const int rows = data->rowCount();
        const auto& groups = r.m_groups;
        Band* detail = r.band(Band::Detail);

        startPage(rows > 0 ? 0 : -1, false);
        QVariantList previousKeys(int(groups.size()));
        for (int i = 0; i < rows; ++i) {
            const ReportContext ctx = context(i);
            // Which groups change at this row: a change of an outer group
            // restarts every group inside it.
            QList<bool> changed(int(groups.size()), false);
            QVariantList keys(int(groups.size()));
            bool outerChanged = i == 0;
            for (int g = 0; g < int(groups.size()); ++g) {
                keys[g] = groups[g]->keyFor(ctx);
                outerChanged = outerChanged || keys[g] != previousKeys[g];
                changed[g] = outerChanged;
            }
            if (i > 0) {
                for (int g = int(groups.size()) - 1; g >= 0; --g) {
                    if (changed[g])
                        place(groups[g]->footer, i - 1);
                }
            }
            for (int g = 0; g < int(groups.size()); ++g) {
                if (!changed[g])
                    continue;
                Band* header = groups[g]->header;
                if (header && header->enabled && header->forceNewPage && bodyPrinted)
                    newPage(i, false);
                // Keep a header together with its first detail row.
                const double need = bandHeight(header) + bandHeight(detail);
                if (bodyPrinted && y + need > footerTop)
                    newPage(i, false);
                place(header, i);
            }
            previousKeys = keys;
            place(detail, i);
        }
        if (rows > 0) {
            for (int g = int(groups.size()) - 1; g >= 0; --g)
                place(groups[g]->footer, rows - 1);
        }
        place(r.band(Band::Summary), rows > 0 ? rows - 1 : -1);
        finishPage();
        resolvePageCount();
    }

private:
    ReportContext context(int row) const
    {
        ReportContext ctx;
        ctx.report = &r;
        ctx.data = r.data();
        ctx.row = row;
        ctx.page = int(r.m_model.pages.size());
        return ctx;
    }

    static double bandHeight(const Band* band) { return band && band->enabled ? band->height : 0; }

    void startPage(int row, bool continuation)
    {
        r.m_model.pages.append(PrintPage());
        y = top;
        const bool first = r.m_model.pages.size() == 1;
        place(r.band(Band::PageHeader), row, false);
        if (first)
            place(r.band(Band::Title), row, false);
        place(r.band(Band::ColumnHeader), row, false);
        if (continuation) {
            for (const auto& g : r.m_groups) {
                if (g->header && g->header->reprintOnNewPage && activeGroupRow >= 0)
                    place(g->header, row, false);
            }
        }
        bodyTop = y;
        bodyPrinted = false;
        pageRow = row;
    }

    void finishPage()
    {
        if (footer && footer->enabled) {
            const double saved = y;
            y = footerTop;
            emitBand(*footer, context(lastRow >= 0 ? lastRow : pageRow));
            y = saved;
        }
    }

    void newPage(int row, bool continuation)
    {
        finishPage();
        startPage(row, continuation);
    }

    // Places a band for a row; breaks the page first when it does not fit.
    void place(Band* band, int row, bool body = true)
    {
        if (!band || !band->enabled || band->type == Band::PageFooter)
            return;
        ReportContext ctx = context(row);
        if (band->beforePrint && !band->beforePrint(*band, ctx))
            return;
        if (body && y + band->height > footerTop && y > bodyTop) {
            newPage(row, true);
            ctx = context(row);
        }
        emitBand(*band, ctx);
        y += band->height;
        if (body) {
            bodyPrinted = true;
            if (row >= 0)
                lastRow = row;
            if (band->type == Band::GroupHeader || band->type == Band::Detail)
                activeGroupRow = row;
        }
    }

    void emitBand(const Band& band, const ReportContext& ctx)
    {
        PrintPage& page = r.m_model.pages.last();
        const QPointF origin(left, y);
        for (const auto& e : band.elements()) {
            if (!e->visible)
                continue;
            PrintItem item;
            item.name = e->name;
            switch (e->kind) {
            case ReportElement::Label:
            case ReportElement::Field:
            case ReportElement::System:
            case ReportElement::Expression:
                item.kind = PrintItem::Text;
                item.rect = e->geometry.translated(origin);
                item.text = e->textFor(ctx);
                item.font = e->font;
                item.flags = int(e->alignment) | (e->wordWrap ? int(Qt::TextWordWrap) : int(Qt::TextSingleLine));
                item.color = e->color;
                if (e->kind == ReportElement::System && e->sys == SysValue::PageCount)
                    deferred.append({int(r.m_model.pages.size()) - 1, int(page.items.size()), e.get()});
                else if (e->shrinkToFit)
                    PrintText::shrinkToFit(item);
                break;
            case ReportElement::Shape:
                item.kind = PrintItem::Rect;
                item.rect = e->geometry.translated(origin);
                item.penWidth = e->penWidth;
                item.penStyle = e->penStyle;
                item.penColor = e->penColor;
                item.fill = e->fill;
                break;
            case ReportElement::Line: {
                item.kind = PrintItem::Line;
                QLineF line = e->line;
                if (e->geometry.width() < 0)  // a rule across the band
                    line = QLineF(0, e->geometry.y(), band.width(), e->geometry.y());
                item.line = line.translated(origin);
                item.rect = QRectF(item.line.p1(), item.line.p2()).normalized();
                item.penWidth = e->penWidth;
                item.penStyle = e->penStyle;
                item.penColor = e->penColor;
                break;
            }
            case ReportElement::Image:
                item.kind = PrintItem::Image;
                item.rect = e->geometry.translated(origin);
                item.image = e->image;
                break;
            }
            page.items.append(item);
        }
    }

    void resolvePageCount()
    {
        const QString total = QString::number(r.m_model.pages.size());
        for (const Deferred& d : deferred) {
            PrintItem& item = r.m_model.pages[d.page].items[d.item];
            item.text = d.element->text + (d.element->mask.isEmpty()
                                               ? total
                                               : FormatNumberMask(double(r.m_model.pages.size()), d.element->mask));
            if (d.element->shrinkToFit)
                PrintText::shrinkToFit(item);
        }
    }

    struct Deferred {
        int page;
        int item;
        const ReportElement* element;
    };

    BandedReport& r;
    QSizeF paper;
    double left = 0;
    double top = 0;
    double footerTop = 0;
    double y = 0;
    double bodyTop = 0;
    bool bodyPrinted = false;
    int pageRow = -1;
    int lastRow = -1;
    int activeGroupRow = -1;
    Band* footer = nullptr;
    QList<Deferred> deferred;
};

const PageModel& BandedReport::prepare()
{
    beforePrint();
    m_printTime = QDateTime::currentDateTime();
    m_model = PageModel();
    m_model.pageSize = QPageSize(QPageSize::A4);
    m_model.orientation = m_orientation;
    for (auto& b : m_bands)
        b->m_width = contentWidth();
    Builder(*this).run();
    return m_model;
}
