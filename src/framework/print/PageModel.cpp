#include "framework/print/PageModel.h"
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <cmath>

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

namespace PrintText {

namespace {

// Measured at the resolution of a fine printer, with a little room to spare,
// so the text fits on every device the page model is drawn on.
constexpr double kMeasureDpi = 1200;
constexpr double kSpare = 0.96;

const QPaintDevice& measuringDevice()
{
    static const QImage device = [] {
        QImage image(8, 8, QImage::Format_RGB32);
        image.setDotsPerMeterX(int(kMeasureDpi / 0.0254));
        image.setDotsPerMeterY(int(kMeasureDpi / 0.0254));
        return image;
    }();
    return device;
}

QFont sized(QFont font, double pointSize)
{
    font.setPointSizeF(pointSize);
    return font;
}

}  // namespace

bool fits(const QString& text, const QFont& font, int flags, const QSizeF& boxMm)
{
    const double dotsPerMm = kMeasureDpi / 25.4;
    const QRectF box(0, 0, boxMm.width() * dotsPerMm * kSpare, boxMm.height() * dotsPerMm * kSpare);
    const QRectF needed = QFontMetricsF(font, &measuringDevice()).boundingRect(box, flags, text);
    return needed.width() <= box.width() && needed.height() <= box.height();
}

void shrinkToFit(PrintItem& item)
{
    if (item.kind != PrintItem::Text || item.text.isEmpty())
        return;
    const QSizeF box = item.rect.size();
    if (fits(item.text, item.font, item.flags, box))
        return;
    // A wrapping text breaks at blanks where it can; a run without blanks
    // that is wider than the box (long Hangul words, codes) breaks between
    // any two characters rather than be set smaller still.
    QList<int> layouts{item.flags};
    if (item.flags & Qt::TextWordWrap)
        layouts << ((item.flags & ~int(Qt::TextWordWrap)) | int(Qt::TextWrapAnywhere));
    const double own = item.font.pointSizeF() > 0 ? item.font.pointSizeF() : kMinPointSize;
    for (double size = std::floor(own * 4) / 4; size >= kMinPointSize; size -= 0.25) {
        const QFont font = sized(item.font, size);
        for (int flags : layouts) {
            if (fits(item.text, font, flags, box)) {
                item.font = font;
                item.flags = flags;
                return;
            }
        }
    }
    item.font = sized(item.font, kMinPointSize);
    item.flags = layouts.last();
    // The longest beginning that fits with the ellipsis after it.
    const QString ellipsis(QChar(0x2026));
    qsizetype low = 0, high = item.text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fits(item.text.left(mid) + ellipsis, item.font, item.flags, box))
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && item.text.at(low - 1).isHighSurrogate())
        --low;
    item.text = item.text.left(low) + ellipsis;
}

}  // namespace PrintText

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
