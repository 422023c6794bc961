#include "mainwindow/SyncController.h"

#include "settings/Settings.h"
#include "messages/GeneralDialog.h"
#include "dialogs/SettingsDialog.h"
#include "dialogs/SyncPage.h"
#include "platform/Clock.h"
#include "platform/CredentialStore.h"
#include "settings/SyncAccount.h"
#include "sync/StoreCalendar.h"
#include "sync/SyncSession.h"
#include "sync/SyncTexts.h"

namespace {

// The message names this many changes; the rest are counted.
constexpr int ReportLines = 20;

} // namespace

SyncController::SyncController(Settings &settings, QString dataFolder, CalendarStore &store,
                               CredentialStore &credentials, const Clock &clock, QWidget *window)
    : QObject(window), settings_(settings), dataFolder_(std::move(dataFolder)), credentials_(credentials),
      clock_(clock), window_(window), calendar_(new StoreCalendar(store, this)),
      scheduler_(clock, timer_, [this] { startPass(); })
{
    timer_.setObjectName(QStringLiteral("SyncTimer"));
    connect(calendar_, &StoreCalendar::changedElsewhere, this, [this] { scheduler_.calendarChanged(); });
}

SyncController::~SyncController() = default;

void SyncController::configure()
{
    scheduler_.configure(settings_.sync);
}

void SyncController::syncNow()
{
    scheduler_.syncNow();
}

void SyncController::wokeUp()
{
    scheduler_.wokeUp();
}

void SyncController::addPageTo(SettingsDialog &dialog)
{
    SyncPage *page = dialog.addSyncPage(credentials_);
    page->showLastResult(status_);
    connect(this, &SyncController::statusChanged, page, &SyncPage::showLastResult);
    connect(page, &SyncPage::syncNowRequested, this, [this, page] {
        settings_.sync = page->settings();
        page->storePassword();
        configure();
        syncNow();
    });
}

void SyncController::startPass()
{
    if (!settings_.sync.isConfigured())
        return scheduler_.passFinished();
    credentials_.readPassword(syncAccount(settings_.sync), [this](const CredentialResult &read) {
        // Without a kept password the server decides: it may need none.
        passwordKept_ = read.error == CredentialError::None;
        run(read.password);
    });
}

void SyncController::run(const QString &password)
{
    session_ = std::make_unique<SyncSession>(settings_.sync, password, syncStatePath(dataFolder_), *calendar_, clock_);
    const auto followKey = [this](const QString &key) { return calendar_->followedKey(key); };
    session_->run(
        followKey, [this](const SyncPlan &plan, const std::function<void(bool)> &answer) { ask(plan, answer); },
        [this](const SyncOutcome &outcome) { finished(outcome); });
    // The keys were followed as the pass read its state.
    calendar_->forgetRenames();
}

void SyncController::ask(const SyncPlan &plan, const std::function<void(bool)> &answer)
{
    const MessageAnswer said =
        GeneralDialog::ask(window_, fittedMessage(MessageKind::YesNo, QStringLiteral("Sync"), syncQuestionText(plan)));
    answer(said.button == MessageButton::Yes);
}

void SyncController::finished(const SyncOutcome &outcome)
{
    status_ = syncStatusText(outcome, clock_.now().toLocalTime().time());
    if (outcome.error == SyncError::SignInFailed && !passwordKept_)
        status_ = QStringLiteral("Sign-in failed: no password is kept for the sync");
    emit statusChanged(status_);
    // The session is inside its own callback: it goes once that returned,
    // and only then may a message open an event loop of its own.
    QTimer::singleShot(0, this, [this, report = syncReportText(outcome, ReportLines)] {
        session_.reset();
        scheduler_.passFinished();
        if (!report.isEmpty())
            GeneralDialog::ask(window_, fittedMessage(MessageKind::Ok, QStringLiteral("Sync"), report));
    });
}
