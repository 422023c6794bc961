#include "messages/GeneralDialog.h"

#include <QtWidgets>
#include <QtTest>

#include <gtest/gtest.h>

TEST(GeneralDialog, EachKindShowsItsButtonsAndIconAndAnswersWithThePressedButtonAndTheTick)
{
    // The controls shown and usable, the default button first; a check box ticked, or none; the tick counts for Yes
    // and OK only.
    // clang-format off
    const struct { const char *controls, *pressed; MessageKind kind; MessageAnswer answer; } rows[] = {
        {"commandYes commandNo imageYesNo checkboxCheckbox", "commandYes", MessageKind::YesNo, {MessageButton::Yes, true}},
        {"commandYes commandNo imageInternet checkboxCheckbox", "commandNo", MessageKind::Update, {MessageButton::No}},
        {"commandOK imageOk checkboxCheckbox", "commandOK", MessageKind::Ok, {MessageButton::Ok, true}},
        {"commandOK imageYesNo", "commandOK", MessageKind::Alert, {MessageButton::Ok}},
    };
    // clang-format on
    for (const auto &row : rows) {
        const bool ticked = QString(row.controls).contains("checkbox");
        GeneralDialog dialog({row.kind, "<i>t</i>", "<b>x</b>", 1905, 615, ticked ? "&Never" : ""});
        dialog.show();
        QStringList controls; // a hidden button must not answer to its shortcut either
        for (const char *name :
             {"commandYes", "commandNo", "commandOK", "imageYesNo", "imageOk", "imageInternet", "checkboxCheckbox"}) {
            const auto *control = dialog.findChild<QWidget *>(name);
            controls << (control->isVisible() && control->isEnabled() ? name : "");
        }
        EXPECT_EQ(controls.join(' ').simplified(), row.controls);
        EXPECT_TRUE(dialog.findChild<QPushButton *>(QString(row.controls).section(' ', 0, 0))->isDefault());
        auto *box = dialog.findChild<QCheckBox *>();
        EXPECT_EQ(box->text(), ticked ? "&Never" : "");
        const auto *label = dialog.findChild<QLabel *>("labelMessage");
        EXPECT_EQ(std::pair(label->textFormat(), label->text()), std::pair(Qt::PlainText, QString("<b>x</b>")));
        box->setChecked(ticked);
        QTest::mouseClick(dialog.findChild<QPushButton *>(row.pressed), Qt::LeftButton);
        EXPECT_EQ(std::pair(dialog.answer(), dialog.isVisible()), std::pair(row.answer, false)) << row.controls;
    }
}
