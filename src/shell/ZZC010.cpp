#include "shell/ZZC010.h"
#include "common/Messages.h"
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

namespace {

constexpr int kWidth = 480;
constexpr int kHeight = 280;

QPixmap splashPicture()
{
    QPixmap picture(kWidth, kHeight);
    QPainter p(&picture);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(22, 62, 112));
    sky.setColorAt(1, QColor(88, 160, 196));
    p.fillRect(picture.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(34, 96, 70));
    QPainterPath hills;
    hills.moveTo(0, kHeight);
    hills.cubicTo(120, 150, 220, 230, 320, 170);
    hills.cubicTo(390, 130, 440, 190, kWidth, 160);
    hills.lineTo(kWidth, kHeight);
    p.drawPath(hills);
    return picture;
}

// Clear (0) pixels are the visible window; the corners are cut round.
QImage splashMask()
{
    QImage mask(kWidth, kHeight, QImage::Format_Mono);
    mask.fill(1);
    QImage shape(kWidth, kHeight, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    QPainter p(&shape);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::black);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRect(0, 0, kWidth, kHeight), 24, 24);
    p.end();
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            if (qAlpha(shape.pixel(x, y)) > 0)
                mask.setPixel(x, y, 0);
    return mask;
}

}  // namespace

TfrmZZC010::TfrmZZC010(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setFixedSize(kWidth, kHeight);
    imgImage = new QLabel(this);
    imgImage->setGeometry(rect());
    imgImage->setPixmap(splashPicture());

    QFont titleFont = font();
    titleFont.setPointSize(24);
    titleFont.setBold(true);
    lblProjectNameShadow = new QLabel(kAppTitle, this);
    lblProjectNameShadow->setFont(titleFont);
    lblProjectNameShadow->setStyleSheet(QStringLiteral("color: #10263f;"));
    lblProjectNameShadow->setGeometry(41, 61, 400, 50);
    lblProjectName = new QLabel(kAppTitle, this);
    lblProjectName->setFont(titleFont);
    lblProjectName->setStyleSheet(QStringLiteral("color: white;"));
    lblProjectName->setGeometry(40, 60, 400, 50);

    lblVersion = new QLabel(versionText(QStringLiteral(TV_VERSION_TEXT)), this);
    lblVersion->setStyleSheet(QStringLiteral("color: white;"));
    lblVersion->setGeometry(40, 110, 300, 20);

    setMask(regionFromMask(splashMask()));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

QString TfrmZZC010::versionText(const QString& version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return QString();
    return QStringLiteral("%1.%2.%3.%4").arg(parts[0].toInt()).arg(parts[1].toInt()).arg(parts[2].toInt()).arg(parts[3].toInt());
}

QRegion TfrmZZC010::regionFromMask(const QImage& mask)
{
    QRegion region;
    const QImage mono = mask.convertToFormat(QImage::Format_Mono);
    const int padded = (mono.width() + 15) / 16 * 16;
    for (int y = 0; y < mono.height(); ++y) {
        int runStart = -1;
        for (int x = 0; x <= padded; ++x) {
            // Padding bits count as set, so a run reaching the edge still ends.
            const bool set = x >= mono.width() || mono.pixelIndex(x, y) != 0;
            if (!set && runStart < 0) {
                runStart = x;
            } else if (set && runStart >= 0) {
                region += QRect(runStart, y, x - runStart, 1);
                runStart = -1;
            }
        }
    }
    return region;
}
