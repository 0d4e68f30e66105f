#include "common/Cp949.h"
#include <iconv.h>
#include <cerrno>

namespace {

QByteArray convert(const char* to, const char* from, const QByteArray& input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return input;
    QByteArray output(input.size() * 2 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    char* out = output.data();
    size_t outLeft = size_t(output.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &out, &outLeft) != size_t(-1))
            break;
        if (errno == E2BIG) {
            const qsizetype used = out - output.data();
            output.resize(output.size() * 2);
            out = output.data() + used;
            outLeft = size_t(output.size() - used);
        } else {
            // A character the code page lacks becomes '?', as the platform does.
            if (outLeft == 0) {
                const qsizetype used = out - output.data();
                output.resize(output.size() + 16);
                out = output.data() + used;
                outLeft = size_t(output.size() - used);
            }
            *out++ = '?';
            --outLeft;
            // Skip one whole UTF-8 sequence (or one byte of the source).
            int skip = 1;
            const auto lead = static_cast<unsigned char>(*in);
            if (qstrcmp(from, "UTF-8") == 0) {
                if (lead >= 0xF0) skip = 4; else if (lead >= 0xE0) skip = 3; else if (lead >= 0xC0) skip = 2;
            } else if (lead >= 0x81 && inLeft >= 2) {
                skip = 2;
            }
            skip = int(qMin(size_t(skip), inLeft));
            in += skip;
            inLeft -= size_t(skip);
        }
    }
    iconv_close(cd);
    output.resize(out - output.data());
    return output;
}

}  // namespace

namespace Cp949 {

QByteArray encode(const QString& text)
{
    return convert("CP949", "UTF-8", text.toUtf8());
}

QString decode(const QByteArray& bytes)
{
    return QString::fromUtf8(convert("UTF-8", "CP949", bytes));
}

int byteLength(const QString& text)
{
    int n = 0;
    for (QChar c : text)
        n += c.unicode() < 0x80 ? 1 : (c.isSurrogate() ? 1 : 2);
    return n;
}

QString leftBytes(const QString& text, int maxBytes)
{
    int n = 0;
    int i = 0;
    for (; i < text.size(); ++i) {
        const int w = text.at(i).unicode() < 0x80 ? 1 : 2;
        if (n + w > maxBytes)
            break;
        n += w;
    }
    return text.left(i);
}

}  // namespace Cp949
