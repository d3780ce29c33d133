// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFile>
#include <QString>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A named pipe where the launcher expects a file. A reader that opens it and waits for a
// writer would hang the test, so a watchdog plays the writer after a while: the reader
// then sees an empty file, and the test fails instead of hanging the suite.
class GuardedFifo {
public:
    explicit GuardedFifo(const QString& path, std::chrono::milliseconds patience = std::chrono::seconds(2))
        : m_path(QFile::encodeName(path))
        , m_created(::mkfifo(m_path.constData(), 0644) == 0)
        , m_watchdog([this, patience] { watch(patience); })
    { }
    ~GuardedFifo()
    {
        m_stop = true;
        m_watchdog.join();
    }
    GuardedFifo(const GuardedFifo&) = delete;
    GuardedFifo& operator=(const GuardedFifo&) = delete;

    bool created() const { return m_created; }
    // Some reader had opened the pipe (or was waiting to) and had to be let go.
    bool readerWasStuck() const { return m_readerWasStuck; }

private:
    void watch(std::chrono::milliseconds patience)
    {
        const auto deadline = std::chrono::steady_clock::now() + patience;
        while (!m_stop) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::chrono::steady_clock::now() < deadline)
                continue;
            // Opening the writing end without waiting succeeds only while a reader holds
            // the pipe; closing it at once gives that reader an end of file.
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_readerWasStuck = true;
                ::close(fd);
            }
        }
    }

    QByteArray m_path;
    bool m_created;
    std::atomic<bool> m_stop { false };
    std::atomic<bool> m_readerWasStuck { false };
    std::thread m_watchdog;
};
