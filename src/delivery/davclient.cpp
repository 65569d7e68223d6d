#include "delivery/davclient.h"

#include <curl/curl.h>
#include <cstring>
#include <mutex>

namespace delivery {

void init_Curl_Once()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

namespace {

struct Upload {
    const QByteArray* body;
    size_t at;
};

size_t read_Body(char* buffer, size_t size, size_t count, void* user)
{
    Upload* upload = static_cast<Upload*>(user);
    const size_t left = size_t(upload->body->size()) - upload->at;
    const size_t n = std::min(left, size * count);
    std::memcpy(buffer, upload->body->constData() + upload->at, n);
    upload->at += n;
    return n;
}

size_t discard(char*, size_t size, size_t count, void*)
{
    return size * count;
}

int check_Stop(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool>*>(user)->load() ? 1 : 0;
}

} // namespace

DavClient::DavClient(const Limits& limits, const std::atomic<bool>& stopping)
    : curl(nullptr), limits(limits), stopping(stopping)
{
    init_Curl_Once();
    curl = curl_easy_init();
}

DavClient::~DavClient()
{
    if (curl)
        curl_easy_cleanup(curl);
}

Reply DavClient::make_Folder(const QByteArray& folderUrl)
{
    Reply reply = perform(folderUrl, "MKCOL", nullptr);
    if (reply.kind == Reply::Retry && reply.httpStatus == 405)
        reply.kind = Reply::Done;
    else if (reply.httpStatus == 409)
        reply.detail += " (the address's collection is not on the server)";
    return reply;
}

Reply DavClient::put(const QByteArray& fileUrl, const QByteArray& content)
{
    return perform(fileUrl, "PUT", &content);
}

Reply DavClient::perform(const QByteArray& url, const char* method, const QByteArray* body)
{
    Reply reply;
    if (!curl) {
        reply.reason = "libcurl could not start";
        return reply;
    }
    curl_easy_reset(curl);
    char error[CURL_ERROR_SIZE] = {};
    Upload upload{body, 0};
    curl_slist* headers = curl_slist_append(nullptr, "Expect:");

    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, 2L);
    if (!limits.caFile.isEmpty())
        curl_easy_setopt(curl, CURLOPT_CAINFO, limits.caFile.toLocal8Bit().constData());
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, check_Stop);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &stopping);
    if (body) {
        curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(curl, CURLOPT_READFUNCTION, read_Body);
        curl_easy_setopt(curl, CURLOPT_READDATA, &upload);
        curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(body->size()));
    } else {
        curl_easy_setopt(curl, CURLOPT_CUSTOMREQUEST, method);
    }

    const CURLcode code = curl_easy_perform(curl);
    curl_slist_free_all(headers);
    if (code != CURLE_OK) {
        reply.reason = QString::fromLocal8Bit(curl_easy_strerror(code));
        reply.detail = error[0] ? QString::fromLocal8Bit(error).trimmed() : reply.reason;
        if (code == CURLE_ABORTED_BY_CALLBACK && stopping.load())
            reply.kind = Reply::Stopped;
        else if (code == CURLE_PEER_FAILED_VERIFICATION || code == CURLE_SSL_ISSUER_ERROR
                 || code == CURLE_SSL_CACERT_BADFILE)
            reply.kind = Reply::Certificate;
        return reply;
    }
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &reply.httpStatus);
    const long s = reply.httpStatus;
    if (body ? (s == 200 || s == 201 || s == 204) : s == 201)
        reply.kind = Reply::Done;
    reply.reason = QString("HTTP %1").arg(s);
    reply.detail = reply.reason;
    return reply;
}

} // namespace delivery
