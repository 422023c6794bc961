#pragma once

#include "sync/SyncError.h"

#include <QEventLoop>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>

// Runs the event loop until the request that start sends has answered. The
// guard only keeps a broken test from hanging; no test measures time with it.
template <typename T, typename Start>
DavResult<T> await(Start start)
{
    std::optional<DavResult<T>> result;
    QEventLoop loop;
    start([&](const DavResult<T> &answer) {
        result = answer;
        loop.quit();
    });
    if (!result) {
        QTimer::singleShot(120 * 1000, &loop, [&loop] { loop.quit(); });
        loop.exec();
    }
    if (!result) {
        ADD_FAILURE() << "no answer";
        return {SyncError::None};
    }
    return *result;
}
