#include "CurlMulti.h"

#include <QScopeGuard>
#include <QSocketNotifier>
#include <QTimer>

#include <utility>

CurlMulti::CurlMulti(QObject *parent)
    : QObject(parent), m_multi(curl_multi_init()), m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    connect(m_timer, &QTimer::timeout, this, [this] { actFromLoop(CURL_SOCKET_TIMEOUT, 0); });
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &CurlMulti::onSocket);
    curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &CurlMulti::onTimer);
    curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
    // Requests in flight together go as streams of one HTTP/2 connection where they can.
    curl_multi_setopt(m_multi, CURLMOPT_PIPELINING, long(CURLPIPE_MULTIPLEX));
}

CurlMulti::~CurlMulti()
{
    // Closing the kept connections calls the socket callback one last time.
    curl_multi_cleanup(m_multi);
    if (m_share)
        curl_share_cleanup(m_share);
    for (const Watch &w : std::as_const(m_watches)) {
        delete w.read;
        delete w.write;
    }
}

void CurlMulti::setAfterAction(const void *owner, std::function<void()> call)
{
    forgetOwner(owner);
    m_afterActions.append({owner, std::move(call)});
}

void CurlMulti::forgetOwner(const void *owner)
{
    m_afterActions.removeIf([owner](const auto &entry) { return entry.first == owner; });
}

void CurlMulti::add(CURL *easy, std::function<void(CURLcode)> done)
{
    m_done.insert(easy, std::move(done));
    // libcurl asks to be called at once: outside an action that is done here and now, not
    // after another turn of the event loop. Inside one (a redirect followed from a
    // transfer's end) the timer does it.
    m_adding = m_acting == 0;
    m_callNow = false;
    curl_multi_add_handle(m_multi, easy);
    m_adding = false;
    if (m_callNow)
        act(CURL_SOCKET_TIMEOUT, 0);
}

bool CurlMulti::holdReport(std::function<void()> report)
{
    if (!m_fromLoop)
        return false;
    m_reports.append(std::move(report));
    return true;
}

void CurlMulti::actFromLoop(curl_socket_t socket, int events)
{
    m_fromLoop = true;
    act(socket, events);
    m_fromLoop = false;
    // A report may end the run and with it this object: the list leaves it first, and
    // nothing here touches it afterwards.
    const auto reports = std::exchange(m_reports, {});
    for (const auto &report : reports)
        report();
}

void CurlMulti::remove(CURL *easy)
{
    m_done.remove(easy);
    curl_multi_remove_handle(m_multi, easy);
}

CURLSH *CurlMulti::share()
{
    if (!m_share) {
        // One thread: libcurl needs no locks for the data it shares.
        m_share = curl_share_init();
        curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
        curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
        curl_share_setopt(m_share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
    }
    return m_share;
}

int CurlMulti::onSocket(CURL *, curl_socket_t socket, int what, void *self, void *)
{
    auto *multi = static_cast<CurlMulti *>(self);
    if (what == CURL_POLL_REMOVE)
        multi->forget(socket);
    else
        multi->watch(socket, what);
    return 0;
}

int CurlMulti::onTimer(CURLM *, long timeoutMs, void *self)
{
    // libcurl must not be called back from here: the timer does it from the event loop.
    auto *multi = static_cast<CurlMulti *>(self);
    auto *timer = multi->m_timer;
    if (timeoutMs == 0 && multi->m_adding) {
        multi->m_callNow = true;
        return 0;
    }
    if (timeoutMs < 0) {
        timer->stop();
        return 0;
    }
    // libcurl names its next deadline after every action. A timer that fires no later
    // stays as it is: a call before the deadline only makes libcurl name it again.
    const int ms = int(qMin<long>(timeoutMs, 24L * 3600 * 1000));
    if (!timer->isActive() || timer->remainingTime() > ms)
        timer->start(ms);
    return 0;
}

void CurlMulti::watch(curl_socket_t socket, int what)
{
    Watch &w = m_watches[socket];
    const auto notifier = [this, socket](QSocketNotifier::Type type, int events) {
        auto *n = new QSocketNotifier(socket, type, this);
        connect(n, &QSocketNotifier::activated, this,
                [this, socket, events] { actFromLoop(socket, events); });
        return n;
    };
    const bool in = what == CURL_POLL_IN || what == CURL_POLL_INOUT;
    const bool out = what == CURL_POLL_OUT || what == CURL_POLL_INOUT;
    w.active = true;
    if (in && !w.read)
        w.read = notifier(QSocketNotifier::Read, CURL_CSELECT_IN);
    if (out && !w.write)
        w.write = notifier(QSocketNotifier::Write, CURL_CSELECT_OUT);
    if (w.read)
        w.read->setEnabled(in);
    if (w.write)
        w.write->setEnabled(out);
}

void CurlMulti::forget(curl_socket_t socket)
{
    // Kept for the next fetch over the same connection, or the next socket of the same
    // number: a disabled notifier watches nothing.
    const auto found = m_watches.find(socket);
    if (found == m_watches.end())
        return;
    found->active = false;
    for (QSocketNotifier *n : {found->read, found->write}) {
        if (n)
            n->setEnabled(false);
    }
}

void CurlMulti::act(curl_socket_t socket, int events)
{
    ++m_acting;
    const auto leave = qScopeGuard([this] { --m_acting; });
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    // A call may change the list (an owner that finished forgets itself): go over a copy.
    const auto afterActions = m_afterActions;
    for (const auto &entry : afterActions)
        entry.second();
    int left = 0;
    while (CURLMsg *message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE)
            continue;
        const auto done = m_done.value(message->easy_handle);
        if (done)
            done(message->data.result);
    }
}
