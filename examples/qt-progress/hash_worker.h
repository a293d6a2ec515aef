// The task the window follows: SHA-256 of a file, read in blocks on a worker thread, reporting
// how much is done.
#pragma once

#include <atomic>

#include <QObject>
#include <QString>

class HashWorker : public QObject {
    Q_OBJECT
  public:
    // Asks a running hash to stop after its current block (from any thread).
    void cancel() { cancelled_ = true; }

  public slots:
    void hash(const QString& path);

  signals:
    void progress(int percent);
    void finished(const QString& digest);  // hex digest; empty when cancelled
    void failed(const QString& reason);

  private:
    std::atomic<bool> cancelled_{false};
};
