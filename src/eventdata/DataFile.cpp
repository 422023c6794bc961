#include "eventdata/DataFile.h"

#include "eventdata/AtomicFile.h"
#include "eventdata/FileErrors.h"
#include "eventdata/RegularFile.h"

#include <algorithm>
#include <cerrno>

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr qint64 CopyChunkBytes = qint64{64} * 1024;

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

// A new backup file, private to the user, with everything source still holds.
FileError copyInto(RegularFile &source, const QString &target)
{
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly, PrivateFileMode))
        return openErrorForWriting(target);
    FileError error = FileError::None;
    for (QByteArray chunk = source.read(CopyChunkBytes); !chunk.isEmpty() && !failed(error);
         chunk = source.read(CopyChunkBytes)) {
        if (copy.write(chunk) != chunk.size())
            error = transferError(copy.error(), errno);
    }
    if (!failed(error) && !copy.flush())
        error = transferError(copy.error(), errno);
    if (!failed(error))
        error = source.error();
    if (failed(error)) {
        copy.close(); // QFile::remove() gives up when the close fails to flush
        QFile::remove(target);
    }
    return error;
}

// Calls line(begin, end) for each line of the text from begin to end.
template <typename Char, typename Line> void forEachLine(const Char *begin, const Char *end, Line line)
{
    const Char *lineStart = begin;
    for (const Char *p = begin; p != end; ++p) {
        if (*p != '\r' && *p != '\n')
            continue;
        line(lineStart, p);
        if (*p == '\r' && p + 1 != end && p[1] == '\n')
            ++p;
        lineStart = p + 1;
    }
    if (lineStart != end)
        line(lineStart, end);
}

