#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Values taken from the fuzzer's bytes, zeros once they run out. Texts hold
// what a user can type: any Unicode character, with the words and marks of
// the file formats mixed in so that look-alikes of keys and headers come up.
class FuzzInput {
public:
    FuzzInput(const uint8_t *data, size_t size) : data_(data), end_(data + size) {}

    uint8_t byte() { return data_ != end_ ? *data_++ : 0; }
    int below(int bound) { return (byte() << 8 | byte()) % bound; }
    qint16 int16() { return static_cast<qint16>(byte() << 8 | byte()); }
    QString digits(int count, int first, int last)
    {
        return QStringLiteral("%1").arg(first + below(last - first + 1), count, 10, QLatin1Char('0'));
    }

    // Up to maxLength characters; line breaks (CR LF, as stored) only when allowed.
    QString text(int maxLength, bool lineBreaks)
    {
        static const char *const words[] = {"[", "Note", "[Note", "[Event]", "Title", "LastCheck", "=", " ", "\t"};
        QString result;
        for (int length = below(maxLength + 1); result.size() < length;) {
            switch (byte() % 6) {
            case 0:
                result += QLatin1String(words[byte() % std::size(words)]);
                break;
            case 1:
                result += lineBreaks ? QStringLiteral("\r\n") : QStringLiteral(" ");
                break;
            case 2:
                appendCodePoint(result, 0x20 + byte() % 0x60);
                break;
            case 3:
                appendCodePoint(result, byte());
                break;
            case 4:
                appendCodePoint(result, static_cast<char32_t>(byte() << 8 | byte()));
                break;
            default:
                appendCodePoint(result, 0x10000 + static_cast<char32_t>(below(0x100000)));
                break;
            }
        }
        return result;
    }

private:
    // Surrogate halves are no characters, and CR and LF only come as line breaks.
    static void appendCodePoint(QString &text, char32_t codePoint)
    {
        if ((codePoint >= 0xD800 && codePoint <= 0xDFFF) || codePoint == '\r' || codePoint == '\n')
            codePoint = '?';
        text += QString::fromUcs4(&codePoint, 1);
    }

    const uint8_t *data_;
    const uint8_t *end_;
};
