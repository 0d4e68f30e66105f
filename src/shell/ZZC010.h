#pragma once
#include <QBitmap>
#include <QRegion>
#include <QWidget>

class QLabel;

// The start-up splash: a borderless picture whose window shape follows a
// monochrome mask.
class TfrmZZC010 : public QWidget {
    Q_OBJECT
public:
    explicit TfrmZZC010(QWidget* parent = nullptr);

    // Every horizontal run of clear pixels of each mask row (rows padded to a
    // multiple of 16) becomes a one-pixel-high rectangle of the region.
    static QRegion regionFromMask(const QImage& mask);
    static QString versionText(const QString& version);

private:
    QLabel* imgImage;
    QLabel* lblProjectNameShadow;
    QLabel* lblProjectName;
    QLabel* lblVersion;
};
