#pragma once

#include "mainwindow/MainWindow.h"

#include "appstate/AppState.h"
#include "datelogic/AlertScheduler.h"
#include "AskedMessage.h"
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
    void startUp()
    {
        window.start();
        ASSERT_TRUE(
            QTest::qWaitFor([this] { return window.timer().interval() == AlertScheduler::RunningInterval; }, 5000));
    }
};
