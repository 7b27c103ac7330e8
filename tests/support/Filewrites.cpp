#include "tests/support/Filewrites.h"

#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

CFileWrites::CFileWrites(const QString& fileName)
    : m_Name(QFile::encodeName(QFileInfo(fileName).fileName()))
    , m_Watch(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (m_Watch >= 0)
        ::inotify_add_watch(m_Watch,
                            QFile::encodeName(QFileInfo(fileName).absolutePath()).constData(),
                            IN_CLOSE_WRITE | IN_MOVED_TO);
}

CFileWrites::~CFileWrites()
{
    if (m_Watch >= 0)
        ::close(m_Watch);
}

int CFileWrites::count()
{
    alignas(inotify_event) char buffer[4096];
    for (ssize_t got; m_Watch >= 0 && (got = ::read(m_Watch, buffer, sizeof buffer)) > 0;) {
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && m_Name == event->name)
                ++m_Count;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return m_Count;
}
