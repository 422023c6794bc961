#pragma once

#include "messages/GeneralDialog.h"

#include <functional>

// Runs act with answer scripted for the message it asks, which shows no window;
// returns that message's title, "" when it asked none.
inline QString askedTitle(const std::function<void()> &act, MessageAnswer answer = {MessageButton::Ok})
{
    GeneralDialog::setNextAnswer(answer);
    act();
    const std::optional<Message> asked = GeneralDialog::takeAskedMessage();
    return asked ? asked->title : QString();
}
