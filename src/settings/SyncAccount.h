#pragma once

#include "settings/SyncSettings.h"

// The name the sign-in password is kept under in the credential store: the
// user at the address, so that two servers never share one.
inline QString syncAccount(const SyncSettings &settings)
{
    return settings.user + QLatin1Char('@') + settings.url;
}
