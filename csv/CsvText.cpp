#include "csv/CsvText.h"

#include <QCoreApplication>
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
    return {QString(), QString(), why, QString()};
}

DecodedText checked(QString text, const QString& encoding, const QString& note = {})
{
    if (looksBinary(text))
        return refused(QCoreApplication::translate(
            "CsvImport", "这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。"));
    if (text.trimmed().isEmpty())
        return refused(
            QCoreApplication::translate("CsvImport", "文件是空的，没有可以导入的内容。"));
    return {std::move(text), encoding, QString(), note};
}

const QString kUtf8 = QStringLiteral("UTF-8");
const QString kGb18030 = QStringLiteral("GB18030");
const QString kWindows1252 = QStringLiteral("Windows-1252");
const QString kUtf16Le = QStringLiteral("UTF-16LE");
const QString kUtf16Be = QStringLiteral("UTF-16BE");

bool decodeSingle(const QString& encoding, const QByteArray& bytes, QString& text)
{
    QByteArray utf8;
    if (!convert("UTF-8", encoding == kGb18030 ? "GB18030" : "WINDOWS-1252", bytes, utf8))
        return false;
    text = QString::fromUtf8(utf8);
    return true;
}

// The characters GB18030 reads outside GB2312 (two-byte ones whose bytes lie
// outside A1-F7 / A1-FE, and four-byte ones) are rare in Chinese text, but
// every accented letter followed by a Latin letter of Windows-1252 text
// becomes one. Counts them among all non-ASCII characters of valid GB18030
// bytes, with the place of the first in the decoded text.
struct GbRarity
{
    qsizetype rare = 0;
    qsizetype wide = 0;
    qsizetype firstRare = -1; // in UTF-16 units
};
GbRarity gbRarity(const QByteArray& bytes)
{
    GbRarity r;
    qsizetype index = 0;
    for (qsizetype i = 0; i < bytes.size();) {
        const uchar lead = uchar(bytes[i]);
        if (lead < 0x80) {
            ++i;
            ++index;
            continue;
        }
        const uchar trail = i + 1 < bytes.size() ? uchar(bytes[i + 1]) : 0;
        const bool fourBytes = trail >= 0x30 && trail <= 0x39;
        const bool rare =
            fourBytes || !(lead >= 0xA1 && lead <= 0xF7 && trail >= 0xA1 && trail <= 0xFE);
        if (rare && r.firstRare < 0)
            r.firstRare = index;
        r.rare += rare;
        ++r.wide;
        i += fourBytes ? 4 : 2;
        index += fourBytes && lead >= 0x90 ? 2 : 1; // beyond the BMP from 0x90 on
    }
    return r;
}

// The letters around a place of the text: the word a note shows.
QString wordAt(const QString& text, qsizetype at)
{
    qsizetype from = at, to = std::min(at + 1, text.size());
    while (from > 0 && at - from < 10 && text[from - 1].isLetter())
        --from;
    while (to < text.size() && to - at < 10 && text[to].isLetter())
        ++to;
    return text.mid(from, to - from);
}

// Bytes that are neither UTF-8 nor UTF-16: GB18030 or Windows-1252.
DecodedText decodeLegacy(const QByteArray& bytes)
{
    QString gb, latin;
    const bool isGb = decodeSingle(kGb18030, bytes, gb);
    const bool isLatin = decodeSingle(kWindows1252, bytes, latin);
    if (isGb && !isLatin)
        return checked(gb, kGb18030);
    if (isLatin && !isGb)
        return checked(latin, kWindows1252);
    if (!isGb)
        return refused(QCoreApplication::translate(
            "CsvImport", "无法识别文件的编码：它不是 UTF-8、GB18030、Windows-1252 "
                         "或 UTF-16。请在表格程序里另存为“CSV UTF-8”后再导入。"));
    const GbRarity rarity = gbRarity(bytes);
    const QString choose = QCoreApplication::translate(
        "CsvImport", "如果文字不对，请在预览里选择编码（命令行用 --encoding）。");
    if (rarity.rare * 2 > rarity.wide)
        return checked(latin, kWindows1252,
                       QCoreApplication::translate(
                           "CsvImport", "文件不是 UTF-8，按 Windows-1252 读：按 GB18030 读会出现"
                                        "很多生僻字，如“%1”。")
                               .arg(wordAt(gb, rarity.firstRare)) +
                           choose);
    return checked(gb, kGb18030,
                   QCoreApplication::translate(
                       "CsvImport", "文件不是 UTF-8，按 GB18030 读（按 Windows-1252 也能读）。") +
                       choose);
}

