#pragma once

#include "platform/CredentialStore.h"

#include <memory>

// The system's own credential store: the Secret Service on Linux, the
// Credential Manager on Windows.
std::unique_ptr<CredentialStore> systemCredentialStore();
