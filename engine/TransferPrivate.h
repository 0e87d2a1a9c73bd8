#pragma once

#include "CurlRequest.h"
#include "Transfer.h"

#include <QDeadlineTimer>
#include <QUrl>

class CurlMulti;
class QTimer;
namespace TransferRules {
struct Outcome;
}

namespace TransferLimits {
constexpr int MaxRedirects = 10;
// A body that brings fewer bytes than this in one stall window has stalled.
constexpr qint64 StallBytes = 1024;
// A body that brings fewer bytes than this in two stall windows (a minute, by default) is
// too slow: a trickle that keeps the stall rule quiet must not hold a picture for ever.
constexpr qint64 SlowBytes = 60 * 1024;
} // namespace TransferLimits

// The state of the transfer and the course of one fetch: its setup from the connection
// options, the hops of its redirects, its deadlines and its end.
struct Transfer::Private
{
    enum class Phase { Idle, Connecting, Head, Body };

    explicit Private(Transfer *owner) : q(owner) {}

    Transfer *q;
    CurlMulti *multi = nullptr;
    bool ownsMulti = true;
    bool shared = false;     // the easy handle is in the multi handle's share
    Private *session = this; // whose cookies and authorities this transfer uses
    CurlRequest request;
    // The head deadline, then the stall window of the body. A new window only moves the due
    // time: the timer, when it fires early, waits for the rest (no timer work per fetch).
    QTimer *clock = nullptr;
    QDeadlineTimer clockDue;
    QDeadlineTimer clockFires; // when the timer was last started to fire
    bool clockArmed = false;
    Phase phase = Phase::Idle;
    bool added = false; // the easy handle is in the multi handle
    QIODevice *sink = nullptr;

    int accessType = Transfer::Direct;
    QString proxy;
    ConnectionOptions options;
    int idleTimeout = 30000;

    CurlRequest::Setup setup;
    QUrl current;
    int redirectsLeft = TransferLimits::MaxRedirects;
    bool viaProxy = false;
    qint64 reportedBytes = -1;
    bool codedBody = false; // the body has a content coding: its announced length is not ours

    bool cookiesFresh = true; // a run began: cookies go and the file is read at the next fetch
    QString cookiesFrom;
    qint64 bodyAtTick[2] = {-1, -1}; // body bytes at the last two ticks of the stall clock
    QString caFrom;
    QByteArray caBundle;

    Transfer::Failure failure = Transfer::Failure::None;

    bool prepareSetup(const QUrl &url);
    bool loadCaFile();
    void start(const QUrl &url);
    void onTick();
    void armClock(); // a window of idleTimeout from now
    void disarmClock();
    void onAfterAction();
    void onDone(CURLcode code);
    void followRedirect();
    void finishComplete();
    void fail(const TransferRules::Outcome &outcome);
    void finish(bool ok, const QString &reason, Transfer::Failure kind);
    void detach();
};
