#pragma once

#include "exchange/RepeatRule.h"

struct icalrecurrencetype;

// The repeat rule of an RRULE as libical reads it. UNTIL is taken as it
// reads on the wall clock (a date as its last second); a rule whose UNTIL is
// in UTC and whose event is in a zone needs it on that zone's clock instead.
// Empty for a rule of another calendar than the Gregorian (RSCALE).
std::optional<RepeatRule> repeatRuleOf(const icalrecurrencetype &recurrence);
