#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QIcon;
class QLabel;
class QPushButton;
struct AppState;

// The program's message box: a message with an icon, the buttons of its kind
// ("YesNo", "Ok", "Alert", "Update") and an optional check box. The caller sizes
// the window and the message area in twips so that its message fits.
class GeneralDialog : public QDialog {
    Q_OBJECT

public:
    GeneralDialog(int width, int height, const QString &title, const QString &message, int messageHeight,
                  const QString &kind, const QString &checkboxCaption, QWidget *parent = nullptr);

    // "Yes", "No", "Ok", or "Cancel" while no button has been pressed.
    QString answer() const { return answer_; }
    // True only when the box was ticked and the answer was "Yes" or "Ok".
    bool checkboxAnswer() const { return checkboxAnswer_; }

    // Centres the window on widget when it is shown, else on the primary screen.
    void centreOn(const QWidget *widget);

private:
    QPushButton *addButton(const QString &caption, const QString &name, int left, int top);
    QLabel *addIcon(const QIcon &picture, const QString &name, const QString &spokenName);
    void showKind(const QString &kind);
    void answerWith(const QString &answer, bool keepsCheckbox);

    QCheckBox *checkbox_;
    QPushButton *yes_;
    QPushButton *no_;
    QPushButton *ok_;
    QLabel *iconWarning_;
    QLabel *iconInformation_;
    QLabel *iconInternet_;
    QString answer_ = QStringLiteral("Cancel");
    bool checkboxAnswer_ = false;
};

// Shows the dialog modally and leaves the answer in state.DialogResult and
// state.DialogCheckbox. Sizes in twips; width is the window width less 55.
void showGeneralDialog(AppState &state, QWidget *centreOn, int width, int height, const QString &title,
                       const QString &message, int messageHeight, const QString &kind,
                       const QString &checkboxCaption);

// Asks before an event or a note ("event", "note") is removed, unless the
// user switched the question off; a ticked box switches it off. True when
// the removal may go ahead.
bool confirmRemoval(AppState &state, QWidget *centreOn, const QString &shownTitle, const QString &thing,
                    qint16 &confirmSetting);

// "Database is full" with the message of the table that is full.
void showDatabaseFull(AppState &state, QWidget *centreOn, const QString &message);
