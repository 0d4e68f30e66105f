#include "common/JpegImage.h"
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not
// return: it jumps back to the decoder's set-up point with the message.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// Warnings (a slightly damaged stream libjpeg can still read) are ignored
// here; a stream that ends early is caught by the line count below.
void outputMessage(j_common_ptr) {}

// The decoding itself, free of objects with destructors: a longjmp out of
// it leaves nothing behind but what jpeg_destroy_decompress frees.
bool decodeInto(const unsigned char* bytes, unsigned long size, QImage* image, ErrorManager* errors)
{
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&errors->base);
    errors->base.error_exit = errorExit;
    errors->base.output_message = outputMessage;
    if (setjmp(errors->jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(errors->message, sizeof errors->message, "image too large");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    const bool complete = errors->base.num_warnings == 0;
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (!complete)
        std::snprintf(errors->message, sizeof errors->message, "corrupt JPEG data");
    return complete;
}

}  // namespace

namespace Jpeg {

QImage decode(const QByteArray& data, QString* error)
{
    QImage image;
    ErrorManager errors{};
    const bool ok = !data.isEmpty()
        && decodeInto(reinterpret_cast<const unsigned char*>(data.constData()), static_cast<unsigned long>(data.size()),
                      &image, &errors);
    if (!ok) {
        if (error)
            *error = data.isEmpty() ? QStringLiteral("empty file") : QString::fromLocal8Bit(errors.message);
        return QImage();
    }
    return image;
}

}  // namespace Jpeg
