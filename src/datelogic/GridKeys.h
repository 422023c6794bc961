#pragma once

#include <QDate>

#include <optional>

// The day a key moves the month grid's selection to: Left and Right by a
// day, Up and Down by a week, Page Up and Page Down by a month (the same day,
// or the month's last when it is shorter), Home and End to the first and last
// day of the month. Empty for any other key.
std::optional<QDate> dayAfterKey(const QDate &selected, int key);
