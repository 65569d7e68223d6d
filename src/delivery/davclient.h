#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>

typedef void CURL;

namespace delivery {

// What one request came to.
struct Reply {
    enum Kind {
        Done,        // the server answered with the status the request wanted
        Retry,       // worth another try later: server down, time-out, 5xx, a refusal it may lift
        Certificate, // the server's certificate failed verification: trying again will not help
        Stopped      // the program is ending
    };
    Kind kind = Retry;
    long httpStatus = 0;
    QString reason; // short, in English: "HTTP 500", "Couldn't connect to server", ...
    QString detail; // the whole story for the log: curl's message with host, port and timing
};

// A WebDAV client of one collection, over libcurl: MKCOL for a folder, PUT for a file. One per
// thread; it keeps its connection open between requests.
class DavClient
{
public:
    struct Limits {
        long connectSeconds = 20;
        // A transfer that moves less than a byte a second for this long is given up.
        long stallSeconds = 60;
        QString caFile; // empty: the system's certificate authorities
    };

    DavClient(const Limits& limits, const std::atomic<bool>& stopping);
    ~DavClient();
    DavClient(const DavClient&) = delete;
    DavClient& operator=(const DavClient&) = delete;

    // folderUrl ends with '/'. A folder that already exists (405) counts as made.
    Reply make_Folder(const QByteArray& folderUrl);
    Reply put(const QByteArray& fileUrl, const QByteArray& content);

private:
    Reply perform(const QByteArray& url, const char* method, const QByteArray* body);

    CURL* curl;
    Limits limits;
    const std::atomic<bool>& stopping;
};

// libcurl's process-wide set-up, done once before any thread uses it.
void init_Curl_Once();

} // namespace delivery
