#include "AccessibleEvents.h"
#include "TestSupport.h"
#include "dialogs/FileErrorDialogReporter.h"
#include "dialogs/GeneralDialog.h"
#include "widgets/Twips.h"
#include "widgets/WindowFrame.h"

#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const QString DoNotAsk = QStringLiteral("Do not ask me this question again.");

// Runs act on the dialog once exec() has it on screen; act must close it.
void whileShown(const std::function<void(GeneralDialog &)> &act)
{
    QTimer::singleShot(0, [act] {
        QWidget *modal = QApplication::activeModalWidget();
        auto *dialog = qobject_cast<GeneralDialog *>(modal);
        if (!dialog || dialog->objectName() != QLatin1String("formGeneralDialog")) {
            ADD_FAILURE() << "no general dialog on screen";
            if (modal)
                modal->close();
            return;
        }
        act(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "dialog still open";
            dialog->reject();
        }
    });
}

void show(AppState &state, const QString &kind, const QString &caption = DoNotAsk, int height = 1905)
{
    showGeneralDialog(state, nullptr, 4815, height, QStringLiteral("Please confirm"),
                      QStringLiteral("Remove?"), 615, kind, caption);
}

void click(GeneralDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<QAbstractButton *>(QLatin1String(name));
    ASSERT_NE(widget, nullptr) << name;
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
}

bool shown(GeneralDialog &dialog, const char *name)
{
    auto *widget = dialog.findChild<QWidget *>(QLatin1String(name));
    return widget && widget->isVisible() && widget->isEnabled();
}

struct Answer {
    const char *kind;
    const char *button;
    bool tick;
    const char *result;
    bool checkbox;
};

void PrintTo(const Answer &a, std::ostream *os) { *os << a.kind << ' ' << a.button << (a.tick ? " ticked" : ""); }

class GeneralDialogAnswer : public ::testing::TestWithParam<Answer> {};

TEST_P(GeneralDialogAnswer, LeavesButtonAndTickInState)
{
    const Answer a = GetParam();
    AppState state;
    whileShown([&](GeneralDialog &dialog) {
        if (a.tick)
            click(dialog, "checkboxCheckbox");
        click(dialog, a.button);
    });
    show(state, QString::fromLatin1(a.kind));
    EXPECT_EQ(state.dialogResult, QString::fromLatin1(a.result));
    EXPECT_EQ(state.dialogCheckbox, a.checkbox);
}

INSTANTIATE_TEST_SUITE_P(Buttons, GeneralDialogAnswer,
                         ::testing::Values(Answer{"YesNo", "commandYes", true, "Yes", true},
                                           Answer{"YesNo", "commandYes", false, "Yes", false},
                                           Answer{"YesNo", "commandNo", true, "No", false},
                                           Answer{"Update", "commandYes", true, "Yes", true},
                                           Answer{"Update", "commandNo", false, "No", false},
                                           Answer{"Ok", "commandOK", true, "Ok", true},
                                           Answer{"Alert", "commandOK", false, "Ok", false}),
                         [](const auto &info) { return std::to_string(info.index) + info.param.kind; });

class GeneralDialogCancel : public ::testing::TestWithParam<const char *> {};

