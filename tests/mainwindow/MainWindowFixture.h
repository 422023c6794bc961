#pragma once

#include "mainwindow/MainWindow.h"

#include "appstate/AppState.h"
#include "datelogic/AlertScheduler.h"
#include "FakePlatform.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using Shown = ScriptedAlertWindow::Shown;

// A main window on a temporary data folder with a fake system whose today is
// 6 December 2026.
class MainWindowTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    FakePlatform platform{QDate(2026, 12, 6)};
    RecordingReporter reporter;
    std::unique_ptr<AppState> state = makeState();
    Help help{folder.file("tarrow.hlp")};
    ScriptedAlertWindow alerts;
    MainWindow window{*state, platform, reporter, help, alerts};

    std::unique_ptr<AppState> makeState() const
    {
        auto s = std::make_unique<AppState>();
        s->dataFolder = folder.path();
        return s;
    }
    // start() and the first timer tick.
    void startUp()
    {
        window.start();
        waitForFirstTick();
    }
    void waitForFirstTick()
    {
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return window.timer().interval() == AlertScheduler::RunningInterval; }, 5000));
    }
    void writeSettings(const QByteArray &items) { folder.write("tarrow.ini", items); }
    // Answers the exit question with a button (or Escape when button is empty).
    void answerExitQuestion(const char *button, bool tickBox)
    {
        whenModalOpens([=](QDialog *dialog) {
            if (tickBox)
                dialog->findChild<QCheckBox *>("checkboxCheckbox")->setChecked(true);
            if (*button)
                QTest::mouseClick(dialog->findChild<QPushButton *>(button), Qt::LeftButton);
            else
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
    }
};

