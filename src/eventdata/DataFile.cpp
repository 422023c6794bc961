#include "eventdata/DataFile.h"

#include "eventdata/FileErrors.h"

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

int transferError(QFileDevice::FileError error)
{
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
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return transferError(file.error());
    lines = splitDataLines(decodeDataText(bytes));
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
        const int error = transferError(file.error());
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return transferError(file.error());
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
