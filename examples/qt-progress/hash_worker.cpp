#include "hash_worker.h"

#include <QCryptographicHash>
#include <QFile>

void HashWorker::hash(const QString& path) {
    cancelled_ = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        emit failed(tr("%1: %2").arg(path, file.errorString()));
        return;
    }
    const qint64 total = std::max<qint64>(file.size(), 1);
    QCryptographicHash digest(QCryptographicHash::Sha256);
    qint64 done = 0;
    int reported = -1;
    while (!file.atEnd()) {
        if (cancelled_) {
            emit finished({});
            return;
        }
        const QByteArray block = file.read(1 << 16);
        if (block.isEmpty() && file.error() != QFile::NoError) {
            emit failed(tr("%1: %2").arg(path, file.errorString()));
            return;
        }
        digest.addData(block);
        done += block.size();
        if (const int percent = static_cast<int>(done * 100 / total); percent != reported)
            emit progress(reported = percent);
    }
    emit progress(100);
    emit finished(QString::fromLatin1(digest.result().toHex()));
}
