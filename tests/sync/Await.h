#pragma once

#include "sync/SyncError.h"

#include <QTest>

#include <gtest/gtest.h>

#include <optional>

// Runs the event loop until start's callback has given its answer. The limit
// only keeps a broken test from hanging; no test measures time with it.
template <typename Answer, typename Start> Answer answerOf(Start start)
{
    std::optional<Answer> answer;
    start([&answer](const Answer &given) { answer = given; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 120 * 1000)) {
        ADD_FAILURE() << "no answer";
        return {};
    }
    return *answer;
}

// The answer to a request the client sends.
template <typename T, typename Start> DavResult<T> await(Start start)
{
    return answerOf<DavResult<T>>(start);
}
