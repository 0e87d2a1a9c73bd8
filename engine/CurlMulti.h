#pragma once

#include <QHash>
#include <QObject>

#include <curl/curl.h>

#include <functional>

class QSocketNotifier;
class QTimer;

// libcurl's multi interface driven by Qt's event loop: the socket callback keeps one
// notifier per socket and direction, the timer callback arms one single-shot timer, and
// every wake-up hands the socket (or the time-out) to curl_multi_socket_action. Nothing
// here blocks, polls or pumps events. The multi handle lives as long as this object, so
// its connection cache carries kept connections from one fetch to the next.
class CurlMulti : public QObject
{
    Q_OBJECT
public:
    explicit CurlMulti(QObject *parent = nullptr);
    ~CurlMulti() override;

    // Called after every action, before the finished transfers are reported.
    std::function<void()> afterAction;
    // Called for a transfer that ended; the handle is still added (remove() it).
    std::function<void(CURL *easy, CURLcode result)> done;

    void add(CURL *easy);
    // Never from inside one of libcurl's callbacks.
    void remove(CURL *easy);

private:
    struct Watch
    {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };
    static int onSocket(CURL *easy, curl_socket_t socket, int what, void *self, void *);
    static int onTimer(CURLM *multi, long timeoutMs, void *self);
    void watch(curl_socket_t socket, int what);
    void forget(curl_socket_t socket);
    void act(curl_socket_t socket, int events);

    CURLM *m_multi;
    QTimer *m_timer;
    QHash<curl_socket_t, Watch> m_watches;
};
