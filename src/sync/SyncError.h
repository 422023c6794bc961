#pragma once

#include <QtGlobal>

// Why a talk with the calendar server went wrong. Kept as a value until the
// moment it is shown, so that callers decide by kind and never by text.
enum class SyncError : quint8 {
    None,
    Offline,            // no connection: the host is unknown, refuses or the network is down
    Timeout,            // no complete answer in time
    TlsError,           // the certificate or the encrypted connection failed; never ignored
    RefusedAddress,     // not HTTPS, plain HTTP beyond this machine, or a password in the address
    RefusedRedirect,    // a redirect to another scheme, host or port, or too many of them
    SignInFailed,       // 401: the user name or password is wrong
    NotFound,           // 404
    PreconditionFailed, // 412: the item changed on the server since its ETag was read
    BadSyncToken,       // the server no longer knows the sync token; a full listing follows
    ServerError,        // any other refusal or failure of the server (a 503, say)
    TooLarge,           // an answer past the size limit, stopped on the way
    InvalidAnswer,      // an answer that is malformed, hostile or breaks the protocol
    StateFile,          // calendar.sync could not be read or saved
};

// A typed answer: a value, or the reason there is none.
template <typename T> struct DavResult {
    SyncError error = SyncError::None;
    T value{};
    bool ok() const { return error == SyncError::None; }
};
