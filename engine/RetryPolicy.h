#pragma once

#include <QDateTime>
#include <QString>

#include "Transfer.h"

// When a fetch is made again: a server that asks to slow down is waited for, a passing
// failure is tried again after a growing delay. Decided on the kind of failure and the
// status code, never on texts.
namespace RetryPolicy {

// Waits granted to a server that asks to slow down before the attempt counts as a miss.
constexpr int maxSlowDownWaits = 3;
// The longest wait a Retry-After may ask for, in seconds; Stop ends any wait sooner.
constexpr int maxWaitSeconds = 3600;

// The seconds a Retry-After value asks for: a count of seconds or an HTTP date (compared
// with now); -1 when the value is neither. A date that has passed asks for 1.
int retryAfterSeconds(const QString &value, const QDateTime &now);

// A 429, or a 503 that says when to come back.
bool asksToSlowDown(int status, bool hasRetryAfter);

// The wait before fetch number waitNumber + 1 (waitNumber from 1): Retry-After when it was
// given (retryAfter >= 0), else 10, 30 and then 60 seconds.
int slowDownSeconds(int waitNumber, int retryAfter);

// A failure that may well pass: timed out, connection reset or closed early, a host name
// that did not resolve (name servers have bad moments), or a 5xx status other than 501 Not
// Implemented.
bool isPassing(Transfer::Failure failure, int status);

// A failure that every later address of the run would meet as well, since they all go to
// the same host the same way: the host or the proxy cannot be reached or refuses us, TLS
// cannot be trusted, the cookie file cannot be read, a User-Agent or Referer would smuggle
// in a header. The run ends after such an attempt.
bool meetsEveryAddress(Transfer::Failure failure);

// The delay before retry number retryNumber (from 1): 2 s, 4 s, 8 s, ... at most 60 s.
int retryDelaySeconds(int retryNumber);

// "HTTP 404 Not Found", or "HTTP 404" when the server gave no reason phrase.
QString httpErrorText(int status, const QString &reasonPhrase);

} // namespace RetryPolicy
