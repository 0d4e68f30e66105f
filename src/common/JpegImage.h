#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG photos (the fixed-asset register keeps them) decoded with libjpeg.
namespace Jpeg {

// The picture in data; a null image when data is no JPEG or is damaged,
// with the decoder's reason in *error when given.
QImage decode(const QByteArray& data, QString* error = nullptr);

}  // namespace Jpeg
