#include "TestSupport.h"
#include "dialogs/FileErrorDialogReporter.h"
#include "dialogs/GeneralDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString DoNotAsk = QStringLiteral("Do not ask me this question again.");

Message messageOf(MessageKind kind, const QString &checkbox = DoNotAsk)
{
    return {kind, QStringLiteral("Please confirm"), QStringLiteral("Remove?"), 1905, 615, checkbox};
}

bool shown(const GeneralDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<QWidget *>(QLatin1String(name));
    return widget && widget->isVisible() && widget->isEnabled();
}

struct Press {
    const char *name;
    MessageKind kind;
    const char *button;
    bool tick;
    MessageAnswer answer;
};

void PrintTo(const Press &press, std::ostream *os) { *os << press.name; }

class GeneralDialogAnswer : public ::testing::TestWithParam<Press> {};

TEST_P(GeneralDialogAnswer, IsTheButtonPressedAndTheTickOfYesOrOk)
{
    const Press press = GetParam();
    GeneralDialog dialog(messageOf(press.kind));
    dialog.show();
    dialog.findChild<QCheckBox *>(QStringLiteral("checkboxCheckbox"))->setChecked(press.tick);
    QTest::mouseClick(dialog.findChild<QPushButton *>(QLatin1String(press.button)), Qt::LeftButton);
    EXPECT_EQ(dialog.answer(), press.answer);
    EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, GeneralDialogAnswer,
    ::testing::Values(Press{"YesTicked", MessageKind::YesNo, "commandYes", true, {MessageButton::Yes, true}},
                      Press{"Yes", MessageKind::YesNo, "commandYes", false, {MessageButton::Yes, false}},
                      Press{"NoTicked", MessageKind::YesNo, "commandNo", true, {MessageButton::No, false}},
                      Press{"UpdateYes", MessageKind::Update, "commandYes", true, {MessageButton::Yes, true}},
                      Press{"OkTicked", MessageKind::Ok, "commandOK", true, {MessageButton::Ok, true}},
                      Press{"AlertOk", MessageKind::Alert, "commandOK", false, {MessageButton::Ok, false}}),
    [](const auto &info) { return std::string(info.param.name); });

struct Look {
    const char *name;
    MessageKind kind;
    bool yesNo, ok, warning, information, internet;
    const char *defaultButton;
};

void PrintTo(const Look &look, std::ostream *os) { *os << look.name; }

class GeneralDialogLook : public ::testing::TestWithParam<Look> {};

TEST_P(GeneralDialogLook, ShowsTheButtonsAndIconOfItsKind)
{
    const Look look = GetParam();
    GeneralDialog dialog(messageOf(look.kind, QString()));
    dialog.show();
    EXPECT_EQ(shown(dialog, "commandYes"), look.yesNo);
    EXPECT_EQ(shown(dialog, "commandNo"), look.yesNo);
    EXPECT_EQ(shown(dialog, "commandOK"), look.ok);
    EXPECT_EQ(shown(dialog, "imageYesNo"), look.warning);
    EXPECT_EQ(shown(dialog, "imageOk"), look.information);
    EXPECT_EQ(shown(dialog, "imageInternet"), look.internet);
    EXPECT_FALSE(shown(dialog, "checkboxCheckbox"));
    for (auto *button : dialog.findChildren<QPushButton *>()) {
        if (button->isVisible()) { // a hidden button cannot be pressed with Enter
            EXPECT_EQ(button->isDefault(), button->objectName() == QLatin1String(look.defaultButton));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, GeneralDialogLook,
    ::testing::Values(Look{"YesNo", MessageKind::YesNo, true, false, true, false, false, "commandYes"},
                      Look{"Update", MessageKind::Update, true, false, false, false, true, "commandYes"},
                      Look{"Ok", MessageKind::Ok, false, true, false, true, false, "commandOK"},
                      Look{"Alert", MessageKind::Alert, false, true, true, false, false, "commandOK"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(GeneralDialogText, ShowsMessageTitleAndCaptionAsPlainText)
{
    GeneralDialog dialog(
        {MessageKind::YesNo, QStringLiteral("<i>t</i>"), QStringLiteral("<b>x</b>"), 1785, 495, QStringLiteral("&Never")});
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("labelMessage"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("<b>x</b>"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("<i>t</i>"));
    EXPECT_EQ(dialog.findChild<QCheckBox *>(QStringLiteral("checkboxCheckbox"))->text(), QStringLiteral("&Never"));
}

TEST(GeneralDialogScript, TheNextAnswerStandsInForTheUserOnce)
{
    GeneralDialog::setNextAnswer({MessageButton::No, false});
    EXPECT_EQ(GeneralDialog::ask(nullptr, messageOf(MessageKind::YesNo)).button, MessageButton::No);
    EXPECT_EQ(GeneralDialog::takeAskedMessage()->title, QStringLiteral("Please confirm"));
    EXPECT_FALSE(GeneralDialog::takeAskedMessage());
}

TEST(FileErrorDialog, ReportsInAnOkMessageTitledByTheError)
{
    FileErrorDialogReporter reporter(nullptr);
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    reporter.reportFileError(QStringLiteral("notes.dat"), QStringLiteral("reading"), FileError::PermissionDenied,
                             QString());
    const std::optional<Message> asked = GeneralDialog::takeAskedMessage();
    ASSERT_TRUE(asked);
    EXPECT_EQ(asked->kind, MessageKind::Ok);
    EXPECT_EQ(asked->title, fileErrorTitle(FileError::PermissionDenied));
    EXPECT_EQ(asked->text, fileErrorMessage(QStringLiteral("notes.dat"), QStringLiteral("reading"), QString()));

    GeneralDialog::setNextAnswer({MessageButton::Ok});
    reporter.reportFileChanged(QStringLiteral("notes.dat"), QStringLiteral("notes.dat.bak"));
    EXPECT_EQ(GeneralDialog::takeAskedMessage()->text,
              fileChangedMessage(QStringLiteral("notes.dat"), QStringLiteral("notes.dat.bak")));
}

} // namespace
