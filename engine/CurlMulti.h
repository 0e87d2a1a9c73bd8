#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPair>

#include <curl/curl.h>

#include <functional>

class QSocketNotifier;
class QTimer;

// libcurl's multi interface driven by Qt's event loop: the socket callback keeps one
// notifier per socket and direction, the timer callback arms one single-shot timer, and
// every wake-up hands the socket (or the time-out) to curl_multi_socket_action. Nothing
// here blocks, polls or pumps events. A kept connection that libcurl stops watching between
// fetches keeps its notifiers, disabled, for the next fetch over it. The multi handle lives as long
// as this object, so its connection cache carries kept connections from one fetch to the next.
//
// Several transfers may share one: their requests then share its connections (HTTP/2
// streams on one connection where the server offers it, kept HTTP/1.1 connections
// otherwise) and, through share(), cookies, TLS sessions and looked-up addresses.
class CurlMulti : public QObject
{
    Q_OBJECT
public:
    explicit CurlMulti(QObject *parent = nullptr);
    ~CurlMulti() override;

    // Called after every action, before the finished transfers are reported, for each
    // owner that asked (one call per owner).
    void setAfterAction(const void *owner, std::function<void()> call);
    void forgetOwner(const void *owner);

    // done is called when the transfer of easy has ended; the handle is still added
    // (remove() it).
    void add(CURL *easy, std::function<void(CURLcode result)> done);
    // Never from inside one of libcurl's callbacks.
    void remove(CURL *easy);

    // During an action the event loop started (a socket's or the timer's, not one that add()
    // makes at once), a transfer's report waits here and is made as soon as the action is
    // over, in the same turn of the event loop and outside libcurl. Returns false elsewhere:
    // the caller then queues the report.
    bool holdReport(std::function<void()> report);

    // Cookies, TLS sessions and looked-up addresses for every request of this handle's
    // transfers; created at the first call.
    CURLSH *share();

    // Every connection libcurl holds open for this handle's transfers, whichever of them
    // opened it (see CurlRequest::setSocketList).
    QList<curl_socket_t> openSockets;
    // A socket libcurl watches now carries a transfer in progress; an idle kept connection
    // is not watched.
    bool isWatched(curl_socket_t socket) const { return m_watches.value(socket).active; }

private:
    struct Watch
    {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
        bool active = false; // libcurl watches it; else its notifiers only wait, disabled
    };
    static int onSocket(CURL *easy, curl_socket_t socket, int what, void *self, void *);
    static int onTimer(CURLM *multi, long timeoutMs, void *self);
    void watch(curl_socket_t socket, int what);
    void forget(curl_socket_t socket);
    void act(curl_socket_t socket, int events);
    void actFromLoop(curl_socket_t socket, int events);

    CURLM *m_multi;
    CURLSH *m_share = nullptr;
    QTimer *m_timer;
    int m_acting = 0;      // depth of act() calls under way
    bool m_adding = false; // in add(): a call at once is made there, without the timer
    bool m_callNow = false;
    bool m_fromLoop = false; // in an action the event loop started
    QList<std::function<void()>> m_reports;
    QHash<curl_socket_t, Watch> m_watches;
    QHash<CURL *, std::function<void(CURLcode)>> m_done;
    QList<QPair<const void *, std::function<void()>>> m_afterActions;
};