// The bytes in the encoding the user chose.
DecodedText decodeAs(const QByteArray& bytes, const QString& encoding)
{
    QString text;
    bool valid = false;
    QByteArrayView view(bytes);
    if (encoding == kUtf8) {
        valid = decodeUtf(QStringConverter::Utf8,
                          bytes.startsWith("\xEF\xBB\xBF") ? view.sliced(3) : view, text);
    } else if (encoding == kUtf16Le || encoding == kUtf16Be) {
        const bool le = encoding == kUtf16Le;
        valid =
            decodeUtf(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                      bytes.startsWith(le ? "\xFF\xFE" : "\xFE\xFF") ? view.sliced(2) : view, text);
    } else {
        valid = decodeSingle(encoding, bytes, text);
    }
    if (!valid)
        return refused(
            QCoreApplication::translate("CsvImport", "文件里有不是 %1 编码的字节，不能按 %1 读。")
                .arg(encoding));
    return checked(text, encoding);
}

} // namespace

const QStringList& CsvEncodings()
{
    static const QStringList encodings = {kUtf8, kGb18030, kWindows1252, kUtf16Le, kUtf16Be};
    return encodings;
}

DecodedText DecodeCsvBytes(const QByteArray& bytes, const QString& encoding)
{
    if (bytes.isEmpty())
        return refused(
            QCoreApplication::translate("CsvImport", "文件是空的，没有可以导入的内容。"));
    if (!encoding.isEmpty()) {
        for (const QString& known : CsvEncodings())
            if (known.compare(encoding, Qt::CaseInsensitive) == 0)
                return decodeAs(bytes, known);
        return refused(
            QCoreApplication::translate("CsvImport", "不认识的编码“%1”。").arg(encoding));
    }
    QString text;
    const QByteArrayView view(bytes);
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        if (!decodeUtf(QStringConverter::Utf8, view.sliced(3), text))
            return refused(QCoreApplication::translate(
                "CsvImport", "文件标明是 UTF-8 编码，但其中有不是 UTF-8 的字节。"));
        return checked(text, kUtf8);
    }
    if (bytes.startsWith(QByteArray("\xFF\xFE\x00\x00", 4)) ||
        bytes.startsWith(QByteArray("\x00\x00\xFE\xFF", 4)))
        return refused(QCoreApplication::translate(
            "CsvImport", "文件是 UTF-32 编码，请另存为 UTF-8 后再导入。"));
    const bool le = bytes.startsWith("\xFF\xFE");
    if (le || bytes.startsWith("\xFE\xFF")) {
        if (!decodeUtf(le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE, view.sliced(2),
                       text))
            return refused(QCoreApplication::translate(
                "CsvImport", "文件标明是 UTF-16 编码，但其中有不完整的字符。"));
        return checked(text, le ? kUtf16Le : kUtf16Be);
    }
    bool utf16 = false;
    const QStringConverter::Encoding order = guessUtf16(bytes, utf16);
    if (utf16) {
        if (!decodeUtf(order, view, text))
            return refused(QCoreApplication::translate(
                "CsvImport", "文件像是 UTF-16 编码，但其中有不完整的字符。"));
        return checked(text, order == QStringConverter::Utf16LE ? kUtf16Le : kUtf16Be);
    }
    if (bytes.contains('\0'))
        return refused(QCoreApplication::translate(
            "CsvImport", "这不是文本文件（文件里有二进制数据），不能作为 CSV 导入。"));
    if (decodeUtf(QStringConverter::Utf8, view, text))
        return checked(text, kUtf8);
    return decodeLegacy(bytes);
}

QByteArray EncodeGb18030(const QString& text)
{
    QByteArray out;
    return convert("GB18030", "UTF-8", text.toUtf8(), out) ? out : QByteArray();
}
