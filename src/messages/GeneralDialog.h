#pragma once

#include <QDialog>
#include <QString>

#include <optional>
#include <utility>

class QCheckBox;
class QIcon;
class QLabel;
class QPushButton;

// The buttons and icon a message comes with.
enum class MessageKind {
    YesNo,  // a question, with the warning icon
    Ok,     // a notice, with the information icon
    Alert,  // a notice, with the warning icon
    Update, // a question about going on the web, with the globe
};

// A message as the general dialog shows it. Sizes are in twips; the caller
// sizes the window so that its message fits.
struct Message {
    Message(MessageKind messageKind, QString messageTitle, QString messageText, int windowHeight = 1545,
            int messageHeight = 615, QString caption = {})
        : kind(messageKind), title(std::move(messageTitle)), text(std::move(messageText)), height(windowHeight),
          textHeight(messageHeight), checkboxCaption(std::move(caption))
    {
    }

    MessageKind kind;
    QString title;
    QString text;
    int height;              // the whole window
    int textHeight;          // the area of the message
    QString checkboxCaption; // none when empty
};

// A short text keeps the report box it always had; a long one (many
// reasons, many changes) gets the height its text needs in the box's width.
Message fittedMessage(MessageKind kind, const QString &title, const QString &text);

enum class MessageButton { Yes, No, Ok, Closed };

struct MessageAnswer {
    MessageButton button = MessageButton::Closed;
    bool checked = false; // the check box was ticked and Yes or OK pressed
    bool operator==(const MessageAnswer &) const = default;
};

// The program's message box: a message with an icon, the buttons of its
// kind and an optional check box.
class GeneralDialog : public QDialog {
    Q_OBJECT

public:
    explicit GeneralDialog(const Message &message, QWidget *parent = nullptr);

    MessageAnswer answer() const { return answer_; }

    // Centres the window on widget when it is shown, else on the primary screen.
    void centreOn(const QWidget *widget);

    // Shows message modally, centred on centreOn, and returns the answer.
    static MessageAnswer ask(QWidget *centreOn, const Message &message);

    // For tests: the next ask() shows no window and returns answer; the
    // message it was asked is kept for takeAskedMessage().
    static void setNextAnswer(MessageAnswer answer);
    static std::optional<Message> takeAskedMessage();

private:
    QLabel *addIcon(const QIcon &picture, const QString &name, const QString &spokenName);
    void showKind(MessageKind kind);
    void answerWith(MessageButton button, bool keepsCheckbox);

    QCheckBox *checkbox_;
    QPushButton *yes_;
    QPushButton *no_;
    QPushButton *ok_;
    QLabel *iconWarning_;
    QLabel *iconInformation_;
    QLabel *iconInternet_;
    MessageAnswer answer_;
};

// Asks before an event or a note ("event", "note") is removed, unless the
// user switched the question off; a ticked box switches it off. True when
// the removal may go ahead.
bool confirmRemoval(QWidget *centreOn, const QString &shownTitle, const QString &thing, qint16 &confirmSetting);

// "Database is full" with the message of the table that is full.
void showDatabaseFull(QWidget *centreOn, const QString &message);
