#include "framework/print/PageModel.h"
#include <QPainter>
#include <QPen>

QStringList PrintPage::texts(const QString& name) const
{
    QStringList out;
    for (const PrintItem& item : items) {
        if (item.kind == PrintItem::Text && (name.isEmpty() || item.name == name))
            out << item.text;
    }
    return out;
}

const PrintItem* PrintPage::find(const QString& name) const
{
    for (const PrintItem& item : items) {
        if (item.name == name)
            return &item;
    }
    return nullptr;
}

QSizeF PageModel::paperSize() const
{
    const QSizeF size = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        return QSizeF(size.height(), size.width());
    return size;
}

QPageLayout PageModel::pageLayout() const
{
    return QPageLayout(pageSize, orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

void RenderPrintPage(QPainter& painter, const PrintPage& page, double dotsPerMmX, double dotsPerMmY)
{
    auto toDevice = [&](const QRectF& r) {
        return QRectF(r.x() * dotsPerMmX, r.y() * dotsPerMmY, r.width() * dotsPerMmX, r.height() * dotsPerMmY);
    };
    auto pen = [&](const PrintItem& item) {
        if (item.penWidth <= 0)
            return QPen(Qt::NoPen);
        QPen p(item.penColor);
        p.setWidthF(qMax(1.0, item.penWidth * dotsPerMmX));
        p.setStyle(item.penStyle);
        p.setCapStyle(Qt::FlatCap);
        return p;
    };

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    for (const PrintItem& item : page.items) {
        switch (item.kind) {
        case PrintItem::Text:
            if (item.text.isEmpty())
                break;
            painter.setFont(item.font);
            painter.setPen(item.color);
            painter.drawText(toDevice(item.rect), item.flags, item.text);
            break;
        case PrintItem::Line:
            painter.setPen(pen(item));
            painter.drawLine(QLineF(item.line.x1() * dotsPerMmX, item.line.y1() * dotsPerMmY,
                                    item.line.x2() * dotsPerMmX, item.line.y2() * dotsPerMmY));
            break;
        case PrintItem::Rect:
            painter.setPen(pen(item));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(toDevice(item.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        case PrintItem::Image:
            if (!item.image.isNull())
                painter.drawImage(toDevice(item.rect), item.image);
            break;
        }
    }
    painter.restore();
}
