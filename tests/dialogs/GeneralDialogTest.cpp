#include "TestSupport.h"
#include "dialogs/FileErrorDialogReporter.h"
#include "dialogs/GeneralDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

bool shown(const GeneralDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<QWidget *>(QLatin1String(name));
    return widget && widget->isVisible() && widget->isEnabled();
}

struct Kind {
    const char *name;
    MessageKind kind;
    QString controls; // the ones shown besides the check box; the first is the default button
    const char *pressed;
    bool ticked;          // the message comes with a check box, ticked; else with none
    MessageAnswer answer; // the tick counts for Yes and OK only
};

class GeneralDialogKind : public ::testing::TestWithParam<Kind> {};

TEST_P(GeneralDialogKind, ShowsItsButtonsAndIconAndAnswersWithThePressedButtonAndTheTick)
{
    const Kind row = GetParam();
    GeneralDialog dialog(
        {row.kind, "Please confirm", "Remove?", 1905, 615, row.ticked ? "Do not ask me this question again." : ""});
    dialog.show();
    QStringList controls;
    for (const char *name : {"commandYes", "commandNo", "commandOK", "imageYesNo", "imageOk", "imageInternet"})
        controls << (shown(dialog, name) ? name : "");
    EXPECT_EQ(controls.join(' ').simplified(), row.controls);
    EXPECT_TRUE(dialog.findChild<QPushButton *>(row.controls.section(' ', 0, 0))->isDefault());
    EXPECT_EQ(shown(dialog, "checkboxCheckbox"), row.ticked);
    dialog.findChild<QCheckBox *>("checkboxCheckbox")->setChecked(row.ticked);
    QTest::mouseClick(dialog.findChild<QPushButton *>(row.pressed), Qt::LeftButton);
    EXPECT_EQ(dialog.answer(), row.answer);
    EXPECT_FALSE(dialog.isVisible());
}

const Kind kinds[] = {
    {"YesNo", MessageKind::YesNo, "commandYes commandNo imageYesNo", "commandYes", true, {MessageButton::Yes, true}},
    {"UpdateNo", MessageKind::Update, "commandYes commandNo imageInternet", "commandNo", true, {MessageButton::No}},
    {"Ok", MessageKind::Ok, "commandOK imageOk", "commandOK", true, {MessageButton::Ok, true}},
    {"AlertWithoutBox", MessageKind::Alert, "commandOK imageYesNo", "commandOK", false, {MessageButton::Ok}},
};
INSTANTIATE_TEST_SUITE_P(Kinds, GeneralDialogKind, ::testing::ValuesIn(kinds),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(GeneralDialogText, ShowsTitleMessageAndCaptionAsPlainText)
{
    GeneralDialog dialog({MessageKind::YesNo, "<i>t</i>", "<b>x</b>", 1785, 495, "&Never"});
    auto *label = dialog.findChild<QLabel *>("labelMessage");
    EXPECT_EQ(std::pair(label->textFormat(), label->text()), std::pair(Qt::PlainText, QString("<b>x</b>")));
    EXPECT_EQ(dialog.windowTitle(), "<i>t</i>");
    EXPECT_EQ(dialog.findChild<QCheckBox *>("checkboxCheckbox")->text(), "&Never");
}

TEST(FileErrorDialog, ReportsInAnOkMessageTitledByTheError)
{
    FileErrorDialogReporter reporter(nullptr);
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    reporter.reportFileError("notes.dat", "writing", FileError::DiskFull, {});
    const Message asked = GeneralDialog::takeAskedMessage().value();
    EXPECT_EQ(std::pair(asked.kind, asked.title), std::pair(MessageKind::Ok, fileErrorTitle(FileError::DiskFull)));
    EXPECT_FALSE(GeneralDialog::takeAskedMessage()); // taken once
    GeneralDialog::setNextAnswer({MessageButton::Ok});
    reporter.reportFileChanged("notes.dat", "notes.dat.bak");
    EXPECT_EQ(GeneralDialog::takeAskedMessage()->text, fileChangedMessage("notes.dat", "notes.dat.bak"));
}

} // namespace