QString fromWindows1252(QByteArrayView bytes)
{
    // The code page's 0x80 to 0x9F; its five unused bytes keep their Latin-1 code points.
    static constexpr char16_t High[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<uchar>(c);
        *out++ = QChar(byte >= 0x80 && byte < 0xA0 ? High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QString decodeLine(QByteArrayView bytes)
{
    // A fresh decoder for each line: an error sticks to the decoder.
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QString decodeUtf16(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

// A full disk, a used-up quota (where the system has quotas) or a file larger
// than the process may write.
bool isDiskFullError(int systemError)
{
#ifdef EDQUOT
    if (systemError == EDQUOT)
        return true;
#endif
    return systemError == ENOSPC || systemError == EFBIG;
}

} // namespace

// Qt does not always say why a write failed (a full tmpfs leaves NoError), so
// the system's own reason, taken right after the failing call, comes first.
FileError transferError(QFileDevice::FileError error, int systemError)
{
    if (isDiskFullError(systemError))
        return FileError::DiskFull;
    switch (error) {
    case QFileDevice::ResourceError:
        return FileError::DiskFull; // Qt's name for ENOSPC on write
    case QFileDevice::PermissionsError:
        return FileError::PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError:
        return FileError::DeviceIO;
    default:
        return FileError::PathFileAccess;
    }
}

DataFile::DataFile(QString folder, QString name, FileErrorReporter &reporter, FileStakes stakes)
    : folder_(std::move(folder)), name_(std::move(name)), reporter_(reporter), stakes_(std::move(stakes))
{
}

QString DataFile::path() const
{
    return QDir(folder_).filePath(name_);
}

bool DataFile::load(const std::function<FileError(const QStringList &)> &parse, MissingFile missing)
{
    QStringList lines;
    FileError error = readLines(lines);
    if (error == FileError::FileNotFound && missing == MissingFile::IsEmpty)
        error = FileError::None;
    if (!failed(error))
        error = parse(lines);
    if (!failed(error))
        return true;
    const QString backup = keepUnreadFile();
    reporter_.reportFileError({name_, FileOperation::Reading, error, backup, stakes_});
    return false;
}

bool DataFile::save(const QString &contents)
{
    FileError error = replaceableError();
    if (!failed(error))
        error = keepFileOnDisk();
    if (!failed(error))
        error = writeAtomically(encodeDataText(contents));
    if (failed(error)) {
        reporter_.reportFileError({name_, FileOperation::Writing, error, {}, stakes_});
        return false;
    }
    return true;
}

// Only a regular file is replaced, and only one reached through links that
// this user or the folder's owner made.
FileError DataFile::replaceableError() const
{
    QString file;
    return replaceableFile(path(), file);
}

FileError DataFile::readLines(QStringList &lines)
{
    QByteArray bytes;
    QDateTime modified;
    const FileError error = readBoundedFile(path(), bytes, &modified);
    if (error == FileError::FileNotFound || error == FileError::PathNotFound)
        seen_ = Seen{};
    else
        seen_.reset();
    if (failed(error))
        return error;
    seen_ = Seen{bytes.size(), modified, hashOf(bytes)};
    return boundedLinesOf(bytes, lines);
}

// A file the program could not read may hold the user's data: it is copied
// aside at once, or, when that fails, before the first save may replace it.
// Nothing is kept of a file that is not there or not a regular file.
QString DataFile::keepUnreadFile()
{
    backupBeforeSave_ = false;
    if (pathKind(path()) != PathKind::Regular)
        return {};
    QString backup;
    backupBeforeSave_ = failed(keepBackup(backup));
    return backup;
}

FileError DataFile::keepFileOnDisk()
{
    QString backup;
    if (backupBeforeSave_) {
        const FileError error = keepBackup(backup);
        backupBeforeSave_ = failed(error);
        return error;
    }
    if (!changedSinceSeen())
        return FileError::None;
    if (const FileError error = keepBackup(backup); failed(error))
        return error;
    reporter_.reportFileChanged(name_, backup);
    return FileError::None;
}

// Size and time tell most changes; when only the time differs the bytes
// decide, so a file touched but not changed is no change.
bool DataFile::changedSinceSeen() const
{
    const QFileInfo info(path());
    if (!seen_ || !info.exists())
        return false; // never read in this run, or removed: nothing to keep
    if (seen_->size < 0 || info.size() != seen_->size)
        return true;
    if (info.lastModified() == seen_->modified)
        return false;
    RegularFile file(path());
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    return failed(file.error()) || hashOf(bytes) != seen_->hash;
}

FileError DataFile::keepBackup(QString &backupName) const
{
    const QString backup = freeBackupPath();
    FileError error = FileError::None;
    bool tooLarge = false;
    {
        RegularFile source(path());
        if (source.error() == FileError::FileNotFound)
            return FileError::None; // nothing to keep
        if (failed(source.error()))
            return source.error();
        tooLarge = source.size() > MaxFileBytes;
        if (!tooLarge)
            error = copyInto(source, backup);
    }
    // A file too large to read is too large to copy: it moves aside whole,
    // and the save writes a new one. Only once it is closed, as Windows
    // renames no file that is open.
    if (tooLarge)
        error = moveAside(backup);
    if (!failed(error))
        backupName = QFileInfo(backup).fileName();
    return error;
}

// Never an earlier backup's name: .bak, then .bak1, .bak2, ...
QString DataFile::freeBackupPath() const
{
    const auto taken = [](const QString &name) { return QFileInfo(name).exists() || QFileInfo(name).isSymLink(); };
    const QString first = path() + QStringLiteral(".bak");
    QString backup = first;
    for (int n = 1; taken(backup); ++n)
        backup = first + QString::number(n);
    return backup;
}

FileError DataFile::moveAside(const QString &backup) const
{
    return QFile::rename(path(), backup) ? FileError::None : openErrorForWriting(backup);
}

// The links are followed again: a file too large to copy was moved aside
// with its link, and the save then makes a new file in its place.
FileError DataFile::writeAtomically(const QByteArray &bytes)
{
    QString file;
    QDateTime modified;
    FileError error = followOwnLinks(path(), file);
    if (!failed(error))
        error = replaceFileAtomically(file, bytes, modified);
    if (!failed(error))
        seen_ = Seen{bytes.size(), modified, hashOf(bytes)};
    return error;
}

QStringList decodeDataLines(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return splitDataLines(decodeUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16LE));
    if (bytes.startsWith("\xFE\xFF"))
        return splitDataLines(decodeUtf16(QByteArrayView(bytes).sliced(2), QStringConverter::Utf16BE));
    QByteArrayView text(bytes);
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    QStringList lines;
    forEachLine(text.begin(), text.end(), [&lines](const char *begin, const char *end) {
        lines.append(decodeLine({begin, end}));
    });
    return lines;
}

FileError readBoundedFile(const QString &path, QByteArray &bytes, QDateTime *modified)
{
    RegularFile file(path);
    // Read at most one byte past the limit, so that no huge file is taken in whole.
    bytes = file.read(DataFile::MaxFileBytes + 1);
    if (failed(file.error()))
        return file.error();
    if (bytes.size() > DataFile::MaxFileBytes)
        return FileError::FileTooLarge;
    if (modified)
        *modified = file.modified();
    return FileError::None;
}

FileError boundedLinesOf(const QByteArray &bytes, QStringList &lines)
{
    lines = decodeDataLines(bytes);
    const bool tooLong = std::any_of(lines.cbegin(), lines.cend(),
                                     [](const QString &line) { return line.size() > DataFile::MaxLineLength; });
    return tooLong ? FileError::FileTooLarge : FileError::None;
}

QByteArray encodeDataText(const QString &text)
{
    return text.toUtf8();
}

QStringList splitDataLines(const QString &text)
{
    QStringList lines;
    const auto *begin = reinterpret_cast<const char16_t *>(text.utf16());
    forEachLine(begin, begin + text.size(), [&lines](const char16_t *lineBegin, const char16_t *lineEnd) {
        lines.append(QString(reinterpret_cast<const QChar *>(lineBegin), lineEnd - lineBegin));
    });
    return lines;
}

QString toSingleLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

bool holdsText(const QStringList &lines)
{
    return std::any_of(lines.begin(), lines.end(), [](const QString &line) { return !line.trimmed().isEmpty(); });
}
