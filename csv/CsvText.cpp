#include "csv/CsvText.h"

#include <QStringDecoder>
#include <cerrno>
#include <iconv.h>

namespace {

// Converts between encodings with the C library's converter; false when the
// input is not valid in its encoding (also when it ends inside a character).
bool convert(const char* to, const char* from, const QByteArray& input, QByteArray& output)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return false;
    output.clear();
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = static_cast<size_t>(input.size());
    QByteArray chunk(65536, Qt::Uninitialized);
    bool valid = true;
    while (inLeft > 0) {
        char* out = chunk.data();
        size_t outLeft = static_cast<size_t>(chunk.size());
        const size_t done = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(chunk.constData(), chunk.size() - static_cast<qsizetype>(outLeft));
        if (done == static_cast<size_t>(-1) && errno != E2BIG) {
            valid = false; // EILSEQ: an invalid sequence; EINVAL: cut off at the end
            break;
        }
    }
    iconv_close(cd);
    return valid;
}

bool decodeUtf(QStringConverter::Encoding encoding, QByteArrayView bytes, QString& text)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    text = decoder.decode(bytes);
    return !decoder.hasError();
}

// UTF-16 without a byte-order mark: text of mostly Latin letters, digits and
// punctuation has a zero in every other byte. Which half holds the zeros
// tells the byte order.
QStringConverter::Encoding guessUtf16(const QByteArray& bytes, bool& found)
{
    found = false;
    const qsizetype n = std::min<qsizetype>(bytes.size(), 4096) & ~qsizetype(1);
    if (n < 4)
        return QStringConverter::Utf16LE;
    qsizetype evenZeros = 0, oddZeros = 0;
    for (qsizetype i = 0; i < n; i += 2) {
        evenZeros += bytes[i] == 0;
        oddZeros += bytes[i + 1] == 0;
    }
    const qsizetype pairs = n / 2;
    if (oddZeros * 10 >= pairs * 3 && evenZeros * 20 <= pairs) {
        found = true;
        return QStringConverter::Utf16LE;
    }
    if (evenZeros * 10 >= pairs * 3 && oddZeros * 20 <= pairs) {
        found = true;
        return QStringConverter::Utf16BE;
    }
    return QStringConverter::Utf16LE;
}

// Control characters other than tab, line feed, form feed and carriage
// return do not occur in text files; NUL never does.
bool looksBinary(QStringView text)
{
    qsizetype controls = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0)
            return true;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f')
            ++controls;
    }
    return controls > 0 && controls * 100 >= text.size();
}

DecodedText refused(const QString& why)
{
    return {QString(), QString(), why};
}

DecodedText checked(QString text, const char* encoding)
{
    if (looksBinary(text))
        return refused(QStringLiteral("这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。"));
    if (text.trimmed().isEmpty())
        return refused(QStringLiteral("文件是空的，没有可以导入的内容。"));
    return {std::move(text), QString::fromLatin1(encoding), QString()};
}

} // namespace

DecodedText DecodeCsvBytes(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return refused(QStringLiteral("文件是空的，没有可以导入的内容。"));
    QString text;
    const QByteArrayView view(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        if (!decodeUtf(QStringConverter::Utf8, view.sliced(3), text))
            return refused(QStringLiteral("文件标明是 UTF-8 编码，但其中有不是 UTF-8 的字节。"));
        return checked(text, "UTF-8");
    }
    if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)) ||
        bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return refused(QStringLiteral("文件是 UTF-32 编码，请另存为 UTF-8 后再导入。"));
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        if (!decodeUtf(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, view.sliced(2),
                       text))
            return refused(QStringLiteral("文件标明是 UTF-16 编码，但其中有不完整的字符。"));
        return checked(text, le ? "UTF-16LE" : "UTF-16BE");
    }
    bool utf16 = false;
    const QStringConverter::Encoding order = guessUtf16(bytes, utf16);
    if (utf16) {
        if (!decodeUtf(order, view, text))
            return refused(QStringLiteral("文件像是 UTF-16 编码，但其中有不完整的字符。"));
        return checked(text, order == QStringConverter::Utf16LE ? "UTF-16LE" : "UTF-16BE");
    }
    if (bytes.contains('\0'))
        return refused(QStringLiteral("这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。"));
    if (decodeUtf(QStringConverter::Utf8, view, text))
        return checked(text, "UTF-8");
    QByteArray utf8;
    if (convert("UTF-8", "GB18030", bytes, utf8))
        return checked(QString::fromUtf8(utf8), "GB18030");
    return refused(QStringLiteral("无法识别文件的编码：它不是 UTF-8、GB18030 或 UTF-16。"
                                  "请在表格程序里另存为“CSV UTF-8”后再导入。"));
}

QByteArray EncodeGb18030(const QString& text)
{
    QByteArray out;
    return convert("GB18030", "UTF-8", text.toUtf8(), out) ? out : QByteArray();
}
