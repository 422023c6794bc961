#pragma once

#include "eventdata/FileErrors.h"
#include "platform/Clock.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <ostream>
#include <vector>

// Both clocks stand still until a test moves them; the day starts at 9:00.
class FakeClock : public Clock {
public:
    explicit FakeClock(QDate date) : now_(date, QTime(9, 0)) {}
    QDate today() const override { return now_.date(); }
    QDateTime now() const override { return now_; }
    qint64 sinceBootMs() const override { return bootMs_; }

    // Time goes by, awake or asleep: both clocks move on.
    void pass(qint64 seconds)
    {
        now_ = now_.addSecs(seconds);
        bootMs_ += seconds * 1000;
    }
    // Someone sets the wall clock.
    void setWall(const QDateTime &now) { now_ = now; }

private:
    QDateTime now_;
    qint64 bootMs_ = 0;
};

struct FileErrorReport {
    QString fileName;
    QString operation; // "reading", "writing", or "changed" for a file another program changed
    FileError error;
    QString backupName = {};
    bool operator==(const FileErrorReport &) const = default;
};
using Reports = std::vector<FileErrorReport>;

class RecordingReporter : public FileErrorReporter {
public:
    void reportFileError(const FileFailure &failure) override
    {
        reports.push_back({failure.fileName, fileOperationName(failure.operation), failure.error, failure.backupName});
    }
    void reportFileChanged(const QString &fileName, const QString &backupName) override
    {
        reports.push_back({fileName, QStringLiteral("changed"), FileError::None, backupName});
    }
    std::vector<FileErrorReport> reports;
};

// A temporary data folder with helpers to put and read raw file bytes.
class DataFolderFixture {
public:
    QString path() const { return dir_.path(); }
    QString file(const QString &name) const { return QDir(dir_.path()).filePath(name); }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile f(file(name));
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    QByteArray read(const QString &name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString &name) const { return QFile::exists(file(name)); }
    // Sorted as QStringList::sort() sorts.
    QStringList names() const
    {
        QStringList names = QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }
    QFileDevice::Permissions permissions(const QString &name) const
    {
        return QFile::permissions(file(name)) & QFileDevice::Permissions(0x7077); // without the "user" bits
    }

private:
    QTemporaryDir dir_;
};

// Starts the program on a data folder as the user would, without a display and with a runtime folder of its own.
inline void startProgram(QProcess &process, const char *program, const QString &runtimeFolder,
                         const QString &dataFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QString::fromLocal8Bit(program), {dataFolder});
}

// What a program wrote on its error output since the last call, with the line ends it writes on Linux: Windows' C
// runtime ends each line of a text stream with CR LF.
inline QByteArray errorOutput(QProcess &process)
{
    return process.readAllStandardError().replace("\r\n", "\n");
}

// Lets gtest print Qt strings in failure messages.
inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const FileErrorReport &r, std::ostream *os)
{
    *os << '{' << r.fileName.toStdString() << ' ' << r.operation.toStdString() << ' ' << static_cast<int>(r.error)
        << ' ' << r.backupName.toStdString() << '}';
}

#ifndef Q_OS_WIN
#include <csignal>
#include <sys/resource.h>

// Makes every write past maxBytes fail, for root as for anyone, while it lives: a stand-in for a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t maxBytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = maxBytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};
#endif

#include "datelogic/AlertCheck.h"

#include <deque>
#include <functional>

// An alert window that records what it was asked to show and answers with the next scripted choice (no new reminder
// when the script has run out).
class ScriptedAlertWindow : public AlertWindow {
public:
    struct Shown {
        int index;
        bool missed;
        bool operator==(const Shown &) const = default;
    };

    RemindAnswer showAlert(int index, bool missed) override
    {
        shown.push_back({index, missed});
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            return {};
        const RemindAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::deque<RemindAnswer> answers;
    std::vector<Shown> shown;
    std::function<void()> whileOpen; // runs while the window is "open"
};

// The answers of the alert window's list.
constexpr RemindAnswer remindAfter(int minutes)
{
    return {RemindAnswer::When::After, minutes};
}
constexpr RemindAnswer RemindNextStart{RemindAnswer::When::NextStart};
constexpr RemindAnswer RemindNever{RemindAnswer::When::Never};

// An event on a date given as calendar.dat stores it (yyyymmdd, 0000 for every year).
inline Event makeEvent(const QString &title, const QString &storedDateText, qint16 notifyingDays = 0)
{
    Event event;
    event.title = title;
    setStoredDate(event, storedDateText);
    event.notifyingDays = notifyingDays;
    return event;
}

// What a failed comparison of events or dates prints: every field, by name.
inline void PrintTo(const Event &e, std::ostream *out)
{
    *out << "{title \"" << e.title.toStdString() << "\" description \"" << e.description.toStdString()
         << "\" category \"" << e.category.toStdString() << "\" date " << storedDate(e).toStdString() << " time "
         << storedTime(e).toStdString() << " sound \"" << e.sound.toStdString() << "\" days " << e.notifyingDays
         << " remind " << static_cast<int>(e.remindAgain.state) << '@' << e.remindAgain.dueMs << '}';
}
inline void PrintTo(const EventDate &date, std::ostream *out)
{
    *out << date.year << '-' << date.month << '-' << date.day;
}

// yyyymmdd of a date, as stored.
inline QString storedText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}
