#include "framework/ZZP010.h"
#include "framework/print/ReportOutput.h"
#include <QPainter>
#include <QPainterPath>

namespace {

// Sizes the frame was drawn with on screen (96 dots per inch).
constexpr double px(double pixels)
{
    return pixels * 25.4 / 96.0;
}

}  // namespace

TfrmZZP010::TfrmZZP010(const QString& name) : TfrmZZP010(name, QPageLayout::Portrait)
{
}

TfrmZZP010::TfrmZZP010(const QString& name, QPageLayout::Orientation orientation) : BandedReport(name, orientation)
{
    build();
}

TfrmZZP010::~TfrmZZP010() = default;

void TfrmZZP010::build()
{
    const double width = contentWidth();

    // Title band: the title in a filled box with a grey shadow 4 px right and
    // down, the search conditions on one line under it.
    qrbHeader = addBand(Band::Title, QStringLiteral("qrbHeader"), px(70));
    const double boxWidth = qMin(130.0, width * 0.6);
    const QRectF box((width - boxWidth) / 2, 1.5, boxWidth, 9.0);
    qrsTitleShadow = qrbHeader->addRect(QStringLiteral("qrsTitleShadow"), box.translated(px(4), px(4)),
                                        QColor(128, 128, 128), 0);
    qrsTitle = qrbHeader->addRect(QStringLiteral("qrsTitle"), box, QColor(240, 203, 166), 0.2);
    qrlTitle = qrbHeader->addLabel(QStringLiteral("qrlTitle"), QRectF(0, box.top(), width, box.height()),
                                   QStringLiteral("제목"), Qt::AlignCenter);
    qrlTitle->font = ReportFont(QStringLiteral("굴림"), 14, true);
    qrlCondition = qrbHeader->addLabel(QStringLiteral("qrlCondition"), QRectF(0, 12.3, width, 5.5), QString(),
                                       Qt::AlignLeft | Qt::AlignVCenter);
    qrlCondition->font = ReportFont(QStringLiteral("굴림"), 10);
    qrlCondition->wordWrap = true;

    // Page footer.
    qrbFooter = addBand(Band::PageFooter, QStringLiteral("qrbFooter"), px(50));
    qrbFooter->font = ReportFont(QStringLiteral("굴림체"), 8);
    qrsFooterRule = qrbFooter->addRule(QStringLiteral("qrsFooterRule"), 0.3, 0.3);
    qrsFooterRule->visible = false;
    qrlDateLabel = qrbFooter->addLabel(QStringLiteral("qrlDateLabel"), QRectF(0, 1.5, 11, 4), QStringLiteral("Date :"));
    qrlDate = qrbFooter->addSystem(QStringLiteral("qrlDate"), QRectF(11, 1.5, 45, 4), SysValue::DateTime);
    qrlProgramID = qrbFooter->addLabel(QStringLiteral("qrlProgramID"), QRectF(0, 6.5, 70, 4), name().mid(3));
    const double mid = width / 2;
    qrlPageCurrent = qrbFooter->addSystem(QStringLiteral("qrlPageCurrent"), QRectF(mid - 17, 3, 15, 4),
                                          SysValue::PageNumber, Qt::AlignRight | Qt::AlignVCenter);
    qrlPageSlash = qrbFooter->addLabel(QStringLiteral("qrlPageSlash"), QRectF(mid - 2, 3, 4, 4), QStringLiteral("/"),
                                       Qt::AlignCenter);
    qrlPageTotal = qrbFooter->addSystem(QStringLiteral("qrlPageTotal"), QRectF(mid + 2, 3, 15, 4),
                                        SysValue::PageCount, Qt::AlignLeft | Qt::AlignVCenter);
    qriLogo = qrbFooter->addImage(QStringLiteral("qriLogo"), QRectF(width - 44, 1.5, 9, 9), CompanyLogo());
    // The company's name is part of the frame. The report header rows of the
    // common codes are not read here: books keep other values there (the
    // cash book's deposit account list).
    qrlCompany = qrbFooter->addLabel(QStringLiteral("qrlCompany"), QRectF(width - 34, 1.2, 34, 5), kCompanyName);
    qrlCompany->font = ReportFont(QStringLiteral("돋움"), 10);
    qrlCompanyEng = qrbFooter->addLabel(QStringLiteral("qrlCompanyEng"), QRectF(width - 34, 6.4, 34, 4),
                                        kCompanyNameEng);
    qrlCompanyEng->font = ReportFont(QStringLiteral("Arial"), 7);
}

QImage TfrmZZP010::CompanyLogo()
{
    static const QImage logo = [] {
        QImage image(240, 240, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 98, 140));
        p.drawEllipse(QRectF(6, 6, 228, 228));
        // Mountain ridge and a wave beneath it.
        QPainterPath ridge;
        ridge.moveTo(36, 150);
        ridge.lineTo(96, 70);
        ridge.lineTo(126, 108);
        ridge.lineTo(150, 84);
        ridge.lineTo(204, 150);
        ridge.closeSubpath();
        p.setBrush(QColor(240, 203, 166));
        p.drawPath(ridge);
        QPainterPath wave;
        wave.moveTo(36, 176);
        wave.cubicTo(76, 150, 100, 200, 140, 172);
        wave.cubicTo(170, 152, 190, 170, 204, 176);
        QPen pen(Qt::white, 14, Qt::SolidLine, Qt::RoundCap);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(wave);
        return image;
    }();
    return logo;
}

int TfrmZZP010::Prepare()
{
    return prepare().pageCount();
}

void TfrmZZP010::Print()
{
    PrintPageModel(prepare(), name());
}

void TfrmZZP010::Preview(QWidget* parent)
{
    const PageModel& model = prepare();
    const QString caption = qrlTitle->text.simplified();
    ShowPagePreview(model, caption.isEmpty() ? QStringLiteral("미리보기") : QStringLiteral("미리보기 - ") + caption,
                    parent);
}

void TfrmZZP010::PrintOrPreview(bool previewFlag, QWidget* parent)
{
    if (previewFlag)
        Preview(parent);
    else
        Print();
}

bool TfrmZZP010::SaveAsPdf(const QString& path)
{
    return WritePagesToPdf(prepare(), path, name());
}