TEST_P(GeneralDialogCancel, EscapeCloseAndRejectAllCancelAfterAnEarlierYes)
{
    const std::vector<std::function<void(GeneralDialog &)>> closers = {
        [](GeneralDialog &d) { QTest::keyClick(&d, Qt::Key_Escape); },
        [](GeneralDialog &d) { d.close(); },
        [](GeneralDialog &d) { d.reject(); },
    };
    for (const auto &closeIt : closers) {
        AppState state;
        state.dialogResult = QStringLiteral("Yes");
        state.dialogCheckbox = true;
        whileShown([&](GeneralDialog &dialog) {
            dialog.findChild<QCheckBox *>(QStringLiteral("checkboxCheckbox"))->setChecked(true);
            closeIt(dialog);
        });
        show(state, QString::fromLatin1(GetParam()));
        EXPECT_EQ(state.dialogResult, QStringLiteral("Cancel"));
        EXPECT_FALSE(state.dialogCheckbox);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneralDialogCancel, ::testing::Values("YesNo", "Ok", "Alert", "Update", "Other"));

struct Look {
    const char *kind;
    bool yesNo, ok, warning, information, internet;
    const char *defaultButton;
};

void PrintTo(const Look &l, std::ostream *os) { *os << l.kind; }

class GeneralDialogLook : public ::testing::TestWithParam<Look> {};

TEST_P(GeneralDialogLook, ShowsTheButtonsAndIconOfItsKind)
{
    const Look l = GetParam();
    AppState state;
    whileShown([&](GeneralDialog &dialog) {
        EXPECT_EQ(shown(dialog, "commandYes"), l.yesNo);
        EXPECT_EQ(shown(dialog, "commandNo"), l.yesNo);
        EXPECT_EQ(shown(dialog, "commandOK"), l.ok);
        EXPECT_EQ(shown(dialog, "imageYesNo"), l.warning);
        EXPECT_EQ(shown(dialog, "imageOk"), l.information);
        EXPECT_EQ(shown(dialog, "imageInternet"), l.internet);
        EXPECT_FALSE(shown(dialog, "checkboxCheckbox"));
        for (auto *button : dialog.findChildren<QPushButton *>()) {
            if (!button->isVisible())
                continue; // a hidden button cannot be pressed with Enter
            EXPECT_EQ(button->isDefault(), button->objectName() == QLatin1String(l.defaultButton))
                << button->objectName().toStdString();
        }
        dialog.reject();
    });
    show(state, QString::fromLatin1(l.kind), QString());
}

INSTANTIATE_TEST_SUITE_P(Kinds, GeneralDialogLook,
                         ::testing::Values(Look{"YesNo", true, false, true, false, false, "commandYes"},
                                           Look{"Update", true, false, false, false, true, "commandYes"},
                                           Look{"Ok", false, true, false, true, false, "commandOK"},
                                           Look{"Alert", false, true, true, false, false, "commandOK"},
                                           Look{"yesno", false, false, false, false, false, ""}),
                         [](const auto &info) { return std::to_string(info.index) + info.param.kind; });

TEST(GeneralDialogLayout, GivenSizeIsTheWholeWindowCaptionAndBordersIncluded)
{
    GeneralDialog dialog(4815, 1545, QStringLiteral("t"), QStringLiteral("m"), 615, QStringLiteral("YesNo"), DoNotAsk);
    EXPECT_EQ(dialog.size().grownBy(frameAllowance(&dialog)), QSize(twipsToPixels(4815 + 55), twipsToPixels(1545)));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
}

TEST(GeneralDialogLayout, UpdateQuestionShowsTheGlobeAtTheScreensScale)
{
    GeneralDialog dialog(4815, 1615, QString(), QString(), 615, QStringLiteral("Update"), QString());
    const QPixmap shown = dialog.findChild<QLabel *>(QStringLiteral("imageInternet"))->pixmap();
    EXPECT_EQ(shown.deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_EQ(shown.devicePixelRatio(), dialog.devicePixelRatio());
    EXPECT_EQ(shown.toImage(), QIcon(QStringLiteral(":/icons/globe.svg")).pixmap(32, 32).toImage());
}

TEST(GeneralDialogLayout, CentresOnAShownWidget)
{
    QWidget main;
    main.setGeometry(200, 150, 600, 400);
    main.show();
    GeneralDialog dialog(4815, 1545, QString(), QString(), 615, QStringLiteral("Ok"), QString());
    dialog.centreOn(&main);
    EXPECT_LE((dialog.geometry().center() - main.geometry().center()).manhattanLength(), 2);
}

TEST(GeneralDialogText, ShowsMessageAndCaptionAsPlainText)
{
    GeneralDialog dialog(4815, 1785, QStringLiteral("<i>t</i>"), QStringLiteral("<b>x</b>"), 495,
                         QStringLiteral("YesNo"), QStringLiteral("&Never again"));
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("labelMessage"));
    EXPECT_EQ(label->textFormat(), Qt::PlainText);
    EXPECT_EQ(label->text(), QStringLiteral("<b>x</b>"));
    EXPECT_TRUE(label->wordWrap());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("<i>t</i>"));
    EXPECT_EQ(dialog.findChild<QCheckBox *>(QStringLiteral("checkboxCheckbox"))->text(), QStringLiteral("&Never again"));
}

TEST(GeneralDialogText, AnnouncesTitleAndMessageAsItOpens)
{
    const AccessibleEvents events;
    GeneralDialog dialog(4815, 1545, QStringLiteral("Date out of range"), QStringLiteral("Not shown."), 615,
                         QStringLiteral("Ok"), QString());
    EXPECT_EQ(events.count(QAccessible::Alert, &dialog), 0);
    dialog.show();
    EXPECT_EQ(events.count(QAccessible::Alert, &dialog), 1);
    const QAccessibleInterface *access = QAccessible::queryAccessibleInterface(&dialog);
    EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Date out of range"));
    EXPECT_EQ(access->text(QAccessible::Description), QStringLiteral("Not shown."));
}

TEST(FileErrorDialog, ShowsTitleAndMessageInAnOkDialog)
{
    AppState state;
    FileErrorDialogReporter reporter(state, nullptr);
    whileShown([](GeneralDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Permission denied"));
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("labelMessage"))->text(),
                  QStringLiteral("There was an error writing tarrow.ini. All settings will be restored to their "
                                 "default values, but your saved reminders and/or notes will not be affected."));
        EXPECT_TRUE(shown(dialog, "commandOK"));
        EXPECT_TRUE(shown(dialog, "imageOk"));
        EXPECT_FALSE(shown(dialog, "checkboxCheckbox"));
        click(dialog, "commandOK");
    });
    reporter.reportFileError(QStringLiteral("tarrow.ini"), QStringLiteral("writing"), FileError::PermissionDenied,
                             QString());
    EXPECT_EQ(state.dialogResult, QStringLiteral("Ok"));

    whileShown([](GeneralDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Unknown error (#58)"));
        dialog.reject();
    });
    reporter.reportFileError(QStringLiteral("notes.dat"), QStringLiteral("reading"), 58, QString());

    // The notice of a file another program changed goes the same way.
    whileShown([](GeneralDialog &dialog) {
        EXPECT_EQ(dialog.windowTitle(), fileChangedTitle());
        EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("labelMessage"))->text(),
                  fileChangedMessage(QStringLiteral("notes.dat"), QStringLiteral("notes.dat.bak")));
        click(dialog, "commandOK");
    });
    reporter.reportFileChanged(QStringLiteral("notes.dat"), QStringLiteral("notes.dat.bak"));
}

} // namespace
