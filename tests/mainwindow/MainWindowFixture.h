#pragma once

#include "mainwindow/MainWindow.h"

#include "appstate/AppState.h"
#include "datelogic/AlertScheduler.h"
#include "dialogs/GeneralDialog.h"
#include "FakePlatform.h"
#include "help/Help.h"
#include "ModalDriver.h"
#include "TestSupport.h"

#include <QTest>
#include <QtWidgets>

#include <gtest/gtest.h>

// A main window on a temporary data folder with a fake system whose today is 6 December 2026.
class MainWindowTest : public ::testing::Test {
protected:
    DataFolderFixture folder;
    FakePlatform platform{QDate(2026, 12, 6)};
    RecordingReporter reporter;
    std::unique_ptr<AppState> state =
        [this] { auto s = std::make_unique<AppState>(); s->dataFolder = folder.path(); return s; }();
    Help help{folder.file("tarrow.hlp")};
    ScriptedAlertWindow alerts;
    MainWindow window{*state, platform, reporter, help, alerts};

    void startUp()
    {
        window.start();
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return window.timer().interval() == AlertScheduler::RunningInterval; }, 5000));
    }
    // Runs act with button as the answer to the message it asks; returns the message's title, "" when it asked none.
    static QString asked(const std::function<void()> &act, MessageButton button = MessageButton::Ok)
    {
        GeneralDialog::setNextAnswer({button});
        act();
        return GeneralDialog::takeAskedMessage().value_or(Message(MessageKind::Ok, {}, {})).title;
    }
};
