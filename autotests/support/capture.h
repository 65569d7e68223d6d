#pragma once

#include <QByteArray>

#include <cstdio>
#include <functional>
#include <unistd.h>

// What the body writes to standard output or standard error (stream stdout or stderr).
inline QByteArray captured(FILE* stream, const std::function<void()>& body)
{
    fflush(stream);
    FILE* capture = tmpfile();
    const int fd = fileno(stream), saved = dup(fd);
    dup2(fileno(capture), fd);
    body();
    fflush(stream);
    dup2(saved, fd);
    close(saved);
    QByteArray written;
    rewind(capture);
    char chunk[4096];
    for (size_t n; (n = fread(chunk, 1, sizeof chunk, capture)) > 0;)
        written.append(chunk, int(n));
    fclose(capture);
    return written;
}
