#include "eventdata/DataFile.h"

#include "eventdata/FileErrors.h"

#include <cerrno>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QString Reading = QStringLiteral("reading");
const QString Writing = QStringLiteral("writing");

int errorForMissingFile(const QFileInfo &info)
{
    return info.absoluteDir().exists() ? FileError::FileNotFound : FileError::PathNotFound;
}

int openErrorForReading(const QFileInfo &info)
{
    if (!info.exists())
        return errorForMissingFile(info);
    if (!info.isReadable())
        return FileError::PermissionDenied;
    return FileError::PathFileAccess;
}

int openErrorForWriting(const QFileInfo &info)
{
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists())
        return FileError::PathNotFound;
    if (info.isDir())
        return FileError::PathFileAccess;
    if (!folder.isWritable() || (info.exists() && !info.isWritable()))
        return FileError::PermissionDenied;
    return FileError::PathFileAccess;
}

// Qt does not always say why a write failed (a full tmpfs leaves NoError), so
// the system's own reason, taken right after the failing call, comes first.
int transferError(QFileDevice::FileError error, int systemError = 0)
{
    if (systemError == ENOSPC || systemError == EDQUOT || systemError == EFBIG)
        return FileError::DiskFull;
    switch (error) {
    case QFileDevice::ResourceError: return FileError::DiskFull; // Qt's name for ENOSPC on write
    case QFileDevice::PermissionsError: return FileError::PermissionDenied;
    case QFileDevice::ReadError:
    case QFileDevice::WriteError: return FileError::DeviceIO;
    default: return FileError::PathFileAccess;
    }
}

} // namespace

DataFile::DataFile(QString folder, QString name, FileErrorReporter &reporter)
    : folder_(std::move(folder)), name_(std::move(name)), reporter_(reporter)
{
}

QString DataFile::path() const
{
    return QDir(folder_).filePath(name_);
}

bool DataFile::load(const std::function<int(const QStringList &)> &parse)
{
    QStringList lines;
    int error = readLines(lines);
    if (error == 0)
        error = parse(lines);
    // Anything but a missing file means the stored file may hold data the
    // program could not read: keep it before it is first overwritten.
    backupBeforeSave_ = error != 0 && error != FileError::FileNotFound;
    if (error != 0)
        reporter_.ReportFileError(name_, Reading, error);
    return error == 0;
}

bool DataFile::save(const QString &contents)
{
    int error = backupBeforeSave_ ? keepBackup() : 0;
    if (error == 0)
        error = writeAtomically(encodeDataText(contents));
    if (error != 0) {
        reporter_.ReportFileError(name_, Writing, error);
        return false;
    }
    backupBeforeSave_ = false;
    return true;
}

int DataFile::readLines(QStringList &lines) const
{
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly))
        return openErrorForReading(QFileInfo(file));
    // Read at most one byte past the limit, so that neither a huge file nor a
    // device that never ends is taken in whole.
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return transferError(file.error());
    if (bytes.size() > MaxFileBytes)
        return FileError::FileTooLarge;
    lines = splitDataLines(decodeDataText(bytes));
    for (const QString &line : std::as_const(lines)) {
        if (line.size() > MaxLineLength)
            return FileError::FileTooLarge;
    }
    return 0;
}

int DataFile::writeAtomically(const QByteArray &bytes) const
{
    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly))
        return openErrorForWriting(QFileInfo(path()));
    // Qt 6.4's commit() reports success even when flushing the buffered tail
    // failed, so the data is flushed and checked before the file replaces the
    // old one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int systemError = errno;
        const int error = transferError(file.error(), systemError);
        file.cancelWriting();
        return error;
    }
    if (!file.commit()) {
        const int systemError = errno;
        return transferError(file.error(), systemError);
    }
    return 0;
}

int DataFile::keepBackup() const
{
    const QString original = path();
    if (!QFileInfo::exists(original))
        return 0;
    // Never overwrite an earlier backup: .bak, then .bak1, .bak2, ...
    QString backup = original + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(backup); ++n)
        backup = original + QStringLiteral(".bak") + QString::number(n);
    if (QFile::copy(original, backup))
        return 0;
    return openErrorForWriting(QFileInfo(backup));
}

QString decodeDataText(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringConverter::System);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        text = QString::fromLatin1(bytes);
    return text;
}

QByteArray encodeDataText(const QString &text)
{
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(text);
}

QStringList splitDataLines(const QString &text)
{
    QStringList lines;
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const QChar *lineStart = begin;
    for (const QChar *p = begin; p != end; ++p) {
        const char16_t c = p->unicode();
        if (c != u'\r' && c != u'\n')
            continue;
        lines.emplace_back(lineStart, p - lineStart);
        if (c == u'\r' && p + 1 != end && p[1] == u'\n')
            ++p;
        lineStart = p + 1;
    }
    if (lineStart != end)
        lines.emplace_back(lineStart, end - lineStart);
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
